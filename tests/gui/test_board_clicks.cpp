// The board under real mouse clicks: where items are hit, selection, the over-limit refusal
// and Back.
#include "GuiSupport.h"
#include "platform/qt/ViewWidget.h"
#include "support/ScriptedRuntime.h"

#include <QtTest>

namespace {

const QString kOverLimit = QString::fromUtf8("Не може да вземате повече предмети от допустимото!\n"
                                             "Моля натиснете бутона ''Направи ход''");
const QString kOverLimitCaption = QString::fromUtf8(" ВНИМАНИЕ");

// A view shown in its widget, with the Qt dialogs and a scripted random draw.
struct Board {
    Board() {
        view.SetRuntime(&runtime);
        widget.resize(640, 320);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
    }

    void Click(QPoint p) { QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, p); }
    void ClickItem(int k) { Click(ItemCentre(k)); }

    // The items 1 to N that are off the board.
    QList<int> Removed() const {
        QList<int> removed;
        for (int k = 1; k <= view.m_nTotal; ++k) {
            if (view.Item(k).nTaken == 1)
                removed << k;
        }
        return removed;
    }

    RunnerScope dialogs;
    ScriptedRuntime runtime;
    CZeltaroView view;
    ViewWidget widget{view};
    BoxWatcher watcher;
};

} // namespace

class TestBoardClicks : public QObject {
    Q_OBJECT

private slots:
    void hitTest_data();
    void hitTest();
    void clicksOutsideATurnChangeNothing_data();
    void clicksOutsideATurnChangeNothing();
    void overLimitClickClosesTheSelection_data();
    void overLimitClickClosesTheSelection();
    void backReturnsTheSelectionInItemOrder();
    void backReturnsTheComputersLowestItemFirst();
};

void TestBoardClicks::hitTest_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("item"); // 0: nothing is hit

    QTest::newRow("item 1, top-left corner") << QPoint(50, 70) << 1;
    QTest::newRow("item 1, right edge excluded") << QPoint(100, 70) << 0;
    QTest::newRow("item 1, bottom edge excluded") << QPoint(99, 120) << 0;
    QTest::newRow("item 1, last pixel") << QPoint(99, 119) << 1;
    QTest::newRow("item 1, corner outside the disc") << QPoint(52, 72) << 1;
    QTest::newRow("left of the board") << QPoint(49, 95) << 0;
    QTest::newRow("above the board") << QPoint(75, 69) << 0;
    QTest::newRow("gap between items 1 and 2") << QPoint(102, 95) << 0;
    QTest::newRow("gap between rows 1 and 2") << QPoint(75, 122) << 0;
    QTest::newRow("item 10, bottom-right pixel") << QPoint(594, 119) << 10;
    QTest::newRow("right of item 10") << QPoint(595, 95) << 0;
    QTest::newRow("item 11") << QPoint(50, 125) << 11;
    QTest::newRow("item 21, the last one") << QPoint(99, 229) << 21;
    QTest::newRow("where item 22 would be") << QPoint(130, 205) << 0;
    QTest::newRow("where item 31 would be") << QPoint(75, 260) << 0;
    QTest::newRow("the totals") << QPoint(580, 20) << 0;
}

void TestBoardClicks::hitTest() {
    QFETCH(QPoint, point);
    QFETCH(int, item);
    Board b;
    QVERIFY(ChooseSettings(b.view, 21, 7, 0));
    QVERIFY(Issue(b.view, ID_GAME_START));

    b.Click(point);

    QCOMPARE(b.Removed(), item == 0 ? QList<int>() : QList<int>{item});
    QCOMPARE(b.view.m_nSelected, item == 0 ? 0 : 1);
    QVERIFY(IsEnabled(b.view, ID_GAME_PLAY));
    QVERIFY(b.watcher.boxes.empty());
    b.view.AssertValid();
}

void TestBoardClicks::clicksOutsideATurnChangeNothing_data() {
    QTest::addColumn<bool>("afterNewGame");
    QTest::newRow("launch, after the settings dialog") << false;
    QTest::newRow("after New game") << true;
}

void TestBoardClicks::clicksOutsideATurnChangeNothing() {
    QFETCH(bool, afterNewGame);
    Board b;
    if (afterNewGame) {
        QVERIFY(Issue(b.view, ID_GAME_START));
        b.ClickItem(3);
        QVERIFY(Issue(b.view, ID_GAME_NEW));
    }
    QVERIFY(ChooseSettings(b.view, 21, 4, 0));

    b.ClickItem(1);
    b.Click(QPoint(300, 300));

    QCOMPARE(b.view.m_nTurn, 2);
    QCOMPARE(b.view.m_nSelected, 0);
    QCOMPARE(b.Removed(), QList<int>());
    QVERIFY(!IsEnabled(b.view, ID_GAME_PLAY));
    QVERIFY(b.watcher.boxes.empty());
}

