// Start: the defaults, the classification of the start position, and the computer's openings.
#include "support/AssertTrap.h"
#include "support/GameDriver.h"
#include "support/TableRows.h"
#include "support/TestGame.h"

#include <QtTest>

#include <algorithm>
#include <cstdio>

namespace {

// Residue / start class / opening take when the player moves second, for M = 2 to 7; classes
// 1 and 4 open with a random take instead.
struct ResidueRow {
    int nTotal;
    const char* cells[6];
};
const ResidueRow kResidues[] = {
    {21, {"1/4", "5/3/1", "3/5/2", "9/3/3", "5/5/4", "5/2/4"}},
    {23, {"3/5/2", "7/3/3", "5/5/4", "11/3/5", "7/5/6", "7/2/6"}},
    {25, {"1/4", "1/1", "1/4", "1/1", "1/4", "9/3/1"}},
    {27, {"3/5/2", "3/2/2", "3/5/2", "3/2/2", "3/5/2", "11/3/3"}},
    {29, {"1/4", "5/3/1", "5/5/4", "5/2/4", "5/5/4", "13/3/5"}},
    {31, {"3/5/2", "7/3/3", "1/4", "7/3/1", "7/5/6", "15/3/7"}},
    {33, {"1/4", "1/1", "3/5/2", "9/3/3", "1/4", "1/1"}},
    {35, {"3/5/2", "3/2/2", "5/5/4", "11/3/5", "3/5/2", "3/2/2"}},
    {37, {"1/4", "5/3/1", "1/4", "1/1", "5/5/4", "5/2/4"}},
    {39, {"3/5/2", "7/3/3", "3/5/2", "3/2/2", "7/5/6", "7/2/6"}},
};

// Marks a strategy class that Start must leave alone.
constexpr int kUntouchedClass = 77;

// The strategy class a game starts in: fixed by the start class, or by the computed opening.
int ClassAfterStart(int startClass, int mode) {
    switch (startClass) {
    case 1:
        return 1;
    case 4:
        return 3;
    default:
        break;
    }
    if (mode != 3)
        return kUntouchedClass;
    return startClass == 5 ? 3 : startClass == 2 ? 1 : 2;
}

enum Before { Fresh, AfterNewGame }; // after New game, a game of 39, 7, second was played
enum Dialog { NoDialog, Cancel, OkUntouched, Ok31Of5Second };
struct DefaultsCase {
    const char* name;
    Before before;
    Dialog dialog;
    int nTotal, nMaxTake, nOrder;
};
// clang-format off
const DefaultsCase kDefaults[] = {
    {"Start at launch", Fresh, NoDialog, 25, 4, 0},
    {"Cancel at launch", Fresh, Cancel, 25, 4, 0},
    {"OK untouched at launch", Fresh, OkUntouched, 21, 4, 0},
    {"OK chosen at launch", Fresh, Ok31Of5Second, 31, 5, 1},
    {"Start after New game", AfterNewGame, NoDialog, 39, 7, 1},
    {"Cancel after New game", AfterNewGame, Cancel, 25, 4, 0},
    {"OK after New game", AfterNewGame, Ok31Of5Second, 31, 5, 1},
};
// clang-format on

} // namespace

class TestStart : public QObject {
    Q_OBJECT

private slots:
    void classification_data();
    void classification();
    void defaultsRule_data() { AddRows(kDefaults); }
    void defaultsRule();
};

void TestStart::classification_data() {
    QTest::addColumn<int>("nTotal");
    QTest::addColumn<int>("nMaxTake");
    QTest::addColumn<int>("nOrder");
    QTest::addColumn<QByteArray>("cell");
    for (const ResidueRow& row : kResidues) {
        for (int m = 2; m <= 7; ++m) {
            for (int order = 0; order <= 1; ++order) {
                QTest::addRow("N%d M%d %s", row.nTotal, m, order == 0 ? "first" : "second")
                    << row.nTotal << m << order << QByteArray(row.cells[m - 2]);
            }
        }
    }
}

