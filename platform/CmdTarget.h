// Something that handles commands by identifier and reports whether each is enabled, and the
// command map that every target dispatches through.
#pragma once

#include "CmdUI.h"

#include <cstddef>

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
// is always enabled).
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
    if (entry == nullptr)
        return false;
    if (entry->pfnUpdate != nullptr)
        (target.*entry->pfnUpdate)(pCmdUI);
    else
        pCmdUI->Enable(true);
    return true;
}
