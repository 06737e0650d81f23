// The keyboard's cursor on the board: the item it stands on, whether it is drawn, where each
// arrow key takes it, and the item that Space or Enter presses. It knows the board alone: the
// view hands it the items and the window to repaint, and makes the click itself.
#pragma once

#include "Board.h"
#include "platform/Window.h"

class CBoardCursor {
public:
    enum Direction { kLeft, kRight, kUp, kDown };

    // The board as the cursor reads it: items 1 to nTotal of the view's array.
    struct Board {
        const GameItem* pItems;
        int nTotal;
        bool Holds(int k) const { return k >= 1 && k <= nTotal && pItems[k - 1].nTaken == 0; }
    };

    // Where an arrow key leads from square k: the nearest item on the board that way along
    // the row, or in the nearest row that way that holds any, the one closest to k's column
    // (the left one of two as close). k itself where there is none: the cursor never wraps.
    static int Neighbour(const Board& board, int k, Direction direction);

    int Item() const { return m_nItem; }
    bool HasFocus() const { return m_bFocus; }
    // Drawn only while the view has the focus, once an arrow key has been pressed this turn.
    bool IsDrawn() const { return m_bFocus && m_bShown; }

    // The squares where the drawn cursor appears or vanishes are repainted through the window.
    // A new turn of the player (or the end of one): back to the first item, hidden.
    void BeginTurn(CWnd& wnd, const Board& board);
    // An arrow key moves the cursor; Space and Enter give the item to press, 0 for none.
    int OnKeyDown(CWnd& wnd, const Board& board, UINT nChar);
    // Stands on item k, as before a screen reader's press of it.
    void MoveTo(CWnd& wnd, int k) { SetState(wnd, k, m_bShown, m_bFocus); }
    void SetFocus(CWnd& wnd, bool bFocus) { SetState(wnd, m_nItem, m_bShown, bFocus); }
    // A mouse click: the cursor is hidden until the next arrow key.
    void Hide(CWnd& wnd) { SetState(wnd, m_nItem, false, m_bFocus); }
    void Draw(CDC* pDC) const;

private:
    void SetState(CWnd& wnd, int nItem, bool bShown, bool bFocus);

    int m_nItem = 0;
    bool m_bShown = false;
    bool m_bFocus = false;
};