// Every setting the dialog allows, chosen through the dialog, then Start.
void TestStart::classification() {
    QFETCH(int, nTotal);
    QFETCH(int, nMaxTake);
    QFETCH(int, nOrder);
    QFETCH(QByteArray, cell);
    int residue = 0, startClass = 0, opening = 0;
    std::sscanf(cell.constData(), "%d/%d/%d", &residue, &startClass, &opening);
    AssertTrap trap;
    TestGame game;
    CZeltaroView& view = game.view;
    view.m_nClass = kUntouchedClass;
    GameDriver::ChooseSettings(view, nTotal, nMaxTake, nOrder);
    const int randomTake = std::min(3, nMaxTake);
    game.runtime.ScriptTakes({randomTake});
    view.OnStart();
    view.AssertValid();
    QVERIFY2(!trap.Failed(), trap.First().c_str());

    const int mode = 1 + (residue == 1 ? 1 : 0) + 2 * nOrder;
    QCOMPARE(view.m_nResidue, residue);
    QCOMPARE(view.m_nStartClass, startClass);
    QCOMPARE(view.m_bResidueOne, residue == 1 ? 1 : 0);
    QCOMPARE(view.m_nMode, mode);
    QCOMPARE(view.m_nClass, ClassAfterStart(startClass, mode));

    const int take = mode == 3 ? opening : mode == 4 ? randomTake : 0;
    QCOMPARE(game.runtime.draws, mode == 4 ? 1 : 0);
    QCOMPARE(game.runtime.seeds,
             std::vector<unsigned>(mode == 4 ? 1 : 0, unsigned(game.runtime.now)));
    QCOMPARE(view.m_nRemaining, nTotal - take);
    QCOMPARE(view.m_nComputerHeld, take);
    QCOMPARE(view.m_nPlayerHeld, 0);
    QCOMPARE(view.m_nComputerAsked, take);
    QCOMPARE(view.m_nComputerTake, 0);
    for (int k = 1; k <= CZeltaroView::kItemCount; ++k) {
        const bool taken = k <= take;
        QCOMPARE(view.Item(k).nTaken, taken ? 1 : 0);
        QCOMPARE(view.Item(k).nBrush, taken ? WHITE_BRUSH : GRAY_BRUSH);
    }
    if (mode == 3) {
        // The computed opening leaves the player a count it cannot win from.
        const int period = nMaxTake % 2 == 0 ? nMaxTake + 2 : 2 * nMaxTake + 2;
        QCOMPARE(view.m_nRemaining % period, startClass == 3 ? nMaxTake + 1 : 1);
    }

    QCOMPARE(view.m_nTurn, 0);
    QCOMPARE(view.m_bFirstReply, mode == 1);
    if (mode == 1 || mode == 4)
        QVERIFY(view.m_bRandomPhase);
    QVERIFY(view.m_bStarted);
    QCOMPARE(view.m_bEnablePlay, take == 0);
    QVERIFY(!view.m_bEnableStart && !view.m_bEnableSettings);
    QVERIFY(view.m_bEnableNew && view.m_bEnableUndo);

    // The opening's squares and the totals, then the whole view, last.
    const std::vector<Repaint>& repaints = game.host.repaints;
    QCOMPARE(int(repaints.size()), take > 0 ? take + 2 : 1);
    for (int k = 1; k <= take; ++k)
        QCOMPARE(repaints[k - 1].rect, CZeltaroView::ItemRect(k));
    if (take > 0)
        QCOMPARE(repaints[take].rect, view.m_rectScore);
    QVERIFY(repaints.back().whole && repaints.back().erase);
    QVERIFY(game.host.boxes.empty());
}

// The defaults are imposed by Start only before any dialog and any New game; Cancel sets
// them itself; after New game Start keeps the last game's settings.
void TestStart::defaultsRule() {
    const DefaultsCase& row = FetchRow(kDefaults);
    AssertTrap trap;
    TestGame game;
    CZeltaroView& view = game.view;
    if (row.before == AfterNewGame) {
        GameDriver::ChooseSettings(view, 39, 7, 1);
        view.OnStart();
        view.OnNewGame();
    }
    if (row.dialog == Cancel)
        GameDriver::CancelSettings(view);
    if (row.dialog == OkUntouched) {
        ScriptedModalRunner runner([](CDialog& d, FakeDialogSite&) { d.OnCommand(IDOK); });
        view.OnGeneralSettings();
    }
    if (row.dialog == Ok31Of5Second)
        GameDriver::ChooseSettings(view, 31, 5, 1);
    if (row.dialog != NoDialog) {
        QCOMPARE(view.m_nTotal, row.nTotal);
        QCOMPARE(view.m_nMaxTake, row.nMaxTake);
        QCOMPARE(view.m_nOrder, row.nOrder);
        QCOMPARE(view.m_nTurn, 2);
    }
    view.OnStart();
    view.AssertValid();
    QVERIFY2(!trap.Failed(), trap.First().c_str());
    QCOMPARE(view.m_nTotal, row.nTotal);
    QCOMPARE(view.m_nMaxTake, row.nMaxTake);
    QCOMPARE(view.m_nOrder, row.nOrder);
    // New game left every item white: Start puts all of them back, grey, before any opening.
    for (int k = 1; k <= CZeltaroView::kItemCount; ++k) {
        const bool taken = k <= view.m_nComputerHeld;
        QCOMPARE(view.Item(k).nTaken, taken ? 1 : 0);
        QCOMPARE(view.Item(k).nBrush, taken ? WHITE_BRUSH : GRAY_BRUSH);
    }
}

QTEST_APPLESS_MAIN(TestStart)
#include "test_start.moc"
