// The main window as the player finds it: menu, keys, toolbar and its pictures, prompts and
// tooltips, the status bar, the bar toggles and the title.
#include "AppDriver.h"
#include "resources/Icons.h"
#include "resources/StringTable.h"
#include "resources/ToolBar.h"

#include <QLabel>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include <set>

class TestAppWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void menuBar();
    void keysIssueTheirCommands_data();
    void keysIssueTheirCommands();
    void toolBar();
    void toolBarPictures();
    void icons();
    void buttonPrompts_data();
    void buttonPrompts();
    void menuPrompts();
    void statusBar();
    void barToggles();

private:
    QTemporaryDir m_settings;
};

namespace {

// The sixteen colours a picture may use, besides transparency.
bool IsStandardColour(QRgb c) {
    static const std::set<QRgb> colours = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000,
                                           0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
                                           0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                           0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    return qAlpha(c) == 0 || colours.count(c) != 0;
}

// How many pixels of each colour one picture has.
std::map<QRgb, int> Colours(const QImage& image) {
    std::map<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++count[image.pixel(x, y)];
    }
    return count;
}

} // namespace

void TestAppWindow::initTestCase() {
    QVERIFY(m_settings.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}

void TestAppWindow::menuBar() {
    RunningApp run;
    QVERIFY(run.Start());
    // Each item as the player reads it: its text, then its key after a tab.
    const std::vector<std::pair<QString, QStringList>> expected = {
        {"Игра", {"нова\tCtrl+N", "изход"}},
        {"Избор", {"назад\tCtrl+Z", "-", "общи\tCtrl+G", "старт\tCtrl+T", "играй\tCtrl+P"}},
        {"Изглед", {"лента с иконки", "лента на състоянието"}},
        {"Помощ", {"относно играта"}},
    };
    const QList<QAction*> popups = run.frame->menuBar()->actions();
    QCOMPARE(popups.size(), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        QAction* popup = popups.at(static_cast<int>(i));
        QCOMPARE(popup->text(), expected[i].first);
        QStringList items;
        for (QAction* item : popup->menu()->actions()) {
            QVERIFY2(!item->text().contains('&'), qPrintable(item->text()));
            if (item->isSeparator())
                items << "-";
            else if (item->shortcut().isEmpty())
                items << item->text();
            else
                items << item->text() + '\t' +
                             item->shortcut().toString(QKeySequence::PortableText);
        }
        QCOMPARE(items, expected[i].second);
    }
    // The commands behind some of the items.
    QCOMPARE(popups.at(0)->menu()->actions().at(1), run.Action(ID_APP_EXIT));
    QCOMPARE(popups.at(1)->menu()->actions().at(4), run.Action(ID_GAME_PLAY));
}

void TestAppWindow::keysIssueTheirCommands_data() {
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<uint>("command");
    QTest::newRow("Ctrl+G settings")
        << QKeyCombination(Qt::ControlModifier, Qt::Key_G) << uint(ID_GAME_SETTINGS);
    QTest::newRow("Ctrl+N new game")
        << QKeyCombination(Qt::ControlModifier, Qt::Key_N) << uint(ID_GAME_NEW);
    QTest::newRow("Ctrl+P play") << QKeyCombination(Qt::ControlModifier, Qt::Key_P)
                                 << uint(ID_GAME_PLAY);
    QTest::newRow("Ctrl+S save") << QKeyCombination(Qt::ControlModifier, Qt::Key_S)
                                 << uint(ID_FILE_SAVE);
    QTest::newRow("Ctrl+T start") << QKeyCombination(Qt::ControlModifier, Qt::Key_T)
                                  << uint(ID_GAME_START);
    QTest::newRow("F6") << QKeyCombination(Qt::Key_F6) << uint(ID_NEXT_PANE);
    QTest::newRow("Shift+F6") << QKeyCombination(Qt::ShiftModifier, Qt::Key_F6)
                              << uint(ID_PREV_PANE);
    QTest::newRow("Ctrl+Z back") << QKeyCombination(Qt::ControlModifier, Qt::Key_Z)
                                 << uint(ID_EDIT_UNDO);
}

// Every key does what the game's commands do: the effect of each is checked, so that a key
// bound to the usual file command instead of the game's would show.
void TestAppWindow::keysIssueTheirCommands() {
    QFETCH(QKeyCombination, key);
    QFETCH(uint, command);
    RunningApp run;
    QVERIFY(run.Start());
    QCOMPARE(run.Action(command)->shortcut(), QKeySequence(key));
    QCOMPARE(run.Action(command)->shortcutContext(), Qt::WindowShortcut);

    ModalHand hand;
    CZeltaroView& view = run.View();
    // A game under way, with one item taken, gives every game key something to do.
    if (command != ID_GAME_SETTINGS && command != ID_GAME_START) {
        run.PressKey(ID_GAME_START);
        run.Take(1);
    }
    const std::vector<int> before = Snapshot(view);
    if (command == ID_GAME_SETTINGS)
        hand.Then(ChooseSettings(31, 5, 1));
    if (command == ID_FILE_SAVE)
        hand.Then([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    if (command == ID_GAME_PLAY)
        run.runtime.ScriptTakes({1});

    QTest::keyClick(run.frame, key.key(), key.keyboardModifiers());

    switch (command) {
    case ID_GAME_SETTINGS:
        QCOMPARE(view.m_nTotal, 31);
        QCOMPARE(view.m_nMaxTake, 5);
        QCOMPARE(view.m_nOrder, 1);
        break;
    case ID_GAME_NEW:
        for (int k = 1; k <= CZeltaroView::kItemCount; ++k)
            QCOMPARE(view.Item(k).nBrush, WHITE_BRUSH);
        QCOMPARE(view.m_bEnableStart, true);
        QCOMPARE(view.m_nTurn, 2);
        break;
    case ID_GAME_PLAY:
        QCOMPARE(view.m_nPlayerHeld, 1);
        QVERIFY(view.m_nComputerHeld > 0);
        break;
    case ID_FILE_SAVE:
        QCOMPARE(hand.windows, 1);
        QVERIFY(hand.unexpected.isEmpty());
        QCOMPARE(Snapshot(view), before);
        break;
    case ID_GAME_START:
        QCOMPARE(view.m_nTurn, 0);
        QCOMPARE(run.OnBoard(), 25);
        break;
    case ID_EDIT_UNDO:
        QCOMPARE(view.m_nSelected, 0);
        QCOMPARE(run.OnBoard(), 25);
        break;
    default:
        QCOMPARE(Snapshot(view), before);
        QCOMPARE(hand.windows, 0);
    }
    QVERIFY(hand.Done());
}

void TestAppWindow::toolBar() {
    RunningApp run;
    QVERIFY(run.Start());
    QToolBar* bar = run.frame->ToolBar();
    const std::vector<UINT> order = {ID_GAME_NEW,  ID_SEPARATOR,     ID_EDIT_UNDO,
                                     ID_SEPARATOR, ID_GAME_SETTINGS, ID_GAME_START,
                                     ID_GAME_PLAY, ID_SEPARATOR,     ID_APP_ABOUT};
    const QList<QAction*> entries = bar->actions();
    QCOMPARE(entries.size(), static_cast<int>(order.size()));
    for (size_t i = 0; i < order.size(); ++i) {
        QAction* entry = entries.at(static_cast<int>(i));
        if (order[i] == ID_SEPARATOR)
            QVERIFY(entry->isSeparator());
        else
            QCOMPARE(entry, run.Action(order[i]));
    }
    // Flat buttons of 16 by 15, a gripper, docked at the top, at home at every edge or afloat.
    QCOMPARE(bar->iconSize(), QSize(16, 15));
    QVERIFY(static_cast<QToolButton*>(run.Button(ID_GAME_PLAY))->autoRaise());
    QVERIFY(bar->isMovable());
    QVERIFY(bar->isFloatable());
    QCOMPARE(run.frame->toolBarArea(bar), Qt::TopToolBarArea);
    for (Qt::ToolBarArea area :
         {Qt::LeftToolBarArea, Qt::BottomToolBarArea, Qt::RightToolBarArea, Qt::TopToolBarArea}) {
        QVERIFY(bar->isAreaAllowed(area));
        run.frame->addToolBar(area, bar);
        QCOMPARE(run.frame->toolBarArea(bar), area);
    }
}

// Six pictures side by side, each recognisable by its colours.
void TestAppWindow::toolBarPictures() {
    const ToolBarResource* resource = FindToolBar(IDR_MAINFRAME);
    const QImage strip =
        QImage(QString::fromUtf8(resource->bitmap)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(strip.size(), QSize(96, 15));
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x)
            QVERIFY2(IsStandardColour(strip.pixel(x, y)),
                     qPrintable(QString("%1,%2").arg(x).arg(y)));
    }
    auto cell = [&](int i) { return Colours(strip.copy(16 * i, 0, 16, 15)); };
    const QRgb white = 0xFFFFFFFF, grey = 0xFF808080, silver = 0xFFC0C0C0, red = 0xFFFF0000,
               black = 0xFF000000, yellow = 0xFFFFFF00;
    QVERIFY(cell(0)[white] > 60);                      // the white disc
    QVERIFY(cell(1)[grey] > 20 && cell(1)[red] == 0);  // the grey arrow
    QVERIFY(cell(2)[silver] + cell(2)[grey] > 60);     // the grey dial
    QVERIFY(cell(3)[red] > 15 && cell(3)[black] == 0); // the red exclamation mark
    QVERIFY(cell(4)[black] > 40 && cell(4)[red] > 10); // the black bell with its red bar
    QVERIFY(cell(5)[yellow] > 20);                     // the yellow question mark
    // The arrow points left: its tip is in the left half.
    const QImage arrow = strip.copy(16, 0, 16, 15);
    QVERIFY(qAlpha(arrow.pixel(3, 7)) != 0 && qAlpha(arrow.pixel(15, 2)) == 0);

    // Each button shows its own cell, in button order.
    RunningApp run;
    QVERIFY(run.Start());
    const UINT buttons[] = {ID_GAME_NEW,   ID_EDIT_UNDO, ID_GAME_SETTINGS,
                            ID_GAME_START, ID_GAME_PLAY, ID_APP_ABOUT};
    for (int i = 0; i < 6; ++i) {
        const QImage shown = run.Action(buttons[i])->icon().pixmap(QSize(16, 15)).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32), strip.copy(16 * i, 0, 16, 15));
    }
}

