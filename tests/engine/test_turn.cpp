// Play: the worked games move by move, the computer's first and later answers, the verdicts,
// the warning when nothing was taken, and the time-seeded random takes.
#include "support/AssertTrap.h"
#include "support/GameDriver.h"
#include "support/TableRows.h"
#include "support/TestGame.h"

#include <QtTest>

#include <vector>

namespace {

constexpr int kAny = -99; // a column not checked in this row

// One Play: the player's take, then what the state reads afterwards.
struct PlayRow {
    int take, computer, remaining, playerHeld, computerHeld, strategyClass, goal, randomPhase;
};
struct WorkedGame {
    const char* name;
    int nTotal, nMaxTake, nOrder;
    std::vector<int> draws; // the random takes, in the order they are drawn
    std::vector<PlayRow> plays;
    const char* verdict;
};
// clang-format off
const WorkedGame kGames[] = {
    {"mode 2, the computer answers from the table", 25, 4, 0, {},
     {{1, 1, 23, 1, 1, 4, kAny, kAny}, {3, 1, 19, 4, 2, 3, kAny, kAny},
      {2, 4, 13, 6, 6, 3, kAny, kAny}, {4, 2, 7, 10, 8, 3, kAny, kAny},
      {1, 1, 5, 11, 9, 4, kAny, kAny}, {1, 3, 1, 12, 12, 3, kAny, kAny},
      {1, 1, -1, 13, 12, 4, kAny, kAny}}, GameTexts::kPlayerLoses},
    {"mode 1, the player takes what is expected", 21, 4, 0, {3, 1, 4, 2},
     {{2, 3, 16, 2, 3, 5, 4, 1}, {4, 1, 11, 6, 4, 3, 4, 1},
      {4, 4, 3, 10, 8, 3, 2, 1}, {2, 2, -1, 12, 9, 3, 4, 1}}, GameTexts::kPlayerWins},
    {"mode 4, the player takes what is expected", 25, 4, 1, {3, 1, 4, 2, 2},
     {{4, 1, 17, 4, 4, 5, 4, 1}, {4, 4, 9, 8, 8, 3, 4, 1},
      {2, 2, 5, 10, 10, 3, 2, 1}, {4, 2, -1, 14, 11, 3, 4, 1}}, GameTexts::kPlayerWins},
    {"mode 1, the player deviates", 21, 4, 0, {},
     {{1, 2, 18, 1, 2, 3, 4, 0}, {4, 2, 12, 5, 4, 3, 4, 0},
      {4, 2, 6, 9, 6, 3, 4, 0}, {4, 2, 0, 13, 8, 3, 4, 0}}, GameTexts::kPlayerLoses},
};

// The first Play of mode 1; a random answer draws a take of 3.
struct FirstAnswer { const char* name; int nTotal, nMaxTake, take, computer; bool random; };
const FirstAnswer kFirstAnswers[] = {
    {"class 3, 1 of 2", 21, 4, 1, 2, false},  {"class 3, 2 of 2", 21, 4, 2, 3, true},
    {"class 3, 3 of 2", 21, 4, 3, 1, false},  {"class 3, 4 of 2", 21, 4, 4, 4, false},
    {"class 3, 2 of 4", 21, 6, 2, 2, false},  {"class 1, 1 of 4", 21, 7, 1, 2, false},
    {"class 1, 2 of 4", 21, 7, 2, 2, false},  {"class 1, 3 of 4", 21, 7, 3, 2, false},
    {"class 1, 4 of 4", 21, 7, 4, 3, true},   {"class 1, 5 of 4", 21, 7, 5, 7, false},
    {"class 1, 6 of 4", 21, 7, 6, 7, false},  {"class 1, 1 of 6", 23, 7, 1, 4, false},
    {"class 2, 1 of 3", 21, 5, 1, 1, false},  {"class 2, 2 of 3", 21, 5, 2, 1, false},
    {"class 2, 4 of 3", 21, 5, 4, 5, false},  {"class 2, 5 of 3", 21, 5, 5, 3, false},
    {"class 2, 1 of 7", 31, 7, 1, 5, false},  {"class 2, 2 of 7", 31, 7, 2, 5, false},
};

// A later Play of N 21, M 4, class 3; the computer holds 21 - remaining - playerHeld.
struct LaterAnswer {
    const char* name; bool randomPhase; int goal, remaining, playerHeld, take, computer;
    const char* verdict;
};
const LaterAnswer kLaterAnswers[] = {
    {"left 3, holding 10: leaves one", false, 0, 4, 7, 1, 2, nullptr},
    {"left 2, holding 9: leaves one", false, 0, 3, 9, 1, 1, nullptr},
    {"left 2, holding 8: clears", false, 0, 3, 10, 1, 2, GameTexts::kPlayerLoses},
    {"left 1, holding 10: takes it", false, 0, 2, 9, 1, 1, GameTexts::kPlayerWins},
    {"left 4 = M, holding 8: clears", false, 0, 6, 7, 2, 4, GameTexts::kPlayerLoses},
    {"left 4 = M, holding 7: leaves one", false, 0, 6, 8, 2, 3, nullptr},
    {"left 5: from the table", false, 0, 6, 5, 1, 1, nullptr},
    {"left 0: takes nothing", false, 0, 2, 9, 2, 0, GameTexts::kPlayerLoses},
    {"short of the goal", true, 4, 10, 1, 1, 3, nullptr},
    {"beyond the goal: from the table", true, 1, 10, 1, 3, 4, nullptr},
    {"short of the goal near the end", true, 2, 4, 7, 1, 2, nullptr},
    {"beyond the goal near the end", true, 1, 5, 6, 2, 2, nullptr},
    {"left 0 in the random phase", true, 3, 2, 9, 2, 0, GameTexts::kPlayerLoses},
};

struct NothingTaken { const char* name; int nTotal, nOrder, playsBefore; };
const NothingTaken kNothingTaken[] = {
    {"mode 2, first move", 25, 0, 0},        {"mode 2, after a turn", 25, 0, 1},
    {"mode 1, after a turn", 23, 0, 1},      {"mode 3, after the opening", 23, 1, 0},
    {"mode 3, after two turns", 23, 1, 2},   {"mode 4, after the opening", 25, 1, 0},
};

struct Draw { const char* name; int nTotal, nMaxTake, draw, take; };
const Draw kDraws[] = {
    {"M4, 0", 25, 4, 0, 1},      {"M4, 3", 25, 4, 3, 4},  {"M4, 13", 25, 4, 13, 2},
    {"M4, 32767", 25, 4, 32767, 4}, {"M7, 100", 33, 7, 100, 3}, {"M2, 7", 21, 2, 7, 2},
};
// clang-format on

// Everything Play may change, to show that the warning changes nothing.
std::vector<int> Snapshot(const CZeltaroView& v) {
    std::vector<int> state = {v.m_nQueryTaken,  v.m_nQueryNextClass, v.m_nQueryClass,
                              v.m_nQueryReply,  v.m_nComputerHeld,   v.m_nPlayerHeld,
                              v.m_nClass,       v.m_nMode,           v.m_nTurn,
                              v.m_nSelected,    v.m_nComputerAsked,  v.m_nComputerTake,
                              v.m_nRemaining,   v.m_nGoal,           v.m_bFirstReply,
                              v.m_bRandomPhase, v.m_bEnableUndo,     v.m_bEnableStart,
                              v.m_bEnablePlay,  v.m_bEnableNew,      v.m_bEnableSettings};
    for (const GameItem& item : v.m_items) {
        state.push_back(item.nTaken);
        state.push_back(item.nBrush);
    }
    return state;
}

// A generator whose draws depend on the last seed only, like the C library's.
class SeededRuntime final : public Runtime {
public:
    void srand(unsigned int seed) override {
        state = seed;
        log.push_back("srand " + std::to_string(seed));
    }
    int rand() override {
        state = state * 1103515245u + 12345u;
        log.push_back("rand");
        return int((state >> 16) & 0x7fff);
    }
    std::time_t time() override { return now; }

