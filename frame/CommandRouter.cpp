// Command routing and the enabling guard.
#include "CommandRouter.h"

#include <algorithm>

CCmdUI CCommandRouter::Query(UINT nID) const {
    CCmdUI state(nID);
    if (std::none_of(m_targets.begin(), m_targets.end(), [&state](CCmdTarget* target) {
            return target != nullptr && target->OnUpdateCommand(&state);
        }))
        state.Enable(false);
    return state;
}

// The game's handlers rely on never running while their command is disabled.
bool CCommandRouter::Issue(UINT nID) const {
    return Query(nID).m_bEnabled &&
           std::any_of(m_targets.begin(), m_targets.end(), [nID](CCmdTarget* target) {
               return target != nullptr && target->OnCommand(nID);
           });
}
