// A view: a window that paints itself through a drawing context and takes commands and clicks.
#pragma once

#include "CmdTarget.h"
#include "DC.h"
#include "Wnd.h"

class CView : public CWnd, public CCmdTarget {
public:
    // Paints the whole picture; the platform clips it to the area being repainted.
    virtual void OnDraw(CDC* pDC) = 0;
    // The default handling of the left button: nothing beyond what the platform does itself.
    virtual void OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/) {}
};
