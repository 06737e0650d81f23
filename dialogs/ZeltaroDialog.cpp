// The settings dialog's data exchange; its controls come from its template.
#include "ZeltaroDialog.h"

#include "resources/resource.h"

CZeltaroDialog::CZeltaroDialog(CWnd* pParent) : CDialog(IDD_GENERAL_SETTINGS, pParent) {}

void CZeltaroDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_TOTAL_COMBO, m_nTotalIndex);
    DDX_CBIndex(pDX, IDC_MAXTAKE_COMBO, m_nMaxTakeIndex);
    DDX_Radio(pDX, IDC_FIRST_RADIO, m_nOrderIndex);
}
