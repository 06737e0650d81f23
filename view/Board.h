// The board: its items, and where each lies: rows of ten squares of 50 pixels, 5 pixels apart,
// below the texts. The walks over the board visit the items in this order, 1 first.
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

// Items lie on the board in rows of this many.
constexpr int kItemsPerRow = 10;

// The square of item k (1 to 39) on the board.
constexpr CRect ItemRect(int k) {
    const int row = (k - 1) / kItemsPerRow;
    const int column = (k - 1) % kItemsPerRow;
    const int left = 50 + 55 * column;
    const int top = 70 + 55 * row;
    return CRect(left, top, left + 50, top + 50);
}

// The centre of item k's square, where a press from the keyboard or a screen reader clicks.
constexpr CPoint ItemCentre(int k) {
    const CRect r = ItemRect(k);
    return CPoint(r.left + r.Width() / 2, r.top + r.Height() / 2);
}
