// Runs dialogs modally as Qt dialogs built from their templates.
#pragma once

#include "platform/ModalRunner.h"

#include <QIcon>
#include <QPointer>
#include <QWidget>

class QtModalRunner final : public IModalRunner {
public:
    explicit QtModalRunner(QWidget* pOwner = nullptr) : m_owner(pOwner) {}

    // The window that owns dialogs whose parent is not shown in a widget: the main window.
    void SetOwner(QWidget* pOwner) { m_owner = pOwner; }
    // The application's icon, shown by the templates' icon controls.
    void SetIcon(const QIcon& icon) { m_icon = icon; }

    // IDCANCEL when the dialog never ends itself; -1 when it has no template.
    int RunModal(CDialog& dialog) override;

private:
    QWidget* OwnerFor(const CDialog& dialog) const;
    static void RepaintUncovered(QWidget* owner, const QRect& frame);

    QPointer<QWidget> m_owner;
    QIcon m_icon;
};
