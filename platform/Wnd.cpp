// Repaint requests and message boxes, handed to the window's host.
#include "Wnd.h"

void CWnd::Invalidate(bool bErase) {
    if (m_pHost != nullptr)
        m_pHost->InvalidateRect(nullptr, bErase);
}

void CWnd::InvalidateRect(const CRect* lpRect, bool bErase) {
    if (m_pHost != nullptr)
        m_pHost->InvalidateRect(lpRect, bErase);
}

int CWnd::MessageBox(const char* lpszText, const char* lpszCaption, UINT nType) {
    if (m_pHost == nullptr)
        return IDOK;
    return m_pHost->MessageBox(lpszText, lpszCaption != nullptr ? lpszCaption : "", nType);
}
