// Enabling and checking a command's action.
#include "QtCmdUI.h"

#include <QAction>

QtCmdUI::QtCmdUI(UINT nID, QAction* pAction) : CCmdUI(nID), m_pAction(pAction) {}

void QtCmdUI::Enable(bool bOn) {
    CCmdUI::Enable(bOn);
    m_pAction->setEnabled(bOn);
}

void QtCmdUI::SetCheck(bool bCheck) {
    CCmdUI::SetCheck(bCheck);
    m_pAction->setCheckable(true);
    m_pAction->setChecked(bCheck);
}
