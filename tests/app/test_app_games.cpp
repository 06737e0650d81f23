// Whole games through the main window, and the commands' availability in every phase of a
// game: greyed in the menu and on the toolbar at once, and deaf to their keys.
#include "AppDriver.h"

#include <QtTest>

class TestAppGames : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void commandsInEveryPhase_data();
    void commandsInEveryPhase();
    void disabledCommandIsDroppedWhateverItShows_data();
    void disabledCommandIsDroppedWhateverItShows();
    void defaultsGameIsLost_data();
    void defaultsGameIsLost();
    void modeOneGameIsWon();
    void modeFourGameIsWon();

private:
    QTemporaryDir m_settings;
};

namespace {

const UINT kGameCommands[] = {ID_GAME_SETTINGS, ID_GAME_START, ID_GAME_PLAY, ID_EDIT_UNDO,
                              ID_GAME_NEW};

const char kWon[] = "     Браво! Вие спечелихте";
const char kLost[] = "Вие загубихте! Опитайте пак";

// The game's phases, each reached only through the window.
enum class Phase { Launch, AfterSettings, Started, ComputerOpened, AfterClick, GameOver, AfterNew };

void Reach(RunningApp& run, ModalHand& hand, Phase phase) {
    switch (phase) {
    case Phase::Launch:
        return;
    case Phase::AfterSettings:
        hand.Then(ChooseSettings(21, 4, 0));
        run.Issue(ID_GAME_SETTINGS, Route::Menu);
        return;
    case Phase::Started:
        run.Issue(ID_GAME_START, Route::Toolbar);
        return;
    case Phase::ComputerOpened:
    case Phase::AfterClick:
        hand.Then(ChooseSettings(21, 4, 1)); // player second: the computer opens
        run.Issue(ID_GAME_SETTINGS, Route::Key);
        run.Issue(ID_GAME_START, Route::Key);
        if (phase == Phase::AfterClick)
            run.ClickItem(21);
        return;
    case Phase::GameOver:
        hand.okBoxes = true;
        run.Issue(ID_GAME_START, Route::Key);
        while (run.View().m_nTurn == 0) {
            run.Take(std::min(4, run.OnBoard()));
            run.Issue(ID_GAME_PLAY, Route::Key);
        }
        hand.okBoxes = false;
        return;
    case Phase::AfterNew:
        run.Issue(ID_GAME_START, Route::Key);
        run.Take(2);
        run.Issue(ID_GAME_NEW, Route::Menu);
        return;
    }
}

} // namespace

