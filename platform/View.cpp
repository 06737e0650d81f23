// The default handlers of a view: a view that handles nothing leaves everything to the platform.
#include "View.h"

void CView::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/) {}
void CView::OnKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) {}
void CView::OnSetFocus() {}
void CView::OnKillFocus() {}
void CView::OnMouseDown() {}
std::vector<CAccessibleChild> CView::GetAccessibleChildren() const { return {}; }
void CView::OnAccessibleAction(int /*nKey*/) {}