void TestBoardClicks::overLimitClickClosesTheSelection_data() {
    QTest::addColumn<QPoint>("thirdClick");
    QTest::newRow("on an item") << ItemCentre(1);
    QTest::newRow("on a selected item") << ItemCentre(5);
    QTest::newRow("on empty space") << QPoint(300, 300);
    QTest::newRow("in a gap") << QPoint(102, 95);
}

void TestBoardClicks::overLimitClickClosesTheSelection() {
    QFETCH(QPoint, thirdClick);
    Board b;
    QVERIFY(ChooseSettings(b.view, 21, 2, 0));
    QVERIFY(Issue(b.view, ID_GAME_START));
    b.ClickItem(5);
    b.ClickItem(7);
    QVERIFY(b.watcher.boxes.empty()); // the M-th item is taken without a word

    b.Click(thirdClick);

    QCOMPARE(b.watcher.boxes.size(), std::size_t(1));
    const BoxWatcher::Box& box = b.watcher.boxes.front();
    QCOMPARE(box.text, kOverLimit);
    QCOMPARE(box.caption, kOverLimitCaption);
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(b.view.m_nTurn, 1);
    QCOMPARE(b.Removed(), (QList<int>{5, 7}));

    // The selection is closed: clicks and Back do nothing, and no second box appears.
    b.ClickItem(1);
    QVERIFY(Issue(b.view, ID_EDIT_UNDO));
    QCOMPARE(b.view.m_nSelected, 2);
    QCOMPARE(b.Removed(), (QList<int>{5, 7}));
    QCOMPARE(b.watcher.boxes.size(), std::size_t(1));

    // Play resolves the move and opens the next turn to clicks.
    QVERIFY(Issue(b.view, ID_GAME_PLAY));
    QCOMPARE(b.view.m_nTurn, 0);
    QCOMPARE(b.view.m_nPlayerHeld, 2);
    int present = 1;
    while (b.view.Item(present).nTaken == 1)
        ++present;
    b.ClickItem(present);
    QCOMPARE(b.view.m_nSelected, 1);
    b.view.AssertValid();
}

void TestBoardClicks::backReturnsTheSelectionInItemOrder() {
    Board b;
    QVERIFY(Issue(b.view, ID_GAME_START));
    for (int k : {12, 4, 9, 9}) // a removed item is not taken twice
        b.ClickItem(k);
    QCOMPARE(b.Removed(), (QList<int>{4, 9, 12}));
    QCOMPARE(b.view.m_nSelected, 3);
    QCOMPARE(b.view.Item(9).nBrush, WHITE_BRUSH);

    QVERIFY(Issue(b.view, ID_EDIT_UNDO));
    QCOMPARE(b.Removed(), (QList<int>{9, 12}));
    QCOMPARE(b.view.m_nSelected, 2);
    QCOMPARE(b.view.Item(4).nBrush, GRAY_BRUSH);

    QVERIFY(Issue(b.view, ID_EDIT_UNDO));
    QCOMPARE(b.Removed(), QList<int>{12});
    QCOMPARE(b.view.m_nSelected, 1);

    QVERIFY(Issue(b.view, ID_EDIT_UNDO));
    QVERIFY(Issue(b.view, ID_EDIT_UNDO)); // nothing left to put back
    QCOMPARE(b.Removed(), QList<int>());
    QCOMPARE(b.view.m_nSelected, 0);
    QVERIFY(IsEnabled(b.view, ID_GAME_PLAY));
    b.view.AssertValid();
}

void TestBoardClicks::backReturnsTheComputersLowestItemFirst() {
    Board b;
    // 23 items, at most 3, player second: the computer opens by taking 3.
    QVERIFY(ChooseSettings(b.view, 23, 3, 1));
    QVERIFY(Issue(b.view, ID_GAME_START));
    QCOMPARE(b.Removed(), (QList<int>{1, 2, 3}));
    QCOMPARE(b.view.m_nComputerHeld, 3);

    b.ClickItem(20);
    QCOMPARE(b.view.m_nSelected, 1);

    QVERIFY(Issue(b.view, ID_EDIT_UNDO));
    QCOMPARE(b.Removed(), (QList<int>{2, 3, 20}));
    QCOMPARE(b.view.m_nSelected, 0);

    QVERIFY(Issue(b.view, ID_EDIT_UNDO));
    QCOMPARE(b.Removed(), (QList<int>{2, 3, 20}));
    QCOMPARE(b.view.m_nSelected, 0);
    QVERIFY(IsEnabled(b.view, ID_GAME_PLAY));
    QCOMPARE(b.view.m_nComputerHeld, 3);
    b.view.AssertValid();
}

QTEST_MAIN(TestBoardClicks)
#include "test_board_clicks.moc"
