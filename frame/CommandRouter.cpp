// Command routing and the enabling guard.
#include "CommandRouter.h"

bool CCommandRouter::OnCmdMsg(UINT nID) const {
    for (CCmdTarget* target : m_targets) {
        if (target != nullptr && target->OnCommand(nID))
            return true;
    }
    return false;
}

bool CCommandRouter::RouteUpdate(CCmdUI* pCmdUI) const {
    for (CCmdTarget* target : m_targets) {
        if (target != nullptr && target->OnUpdateCommand(pCmdUI))
            return true;
    }
    return false;
}

CCmdUI CCommandRouter::Query(UINT nID) const {
    CCmdUI state(nID);
    if (!RouteUpdate(&state))
        state.Enable(false);
    return state;
}

// The game's handlers rely on never running while their command is disabled.
bool CCommandRouter::Issue(UINT nID) const { return Query(nID).m_bEnabled && OnCmdMsg(nID); }
