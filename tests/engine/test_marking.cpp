// The computer's marking step and what Play asks to repaint: which items leave the board, what
// the computer is credited with, and the squares and totals invalidated, in order.
#include "support/GameDriver.h"
#include "support/TableRows.h"
#include "support/TestGame.h"

#include <QtTest>

#include <sstream>
#include <vector>

namespace {

// "1-3 5" -> {1, 2, 3, 5}
std::vector<int> Items(const char* text) {
    std::vector<int> items;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        int first = 0, last = 0;
        if (std::sscanf(word.c_str(), "%d-%d", &first, &last) < 2)
            last = first;
        for (int k = first; k <= last; ++k)
            items.push_back(k);
    }
    return items;
}

// The squares of the given items, then the totals.
std::vector<CRect> SquaresThenTotals(const std::vector<int>& items, const CZeltaroView& view) {
    std::vector<CRect> rects;
    for (int k : items)
        rects.push_back(CZeltaroView::ItemRect(k));
    rects.push_back(view.m_rectScore);
    return rects;
}

std::vector<CRect> Repainted(const RecordingHost& host) {
    std::vector<CRect> rects;
    for (const Repaint& r : host.repaints) {
        if (r.whole || !r.erase)
            return {}; // never expected from these operations
        rects.push_back(r.rect);
    }
    return rects;
}

constexpr int kEarlierAsked = 55;

// N is 21; items listed as "1-3 5".
struct MarkingCase {
    const char* name;
    const char* off;
    int turn, take;
    const char* marked;
    int rest;
};
const MarkingCase kMarking[] = {
    {"take 3 with 2 left", "1-19", 1, 3, "20 21", 1},
    {"around taken items", "1-3 5", 1, 2, "4 6", 0},
    {"full board", "", 1, 4, "1-4", 0},
    {"empty board", "1-21", 1, 2, "", 2},
    {"take 0", "1-3", 1, 0, "", 0},
    {"player's turn", "1-3", 0, 2, "", 2},
    {"no game running", "", 2, 2, "", 2},
};

// A turn of the default game: the player's take and the computer's squares.
struct PlayCase {
    const char* name;
    int take;
    const char* marked;
};
const PlayCase kPlays[] = {
    {"takes 1, computer 1", 1, "2"},
    {"takes 2, computer 4", 2, "3-6"},
    {"takes 3, computer 4", 3, "4-7"},
    {"takes 4, computer 2", 4, "5 6"},
};

} // namespace

class TestMarking : public QObject {
    Q_OBJECT

private slots:
    void markingStep_data() { AddRows(kMarking); }
    void markingStep();
    void playRepaints_data() { AddRows(kPlays); }
    void playRepaints();
};

// The lowest-numbered items on the board go, never one above N, and the computer is credited
// with exactly what went; outside the computer's move nothing moves but the totals repaint.
void TestMarking::markingStep() {
    const MarkingCase& row = FetchRow(kMarking);
    const int turn = row.turn, take = row.take;
    TestGame g;
    CZeltaroView& view = g.view;
    GameDriver::ChooseSettings(view, 21, 4, 0);
    view.OnStart();
    for (int k : Items(row.off))
        view.Item(k) = GameItem{1, WHITE_BRUSH};
    view.m_nTurn = turn;
    view.m_nComputerTake = take;
    view.m_nComputerAsked = kEarlierAsked;
    view.m_nComputerHeld = 6;
    g.host.Clear();

    view.MarkComputerTake();
    const std::vector<int> expected = Items(row.marked);
    const std::vector<int> wasOff = Items(row.off);
    for (int k = 1; k <= CZeltaroView::kItemCount; ++k) {
        const bool nowOff = std::count(expected.begin(), expected.end(), k) +
                                std::count(wasOff.begin(), wasOff.end(), k) >
                            0;
        QCOMPARE(view.Item(k).nTaken, nowOff ? 1 : 0);
        QCOMPARE(view.Item(k).nBrush, nowOff ? WHITE_BRUSH : GRAY_BRUSH);
    }
    QCOMPARE(view.m_nComputerHeld, 6 + int(expected.size()));
    QCOMPARE(view.m_nComputerTake, row.rest);
    QCOMPARE(view.m_nComputerAsked, turn == 1 ? take : kEarlierAsked);
    QCOMPARE(view.m_nTurn, turn);
    QCOMPARE(Repainted(g.host), SquaresThenTotals(expected, view));
    QVERIFY(g.host.boxes.empty());
}

// A turn of the default game: the computer's squares and the totals from the marking step,
// then the totals once more as Play ends.
void TestMarking::playRepaints() {
    const PlayCase& row = FetchRow(kPlays);
    TestGame g;
    CZeltaroView& view = g.view;
    view.OnStart();
    GameDriver::TakeItems(view, row.take);
    g.host.Clear();
    view.OnPlay();
    std::vector<CRect> expected = SquaresThenTotals(Items(row.marked), view);
    expected.push_back(view.m_rectScore);
    QCOMPARE(Repainted(g.host), expected);
    QVERIFY(g.host.boxes.empty());
}

QTEST_APPLESS_MAIN(TestMarking)
#include "test_marking.moc"
