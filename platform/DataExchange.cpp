// The list-index and radio-index exchanges.
#include "DataExchange.h"

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
