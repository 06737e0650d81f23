// The keyboard's cursor on the board, in the board's own grid of rows of ten.
#include "BoardCursor.h"

#include "ZeltaroView.h"

#include <cstdlib>
#include <utility>

namespace {

constexpr int kColumns = CZeltaroView::kItemsPerRow;

int Row(int k) { return (k - 1) / kColumns; }
int Column(int k) { return (k - 1) % kColumns; }

bool OnBoard(const CZeltaroView& view, int k) {
    return k >= 1 && k <= view.m_nTotal && view.Item(k).nTaken == 0;
}

// The item on the board in the row closest to the column, the left one of two as close; 0
// when the row holds none.
int ClosestInRow(const CZeltaroView& view, int row, int column) {
    int best = 0;
    for (int c = 0; c < kColumns; ++c) {
        const int k = row * kColumns + c + 1;
        if (OnBoard(view, k) &&
            (best == 0 || std::abs(c - column) < std::abs(Column(best) - column)))
            best = k;
    }
    return best;
}

} // namespace

int CBoardCursor::FirstOnBoard(const CZeltaroView& view) {
    for (int k = 1; k <= view.m_nTotal; ++k) {
        if (OnBoard(view, k))
            return k;
    }
    return 0;
}

int CBoardCursor::Neighbour(const CZeltaroView& view, int k, Direction direction) {
    if (k < 1 || k > view.m_nTotal)
        return k;
    if (direction == kLeft || direction == kRight) {
        const int step = direction == kLeft ? -1 : 1;
        for (int c = Column(k) + step; c >= 0 && c < kColumns; c += step) {
            const int j = Row(k) * kColumns + c + 1;
            if (OnBoard(view, j))
                return j;
        }
        return k;
    }
    const int step = direction == kUp ? -1 : 1;
    for (int row = Row(k) + step; row >= 0 && row <= Row(view.m_nTotal); row += step) {
        if (const int j = ClosestInRow(view, row, Column(k)); j != 0)
            return j;
    }
    return k;
}

void CBoardCursor::BeginTurn(CZeltaroView& view) {
    SetState(view, FirstOnBoard(view), false, m_bFocus);
}

void CBoardCursor::OnKeyDown(CZeltaroView& view, UINT nChar) {
    if (view.m_nTurn != CZeltaroView::kPlayerTurn)
        return;
    static const std::pair<UINT, Direction> kArrows[] = {
        {VK_LEFT, kLeft}, {VK_RIGHT, kRight}, {VK_UP, kUp}, {VK_DOWN, kDown}};
    for (const auto& [nArrow, direction] : kArrows) {
        if (nChar == nArrow)
            SetState(view, Neighbour(view, m_nItem, direction), true, m_bFocus);
    }
    if (nChar == VK_SPACE || nChar == VK_RETURN)
        Press(view);
}

void CBoardCursor::PressItem(CZeltaroView& view, int k) {
    if (view.m_nTurn != CZeltaroView::kPlayerTurn || k < 1 || k > view.m_nTotal)
        return;
    SetState(view, k, m_bShown, m_bFocus);
    Press(view);
}

void CBoardCursor::SetFocus(CZeltaroView& view, bool bFocus) {
    SetState(view, m_nItem, m_bShown, bFocus);
}

void CBoardCursor::Hide(CZeltaroView& view) { SetState(view, m_nItem, false, m_bFocus); }

void CBoardCursor::Draw(CDC* pDC) const {
    if (IsDrawn() && m_nItem != 0)
        pDC->DrawFocusRect(CZeltaroView::ItemRect(m_nItem));
}

// Exactly a click at the centre of the cursor's square, whatever the square holds now.
void CBoardCursor::Press(CZeltaroView& view) const {
    if (m_nItem == 0)
        return;
    const CRect r = CZeltaroView::ItemRect(m_nItem);
    view.OnLButtonDown(MK_LBUTTON, CPoint(r.left + r.Width() / 2, r.top + r.Height() / 2));
}

// Repaints the squares where the drawn cursor appears or vanishes, and no others.
void CBoardCursor::SetState(CZeltaroView& view, int nItem, bool bShown, bool bFocus) {
    const bool bWasDrawn = IsDrawn();
    const int nWas = m_nItem;
    m_nItem = nItem;
    m_bShown = bShown;
    m_bFocus = bFocus;
    if (bWasDrawn && nWas != 0 && (!IsDrawn() || nWas != m_nItem)) {
        CRect square = CZeltaroView::ItemRect(nWas);
        view.InvalidateRect(&square, true);
    }
    if (IsDrawn() && m_nItem != 0 && (!bWasDrawn || nWas != m_nItem)) {
        CRect square = CZeltaroView::ItemRect(m_nItem);
        view.InvalidateRect(&square, true);
    }
}
