// Something that handles commands by identifier and reports whether each is enabled.
#pragma once

#include "CmdUI.h"

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler of nID; false when this target has none.
    virtual bool OnCommand(UINT nID) = 0;
    // Lets the update handler of pCmdUI's command fill it in; false when there is none.
    virtual bool OnUpdateCommand(CCmdUI* pCmdUI) = 0;
};
