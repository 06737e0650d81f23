// A window as the game sees it: it asks its host for repaints, message boxes and dialogs.
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

protected:
    // Reports a failed check to the host; without one, reports it and stops.
    void AssertFailed(const char* expr, const char* file, int line) const;

private:
    // Without a host there is nothing on screen to repaint and nobody to answer a box.
    IWndHost* m_pHost = nullptr;
};

// Checks one of a window's invariants.
#define ZASSERT(expr)                                                                              \
    do {                                                                                           \
        if (!(expr))                                                                               \
            AssertFailed(#expr, __FILE__, __LINE__);                                               \
    } while (false)
