// The frame's command map.
#include "FrameCommands.h"

#include "resources/resource.h"

namespace {

const CommandEntry<CFrameCommands> kCommandMap[] = {
    {ID_APP_EXIT, &CFrameCommands::OnAppExit, nullptr},
    {ID_VIEW_TOOLBAR, &CFrameCommands::OnViewToolBar, &CFrameCommands::OnUpdateViewToolBar},
    {ID_VIEW_STATUS_BAR, &CFrameCommands::OnViewStatusBar, &CFrameCommands::OnUpdateViewStatusBar},
    {ID_NEXT_PANE, &CFrameCommands::OnNextPaneCmd, nullptr},
    {ID_PREV_PANE, &CFrameCommands::OnNextPaneCmd, nullptr},
};

} // namespace

bool CFrameCommands::OnCommand(UINT nID) { return DispatchCommand(*this, kCommandMap, nID); }

bool CFrameCommands::OnUpdateCommand(CCmdUI* pCmdUI) {
    return DispatchUpdate(*this, kCommandMap, pCmdUI);
}

void CFrameCommands::UpdateBarToggle(CCmdUI* pCmdUI, Bar bar) const {
    pCmdUI->Enable(true);
    pCmdUI->SetCheck(IsBarShown(bar));
}
