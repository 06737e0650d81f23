// A dialog's template turned into the system's in-memory DLGTEMPLATE and run modally, serving
// its controls' values to the dialog's data exchange while it runs.
#pragma once

#include "platform/Dialog.h"
#include "resources/DialogTemplate.h"

#include "Win32.h"

#include <vector>

class TemplateDialog : public IDialogSite {
public:
    // Runs the dialog on its template over the owner: the dialog's result, -1 when it has no
    // template or the system cannot show it.
    static int Run(CDialog& dialog, HWND hOwner);

    int GetComboIndex(int nIDC) const override;
    void SetComboIndex(int nIDC, int nIndex) override;
    int GetRadioIndex(int nIDC) const override;
    void SetRadioIndex(int nIDC, int nIndex) override;
    void EndDialog(int nResult) override;

private:
    TemplateDialog(const DialogTemplate& tmpl, CDialog& dialog) : m_tmpl(tmpl), m_dialog(dialog) {}

    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog(HWND hDlg);
    // The identifiers of the radio group that starts with nIDC, in order.
    std::vector<int> RadioGroup(int nIDC) const;

    const DialogTemplate& m_tmpl;
    CDialog& m_dialog;
    HWND m_hDlg = nullptr;
};
