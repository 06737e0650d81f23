// The keyboard's cursor on the board, in the board's own grid of rows of ten.
#include "BoardCursor.h"

#include <cstdlib>
#include <utility>

namespace {

int Row(int k) { return (k - 1) / kItemsPerRow; }
int Column(int k) { return (k - 1) % kItemsPerRow; }

// The item on the board in the row closest to the column, the left one of two as close; 0
// when the row holds none.
int ClosestInRow(const CBoardCursor::Board& board, int row, int column) {
    int best = 0;
    for (int c = 0; c < kItemsPerRow; ++c) {
        const int k = row * kItemsPerRow + c + 1;
        if (board.Holds(k) && (best == 0 || std::abs(c - column) < std::abs(Column(best) - column)))
            best = k;
    }
    return best;
}

// The lowest-numbered item on the board, 0 when there is none.
int FirstOnBoard(const CBoardCursor::Board& board) {
    for (int k = 1; k <= board.nTotal; ++k) {
        if (board.Holds(k))
            return k;
    }
    return 0;
}

} // namespace

int CBoardCursor::Neighbour(const Board& board, int k, Direction direction) {
    if (k < 1 || k > board.nTotal)
        return k;
    if (direction == kLeft || direction == kRight) {
        const int step = direction == kLeft ? -1 : 1;
        for (int c = Column(k) + step; c >= 0 && c < kItemsPerRow; c += step) {
            const int j = Row(k) * kItemsPerRow + c + 1;
            if (board.Holds(j))
                return j;
        }
        return k;
    }
    const int step = direction == kUp ? -1 : 1;
    for (int row = Row(k) + step; row >= 0 && row <= Row(board.nTotal); row += step) {
        if (const int j = ClosestInRow(board, row, Column(k)); j != 0)
            return j;
    }
    return k;
}

void CBoardCursor::BeginTurn(CWnd& wnd, const Board& board) {
    SetState(wnd, FirstOnBoard(board), false, m_bFocus);
}

int CBoardCursor::OnKeyDown(CWnd& wnd, const Board& board, UINT nChar) {
    static const std::pair<UINT, Direction> kArrows[] = {
        {VK_LEFT, kLeft}, {VK_RIGHT, kRight}, {VK_UP, kUp}, {VK_DOWN, kDown}};
    for (const auto& [nArrow, direction] : kArrows) {
        if (nChar == nArrow)
            SetState(wnd, Neighbour(board, m_nItem, direction), true, m_bFocus);
    }
    return nChar == VK_SPACE || nChar == VK_RETURN ? m_nItem : 0;
}

void CBoardCursor::Draw(CDC* pDC) const {
    if (IsDrawn() && m_nItem != 0)
        pDC->DrawFocusRect(ItemRect(m_nItem));
}

// Repaints the squares where the drawn cursor appears or vanishes, and no others.
void CBoardCursor::SetState(CWnd& wnd, int nItem, bool bShown, bool bFocus) {
    const int nWasDrawn = IsDrawn() ? m_nItem : 0;
    m_nItem = nItem;
    m_bShown = bShown;
    m_bFocus = bFocus;
    const int nDrawn = IsDrawn() ? m_nItem : 0;
    for (const int k : {nWasDrawn, nDrawn}) {
        if (k != 0 && nWasDrawn != nDrawn) {
            const CRect square = ItemRect(k);
            wnd.InvalidateRect(&square, true);
        }
    }
}