    unsigned int state = 1;
    std::time_t now = 1'200'000'000;
    std::vector<std::string> log;
};

void CompareBox(const RecordingHost& host, const char* text, const char* caption) {
    QCOMPARE(int(host.boxes.size()), 1);
    QCOMPARE(host.boxes[0].text, std::string(text));
    QCOMPARE(host.boxes[0].caption, std::string(caption));
    QCOMPARE(host.boxes[0].type, MB_OK);
}

} // namespace

class TestTurn : public QObject {
    Q_OBJECT

private slots:
    void workedGames_data() { AddRows(kGames); }
    void workedGames();
    void firstAnswer_data() { AddRows(kFirstAnswers); }
    void firstAnswer();
    void laterAnswers_data() { AddRows(kLaterAnswers); }
    void laterAnswers();
    void nothingTakenWarns_data() { AddRows(kNothingTaken); }
    void nothingTakenWarns();
    void verdictComesBeforeGameOver();
    void randomTakeFromDraw_data() { AddRows(kDraws); }
    void randomTakeFromDraw();
    void randomTakesInOneSecondAreEqual();
};

void TestTurn::workedGames() {
    const WorkedGame& game = FetchRow(kGames);
    AssertTrap trap;
    TestGame g;
    CZeltaroView& view = g.view;
    for (int take : game.draws)
        g.runtime.ScriptTakes({take});
    GameDriver::ChooseSettings(view, game.nTotal, game.nMaxTake, game.nOrder);
    view.OnStart();
    for (const PlayRow& row : game.plays) {
        QVERIFY(g.host.boxes.empty());
        GameDriver::TakeItems(view, row.take);
        view.OnPlay();
        view.AssertValid();
        QVERIFY2(!trap.Failed(), trap.First().c_str());
        QCOMPARE(view.m_nComputerAsked, row.computer);
        QCOMPARE(view.m_nRemaining, row.remaining);
        QCOMPARE(view.m_nPlayerHeld, row.playerHeld);
        QCOMPARE(view.m_nComputerHeld, row.computerHeld);
        QCOMPARE(view.m_nClass, row.strategyClass);
        QCOMPARE(view.m_nSelected, 0);
        QCOMPARE(view.m_nTurn, row.remaining > 0 ? 0 : 2);
        if (row.goal != kAny)
            QCOMPARE(view.m_nGoal, row.goal);
        if (row.randomPhase != kAny)
            QCOMPARE(int(view.m_bRandomPhase), row.randomPhase);
    }
    QVERIFY(g.runtime.script.empty());
    QCOMPARE(g.runtime.seeds, std::vector<unsigned>(game.draws.size(), unsigned(g.runtime.now)));
    CompareBox(g.host, game.verdict, GameTexts::kVerdictCaption);
    QVERIFY(!view.m_bEnableSettings && !view.m_bEnableStart && !view.m_bEnablePlay);
    QVERIFY(view.m_bEnableNew && view.m_bEnableUndo);
}

