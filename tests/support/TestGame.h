// A view wired to a recording host, a scripted runtime and a trap for failed invariant checks,
// and the texts the game shows, for tests that play without a window.
#pragma once

#include "support/AssertTrap.h"
#include "support/RecordingHost.h"
#include "support/ScriptedRuntime.h"
#include "view/ZeltaroView.h"

struct TestGame {
    TestGame() {
        view.SetHost(&host);
        view.SetRuntime(&runtime);
    }
    TestGame(const TestGame&) = delete;
    TestGame& operator=(const TestGame&) = delete;

    // Checks the invariants now; trap.First() tells which failed, also in a check made earlier.
    bool Valid() {
        view.AssertValid();
        return !trap.Failed();
    }

    AssertTrap trap;
    RecordingHost host;
    ScriptedRuntime runtime;
    CZeltaroView view;
};

namespace GameTexts {
inline const char kPlayerWins[] = "     Браво! Вие спечелихте";
inline const char kPlayerLoses[] = "Вие загубихте! Опитайте пак";
inline const char kVerdictCaption[] = "ZELTARO";
inline const char kNothingTaken[] =
    "Не сте взели предмети!\nМоля вземете не повече от\nмаксимално допустимия брой предмети";
inline const char kNothingTakenCaption[] = "ВНИМАНИЕ";
} // namespace GameTexts
