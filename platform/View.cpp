// The default handlers of a view.
#include "View.h"

void CView::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/) {}
