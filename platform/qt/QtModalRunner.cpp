// One modal run of a dialog: build its window, let it initialise, wait for it to end.
#include "QtModalRunner.h"

#include "TemplateDialog.h"
#include "platform/Dialog.h"

#include <QApplication>

int QtModalRunner::RunModal(CDialog& dialog) {
    const DialogTemplate* tmpl = FindDialogTemplate(dialog.TemplateID());
    if (tmpl == nullptr)
        return -1;

    TemplateDialog window(*tmpl, dialog, m_icon, OwnerFor(dialog));
    dialog.AttachSite(&window);
    // The lists are filled by now, so the dialog's exchange can select in them.
    const bool bDefaultFocus = dialog.OnInitDialog();
    // A dialog may end itself while it initialises; then it is never shown.
    if (!window.Ended()) {
        if (bDefaultFocus)
            window.FocusFirstTabStop();
        window.exec();
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
