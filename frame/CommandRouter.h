// Routing a command to its handler along the view, the document, the frame and the
// application, and the guard before it runs: its update handler is asked, and a disabled
// command is dropped.
#pragma once

#include "platform/Commands.h"

#include <array>

class CCommandRouter {
public:
    // The targets in the order they are offered a command; a null one is passed over.
    void SetTargets(CCmdTarget* pView, CCmdTarget* pDoc, CCmdTarget* pFrame, CCmdTarget* pApp) {
        m_targets = {pView, pDoc, pFrame, pApp};
    }
    void SetDocumentTarget(CCmdTarget* pDoc) { m_targets[1] = pDoc; }
    void SetAppTarget(CCmdTarget* pApp) { m_targets[3] = pApp; }

    // Runs the first handler of nID along the route; false when no target handles it.
    bool OnCmdMsg(UINT nID) const;
    // Lets the first target that handles the command fill pCmdUI in; false when none does.
    bool RouteUpdate(CCmdUI* pCmdUI) const;
    // The command's state now. A command that nobody answers for is one that nobody handles,
    // and so disabled.
    CCmdUI Query(UINT nID) const;
    // A command from a menu item, a key or a button: asked about again, since what the bars
    // show may be older than the game, and run only when enabled. True when it ran.
    bool Issue(UINT nID) const;

private:
    std::array<CCmdTarget*, 4> m_targets{};
};
