// Moving values between a running dialog's controls and the dialog's members, either way.
#pragma once

#include "DialogSite.h"

class CDataExchange {
public:
    CDataExchange(IDialogSite* pSite, bool bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pSite(pSite) {}

    bool m_bSaveAndValidate; // true: controls to members; false: members to controls
    IDialogSite* m_pSite;
};

// A combo box's selected position.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// The position of the checked button in the radio group that starts with nIDC.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
