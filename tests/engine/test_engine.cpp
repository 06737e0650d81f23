// The game without a window: how Start classifies every setting and opens the game, the reply
// table for every class, amount and limit, every game of every setting played out, the worked
// games and the computer's answers move by move, the warning when nothing was taken, the
// time-seeded random takes, what the marking step and Play take off the board and repaint, and
// the keyboard's cursor: where the arrows lead, and Space and Enter taking as a click does. Also
// what both front ends' shells share: the commands' route and guard, and how a file joins the
// recent-file list.
#include "app/RecentFileRules.h"
#include "frame/CommandRouter.h"
#include "support/ExhaustiveWalk.h"
#include "support/TestGame.h"

#include <QtTest>

#include <cstdio>

using namespace GameTexts;

namespace {

// clang-format off
// Residue / start class / opening take when the player moves second, for N 21 to 39 and M 2 to
// 7; start classes 1 and 4 open with a random take instead.
const char* const kResidues[10][6] = {
    {"1/4", "5/3/1", "3/5/2", "9/3/3", "5/5/4", "5/2/4"},   {"3/5/2", "7/3/3", "5/5/4", "11/3/5", "7/5/6", "7/2/6"},
    {"1/4", "1/1", "1/4", "1/1", "1/4", "9/3/1"},           {"3/5/2", "3/2/2", "3/5/2", "3/2/2", "3/5/2", "11/3/3"},
    {"1/4", "5/3/1", "5/5/4", "5/2/4", "5/5/4", "13/3/5"},  {"3/5/2", "7/3/3", "1/4", "7/3/1", "7/5/6", "15/3/7"},
    {"1/4", "1/1", "3/5/2", "9/3/3", "1/4", "1/1"},         {"3/5/2", "3/2/2", "5/5/4", "11/3/5", "3/5/2", "3/2/2"},
    {"1/4", "5/3/1", "1/4", "1/1", "5/5/4", "5/2/4"},       {"3/5/2", "7/3/3", "3/5/2", "3/2/2", "7/5/6", "7/2/6"},
};
// The reply table's worked rows: M, class, then reply / class after for x = 1 to M, "-" where
// no rule covers x and the outputs keep what an earlier query left.
const char* const kReplies[] = {
    "4 1: 4/1 4/2 2/1 -", "4 2: 4/2 2/1 2/2 -", "4 3: 1/4 4/3 4/5 2/3", "4 4: 3/3 3/5 1/3 1/5",
    "4 5: 4/3 4/5 2/3 2/5", "5 1: 5/1 5/2 3/1 3/2 1/1", "5 2: 5/2 3/1 3/2 1/1 1/2", "5 3: 1/4 5/3 5/5 3/3 -",
    "5 4: 4/3 4/5 2/3 2/5 -", "5 5: 5/3 5/5 3/3 3/5 -", "2 1: 2/1 -", "2 3: 1/4 2/3", "2 4: 1/3 1/5",
    "3 2: 3/2 1/1 1/2", "3 3: 1/4 3/3 -", "6 2: 6/2 4/1 4/2 2/1 2/2 -", "6 3: 1/4 6/3 6/5 4/3 4/5 2/3",
    "7 1: 7/1 7/2 5/1 5/2 3/1 3/2 1/1", "7 4: 6/3 6/5 4/3 4/5 2/3 2/5 -",
};
// The strategy class a game starts in, by start class, where Start gives one.
const int kClassAtStart[] = {0, 1, 1, 2, 3, 3};
constexpr int kNoClass = 77; // a class Start must leave alone
constexpr int kDraw = 13;    // the random opening takes the draw modulo M, plus 1

void AddEverySetting() {
    QTest::addColumn<int>("nTotal");
    QTest::addColumn<int>("nMaxTake");
    QTest::addColumn<int>("nOrder");
    for (int n = 21; n <= 39; n += 2) {
        for (int m = 2; m <= 7; ++m) {
            QTest::addRow("N%d M%d first", n, m) << n << m << 0;
            QTest::addRow("N%d M%d second", n, m) << n << m << 1;
        }
    }
}

// Games from Start, with N, M and the order, the random takes in the order drawn (once they run
// out every draw gives 1; "clock": draws that follow from the last seed alone, like the C
// library's), then each Play as the player's take : the computer's take ("r" before a random
// one, "-" when Play changed nothing) and any message box ("|": the next Play in a new game);
// where given, the strategy class and the take expected after each Play, and the holdings and
// count left at the end.
struct Game { const char *name, *setting, *draws, *plays, *classes = nullptr, *goals = nullptr, *end = nullptr; };
const Game kGames[] = {
    {"worked game: mode 2, the computer answers from the table", "25 4 0", "",
     "1:1 3:1 2:4 4:2 1:1 1:3 1:1 lost", "4 3 3 3 4 3 4", nullptr, "13/12 left -1"},
    {"worked game: mode 1, the player takes what is expected", "21 4 0", "3 1 4 2",
     "2:r3 4:r1 4:r4 2:r2 won", "5 3 3 3", "4 4 2 4", "12/9 left -1"},
    {"worked game: mode 4, the player takes what is expected", "25 4 1", "3 1 4 2 2",
     "4:r1 4:r4 2:r2 4:r2 won", "5 3 3 3", "4 4 2 4", "14/11 left -1"},
    {"worked game: mode 1, the player deviates", "21 4 0", "", "1:2 4:2 4:2 4:2 lost", "3 3 3 3",
     "4 4 4 4", "13/8 left 0"},
    {"3 left, even holding: leaves one", "21 4 0", "", "4:4 2:4 4:2"},
    {"2 left, odd holding: leaves one", "21 4 0", "", "3:1 2:4 2:4 3:1"},
    {"1 left, even holding: takes it", "21 4 0", "", "1:2 2:4 3:4 4:1 won"},
    {"M left, even holding: clears the board", "21 4 0", "", "4:4 2:4 3:4 lost"},
    {"M left, odd holding: leaves one", "21 4 0", "", "2:r1 4:1 2:3 4:3"},
    {"the player takes the last items: nothing", "21 4 0", "", "4:4 2:4 2:4 1:0 lost"},
    {"short of the expected take: the rest of it", "21 4 0", "", "2:r1 1:r1 1:2"},
    {"beyond the expected take: from the table, and so on", "21 4 0", "", "2:r1 2:3 4:2"},
    {"short of it near the end: the endgame", "21 4 0", "", "2:r1 1:r1 3:r1 1:r1 3:r1 1:r1 1:2"},
    {"beyond it with M left: the endgame", "21 4 0", "3 4", "2:r3 4:r4 4:3"},
    {"beyond it near the end: the endgame", "21 4 0", "", "2:r1 1:r1 3:r1 1:r1 3:r1 3:3 lost"},
    {"the last items, not the expected take: nothing", "21 4 0", "", "2:r1 1:r1 3:r1 1:r1 3:r1 1:r1 4:0 lost"},
    {"Play with nothing taken only warns", "25 4 0", "", "0:- warned 1:1 0:- warned"},
    {"Play with nothing taken only warns after an opening", "23 3 1", "", "0:- warned 1:3 0:- warned 2:1"},
    {"two random takes within one second are equal", "25 4 1", "clock", "4:r2", nullptr, nullptr, "4/4 left 17"},
    {"first answers, M 4: random to the expected take, else what wins back", "21 4 0", "3", "1:2 | 2:r3 | 3:1 | 4:4"},
    {"first answers, M 5", "21 5 0", "", "1:1 | 2:1 | 4:5 | 5:3"},
    {"first answers, M 6", "21 6 0", "", "2:2"},
    {"first answers, M 7", "21 7 0", "3", "1:2 | 2:2 | 3:2 | 4:r3 | 5:7 | 6:7"},
    {"first answers, M 7, 6 expected", "23 7 0", "", "1:4"},
    {"first answers, M 7, class 2", "31 7 0", "", "1:5 | 2:5"},
};

// The marking step on a board of 21 with some items off, in a turn state, with a take: the
// items it marks and the part of the take left unmarked.
struct Marking { const char* off; int turn, take; const char* marked; int rest; };
const Marking kMarkings[] = {
    {"1-19", 1, 3, "20 21", 1}, {"1-3 5", 1, 2, "4 6", 0}, {"", 1, 4, "1-4", 0}, {"1-21", 1, 2, "", 2},
    {"1-3", 1, 0, "", 0},       {"1-3", 0, 2, "", 2},      {"", 2, 2, "", 2},
};

// Where the arrow keys lead on a board of N with some items off: from a square, the squares
// the cursor stands on after each key in turn (L, R, U, D).
struct CursorWalk { int total; const char* off; int from; const char* keys; const char* path; };
const CursorWalk kCursorWalks[] = {
    {25, "", 1, "L U", "1 1"},
    {25, "", 1, "R R R R R R R R R R", "2 3 4 5 6 7 8 9 10 10"},
    {25, "", 10, "D D D", "20 25 25"},
    {39, "", 39, "D R U", "39 39 29"},
    {25, "2 3", 1, "R L", "4 1"},
    {25, "1-4", 5, "L", "5"},
    {25, "15", 5, "D U", "14 4"},
    {25, "11-20", 5, "D U", "25 5"},
    {25, "21-25", 15, "D", "15"},
    {21, "1-20", 21, "U L R D", "21 21 21 21"},
    {25, "7", 7, "R L", "8 6"},
};

// Keys in a game ("-": none started) with N, M and the order: the keys pressed (arrows as
// above, S Space, E Enter, P the Play command between them), then the items off the board,
// the boxes shown and the square the cursor stands on.
struct KeyGame { const char *name, *setting, *keys, *off, *boxes; int cursor; };
const KeyGame kKeyGames[] = {
    {"Space takes the first item", "25 4 0", "S", "1", "", 1},
    {"Enter takes where the arrows led", "25 4 0", "R D E", "12", "", 12},
    {"Space again on the taken square takes nothing", "25 4 0", "S S", "1", "", 1},
    {"Space at the limit: the box, then the keys are done", "21 2 0", "S R S R S R S", "1 2", "limit", 3},
    {"after Play the first item left", "25 4 0", "S R P S", "1 2 3", "", 3},
    {"after the computer's opening the first item left", "21 4 1", "S", "1 2 3", "", 3},
    {"before Start nothing", "-", "R S E", "", "", 0},
};
// clang-format on

// "1-3 5" -> {1, 2, 3, 5}
std::vector<int> Items(const QString& text) {
    std::vector<int> items;
    for (const QString& run : text.split(' ', Qt::SkipEmptyParts)) {
        for (int k = run.split('-')[0].toInt(); k <= run.split('-').last().toInt(); ++k)
            items.push_back(k);
    }
    return items;
}

// The areas repainted (one not erased shows as empty); the squares of the given items, then
// the totals as often as asked.
std::vector<CRect> Repainted(const RecordingHost& host) {
    std::vector<CRect> rects;
    for (const Repaint& r : host.repaints)
        rects.push_back(r.erase ? r.rect : CRect());
    return rects;
}
std::vector<CRect> SquaresThenTotals(const char* items, int totals = 1) {
    std::vector<CRect> rects;
    for (int k : Items(items))
        rects.push_back(ItemRect(k));
    rects.insert(rects.end(), totals, CZeltaroView().m_rectScore);
    return rects;
}

// Chooses the settings, "N M order", and starts the game.
void StartGame(TestGame<>& g, const QString& setting) {
    const QStringList v = setting.split(' ');
    GameDriver::ChooseSettings(g.view, v[0].toInt(), v[1].toInt(), v[2].toInt());
    g.view.OnStart();
}

// One row a game of the table, by its name.
template <class Game, std::size_t N> void AddGames(const Game (&games)[N]) {
    QTest::addColumn<int>("game");
    for (int i = 0; i < int(N); ++i)
        QTest::newRow(games[i].name) << i;
}

// Plays the take of a "take:..." and tells what happened, in the script's own terms.
QString PlayTake(TestGame<>& g, const QString& play) {
    const int draws = g.runtime.draws, remaining = g.view.m_nRemaining;
    g.host.boxes.clear();
    GameDriver::TakeItems(g.view, play.split(':')[0].toInt());
    g.view.OnPlay();
    QStringList told;
    told << play.split(':')[0] + ":" + (g.runtime.draws != draws ? "r" : "") +
                (g.view.m_nRemaining == remaining ? "-" : QString::number(g.view.m_nComputerAsked));
    for (const ShownBox& box : g.host.boxes)
        told << (box.type == MB_OK ? BoxName(box.caption, box.text) : "?");
    return told.join(' ');
}

// A target that handles one command, enabled or not, and counts its runs.
struct FakeTarget : CCmdTarget {
    UINT nID;
    bool bOn;
    int nRuns = 0;
    FakeTarget(UINT id, bool on) : nID(id), bOn(on) {}
    bool OnCommand(UINT n) override { return n == nID && ++nRuns > 0; }
    bool OnUpdateCommand(CCmdUI* pCmdUI) override {
        return pCmdUI->m_nID == nID && (pCmdUI->Enable(bOn), true);
    }
};

} // namespace

