// The computer's strategy: how Start classifies every setting and opens the game, the reply
// table for every class, amount and limit, and every game of every setting played out.
#include "support/ExhaustiveWalk.h"
#include "support/TestGame.h"

#include <QtTest>

#include <cstdio>

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
// clang-format on
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

} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void startClassifiesAndOpens_data() { AddEverySetting(); }
    void startClassifiesAndOpens();
    void replyTable();
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
};

// Every setting the dialog allows, then Start: the classification, the mode and the opening
// move, which takes the lowest items and leaves Play to the player's first click.
void TestRules::startClassifiesAndOpens() {
    QFETCH(int, nTotal);
    QFETCH(int, nMaxTake);
    QFETCH(int, nOrder);
    int residue = 0, startClass = 0, opening = 0;
    std::sscanf(kResidues[(nTotal - 21) / 2][nMaxTake - 2], "%d/%d/%d", &residue, &startClass,
                &opening);
    TestGame g;
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

// Every class and amount, out-of-range ones included, for every limit: the worked rows
// exactly; class 3 with x = 1 always 1 / 4; elsewhere a legal take and a class of the same
// family where a rule covers x (x = M only in the family that M's parity plays in), and the
// earlier outputs left in place where none does.
void TestRules::replyTable() {
    for (int m = 2; m <= 7; ++m) {
        for (int c = -1; c <= 6; ++c) {
            const bool oddFamily = c == 1 || c == 2;
            QString row = QString::asprintf("%d %d:", m, c);
            for (int x = -2; x <= m + 1; ++x) {
                CZeltaroView view;
                view.m_nMaxTake = m;
                view.m_nQueryReply = view.m_nQueryNextClass = kNoClass;
                view.m_nQueryClass = c;
                view.m_nQueryTaken = x;
                view.QueryReply();
                const int reply = view.m_nQueryReply, next = view.m_nQueryNextClass;
                const bool covered =
                    c >= 1 && c <= 5 && x >= 1 && x <= m && (x < m || oddFamily == (m % 2 != 0));
                const bool legal =
                    reply >= 1 && reply <= m && next >= 1 && next <= 5 && (next <= 2) == oddFamily;
                const QString cell = reply == kNoClass && next == kNoClass
                                         ? "-"
                                         : QString::asprintf("%d/%d", reply, next);
                if (x >= 1 && x <= m)
                    row += " " + cell;
                QVERIFY2(covered ? legal : cell == "-",
                         qPrintable(QString::asprintf("M %d, class %d, x %d: ", m, c, x) + cell));
            }
            QVERIFY2(c != 3 || row.contains(": 1/4"), qPrintable(row));
            for (const char* worked : kReplies) {
                if (row.startsWith(QString(worked).section(':', 0, 0) + ":"))
                    QCOMPARE(row, QString(worked));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestRules)
#include "test_rules.moc"
