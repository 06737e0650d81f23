// A view: a window that paints itself through a drawing context and takes commands, clicks and
// keys, and that tells assistive technology what its picture shows.
#pragma once

#include "Accessible.h"
#include "CmdTarget.h"
#include "DC.h"
#include "Wnd.h"

#include <vector>

class CView : public CWnd, public CCmdTarget {
public:
    // Paints the whole picture; the platform clips it to the area being repainted.
    virtual void OnDraw(CDC* pDC) = 0;
    // The default handling of the left button: nothing beyond what the platform does itself.
    virtual void OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/) {}

    // A key pressed while the view has the keyboard focus, by its virtual-key code.
    virtual void OnKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) {}
    // The keyboard focus coming to the view and leaving it.
    virtual void OnSetFocus() {}
    virtual void OnKillFocus() {}
    // A mouse button pressed on the view, before the click itself is handled.
    virtual void OnMouseDown() {}

    // What assistive technology reads of the view itself.
    virtual std::string GetAccessibleName() const { return {}; }
    virtual std::string GetAccessibleDescription() const { return {}; }
    // The parts of the picture that assistive technology reads, in reading order.
    virtual std::vector<CAccessibleChild> GetAccessibleChildren() const { return {}; }
    // The default action of the part with this key: what pressing it does.
    virtual void OnAccessibleAction(int /*nKey*/) {}
};
