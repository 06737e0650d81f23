// A Qt dialog built from a dialog template, serving as the running dialog's controls.
#pragma once

#include "platform/Dialog.h"
#include "resources/DialogTemplate.h"

#include <QDialog>
#include <QIcon>

#include <map>
#include <vector>

class CDialog;
class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QRadioButton;

class TemplateDialog final : public QDialog, public IDialogSite {
    Q_OBJECT

public:
    // Builds the window and its controls; the lists are filled, nothing is selected yet. The
    // icon is shown by the template's icon controls.
    TemplateDialog(const DialogTemplate& tmpl, CDialog& dialog, const QIcon& icon,
                   QWidget* parent = nullptr);
    ~TemplateDialog() override;

    // One modal run of the dialog over the owner window: builds the window from the dialog's
    // template, lets the dialog initialise and waits for it to end. IDCANCEL when the dialog
    // never ends itself; -1 when it has no template.
    static int Run(CDialog& dialog, QWidget* pOwner);
    // A rectangle in dialog units, in pixels of the dialog's client area.
    QRect ToPixels(int x, int y, int cx, int cy) const;

    // Gives the focus to the first control that Tab reaches, as a dialog does when it opens.
    void FocusFirstTabStop();

    // Whether the dialog has called EndDialog, and with which result.
    bool Ended() const { return m_bEnded; }
    int Result() const { return m_nResult; }

    int GetComboIndex(int nIDC) const override;
    void SetComboIndex(int nIDC, int nIndex) override;
    int GetRadioIndex(int nIDC) const override;
    void SetRadioIndex(int nIDC, int nIndex) override;
    void EndDialog(int nResult) override;

public slots:
    // Escape and the window's close request go to the dialog as Cancel, which decides.
    void reject() override;

private:
    struct Combo {
        QComboBox* box = nullptr;
        bool bSorted = false;
        int nListHeight = 0; // pixels of the dropped-down list, as the template gives them
    };

    void ApplyWindowStyle(const DialogTemplate& tmpl);
    void MeasureBaseUnits();
    QWidget* CreateControl(const DialogControl& control, const QIcon& icon);
    QWidget* CreateComboBox(const DialogControl& control);
    QWidget* CreateRadioButton(const DialogControl& control);
    QWidget* CreateIcon(const DialogControl& control, const QIcon& icon);
    void PlaceControl(QWidget* widget, const DialogControl& control);
    void FillLists(const DialogTemplate& tmpl);
    static void AddString(Combo& combo, const QString& text);
    static void FitDropDown(const Combo& combo);
    void ChainTabStops();
    void LinkForReaders();
    // The buttons of nIDC's radio group from nIDC on, in template order.
    QList<QAbstractButton*> RadioRun(int nIDC) const;
    void OnButtonClicked(int nID);

    CDialog& m_dialog;
    int m_cxChar = 0;
    int m_cyChar = 0;
    std::map<int, Combo> m_combos;
    std::map<int, QRadioButton*> m_radios;
    // Automatic radio buttons join this group until a control starts a new one.
    QButtonGroup* m_pOpenGroup = nullptr;
    std::vector<QWidget*> m_tabStops;
    bool m_bEnded = false;
    int m_nResult = IDCANCEL;
};
