// The user-interface side of one command (a menu item, its toolbar button and its key), as its
// update handler fills it in: whether the command is enabled, and a toggle's check mark.
#pragma once

#include "Types.h"

class CCmdUI {
public:
    explicit CCmdUI(UINT nID) : m_nID(nID) {}

    void Enable(bool bOn = true) {
        m_bEnabled = bOn;
        m_bEnableChanged = true;
    }
    void SetCheck(bool bCheck = true) { m_nCheck = bCheck ? 1 : 0; }

    UINT m_nID;
    bool m_bEnabled = true;
    bool m_bEnableChanged = false;
    int m_nCheck = -1; // -1: not a toggle; else 1 checked, 0 not
};
