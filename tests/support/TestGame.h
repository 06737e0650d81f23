// The game stood up for a test, on the engine's and the widgets' layers: a view with a scripted
// runtime on a host that records what it asks for (or on its widget), behind a trap for failed
// invariant checks; the settings dialog run on plain values, the player's takes as clicks, the
// game's five commands and the texts the game shows.
#pragma once

#include "platform/Dialog.h"
#include "resources/resource.h"
#include "support/AssertTrap.h"
#include "support/ScriptedRuntime.h"
#include "view/ZeltaroView.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

struct Repaint {
    bool whole; // the whole view, not one rectangle
    CRect rect;
    bool erase;
};

struct ShownBox {
    std::string text;
    std::string caption;
    UINT type;
};

// Records repaint requests and message boxes instead of showing them for the window it hosts;
// every box answers OK, and every dialog is cancelled.
class RecordingHost final : public IWndHost {
public:
    explicit RecordingHost(CWnd& wnd) { wnd.SetHost(this); }

    void InvalidateRect(const CRect* rect, bool bErase) override {
        repaints.push_back(Repaint{rect == nullptr, rect != nullptr ? *rect : CRect(), bErase});
    }
    int MessageBox(const std::string& text, const std::string& caption, UINT nType) override {
        boxes.push_back(ShownBox{text, caption, nType});
        if (onMessageBox)
            onMessageBox(boxes.back());
        return IDOK;
    }
    int RunModal(CDialog& /*dialog*/) override { return IDCANCEL; }
    void Clear() {
        repaints.clear();
        boxes.clear();
    }

    std::vector<Repaint> repaints;
    std::vector<ShownBox> boxes;
    // Runs while a box is "open", to look at the state the player sees behind it.
    std::function<void(const ShownBox&)> onMessageBox;
};

// The game's five commands, in the order of their enable flags' table, by the names scripts use.
struct GameCommand {
    UINT nID;
    const char* name;
};
inline const GameCommand kGameCommands[] = {{ID_GAME_SETTINGS, "settings"},
                                            {ID_GAME_START, "start"},
                                            {ID_GAME_PLAY, "play"},
                                            {ID_EDIT_UNDO, "back"},
                                            {ID_GAME_NEW, "new"}};

namespace GameDriver {

// Chooses N, M and the order in the settings dialog, run on plain values, and presses OK. The
// dialog runs through a host of its own: the settings command shows nothing else.
inline void ChooseSettings(CZeltaroView& view, int nTotal, int nMaxTake, int nOrder) {
    struct Runner final : IWndHost, IDialogSite {
        std::map<int, int> values;
        int result = IDCANCEL;
        int GetComboIndex(int nIDC) const override { return values.at(nIDC); }
        void SetComboIndex(int nIDC, int nIndex) override { values[nIDC] = nIndex; }
        int GetRadioIndex(int nIDC) const override { return values.at(nIDC); }
        void SetRadioIndex(int nIDC, int nIndex) override { values[nIDC] = nIndex; }
        void EndDialog(int nResult) override { result = nResult; }
        void InvalidateRect(const CRect* /*rect*/, bool /*bErase*/) override {}
        int MessageBox(const std::string&, const std::string&, UINT) override { return IDOK; }
        int RunModal(CDialog& dialog) override {
            dialog.AttachSite(this);
            dialog.OnCommand(IDOK);
            dialog.AttachSite(nullptr);
            return result;
        }
    } runner;
    runner.values = {{IDC_TOTAL_COMBO, (nTotal - 21) / 2},
                     {IDC_MAXTAKE_COMBO, nMaxTake - 2},
                     {IDC_FIRST_RADIO, nOrder}};
    IWndHost* previous = view.Host();
    view.SetHost(&runner);
    view.OnGeneralSettings();
    view.SetHost(previous);
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
            view.OnLButtonDown(0, ItemCentre(k));
            view.AssertValid();
            --n;
        }
    }
}

// The items off the board, as "1 2 5".
inline std::string Removed(const CZeltaroView& view) {
    std::string removed;
    for (int k = 1; k <= view.m_nTotal; ++k) {
        if (view.Item(k).nTaken == 1)
            removed += (removed.empty() ? "" : " ") + std::to_string(k);
    }
    return removed;
}

} // namespace GameDriver

// The view, its runtime and its host: a RecordingHost for the engine's tests, a ViewWidget for
// the widgets'. Failed checks are trapped, whichever host the view has.
template <class Host = RecordingHost> struct TestGame {
    TestGame() { view.SetRuntime(&runtime); }

    // Checks the invariants now; trap.First() tells which failed, also in a check made earlier.
    bool Valid() {
        view.AssertValid();
        return !trap.Failed();
    }

    ScriptedRuntime runtime;
    CZeltaroView view;
    Host host{view};
    AssertTrap trap{view, host}; // the view's host, in front of the one above
};

namespace GameTexts {
inline const char kPlayerWins[] = "     Браво! Вие спечелихте";
inline const char kPlayerLoses[] = "Вие загубихте! Опитайте пак";
inline const char kVerdictCaption[] = "ZELTARO";
inline const char kNothingTaken[] =
    "Не сте взели предмети!\nМоля вземете не повече от\nмаксимално допустимия брой предмети";
inline const char kNothingTakenCaption[] = "ВНИМАНИЕ";
inline const char kOverLimit[] = "Не може да вземате повече предмети от допустимото!\nМоля "
                                 "натиснете бутона ''Направи ход''";
inline const char kOverLimitCaption[] = " ВНИМАНИЕ";

// A message box by the game's text it shows, as "won", "lost", "warned" (nothing taken) or
// "limit"; "?" for any other.
inline const char* BoxName(const std::string& caption, const std::string& text) {
    const char* const known[][3] = {{"limit", kOverLimitCaption, kOverLimit},
                                    {"warned", kNothingTakenCaption, kNothingTaken},
                                    {"won", kVerdictCaption, kPlayerWins},
                                    {"lost", kVerdictCaption, kPlayerLoses}};
    for (const auto& [name, knownCaption, knownText] : known) {
        if (caption == knownCaption && text == knownText)
            return name;
    }
    return "?";
}
} // namespace GameTexts