class TestEngine : public QObject {
    Q_OBJECT

private slots:
    void startClassifiesAndOpens_data() { AddEverySetting(); }

    // Every setting the dialog allows, then Start: the classification, the mode and the opening
    // move, which takes the lowest items and leaves Play to the player's first click.
    void startClassifiesAndOpens() {
        QFETCH(int, nTotal);
        QFETCH(int, nMaxTake);
        QFETCH(int, nOrder);
        int residue = 0, startClass = 0, opening = 0;
        std::sscanf(kResidues[(nTotal - 21) / 2][nMaxTake - 2], "%d/%d/%d", &residue, &startClass,
                    &opening);
        TestGame<> g;
        CZeltaroView& view = g.view;
        view.m_nClass = kNoClass;
        GameDriver::ChooseSettings(view, nTotal, nMaxTake, nOrder);
        g.runtime.script = {kDraw};
        view.OnStart();
        QVERIFY2(g.Valid(), g.trap.First().c_str());

        const int mode = (residue == 1 ? 2 : 1) + 2 * nOrder;
        const int take = mode == 3 ? opening : mode == 4 ? kDraw % nMaxTake + 1 : 0;
        const bool givesClass = startClass == 1 || startClass == 4 || mode == 3;
        QCOMPARE(view.m_nResidue, residue);
        QCOMPARE(view.m_nStartClass, startClass);
        QCOMPARE(view.m_nMode, mode);
        QCOMPARE(view.m_nClass, givesClass ? kClassAtStart[startClass] : kNoClass);
        QCOMPARE(g.runtime.draws, mode == 4 ? 1 : 0);
        QCOMPARE(view.m_nComputerHeld, take);
        QCOMPARE(view.m_nComputerAsked, take);
        for (int k = 1; k <= CZeltaroView::kItemCount; ++k)
            QCOMPARE(view.Item(k).nTaken, k <= take ? 1 : 0);
        QCOMPARE(view.m_bEnablePlay, take == 0);
        QCOMPARE(view.m_bFirstReply, mode == 1);
        QCOMPARE(view.m_bRandomPhase, mode == 1 || mode == 4);
        // The opening's squares and the totals, then the whole view.
        QCOMPARE(int(g.host.repaints.size()), take > 0 ? take + 2 : 1);
        QVERIFY(g.host.repaints.back().whole);
    }

