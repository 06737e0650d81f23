// Plays every game of one setting to its end: every take of the player where the computer holds
// the winning line, every random draw where the player holds it and takes what is expected.
// The invariants are checked after every click, Start and Play.
#pragma once

#include "support/TestGame.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>

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
        const int period = nMaxTake % 2 == 0 ? nMaxTake + 2 : 2 * nMaxTake + 2;
        // The side to move first can force a win unless N leaves 1 modulo the period.
        m_playerWins = (nOrder == 0) != (nTotal % period == 1);
        CZeltaroView view = m_game.view;
        GameDriver::ChooseSettings(view, nTotal, nMaxTake, nOrder);
        Branch(view, 0,
               "N " + std::to_string(nTotal) + ", M " + std::to_string(nMaxTake) +
                   (nOrder == 0 ? ", first:" : ", second:"));
        return m_result;
    }

private:
    // Starts the game (take 0) or plays the take, on a copy of the view, once for every random
    // take the computer may draw (once when it draws none), and goes on from each outcome.
    void Branch(const CZeltaroView& view, int take, const std::string& before) {
        for (int draw = 1; draw <= view.m_nMaxTake && m_result.failure.empty(); ++draw) {
            CZeltaroView next = view;
            m_game.runtime.script.assign(1, draw - 1);
            m_game.host.Clear();
            const int draws = m_game.runtime.draws;
            if (take == 0) {
                next.OnStart();
            } else {
                GameDriver::TakeItems(next, take);
                next.OnPlay();
                ++m_result.plays;
            }
            const bool drew = m_game.runtime.draws != draws;
            const std::string path = before +
                                     (take == 0 ? " Start" : " takes " + std::to_string(take)) +
                                     (drew ? ", draws " + std::to_string(draw) + ";" : ";");
            next.AssertValid();
            if (m_game.trap.Failed())
                m_result.failure = path + " " + m_game.trap.First();
            else if (m_playerWins && next.m_nTurn == 0 && !next.m_bRandomPhase)
                m_result.failure = path + " the computer left the random phase";
            else if (next.m_nTurn != 2)
                Walk(next, path);
            else if (++m_result.games > 0 && !EndsWithTheVerdict())
                m_result.failure = path + " the game does not end with the verdict expected";
            if (!drew)
                break;
        }
    }

    void Walk(const CZeltaroView& view, const std::string& path) {
        if (m_memoise && !m_seen.insert(KeyOf(view)).second)
            return;
        int first = 1;
        int last = std::min(view.m_nMaxTake, GameDriver::ItemsOnBoard(view));
        if (m_playerWins) {
            if (ExpectedTake(view) < first || ExpectedTake(view) > last)
                m_result.failure = path + " the expected take cannot be made";
            first = last = ExpectedTake(view);
        }
        for (int take = first; take <= last && m_result.failure.empty(); ++take)
            Branch(view, take, path);
    }

    // The take the computer expects: before its first answer, the one that leaves the
    // computer a count it cannot win from; later, what it worked out after its last move, or
    // in a game it opened, what its reply to its own last take will be.
    static int ExpectedTake(const CZeltaroView& view) {
        const int M = view.m_nMaxTake;
        const int residue = view.m_nTotal % (M % 2 == 0 ? M + 2 : 2 * M + 2);
        if (view.m_bFirstReply)
            return residue - 1 <= M ? residue - 1 : residue - (M + 1);
        if (view.m_nOrder == 0)
            return view.m_nGoal;
        CZeltaroView peek = view;
        peek.m_nQueryClass = peek.m_nClass;
        peek.m_nQueryTaken = peek.m_nComputerAsked;
        peek.QueryReply();
        return peek.m_nQueryReply;
    }

    bool EndsWithTheVerdict() const {
        const std::vector<ShownBox>& boxes = m_game.host.boxes;
        return boxes.size() == 1 &&
               std::string(GameTexts::BoxName(boxes[0].caption, boxes[0].text)) ==
                   (m_playerWins ? "won" : "lost");
    }

    using Key = std::array<int, 12>;
    static Key KeyOf(const CZeltaroView& v) {
        return {v.m_nRemaining,    v.m_nPlayerHeld,  v.m_nComputerHeld,   v.m_nClass,
                v.m_nGoal,         v.m_bRandomPhase, v.m_bFirstReply,     v.m_nComputerAsked,
                v.m_nComputerTake, v.m_nQueryReply,  v.m_nQueryNextClass, v.m_nSelected};
    }

    bool m_memoise;
    bool m_playerWins = false;
    TestGame<> m_game; // the trap, and the host and runtime every view of the walk shares
    WalkResult m_result;
    std::set<Key> m_seen;
};
