// The user-interface side of one command (a menu item and its toolbar button), asked whether
// the command is enabled.
#pragma once

#include "Types.h"

class CCmdUI {
public:
    explicit CCmdUI(UINT nID) : m_nID(nID) {}
    virtual ~CCmdUI() = default;

    // Records the state; a platform's own subclass also greys or enables what the user sees.
    virtual void Enable(bool bOn = true) {
        m_bEnabled = bOn;
        m_bEnableChanged = true;
    }
    // Records the check mark of a toggle command; a platform's subclass also shows it.
    virtual void SetCheck(bool bCheck = true) { m_bChecked = bCheck; }

    UINT m_nID;
    bool m_bEnabled = true;
    bool m_bEnableChanged = false;
    bool m_bChecked = false;
};