    // Every class and amount, out-of-range ones included, for every limit, from the table's rule
    // and through the view's query: the worked rows exactly; class 3 with x = 1 always 1 / 4;
    // elsewhere a legal take and a class of the same family where a rule covers x (x = M only in
    // the family that M's parity plays in), and the earlier outputs left in place where none does.
    void replyTable() {
        for (int m = 2; m <= 7; ++m) {
            for (int c = -1; c <= 6; ++c) {
                const bool oddFamily = c == 1 || c == 2;
                QString row = QString::asprintf("%d %d:", m, c);
                for (int x = -2; x <= m + 1; ++x) {
                    const auto rule = CZeltaroView::ReplyRule(c, x, m);
                    const int reply = rule ? rule->nTake : kNoClass;
                    const int next = rule ? rule->nNextClass : kNoClass;
                    // The view's query writes both outputs of the rule, or leaves both.
                    CZeltaroView view;
                    view.m_nMaxTake = m;
                    view.m_nQueryReply = view.m_nQueryNextClass = kNoClass;
                    view.m_nQueryClass = c;
                    view.m_nQueryTaken = x;
                    view.QueryReply();
                    QCOMPARE(view.m_nQueryReply, reply);
                    QCOMPARE(view.m_nQueryNextClass, next);
                    const bool covered = c >= 1 && c <= 5 && x >= 1 && x <= m &&
                                         (x < m || oddFamily == (m % 2 != 0));
                    const bool legal = reply >= 1 && reply <= m && next >= 1 && next <= 5 &&
                                       (next <= 2) == oddFamily;
                    const QString cell = reply == kNoClass && next == kNoClass
                                             ? "-"
                                             : QString::asprintf("%d/%d", reply, next);
                    if (x >= 1 && x <= m)
                        row += " " + cell;
                    QVERIFY2(
                        covered ? legal : cell == "-",
                        qPrintable(QString::asprintf("M %d, class %d, x %d: ", m, c, x) + cell));
                }
                QVERIFY2(c != 3 || row.contains(": 1/4"), qPrintable(row));
                for (const char* worked : kReplies) {
                    if (row.startsWith(QString(worked).split(':')[0] + ":"))
                        QCOMPARE(row, QString(worked));
                }
            }
        }
    }

