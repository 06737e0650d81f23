// Modal dialogs: running, data exchange and ending.
#include "Dialog.h"

namespace {
IModalRunner* g_runner = nullptr;
}

IModalRunner* CDialog::SetModalRunner(IModalRunner* pRunner) {
    IModalRunner* previous = g_runner;
    g_runner = pRunner;
    return previous;
}

IModalRunner* CDialog::ModalRunner() { return g_runner; }

int CDialog::DoModal() {
    if (g_runner == nullptr)
        return IDCANCEL;
    return g_runner->RunModal(*this);
}

bool CDialog::OnInitDialog() { return UpdateData(false); }

bool CDialog::OnCommand(UINT nID) {
    if (nID == IDOK) {
        OnOK();
        return true;
    }
    if (nID == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::UpdateData(bool bSaveAndValidate) {
    if (m_pSite == nullptr)
        return false;
    CDataExchange dx(m_pSite, bSaveAndValidate);
    DoDataExchange(&dx);
    return true;
}

void CDialog::EndDialog(int nResult) {
    if (m_pSite != nullptr)
        m_pSite->EndDialog(nResult);
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}