// The computer's first answer when the player holds the winning line: a random take to the
// expected take, and to any other take the answer that wins the position back.
void TestTurn::firstAnswer() {
    const FirstAnswer& row = FetchRow(kFirstAnswers);
    TestGame g;
    CZeltaroView& view = g.view;
    GameDriver::ChooseSettings(view, row.nTotal, row.nMaxTake, 0);
    view.OnStart();
    QCOMPARE(view.m_nMode, 1);
    g.runtime.ScriptTakes({3});
    GameDriver::TakeItems(view, row.take);
    view.OnPlay();
    QCOMPARE(view.m_nComputerAsked, row.computer);
    QCOMPARE(view.m_nRemaining, row.nTotal - row.take - row.computer);
    QCOMPARE(g.runtime.draws, row.random ? 1 : 0);
    QCOMPARE(view.m_bRandomPhase, row.random);
    QVERIFY(!view.m_bFirstReply);
}

// The answers after the first: once all that is left fits in one move the computer keeps its
// holding even, or leaves one; before that it answers from the table, or a shortfall of the
// expected take by taking the rest of it.
void TestTurn::laterAnswers() {
    const LaterAnswer& row = FetchRow(kLaterAnswers);
    AssertTrap trap;
    TestGame g;
    CZeltaroView& view = g.view;
    GameDriver::ChooseSettings(view, 21, 4, 0);
    view.OnStart();
    GameDriver::SetPosition(view, row.remaining, row.playerHeld);
    view.m_bFirstReply = false;
    view.m_bRandomPhase = row.randomPhase;
    view.m_nGoal = row.goal;
    view.m_nClass = 3;
    // An earlier query's answer, which a query that matches no rule leaves in place.
    view.m_nQueryReply = 2;
    view.m_nQueryNextClass = 4;
    const int heldBefore = view.m_nComputerHeld;
    GameDriver::TakeItems(view, row.take);
    view.OnPlay();
    view.AssertValid();
    QVERIFY2(!trap.Failed(), trap.First().c_str());
    QCOMPARE(g.runtime.draws, 0);
    QCOMPARE(view.m_nComputerAsked, row.computer);
    QCOMPARE(view.m_nComputerHeld, heldBefore + row.computer);
    QCOMPARE(view.m_nRemaining, row.remaining - row.take - row.computer);
    QVERIFY(!view.m_bRandomPhase);
    if (row.computer == 0) {
        // The closing query, of a take of nothing, leaves the class and goal of the last answer.
        QCOMPARE(view.m_nClass, 4);
        QCOMPARE(view.m_nGoal, 2);
    }
    if (row.verdict != nullptr) {
        CompareBox(g.host, row.verdict, GameTexts::kVerdictCaption);
    } else {
        QVERIFY(g.host.boxes.empty());
        QCOMPARE(view.m_nTurn, 0);
    }
}

