// The main frame's own commands, the same in every front end: Exit, the two bar toggles with
// their check marks, and the pane keys, which have one pane to go to and so do nothing.
#pragma once

#include "platform/Commands.h"

class CFrameCommands : public CCmdTarget {
public:
    enum class Bar { Tool, Status };

    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(CCmdUI* pCmdUI) override;

    // Closing never asks to save: the document is never changed.
    void OnAppExit() { CloseFrame(); }
    void OnViewToolBar() { ShowBar(Bar::Tool, !IsBarShown(Bar::Tool)); }
    void OnViewStatusBar() { ShowBar(Bar::Status, !IsBarShown(Bar::Status)); }
    void OnUpdateViewToolBar(CCmdUI* pCmdUI) { UpdateBarToggle(pCmdUI, Bar::Tool); }
    void OnUpdateViewStatusBar(CCmdUI* pCmdUI) { UpdateBarToggle(pCmdUI, Bar::Status); }
    void OnNextPaneCmd() {}

protected:
    // What the front end's window does for them.
    virtual void CloseFrame() = 0;
    virtual bool IsBarShown(Bar bar) const = 0;
    virtual void ShowBar(Bar bar, bool bShow) = 0;

private:
    void UpdateBarToggle(CCmdUI* pCmdUI, Bar bar) const;
};
