// The keyboard's cursor on the board: the item it stands on, whether it is drawn, where each
// arrow key takes it, and Space or Enter taking its item as a click at the item's centre.
#pragma once

#include "platform/Drawing.h"

class CZeltaroView;

class CBoardCursor {
public:
    enum Direction { kLeft, kRight, kUp, kDown };

    // The lowest-numbered item on the board, 0 when there is none.
    static int FirstOnBoard(const CZeltaroView& view);
    // Where an arrow key leads from square k: the nearest item on the board that way along
    // the row, or in the nearest row that way that holds any, the one closest to k's column
    // (the left one of two as close). k itself where there is none: the cursor never wraps.
    static int Neighbour(const CZeltaroView& view, int k, Direction direction);

    int Item() const { return m_nItem; }
    // Drawn only while the view has the focus, once an arrow key has been pressed this turn.
    bool IsDrawn() const { return m_bFocus && m_bShown; }

    // The view passed in is the one that holds the cursor; squares are repainted through it.
    // A new turn of the player (or the end of one): back to the first item, hidden.
    void BeginTurn(CZeltaroView& view);
    // Arrow keys move the cursor, Space and Enter take its item; only in the player's turn.
    void OnKeyDown(CZeltaroView& view, UINT nChar);
    // Takes item k as Space would: the cursor moves there and presses.
    void PressItem(CZeltaroView& view, int k);
    void SetFocus(CZeltaroView& view, bool bFocus);
    // A mouse click: the cursor is hidden until the next arrow key.
    void Hide(CZeltaroView& view);
    void Draw(CDC* pDC) const;

private:
    void Press(CZeltaroView& view) const;
    void SetState(CZeltaroView& view, int nItem, bool bShown, bool bFocus);

    int m_nItem = 0;
    bool m_bShown = false;
    bool m_bFocus = false;
};