// The application's and the document's icons, each at 32 and 16 pixels in the sixteen colours.
void TestAppWindow::icons() {
    for (UINT nID : {IDR_MAINFRAME, IDR_DOCTYPE_ICON}) {
        const IconResource* icon = FindIcon(nID);
        for (const auto& [file, size] : {std::pair(icon->large, 32), std::pair(icon->small, 16)}) {
            const QImage image = QImage(file).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(size, size));
            for (const auto& [colour, count] : Colours(image))
                QVERIFY(IsStandardColour(colour));
        }
    }
}

void TestAppWindow::buttonPrompts_data() {
    QTest::addColumn<uint>("command");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("new game") << uint(ID_GAME_NEW) << "Нова Игра"
                              << "Нова Игра";
    QTest::newRow("back") << uint(ID_EDIT_UNDO) << "Назад"
                          << "Върни един ход назад";
    QTest::newRow("settings") << uint(ID_GAME_SETTINGS) << "Избери общите настроки"
                              << "Общи настройки";
    QTest::newRow("start") << uint(ID_GAME_START) << "Старт"
                           << "Стартирай играта";
    QTest::newRow("play") << uint(ID_GAME_PLAY) << "Играй"
                          << "Направи ход";
    QTest::newRow("about") << uint(ID_APP_ABOUT) << "Помощ"
                           << "Информация за програмата";
}

