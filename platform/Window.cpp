// Repaint requests, message boxes and failed checks, handed to the window's host.
#include "Window.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void ReportAndStop(const char* expr, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, expr);
    std::abort();
}

} // namespace

void IWndHost::AssertFailed(const char* expr, const char* file, int line) {
    ReportAndStop(expr, file, line);
}

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

void CWnd::AssertFailed(const char* expr, const char* file, int line) const {
    if (m_pHost != nullptr)
        m_pHost->AssertFailed(expr, file, line);
    else
        ReportAndStop(expr, file, line);
}
