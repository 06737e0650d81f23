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

    // The command's state now, from the first target that handles it. A command that nobody
    // answers for is one that nobody handles, and so disabled.
    CCmdUI Query(UINT nID) const;
    // A command from a menu item, a key or a button: asked about again, since what the bars
    // show may be older than the game, and run by the first target that handles it only when
    // enabled. True when it ran.
    bool Issue(UINT nID) const;

private:
    std::array<CCmdTarget*, 4> m_targets{};
};
