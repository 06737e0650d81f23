// One item of the board.
#pragma once

#include "platform/Drawing.h"

struct GameItem {
    int nTaken; // 1: off the board (taken by either side, or selected this turn); 0: on it
    int nBrush; // the stock brush it is painted with: GRAY_BRUSH on the board, WHITE_BRUSH off it
};

// What every operation that takes an item off the board does to it.
inline void TakeOffBoard(GameItem& item) {
    if (item.nBrush == GRAY_BRUSH)
        item.nBrush = WHITE_BRUSH;
    item.nTaken = 1;
}

inline void PutOnBoard(GameItem& item) {
    item.nTaken = 0;
    item.nBrush = GRAY_BRUSH;
}