    void sideWithTheWinningLineWins_data() { AddEverySetting(); }

    // Where the computer holds the winning line it wins whatever the player takes; where the
    // player holds it, taking what the computer expects wins whatever the computer draws.
    void sideWithTheWinningLineWins() {
        QFETCH(int, nTotal);
        QFETCH(int, nMaxTake);
        QFETCH(int, nOrder);
        const WalkResult result = ExhaustiveWalk(true).Run(nTotal, nMaxTake, nOrder);
        QVERIFY2(result.failure.empty(), result.failure.c_str());
        QVERIFY(result.games > 0);
    }

    void games_data() { AddGames(kGames); }

    // Every random take is seeded from the clock, the invariants hold after every Play, and
    // the verdict is shown on the finished holdings: only its closing ends the game.
    void games() {
        QFETCH(int, game);
        const Game& row = kGames[game];
        QStringList plays, classes, goals;
        for (const QString& part : QString(row.plays).split(" | ")) {
            TestGame<> g;
            CZeltaroView& view = g.view;
            // At this clock the second draw after one seed gives another take than the first.
            g.runtime.fromSeed = QString(row.draws) == "clock";
            for (const QString& take : QString(row.draws).split(' ', Qt::SkipEmptyParts)) {
                if (!g.runtime.fromSeed)
                    g.runtime.ScriptTakes({take.toInt()});
            }
            StartGame(g, row.setting);
            int turnAtBox = -1;
            g.host.onMessageBox = [&](const ShownBox&) { turnAtBox = view.m_nTurn; };
            QStringList partPlays;
            for (const QString& play : part.split(' ')) {
                if (!play.contains(':'))
                    continue;
                partPlays << PlayTake(g, play);
                classes << QString::number(view.m_nClass);
                goals << QString::number(view.m_nGoal);
                QVERIFY2(g.Valid(), g.trap.First().c_str());
            }
            plays << partPlays.join(' ');
            const bool over = plays.last().endsWith("won") || plays.last().endsWith("lost");
            QCOMPARE(view.m_nTurn, over ? 2 : 0);
            QVERIFY(!over || turnAtBox == 1);
            QCOMPARE(g.runtime.seeds,
                     std::vector<unsigned>(g.runtime.draws, unsigned(g.runtime.now)));
            const QString end = QString::asprintf("%d/%d left %d", view.m_nPlayerHeld,
                                                  view.m_nComputerHeld, view.m_nRemaining);
            QVERIFY2(!row.end || end == row.end, qPrintable(end));
        }
        QCOMPARE(plays.join(" | "), QString(row.plays));
        QVERIFY2(!row.classes || classes.join(' ') == row.classes, qPrintable(classes.join(' ')));
        QVERIFY2(!row.goals || goals.join(' ') == row.goals, qPrintable(goals.join(' ')));
    }