void TestAppGames::initTestCase() {
    QVERIFY(m_settings.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}

void TestAppGames::commandsInEveryPhase_data() {
    QTest::addColumn<Phase>("phase");
    // Settings, Start, Play, Back, New game.
    QTest::addColumn<QList<bool>>("enabled");
    QTest::newRow("launch") << Phase::Launch << QList<bool>{true, true, false, false, false};
    QTest::newRow("after settings")
        << Phase::AfterSettings << QList<bool>{false, true, false, false, false};
    QTest::newRow("started") << Phase::Started << QList<bool>{false, false, true, true, true};
    QTest::newRow("computer opened")
        << Phase::ComputerOpened << QList<bool>{false, false, false, true, true};
    QTest::newRow("after a click")
        << Phase::AfterClick << QList<bool>{false, false, true, true, true};
    QTest::newRow("game over") << Phase::GameOver << QList<bool>{false, false, false, true, true};
    QTest::newRow("after new game")
        << Phase::AfterNew << QList<bool>{true, true, false, false, false};
}

void TestAppGames::commandsInEveryPhase() {
    QFETCH(Phase, phase);
    QFETCH(QList<bool>, enabled);
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    Reach(run, hand, phase);
    QVERIFY(hand.Done());
    QVERIFY(hand.unexpected.isEmpty());

    for (int i = 0; i < 5; ++i) {
        const UINT nID = kGameCommands[i];
        // The menu is brought up to date as it opens; the toolbar already is.
        QCOMPARE(run.Button(nID)->isEnabled(), enabled[i]);
        QMenu* menu = run.MenuOf(nID);
        menu->popup(run.frame->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QCOMPARE(run.Action(nID)->isEnabled(), enabled[i]);
        QVERIFY(menu->actions().contains(run.Action(nID)));
        menu->hide();
    }
    // A greyed command's key, button and menu item do nothing.
    for (int i = 0; i < 5; ++i) {
        if (enabled[i])
            continue;
        const std::vector<int> before = Snapshot(run.View());
        for (Route route : {Route::Key, Route::Toolbar, Route::Menu}) {
            run.Issue(kGameCommands[i], route);
            QCOMPARE(Snapshot(run.View()), before);
        }
    }
    QCOMPARE(hand.unexpected, QStringList());
}

void TestAppGames::disabledCommandIsDroppedWhateverItShows_data() {
    QTest::addColumn<Route>("route");
    QTest::newRow("key") << Route::Key;
    QTest::newRow("menu") << Route::Menu;
}

// The window asks the game again before it runs a command: a command whose state on screen
// is stale is still refused, and the screen is corrected.
void TestAppGames::disabledCommandIsDroppedWhateverItShows() {
    QFETCH(Route, route);
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    run.Issue(ID_GAME_START, Route::Key);
    run.Take(2);
    QVERIFY(run.Action(ID_GAME_PLAY)->isEnabled());
    if (route == Route::Key) {
        run.View().m_bEnablePlay = false; // behind the window's back
        const std::vector<int> before = Snapshot(run.View());
        run.PressKey(ID_GAME_PLAY);
        QCOMPARE(Snapshot(run.View()), before);
    } else {
        // The menu is brought up to date as it opens: the item is greyed before it is clicked.
        run.View().m_bEnablePlay = false;
        const std::vector<int> before = Snapshot(run.View());
        QMenu* menu = run.MenuOf(ID_GAME_PLAY);
        menu->popup(run.frame->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QVERIFY(!run.Action(ID_GAME_PLAY)->isEnabled());
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(run.Action(ID_GAME_PLAY)).center());
        menu->hide();
        QCOMPARE(Snapshot(run.View()), before);
    }
    QVERIFY(!run.Action(ID_GAME_PLAY)->isEnabled());
    QVERIFY(!run.Button(ID_GAME_PLAY)->isEnabled());
    QCOMPARE(hand.windows, 0);
}

void TestAppGames::defaultsGameIsLost_data() {
    QTest::addColumn<QList<int>>("takes"); // repeated until the game ends
    QTest::addColumn<Route>("route");
    QTest::newRow("ones by key") << QList<int>{1} << Route::Key;
    QTest::newRow("fours by toolbar") << QList<int>{4} << Route::Toolbar;
    QTest::newRow("rising by menu") << QList<int>{1, 2, 3, 4} << Route::Menu;
    QTest::newRow("worked example") << QList<int>{1, 3, 2, 4, 1, 1, 1} << Route::Key;
    QTest::newRow("twos and threes") << QList<int>{2, 3, 3, 2} << Route::Toolbar;
}

// The defaults give the computer the winning line: it wins whatever the player takes.
void TestAppGames::defaultsGameIsLost() {
    QFETCH(QList<int>, takes);
    QFETCH(Route, route);
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    run.Issue(ID_GAME_START, route);
    QCOMPARE(run.View().m_nMode, 2);
    hand.okBoxes = true;
    for (int turn = 0; run.View().m_nTurn == 0 && turn < 30; ++turn) {
        run.Take(std::min<int>(takes[turn % takes.size()], run.OnBoard()));
        run.Issue(ID_GAME_PLAY, route);
        run.View().AssertValid();
    }
    QCOMPARE(run.View().m_nTurn, 2);
    QCOMPARE(hand.boxes.size(), size_t(1));
    QCOMPARE(hand.boxes[0].caption, QString("ZELTARO"));
    QCOMPARE(hand.boxes[0].text, QString(kLost));
    QCOMPARE(run.View().m_nPlayerHeld + run.View().m_nComputerHeld, 25);
    // Only New game is offered among the game's commands.
    QVERIFY(!run.Action(ID_GAME_PLAY)->isEnabled());
    QVERIFY(!run.Action(ID_GAME_START)->isEnabled());
    QVERIFY(run.Action(ID_GAME_NEW)->isEnabled());
}

// 21 items, at most 4, player first; the random takes come out 3, 1, 4, 2 and the player
// always takes what the computer expects.
void TestAppGames::modeOneGameIsWon() {
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    hand.Then(ChooseSettings(21, 4, 0));
    run.Issue(ID_GAME_SETTINGS, Route::Toolbar);
    run.Issue(ID_GAME_START, Route::Menu);
    QCOMPARE(run.View().m_nMode, 1);
    run.runtime.ScriptTakes({3, 1, 4, 2});

    const int takes[] = {2, 4, 4, 2};
    const int remaining[] = {16, 11, 3, -1};
    const Route routes[] = {Route::Key, Route::Toolbar, Route::Menu, Route::Key};
    for (int i = 0; i < 4; ++i) {
        run.Take(takes[i]);
        if (i == 3)
            hand.ThenOk();
        run.Issue(ID_GAME_PLAY, routes[i]);
        QCOMPARE(run.View().m_nRemaining, remaining[i]);
    }
    QCOMPARE(run.View().m_nPlayerHeld, 12);
    QCOMPARE(run.View().m_nComputerHeld, 9);
    QCOMPARE(hand.boxes.size(), size_t(1));
    QCOMPARE(hand.boxes[0].caption, QString("ZELTARO"));
    QCOMPARE(hand.boxes[0].text, QString(kWon));
}

// 25 items, at most 4, player second: the computer opens with a random 3, later random takes
// come out 1, 4, 2, 2, and the player always takes what the computer expects.
void TestAppGames::modeFourGameIsWon() {
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    hand.Then(ChooseSettings(25, 4, 1));
    run.Issue(ID_GAME_SETTINGS, Route::Key);
    run.runtime.ScriptTakes({3, 1, 4, 2, 2});
    run.Issue(ID_GAME_START, Route::Toolbar);
    QCOMPARE(run.View().m_nMode, 4);
    QCOMPARE(run.OnBoard(), 22);
    QVERIFY(!run.Action(ID_GAME_PLAY)->isEnabled());

    const int takes[] = {4, 4, 2, 4};
    const int remaining[] = {17, 9, 5, -1};
    for (int i = 0; i < 4; ++i) {
        run.Take(takes[i]);
        QVERIFY(run.Action(ID_GAME_PLAY)->isEnabled());
        if (i == 3)
            hand.ThenOk();
        run.Issue(ID_GAME_PLAY, i % 2 == 0 ? Route::Toolbar : Route::Menu);
        QCOMPARE(run.View().m_nRemaining, remaining[i]);
    }
    QCOMPARE(run.View().m_nPlayerHeld, 14);
    QCOMPARE(run.View().m_nComputerHeld, 11);
    QCOMPARE(hand.boxes.size(), size_t(1));
    QCOMPARE(hand.boxes[0].caption, QString("ZELTARO"));
    QCOMPARE(hand.boxes[0].text, QString(kWon));
}

QTEST_MAIN(TestAppGames)
#include "test_app_games.moc"
