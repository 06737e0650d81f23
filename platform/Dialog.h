// A modal dialog on a template: it initialises its controls from its members, and OK moves
// them back before it closes.
#pragma once

#include "DataExchange.h"
#include "ModalRunner.h"
#include "Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

    UINT TemplateID() const { return m_nIDTemplate; }
    CWnd* ParentWnd() const { return m_pParentWnd; }

    // Runs the dialog to its end with the installed runner; IDCANCEL when there is none.
    virtual int DoModal();

    // Called by the runner once the controls exist and their lists are filled.
    virtual bool OnInitDialog();
    // A button was pressed: OK and Cancel by default, a subclass's own buttons by override.
    virtual bool OnCommand(UINT nID);
    virtual void OnOK();
    virtual void OnCancel();

    bool UpdateData(bool bSaveAndValidate = true);
    void EndDialog(int nResult);

    // The runner attaches the running dialog's controls for the length of the run.
    void AttachSite(IDialogSite* pSite) { m_pSite = pSite; }
    IDialogSite* Site() const { return m_pSite; }

    static IModalRunner* SetModalRunner(IModalRunner* pRunner);
    static IModalRunner* ModalRunner();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    IDialogSite* m_pSite = nullptr;
};
