// A window as the game sees it: it asks its host for repaints and message boxes.
#pragma once

#include "WndHost.h"

class CWnd {
public:
    virtual ~CWnd() = default;

    void SetHost(IWndHost* pHost) { m_pHost = pHost; }
    IWndHost* Host() const { return m_pHost; }

    void Invalidate(bool bErase = true);
    void InvalidateRect(const CRect* lpRect, bool bErase = true);
    int MessageBox(const char* lpszText, const char* lpszCaption = nullptr, UINT nType = MB_OK);

private:
    // Without a host there is nothing on screen to repaint and nobody to answer a box.
    IWndHost* m_pHost = nullptr;
};