// The prompt shows while the pointer rests on the button, greyed or not; "Ready" after.
void TestAppWindow::buttonPrompts() {
    QFETCH(uint, command);
    QFETCH(QString, prompt);
    QFETCH(QString, tooltip);
    RunningApp run;
    QVERIFY(run.Start());
    QWidget* button = run.Button(command);
    QCOMPARE(button->toolTip(), tooltip);
    QCOMPARE(run.frame->MessageText(), QString("Ready"));
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), button->mapToGlobal(QPointF(4, 4)));
    QApplication::sendEvent(button, &enter);
    QCOMPARE(run.frame->MessageText(), prompt);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QCOMPARE(run.frame->MessageText(), QString("Ready"));
}

// The prompt shows while an item is highlighted. The style highlights only items that can be
// chosen, so the game is started first to offer Play.
void TestAppWindow::menuPrompts() {
    RunningApp run;
    QVERIFY(run.Start());
    run.PressKey(ID_GAME_START);
    const std::pair<UINT, QString> items[] = {
        {ID_APP_EXIT, "Quit the application; prompts to save documents"},
        {ID_GAME_PLAY, "Играй"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar"},
        {ID_APP_ABOUT, "Помощ"},
    };
    for (const auto& [nID, prompt] : items) {
        QMenu* menu = run.MenuOf(nID);
        menu->popup(run.frame->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseMove(menu, menu->actionGeometry(run.Action(nID)).center());
        QTRY_COMPARE(run.frame->MessageText(), prompt);
        menu->hide();
        QTRY_COMPARE(run.frame->MessageText(), QString("Ready"));
    }
}

void TestAppWindow::statusBar() {
    RunningApp run;
    QVERIFY(run.Start());
    QStatusBar* bar = run.frame->StatusBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(run.frame->MessageText(), QString("Ready"));
    QCOMPARE(
        std::vector<UINT>(std::begin(CMainFrame::indicators), std::end(CMainFrame::indicators)),
        (std::vector<UINT>{ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}));
    // The lock panes sit right of the message pane, in order, each wide enough for its text.
    int left = run.frame->Pane(ID_SEPARATOR)->geometry().right();
    for (UINT nID : {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}) {
        QLabel* pane = run.frame->Pane(nID);
        QVERIFY(pane->isVisible());
        QVERIFY(pane->geometry().left() > left);
        left = pane->geometry().left();
        QVERIFY(pane->width() >= pane->fontMetrics().horizontalAdvance(FindString(nID)));
        // Without a windowing system that reports the locks, the panes stay dark.
        QCOMPARE(pane->text(), QString());
    }
}

void TestAppWindow::barToggles() {
    RunningApp run;
    QVERIFY(run.Start());
    QAction* toolbar = run.Action(ID_VIEW_TOOLBAR);
    QAction* status = run.Action(ID_VIEW_STATUS_BAR);
    QVERIFY(toolbar->isChecked() && status->isChecked());

    run.ChooseFromMenu(ID_VIEW_TOOLBAR);
    QVERIFY(run.frame->ToolBar()->isHidden());
    QVERIFY(!toolbar->isChecked());
    run.ChooseFromMenu(ID_VIEW_STATUS_BAR);
    QVERIFY(run.frame->StatusBar()->isHidden());
    QVERIFY(!status->isChecked());
    // The game's keys work without the toolbar.
    run.PressKey(ID_GAME_START);
    QCOMPARE(run.View().m_nTurn, 0);

    run.ChooseFromMenu(ID_VIEW_TOOLBAR);
    run.ChooseFromMenu(ID_VIEW_STATUS_BAR);
    QVERIFY(!run.frame->ToolBar()->isHidden() && !run.frame->StatusBar()->isHidden());
    QVERIFY(toolbar->isChecked() && status->isChecked());
}

QTEST_MAIN(TestAppWindow)
#include "test_app_window.moc"
