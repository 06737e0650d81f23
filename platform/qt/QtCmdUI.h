// A command's user interface on Qt: the one action that its menu item, toolbar button and
// key share, so that enabling it greys all of them at once.
#pragma once

#include "platform/CmdUI.h"

class QAction;

class QtCmdUI final : public CCmdUI {
public:
    QtCmdUI(UINT nID, QAction* pAction);

    void Enable(bool bOn = true) override;
    void SetCheck(bool bCheck = true) override;

private:
    QAction* m_pAction;
};
