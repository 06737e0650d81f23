// Modal dialogs: running, data exchange and ending.
#include "Dialog.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate) {
    if (pParentWnd != nullptr)
        SetHost(pParentWnd->Host());
}

bool CDialog::OnCommand(UINT nID) {
    if (nID == IDOK)
        OnOK();
    else if (nID == IDCANCEL)
        OnCancel();
    return nID == IDOK || nID == IDCANCEL;
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    if (m_pSite == nullptr)
        return false;
    CDataExchange dx{bSaveAndValidate, m_pSite};
    DoDataExchange(&dx);
    return true;
}

void CDialog::EndDialog(int nResult) {
    if (m_pSite != nullptr)
        m_pSite->EndDialog(nResult);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    if (pDX->m_bSaveAndValidate)
        index = pDX->m_pSite->GetComboIndex(nIDC);
    else
        pDX->m_pSite->SetComboIndex(nIDC, index);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pSite->GetRadioIndex(nIDC);
    else
        pDX->m_pSite->SetRadioIndex(nIDC, value);
}
