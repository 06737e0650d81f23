// A Qt dialog built from a dialog template, serving as the running dialog's controls.
#pragma once

#include "platform/Dialog.h"
#include "resources/DialogTemplate.h"

#include <QDialog>
#include <QMap>

#include <optional>

class QButtonGroup;

class TemplateDialog final : public QDialog, public IDialogSite {
    Q_OBJECT

public:
    // Builds the window and its controls in template order; the lists are filled, nothing is
    // selected yet. The icon is shown by the template's icon controls. The window serves the
    // dialog's data exchange while it lives.
    TemplateDialog(const DialogTemplate& tmpl, CDialog& dialog, const QIcon& icon,
                   QWidget* parent = nullptr);
    ~TemplateDialog() override { m_dialog.AttachSite(nullptr); }

    // One modal run of the dialog over the owner window: builds the window from the dialog's
    // template, lets the dialog initialise and waits for it to end. IDCANCEL when the dialog
    // never ends itself; -1 when it has no template.
    static int Run(CDialog& dialog, QWidget& owner);

    // Whether the dialog has called EndDialog, and with which result.
    bool Ended() const { return m_result.has_value(); }
    int Result() const { return m_result.value_or(IDCANCEL); }

    int GetComboIndex(int nIDC) const override;
    void SetComboIndex(int nIDC, int nIndex) override;
    int GetRadioIndex(int nIDC) const override;
    void SetRadioIndex(int nIDC, int nIndex) override;
    void EndDialog(int nResult) override;
    // Escape and the window's close request go to the dialog as Cancel, which decides.
    void reject() override;

private:
    // A rectangle in dialog units, in pixels of the dialog's client area.
    QRect ToPixels(int x, int y, int cx, int cy) const;
    // The control, to be placed at rect: its place in pixels, which a list, an icon and a
    // button in a group box change.
    QWidget* CreateControl(const DialogControl& control, const DialogTemplate& tmpl,
                           const QIcon& icon, QRect& rect);

    CDialog& m_dialog;
    QPointF m_unit;                       // a dialog unit in pixels, across and down
    QMap<int, QWidget*> m_controls;       // by identifier
    QButtonGroup* m_pOpenGroup = nullptr; // the radio buttons' group being filled
    std::optional<int> m_result;          // set once the dialog has ended
};
