// A modal dialog on a template: it initialises its controls from its members, and OK moves
// them back before it closes.
#pragma once

#include "DataExchange.h"
#include "Wnd.h"

class CDialog : public CWnd {
public:
    // A dialog runs through its parent's host, or through the host it is given later.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    UINT TemplateID() const { return m_nIDTemplate; }

    // Runs the dialog to its end through its host; IDCANCEL when it has none.
    virtual int DoModal();

    // Called by the host once the controls exist and their lists are filled.
    virtual bool OnInitDialog();
    // A button was pressed: OK and Cancel by default, a subclass's own buttons by override.
    virtual bool OnCommand(UINT nID);
    virtual void OnOK();
    virtual void OnCancel();

    bool UpdateData(bool bSaveAndValidate = true);
    void EndDialog(int nResult);

    // The host attaches the running dialog's controls for the length of the run.
    void AttachSite(IDialogSite* pSite) { m_pSite = pSite; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    UINT m_nIDTemplate;
    IDialogSite* m_pSite = nullptr;
};