    // The lowest-numbered items on the board go, never one above N, and the computer is
    // credited with exactly what went; outside the computer's move nothing moves but the
    // totals repaint.
    void markingStep() {
        for (const Marking& row : kMarkings) {
            TestGame<> g;
            CZeltaroView& view = g.view;
            StartGame(g, "21 4 0");
            for (int k : Items(row.off))
                view.Item(k) = GameItem{1, WHITE_BRUSH};
            view.m_nTurn = row.turn;
            view.m_nComputerTake = row.take;
            view.m_nComputerAsked = 55;
            view.m_nComputerHeld = 6;
            g.host.Clear();
            view.MarkComputerTake();
            const int marked = int(Items(row.marked).size());
            QCOMPARE(GameDriver::ItemsOnBoard(view), 21 - int(Items(row.off).size()) - marked);
            for (int k : Items(row.marked))
                QVERIFY(view.Item(k).nTaken == 1 && view.Item(k).nBrush == WHITE_BRUSH);
            QCOMPARE(view.m_nComputerHeld, 6 + marked);
            QCOMPARE(view.m_nComputerTake, row.rest);
            QCOMPARE(view.m_nComputerAsked, row.turn == 1 ? row.take : 55);
            QCOMPARE(Repainted(g.host), SquaresThenTotals(row.marked));
        }
    }

