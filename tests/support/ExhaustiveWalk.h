// Plays every game of one setting to its end: every take of the player where the computer holds
// the winning line, every random draw where the player holds it and takes what is expected.
#pragma once

#include "support/AssertTrap.h"
#include "support/GameDriver.h"
#include "support/ScriptedRuntime.h"
#include "view/ZeltaroView.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

// Answers every box at once and keeps the last one; repaints are of no interest here.
class SilentHost final : public IWndHost {
public:
    void InvalidateRect(const CRect*, bool) override {}
    int MessageBox(const std::string& text, const std::string& caption, UINT) override {
        lastText = text;
        lastCaption = caption;
        return IDOK;
    }
    std::string lastText;
    std::string lastCaption;
};

struct WalkResult {
    long long games = 0; // finished games checked
    long long plays = 0; // Play commands issued
    std::string failure; // the first game that went against the side with the winning line
};

class ExhaustiveWalk {
public:
    // With memoise, a position met again (same counts, class, expectation and phase) is not
    // walked twice: what follows it does not depend on how it was reached.
    explicit ExhaustiveWalk(bool memoise) : m_memoise(memoise) {}

    WalkResult Run(int nTotal, int nMaxTake, int nOrder) {
        m_result = WalkResult();
        m_seen.clear();
        m_path.clear();
        m_setting = "N " + std::to_string(nTotal) + ", M " + std::to_string(nMaxTake) +
                    (nOrder == 0 ? ", player first" : ", player second");
        const int period = nMaxTake % 2 == 0 ? nMaxTake + 2 : 2 * nMaxTake + 2;
        // The side to move first can force a win unless N leaves 1 modulo the period.
        m_playerWins = (nOrder == 0) != (nTotal % period == 1);

        CZeltaroView view;
        view.SetHost(&m_host);
        view.SetRuntime(&m_runtime);
        GameDriver::ChooseSettings(view, nTotal, nMaxTake, nOrder);
        // The random opening branches like any random take; the other starts draw nothing.
        for (int draw = 1; draw <= nMaxTake && m_result.failure.empty(); ++draw) {
            CZeltaroView game = view;
            const bool drew = Draw("Start", draw, [&] { game.OnStart(); });
            if (!Check(game))
                break;
            Walk(game);
            m_path.pop_back();
            if (!drew)
                break;
        }
        return m_result;
    }

private:
    using Key = std::array<int, 12>;

    void Walk(const CZeltaroView& view) {
        if (m_memoise && !m_seen.insert(KeyOf(view)).second)
            return;
        const int onBoard = GameDriver::ItemsOnBoard(view);
        const int M = view.m_nMaxTake;
        int first = 1;
        int last = std::min(M, onBoard);
        if (m_playerWins) {
            first = last = ExpectedTake(view);
            if (first < 1 || first > std::min(M, onBoard))
                return Fail("the expected take " + std::to_string(first) + " cannot be made");
        }
        for (int take = first; take <= last && m_result.failure.empty(); ++take)
            PlayTake(view, take);
    }

    void PlayTake(const CZeltaroView& view, int take) {
        for (int draw = 1; draw <= view.m_nMaxTake; ++draw) {
            CZeltaroView next = view;
            GameDriver::TakeItems(next, take);
            const bool drew = Draw("takes " + std::to_string(take), draw, [&] { next.OnPlay(); });
            ++m_result.plays;
            if (Check(next)) {
                if (m_playerWins && next.m_nTurn == 0 && !next.m_bRandomPhase)
                    Fail("the computer left the random phase");
                else if (next.m_nTurn == 2)
                    Finish();
                else
                    Walk(next);
            }
            m_path.pop_back();
            if (!drew || !m_result.failure.empty())
                break;
        }
    }

    // Runs the operation with one random take scripted; tells whether it was drawn.
    template <typename Operation>
    bool Draw(const std::string& step, int take, Operation operation) {
        m_runtime.script.clear();
        m_runtime.ScriptTakes({take});
        const int before = m_runtime.draws;
        operation();
        const bool drew = m_runtime.draws != before;
        m_path.push_back(drew ? step + ", computer draws " + std::to_string(take) : step);
        return drew;
    }

    // The take the computer expects: before its first answer, the one that leaves the
    // computer a count it cannot win from; later, what it worked out after its last move, or
    // in a game it opened, what its reply to its own last take will be.
    static int ExpectedTake(const CZeltaroView& view) {
        if (view.m_bFirstReply) {
            const int M = view.m_nMaxTake;
            const int residue = view.m_nTotal % (M % 2 == 0 ? M + 2 : 2 * M + 2);
            return residue - 1 <= M ? residue - 1 : residue - (M + 1);
        }
        if (view.m_nOrder == 0)
            return view.m_nGoal;
        CZeltaroView peek = view;
        peek.m_nQueryClass = peek.m_nClass;
        peek.m_nQueryTaken = peek.m_nComputerAsked;
        peek.QueryReply();
        return peek.m_nQueryReply;
    }

    bool Check(const CZeltaroView& view) {
        view.AssertValid();
        if (m_trap.Failed())
            Fail(m_trap.First());
        return m_result.failure.empty();
    }

    void Finish() {
        ++m_result.games;
        const char* expected =
            m_playerWins ? "     Браво! Вие спечелихте" : "Вие загубихте! Опитайте пак";
        if (m_host.lastText != expected || m_host.lastCaption != "ZELTARO")
            Fail("ends with \"" + m_host.lastText + "\"");
    }

    void Fail(const std::string& what) {
        if (!m_result.failure.empty())
            return;
        m_result.failure = m_setting + ":";
        for (const std::string& step : m_path)
            m_result.failure += " " + step + ",";
        m_result.failure += " " + what;
    }

    static Key KeyOf(const CZeltaroView& v) {
        return {v.m_nRemaining,    v.m_nPlayerHeld,  v.m_nComputerHeld,   v.m_nClass,
                v.m_nGoal,         v.m_bRandomPhase, v.m_bFirstReply,     v.m_nComputerAsked,
                v.m_nComputerTake, v.m_nQueryReply,  v.m_nQueryNextClass, v.m_nSelected};
    }

    bool m_memoise;
    bool m_playerWins = false;
    AssertTrap m_trap;
    SilentHost m_host;
    ScriptedRuntime m_runtime;
    WalkResult m_result;
    std::set<Key> m_seen;
    std::vector<std::string> m_path;
    std::string m_setting;
};
