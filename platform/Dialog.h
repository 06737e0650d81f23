// Modal dialogs on a template: a dialog initialises its controls from its members, and OK moves
// them back before it closes.
// A front end provides, in its host's RunModal, the running dialog: it builds the window and
// its controls from the template with the dialog's identifier (resources/DialogTemplate.h) and
// fills their lists, attaches itself as the dialog's IDialogSite, calls OnInitDialog, sends
// each button's identifier to OnCommand (Esc and closing the window as IDCANCEL), and returns
// the result that EndDialog gave.
#pragma once

#include "Window.h"

// The platform side of a running dialog: its controls' values, and a way to end it.
class IDialogSite {
public:
    virtual ~IDialogSite() = default;

    // The selected position of a combo box, -1 for none.
    virtual int GetComboIndex(int nIDC) const = 0;
    virtual void SetComboIndex(int nIDC, int nIndex) = 0;
    // The position of the checked button in the radio group starting at nIDC, -1 for none.
    virtual int GetRadioIndex(int nIDC) const = 0;
    virtual void SetRadioIndex(int nIDC, int nIndex) = 0;
    virtual void EndDialog(int nResult) = 0;
};

// Moving values between a running dialog's controls and the dialog's members, either way.
struct CDataExchange {
    bool m_bSaveAndValidate; // true: controls to members; false: members to controls
    IDialogSite* m_pSite;
};

// A combo box's selected position; the checked button's in the radio group starting at nIDC.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

class CDialog : public CWnd {
public:
    // A dialog runs through its parent's host, or through the host it is given later.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    UINT TemplateID() const { return m_nIDTemplate; }

    // Runs the dialog to its end through its host; IDCANCEL when it has none.
    int DoModal() { return Host()->RunModal(*this); }

    // Called by the host once the controls exist and their lists are filled.
    bool OnInitDialog() { return UpdateData(false); }
    // A button was pressed: OK and Cancel by default, a subclass's own buttons by override.
    virtual bool OnCommand(UINT nID);
    virtual void OnOK();
    void OnCancel() { EndDialog(IDCANCEL); }

    bool UpdateData(bool bSaveAndValidate = true);
    void EndDialog(int nResult);

    // The host attaches the running dialog's controls for the length of the run.
    void AttachSite(IDialogSite* pSite) { m_pSite = pSite; }

protected:
    virtual void DoDataExchange(CDataExchange* /*pDX*/) {}

private:
    UINT m_nIDTemplate;
    IDialogSite* m_pSite = nullptr;
};