    // A turn of the default game: the computer's squares and the totals from the marking
    // step, then the totals once more as Play ends; Play with nothing taken, the totals only.
    void playRepaintsTheComputersSquaresAndTotals() {
        for (const auto& [take, marked, totals] :
             {std::tuple(1, "2", 2), {2, "3-6", 2}, {3, "4-7", 2}, {4, "5 6", 2}, {0, "", 1}}) {
            TestGame<> g;
            g.view.OnStart();
            GameDriver::TakeItems(g.view, take);
            g.host.Clear();
            g.view.OnPlay();
            QCOMPARE(Repainted(g.host), SquaresThenTotals(marked, totals));
        }
    }

    // The cursor keeps to the board's grid, passes over squares without an item and over
    // rows without one, and stays put at every edge.
    void cursorWalks() {
        for (const CursorWalk& row : kCursorWalks) {
            GameItem items[CZeltaroView::kItemCount] = {};
            for (int k : Items(row.off))
                items[k - 1].nTaken = 1;
            QStringList path;
            int k = row.from;
            for (const QString& key : QString(row.keys).split(' ')) {
                k = CBoardCursor::Neighbour({items, row.total}, k,
                                            CBoardCursor::Direction(QString("LRUD").indexOf(key)));
                path << QString::number(k);
            }
            QCOMPARE(path.join(' '), QString(row.path));
        }
    }

    void keyGames_data() { AddGames(kKeyGames); }

    // Space and Enter are a click at the centre of the cursor's square: the same item goes,
    // the same square alone is repainted, Play is offered and the limit holds.
    void keyGames() {
        QFETCH(int, game);
        const KeyGame& row = kKeyGames[game];
        TestGame<> g;
        CZeltaroView& view = g.view;
        if (QString(row.setting) != "-")
            StartGame(g, row.setting);
        const UINT keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE, VK_RETURN};
        g.host.Clear();
        for (const QString& key : QString(row.keys).split(' ')) {
            if (key == "P") {
                view.OnPlay();
                continue;
            }
            const int onBoard = GameDriver::ItemsOnBoard(view), turn = view.m_nTurn;
            g.host.repaints.clear();
            view.OnKeyDown(keys[QString("LRUDSE").indexOf(key)], 1, 0);
            QVERIFY2(g.Valid(), g.trap.First().c_str());
            const bool took = GameDriver::ItemsOnBoard(view) < onBoard;
            const CRect square = took ? ItemRect(view.Cursor().Item()) : CRect();
            QCOMPARE(Repainted(g.host), took ? std::vector<CRect>{square} : std::vector<CRect>{});
            QVERIFY(!(key == "S" || key == "E") || turn != 0 || view.m_bEnablePlay);
        }
        QStringList boxes;
        for (const ShownBox& box : g.host.boxes)
            boxes << BoxName(box.caption, box.text);
        QCOMPARE(QString::fromStdString(GameDriver::Removed(view)), QString(row.off));
        QCOMPARE(boxes.join(' '), QString(row.boxes));
        QCOMPARE(view.Cursor().Item(), row.cursor);
    }

    // The view is asked first; a disabled command and one that nobody handles never run.
    void routeAndGuard() {
        FakeTarget view(ID_GAME_PLAY, false), doc(ID_GAME_PLAY, true), frame(ID_APP_EXIT, true);
        CCommandRouter router;
        router.SetTargets(&view, &doc, &frame, nullptr);
        QVERIFY(!router.Issue(ID_GAME_PLAY) && router.Issue(ID_APP_EXIT));
        QVERIFY(!router.Query(ID_GAME_START).m_bEnabled && !router.Issue(ID_GAME_START));
        QCOMPARE(view.nRuns + doc.nRuns * 10 + frame.nRuns * 100, 100);
    }

    // Each row: the list before, newest first, the file saved, the list after.
    void recentFiles() {
        const char* const rows[][3] = {{"", "a", "a"},
                                       {"ab", "c", "cab"},
                                       {"abc", "b", "bac"},
                                       {"abcd", "e", "eabc"},
                                       {"abcd", "d", "dabc"}};
        for (const auto& row : rows) {
            std::vector<std::string> files;
            for (const char* c = row[0]; *c != '\0'; ++c)
                files.emplace_back(1, *c);
            AddRecentFile(files, row[1], kRecentFileCount);
            std::string after;
            for (const std::string& file : files)
                after += file;
            QCOMPARE(after, std::string(row[2]));
        }
        QCOMPARE(RecentFileEntry(4), std::string("File4"));
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "test_engine.moc"