// Play with nothing taken warns, changes nothing, and still repaints the totals.
void TestTurn::nothingTakenWarns() {
    const NothingTaken& row = FetchRow(kNothingTaken);
    TestGame g;
    CZeltaroView& view = g.view;
    GameDriver::ChooseSettings(view, row.nTotal, 3, row.nOrder);
    view.OnStart();
    for (int i = 0; i < row.playsBefore; ++i) {
        GameDriver::TakeItems(view, 1);
        view.OnPlay();
    }
    const std::vector<int> before = Snapshot(view);
    g.host.Clear();
    view.OnPlay();
    QCOMPARE(Snapshot(view), before);
    CompareBox(g.host, GameTexts::kNothingTaken, GameTexts::kNothingTakenCaption);
    QCOMPARE(int(g.host.repaints.size()), 1);
    QCOMPARE(g.host.repaints[0].rect, view.m_rectScore);
    QVERIFY(!g.host.repaints[0].whole && g.host.repaints[0].erase);
}

// The verdict is shown on the finished holdings, and only its closing ends the game; the
// totals are repainted after it.
void TestTurn::verdictComesBeforeGameOver() {
    TestGame g;
    CZeltaroView& view = g.view;
    view.OnStart();
    int repaintsAtBox = -1;
    g.host.onMessageBox = [&](const ShownBox&) {
        repaintsAtBox = int(g.host.repaints.size());
        QCOMPARE(view.m_nPlayerHeld + view.m_nComputerHeld, 25);
        QCOMPARE(view.m_nTurn, 1);
        QVERIFY(view.m_bEnablePlay);
    };
    while (view.m_nTurn == 0) {
        GameDriver::TakeItems(view, std::min(4, GameDriver::ItemsOnBoard(view)));
        view.OnPlay();
    }
    QCOMPARE(view.m_nTurn, 2);
    QCOMPARE(int(g.host.boxes.size()), 1);
    QCOMPARE(int(g.host.repaints.size()), repaintsAtBox + 1);
    QCOMPARE(g.host.repaints.back().rect, view.m_rectScore);
    QVERIFY(!view.m_bEnablePlay);
}

// The random opening takes the draw modulo M, plus 1.
void TestTurn::randomTakeFromDraw() {
    const Draw& row = FetchRow(kDraws);
    TestGame g;
    GameDriver::ChooseSettings(g.view, row.nTotal, row.nMaxTake, 1);
    g.runtime.script = {row.draw};
    g.view.OnStart();
    QCOMPARE(g.view.m_nMode, 4);
    QCOMPARE(g.view.m_nComputerHeld, row.take);
    QCOMPARE(g.view.m_nComputerAsked, row.take);
}

// Every random take seeds from the clock just before its one draw, so within one second the
// computer repeats itself: the opening and the answer to the player's expected take agree.
void TestTurn::randomTakesInOneSecondAreEqual() {
    SeededRuntime runtime;
    RecordingHost host;
    CZeltaroView view;
    view.SetHost(&host);
    view.SetRuntime(&runtime);
    GameDriver::ChooseSettings(view, 25, 4, 1);
    view.OnStart();
    const int opening = view.m_nComputerHeld;
    // Without the second seed the generator would go on to a different take.
    SeededRuntime unseeded;
    unseeded.srand(unsigned(unseeded.now));
    QCOMPARE(opening, unseeded.rand() % 4 + 1);
    QVERIFY(unseeded.rand() % 4 + 1 != opening);

    view.m_nQueryClass = view.m_nClass;
    view.m_nQueryTaken = view.m_nComputerAsked;
    view.QueryReply();
    GameDriver::TakeItems(view, view.m_nQueryReply);
    view.OnPlay();
    QVERIFY(view.m_bRandomPhase);
    QCOMPARE(view.m_nComputerAsked, opening);
    const std::string seed = "srand " + std::to_string(runtime.now);
    QCOMPARE(runtime.log, (std::vector<std::string>{seed, "rand", seed, "rand"}));
}

QTEST_APPLESS_MAIN(TestTurn)
#include "test_turn.moc"
