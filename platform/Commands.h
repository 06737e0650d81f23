// Commands by identifier: what a menu item, its toolbar button and its key send, the targets
// that handle them, and the command map every target dispatches through.
// A front end provides the routing: before a menu opens, and for the toolbar when the program
// falls idle, it asks each command's target to fill in a CCmdUI and shows the result (greyed,
// checked); before it carries out a command from a menu or a key it asks again and drops a
// disabled one.
#pragma once

#include "Geometry.h"

#include <cstddef>

// The buttons that close a message box or a dialog, as the commands they send.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Virtual-key codes of the keys that play on the board.
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_F5 = 0x74;

// The user-interface side of one command, as its update handler fills it in: whether the
// command is enabled, and a toggle's check mark.
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

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler of nID; false when this target has none.
    virtual bool OnCommand(UINT nID) = 0;
    // Lets the update handler of pCmdUI's command fill it in; false when this target does not
    // handle the command.
    virtual bool OnUpdateCommand(CCmdUI* pCmdUI) = 0;
};

// One command of a target's command map: its handler and its update handler (null: the command
// is always enabled, as a CCmdUI starts).
template <class T> struct CommandEntry {
    UINT nID;
    void (T::*pfnCommand)();
    void (T::*pfnUpdate)(CCmdUI*);
};

template <class T, std::size_t N>
const CommandEntry<T>* FindCommand(const CommandEntry<T> (&map)[N], UINT nID) {
    for (const CommandEntry<T>& entry : map) {
        if (entry.nID == nID)
            return &entry;
    }
    return nullptr;
}

template <class T, std::size_t N>
bool DispatchCommand(T& target, const CommandEntry<T> (&map)[N], UINT nID) {
    const CommandEntry<T>* entry = FindCommand(map, nID);
    if (entry != nullptr)
        (target.*entry->pfnCommand)();
    return entry != nullptr;
}

template <class T, std::size_t N>
bool DispatchUpdate(T& target, const CommandEntry<T> (&map)[N], CCmdUI* pCmdUI) {
    const CommandEntry<T>* entry = FindCommand(map, pCmdUI->m_nID);
    if (entry != nullptr && entry->pfnUpdate != nullptr)
        (target.*entry->pfnUpdate)(pCmdUI);
    return entry != nullptr;
}
