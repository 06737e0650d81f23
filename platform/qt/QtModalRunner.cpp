// One modal run of a dialog: build its window, let it initialise, wait for it to end.
#include "QtModalRunner.h"

#include "TemplateDialog.h"
#include "ViewWidget.h"
#include "platform/Dialog.h"

#include <QApplication>

int QtModalRunner::RunModal(CDialog& dialog) {
    const DialogTemplate* tmpl = FindDialogTemplate(dialog.TemplateID());
    if (tmpl == nullptr)
        return -1;

    QWidget* owner = OwnerFor(dialog);
    TemplateDialog window(*tmpl, dialog, m_icon, owner);
    dialog.AttachSite(&window);
    // The lists are filled by now, so the dialog's exchange can select in them.
    const bool bDefaultFocus = dialog.OnInitDialog();
    // A dialog may end itself while it initialises; then it is never shown.
    if (!window.Ended()) {
        if (bDefaultFocus)
            window.FocusFirstTabStop();
        window.exec();
        RepaintUncovered(owner, window.frameGeometry());
    }
    dialog.AttachSite(nullptr);
    return window.Ended() ? window.Result() : IDCANCEL;
}

// A dialog given a parent window opens over the widget that shows that window.
QWidget* QtModalRunner::OwnerFor(const CDialog& dialog) const {
    if (const CWnd* pParent = dialog.ParentWnd()) {
        if (auto* widget = dynamic_cast<QWidget*>(pParent->Host()))
            return widget->window();
    }
    if (m_owner != nullptr)
        return m_owner;
    return QApplication::activeWindow();
}

// The windowing system restores what a closed window covered from the owner's last picture,
// which shows the game as it was before the dialog. The views are painted there afresh instead,
// once the dialog's caller has applied its choices and the program is idle again.
void QtModalRunner::RepaintUncovered(QWidget* owner, const QRect& frame) {
    if (owner == nullptr)
        return;
    for (ViewWidget* view : owner->window()->findChildren<ViewWidget*>()) {
        const QRect covered(view->mapFromGlobal(frame.topLeft()), frame.size());
        view->update(covered & view->rect());
    }
}
