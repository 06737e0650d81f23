// The main window as the player finds it: menu, toolbar, keys, prompts and tooltips, the bars;
// the commands' availability in every phase of a game; whole games played through it.
#include "resources/Menu.h"
#include "resources/StringTable.h"
#include "resources/ToolBar.h"
#include "support/RunningApp.h"

namespace {

// Every command on the menu, in menu order, with its item's text.
std::vector<std::pair<UINT, QString>> MenuCommands() {
    std::vector<std::pair<UINT, QString>> commands;
    for (const MenuPopup& popup : FindMenu(IDR_MAINFRAME)->popups) {
        for (const MenuItem& item : popup.items) {
            if (item.nID != ID_SEPARATOR)
                commands.emplace_back(item.nID, QString::fromUtf8(item.text));
        }
    }
    return commands;
}

// The entries of a menu or a bar as the player reads them, a separator as "-".
QStringList Texts(const QList<QAction*>& entries) {
    QStringList texts;
    for (QAction* a : entries) {
        const QString key = a->shortcut().toString();
        texts << (a->isSeparator() ? "-" : key.isEmpty() ? a->text() : a->text() + '\t' + key);
    }
    return texts;
}

} // namespace

class TestAppWindow : public QObject {
    Q_OBJECT

private slots:
    // A command's prompt shows in the message pane while the pointer rests on its button, greyed
    // or not, and while its menu item is highlighted; "Ready" comes back after.
    void menuToolBarAndPrompts() {
        RunningApp run;
        QVERIFY(run.Start());
        QStringList items;
        for (QAction* popup : run.frame->menuBar()->actions())
            items << popup->text() + ':' << Texts(popup->menu()->actions());
        QCOMPARE(items, MenuTable());
        // The toolbar's buttons in the order of its table, each its menu item's command; flat
        // buttons of 16 by 15 with a gripper, docked at the top, at home at every edge or afloat.
        QToolBar* bar = run.frame->ToolBar();
        QStringList buttons;
        for (UINT nID : FindToolBar(IDR_MAINFRAME)->items)
            buttons << (nID == ID_SEPARATOR ? "-" : Texts({run.Action(nID)}).front());
        QCOMPARE(Texts(bar->actions()), buttons);
        QCOMPARE(bar->iconSize(), QSize(16, 15));
        QVERIFY(static_cast<QToolButton*>(run.Button(ID_GAME_PLAY))->autoRaise());
        QVERIFY(bar->isMovable() && bar->isFloatable() &&
                bar->allowedAreas() == Qt::AllToolBarAreas);
        QCOMPARE(run.frame->toolBarArea(bar), Qt::TopToolBarArea);

        QCOMPARE(run.frame->MessageText(), QString("Ready"));
        run.PressKey(ID_GAME_START); // offers Play, Back and New game in the menu
        for (const auto& [nID, item] : MenuCommands()) {
            const QString prompt = QString::fromStdString(PromptStatusText(nID));
            QCOMPARE(Texts({run.Action(nID)}), QStringList(item));
            if (QWidget* button = run.Button(nID)) {
                QCOMPARE(button->toolTip(), QString::fromStdString(PromptTooltip(nID)));
                QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), button->mapToGlobal(QPointF(4, 4)));
                QApplication::sendEvent(button, &enter);
                QCOMPARE(run.frame->MessageText(), prompt);
                QEvent leave(QEvent::Leave);
                QApplication::sendEvent(button, &leave);
                QCOMPARE(run.frame->MessageText(), QString("Ready"));
            }
            if (!run.Action(nID)->isEnabled())
                continue; // the style highlights only items that can be chosen
            QMenu* menu = run.OpenMenuOf(nID);
            QTest::mouseMove(menu, menu->actionGeometry(run.Action(nID)).center());
            QTRY_COMPARE(run.frame->MessageText(), prompt);
            menu->hide();
            QTRY_COMPARE(run.frame->MessageText(), QString("Ready"));
        }
    }

    // Back puts an item back, F6 and Shift+F6 do nothing, Ctrl+N is New game. The window asks the
    // game again before it runs a command and as a menu opens, so a state on screen that has
    // fallen behind the game's is neither obeyed nor shown for long. Each bar's item hides and
    // shows it, with a check mark while it shows; a right click on a bar opens no menu of its own.
    void keysAndTheStateOfCommands() {
        RunningApp run;
        QVERIFY(run.Start());
        QCOMPARE(run.Action(ID_FILE_SAVE)->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(run.Action(ID_NEXT_PANE)->shortcut(), QKeySequence("F6"));
        QCOMPARE(run.Action(ID_PREV_PANE)->shortcut(), QKeySequence("Shift+F6"));
        run.PressKey(ID_GAME_START);
        run.Take(2);
        run.PressKey(ID_EDIT_UNDO);
        QCOMPARE(run.View().m_nSelected, 1);
        const std::vector<int> game = Snapshot(run.View());
        run.PressKey(ID_NEXT_PANE);
        QVERIFY(run.frame->ToolBar()->isVisible() && run.frame->StatusBar()->isVisible());
        run.PressKey(ID_PREV_PANE);
        run.View().m_bEnablePlay = false; // behind the window's back
        run.PressKey(ID_GAME_PLAY);
        QVERIFY(!run.Button(ID_GAME_PLAY)->isEnabled());
        run.View().m_bEnablePlay = true;
        QCOMPARE(Snapshot(run.View()), game);
        run.OpenMenuOf(ID_GAME_PLAY)->hide();
        QVERIFY(run.Action(ID_GAME_PLAY)->isEnabled());

        const std::pair<UINT, QWidget*> bars[] = {{ID_VIEW_TOOLBAR, run.frame->ToolBar()},
                                                  {ID_VIEW_STATUS_BAR, run.frame->StatusBar()}};
        for (QWidget* bar : {static_cast<QWidget*>(run.frame->menuBar()), bars[0].second}) {
            const QPoint spot = bar->mapTo(run.frame, QPoint(bar->width() - 4, bar->height() / 2));
            QTest::mouseClick(run.frame->windowHandle(), Qt::RightButton, {}, spot);
            QCOMPARE(QApplication::activePopupWidget(), nullptr);
        }
        for (bool shown : {true, false, true}) {
            for (const auto& [nID, bar] : bars) {
                QVERIFY(run.Action(nID)->isChecked() == shown && bar->isVisible() == shown);
                run.ChooseFromMenu(nID);
            }
        }
        run.PressKey(ID_GAME_NEW); // with neither bar shown
        QCOMPARE(run.View().m_nTurn, 2);
    }

    // At each step of the command cycle each game command is greyed on the toolbar and, as its
    // menu opens, in the menu, or neither; a greyed command's key, button and menu item do nothing.
    void commandsInEveryPhase() {
        RunningApp run;
        QVERIFY(run.Start());
        ModalHand hand;
        hand.okBoxes = true;
        // One digit per game command, in the order Settings, Start, Play, Back, New game: 1 where
        // the command is offered, 0 where it is greyed.
        auto offered = [&](const char* enabled) {
            for (int i = 0; i < 5; ++i) {
                const UINT nID = kGameCommands[i].nID;
                QCOMPARE(run.Button(nID)->isEnabled(), enabled[i] == '1');
                run.OpenMenuOf(nID)->hide();
                QVERIFY(run.Action(nID)->isEnabled() == (enabled[i] == '1') &&
                        run.Action(nID)->isVisible());
            }
            const std::vector<int> before = Snapshot(run.View());
            for (int i = 0; i < 5; ++i) {
                for (Route route : {Route::Key, Route::Toolbar, Route::Menu}) {
                    if (enabled[i] == '0')
                        run.Issue(kGameCommands[i].nID, route);
                }
            }
            QCOMPARE(Snapshot(run.View()), before);
        };
        offered("11000");
        hand.Then(ChooseSettings(21, 4, 1)); // player second: the computer opens
        run.Issue(ID_GAME_SETTINGS, Route::Menu);
        offered("01000");
        run.Issue(ID_GAME_START, Route::Toolbar);
        offered("00011");
        run.ClickItem(21);
        offered("00111");
        while (run.View().m_nTurn == 0) {
            run.Take(std::min(4, run.OnBoard()));
            run.Issue(ID_GAME_PLAY, Route::Key);
        }
        offered("00011");
        run.Issue(ID_GAME_NEW, Route::Menu);
        offered("11000");
        hand.Then(ChooseSettings(21, 4, 0));
        run.Issue(ID_GAME_SETTINGS, Route::Key);
        run.Issue(ID_GAME_START, Route::Key);
        offered("00111");
        QVERIFY(hand.Done() && hand.unexpected.isEmpty());
    }

    // Games played only through keys, toolbar buttons, menu items and clicks on the board, or
    // with the keyboard alone: with the defaults the computer holds the winning line and wins
    // whatever the player takes; in modes 1 and 4 the player takes what it expects, and wins.
    void wholeGames_data() {
        // settings: N, M, the order and the mode Start gives; none for the defaults.
        // play: "draws:takes:routes": the computer's random takes in the order drawn; the
        // player's takes, one digit a turn, over again from the first when they run out; the
        // route of each command in turn (K its key, T its toolbar button, M its menu item), the
        // last one kept, or A for the keyboard alone: the commands, settings, items and verdict.
        // playerHeld: what the player holds at the end; -1 for a lost game, whatever it holds.
        QTest::addColumn<QList<int>>("settings");
        QTest::addColumn<QString>("play");
        QTest::addColumn<int>("playerHeld");
        QTest::newRow("ones") << QList<int>{} << ":1:K" << -1;
        QTest::newRow("fours") << QList<int>{} << ":4:T" << -1;
        QTest::newRow("rising") << QList<int>{} << ":1234:M" << -1;
        QTest::newRow("worked example") << QList<int>{} << ":1324111:K" << -1;
        QTest::newRow("twos and threes") << QList<int>{} << ":2332:T" << -1;
        QTest::newRow("mode 1") << QList<int>{21, 4, 0, 1} << "3142:2442:TMKTMK" << 12;
        QTest::newRow("mode 4") << QList<int>{25, 4, 1, 4} << "31422:4424:KTTMTM" << 14;
        QTest::newRow("worked example by keys") << QList<int>{} << ":1324111:A" << -1;
        QTest::newRow("mode 1 by keys") << QList<int>{21, 4, 0, 1} << "3142:2442:A" << 12;
        QTest::newRow("mode 3 by keys") << QList<int>{33, 5, 1, 3} << ":4321:A" << -1;
        QTest::newRow("mode 4 by keys") << QList<int>{25, 4, 1, 4} << "31422:4424:A" << 14;
    }

    void wholeGames() {
        QFETCH(QList<int>, settings);
        QFETCH(QString, play);
        QFETCH(int, playerHeld);
        const QString draws = play.section(':', 0, 0), takes = play.section(':', 1, 1),
                      routes = play.section(':', 2, 2);
        const bool keysAlone = routes == "A";
        RunningApp run;
        QVERIFY(run.Start());
        ModalHand hand;
        hand.okBoxes = !keysAlone;
        int issued = 0;
        auto issue = [&](UINT nID) {
            const QChar r = routes.at(std::min<int>(issued++, int(routes.size()) - 1));
            run.Issue(nID, r == 'T' ? Route::Toolbar : r == 'M' ? Route::Menu : Route::Key);
        };
        for (QChar take : draws)
            run.runtime.ScriptTakes({take.digitValue()});
        if (!settings.isEmpty()) {
            hand.Then((keysAlone ? ChooseSettingsByKeys : ChooseSettings)(settings[0], settings[1],
                                                                          settings[2]));
            issue(ID_GAME_SETTINGS);
        }
        issue(ID_GAME_START);
        QCOMPARE(run.View().m_nMode, settings.value(3, 2));
        if (keysAlone) {
            // Tab brings the keyboard to the board, and the verdict is closed with Enter.
            run.frame->ViewWindow()->clearFocus();
            QTest::keyClick(run.frame, Qt::Key_Tab);
            QVERIFY(run.frame->ViewWindow()->hasFocus());
            hand.Then([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        }
        for (int turn = 0; run.View().m_nTurn == 0 && turn < 30; ++turn) {
            const int take = std::min(takes.at(turn % takes.size()).digitValue(), run.OnBoard());
            run.Take(take, keysAlone);
            QCOMPARE(run.View().m_nSelected, take);
            issue(ID_GAME_PLAY);
            run.View().AssertValid();
        }
        QCOMPARE(run.View().m_nTurn, 2);
        QCOMPARE(run.View().m_nPlayerHeld + run.View().m_nComputerHeld, run.View().m_nTotal);
        if (playerHeld >= 0)
            QCOMPARE(run.View().m_nPlayerHeld, playerHeld);
        QCOMPARE(hand.boxes, QStringList(playerHeld < 0 ? "ZELTARO: Вие загубихте! Опитайте пак"
                                                        : "ZELTARO:      Браво! Вие спечелихте"));
        QVERIFY(hand.Done() && hand.unexpected.isEmpty());
    }
};

QTEST_MAIN(TestAppWindow)
#include "test_app_window.moc"
