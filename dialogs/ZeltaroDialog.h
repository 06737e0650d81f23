// The settings dialog: the positions chosen in the two lists and the radio pair.
#pragma once

#include "platform/Dialog.h"

class CZeltaroDialog : public CDialog {
public:
    explicit CZeltaroDialog(CWnd* pParent = nullptr);

    int m_nTotalIndex = 0;   // position in the list of item counts: "21" first
    int m_nMaxTakeIndex = 2; // position in the list of maximum takes: "4"
    int m_nOrderIndex = 0;   // 0: "Първи", 1: "Втори"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
