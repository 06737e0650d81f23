// Drives the view as the player does: settings through the dialog, takes as clicks on items.
#pragma once

#include "resources/resource.h"
#include "support/ScriptedDialogs.h"
#include "view/ZeltaroView.h"

namespace GameDriver {

inline CPoint ItemCentre(int k) {
    const CRect r = CZeltaroView::ItemRect(k);
    return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

inline void ClickItem(CZeltaroView& view, int k) { view.OnLButtonDown(0, ItemCentre(k)); }

// Chooses N, M and the order in the settings dialog and presses OK.
inline void ChooseSettings(CZeltaroView& view, int nTotal, int nMaxTake, int nOrder) {
    ScriptedModalRunner runner([=](CDialog& dialog, FakeDialogSite& site) {
        site.SetComboIndex(IDC_TOTAL_COMBO, (nTotal - 21) / 2);
        site.SetComboIndex(IDC_MAXTAKE_COMBO, nMaxTake - 2);
        site.SetRadioIndex(IDC_FIRST_RADIO, nOrder);
        dialog.OnCommand(IDOK);
    });
    view.OnGeneralSettings();
}

inline int ItemsOnBoard(const CZeltaroView& view) {
    int count = 0;
    for (int k = 1; k <= view.m_nTotal; ++k)
        count += view.Item(k).nTaken == 0 ? 1 : 0;
    return count;
}

// Clicks the n lowest-numbered items on the board, checking the invariants after each click.
inline void TakeItems(CZeltaroView& view, int n) {
    for (int k = 1; k <= view.m_nTotal && n > 0; ++k) {
        if (view.Item(k).nTaken == 0) {
            ClickItem(view, k);
            view.AssertValid();
            --n;
        }
    }
}

} // namespace GameDriver
