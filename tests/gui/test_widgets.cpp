// The game on real widgets, offscreen: where clicks hit the board, what each step of a game's
// life leaves (the commands offered, the settings in force, the selection with its limit and
// Back, the message boxes and the picture), what each change repaints, the keyboard's cursor
// on the picture, what a screen reader is told, and the settings dialog's window, lists and
// tab order.
#include "platform/qt/TemplateDialog.h"
#include "platform/qt/ViewAccessible.h"
#include "platform/qt/ViewWidget.h"
#include "support/ModalHand.h"
#include "support/Screen.h"

namespace {

// A command's state as its update handler reports it; the platform issues it only when enabled.
bool IsEnabled(CZeltaroView& view, UINT nID) {
    CCmdUI ui(nID);
    view.OnUpdateCommand(&ui);
    return ui.m_bEnableChanged && ui.m_bEnabled;
}
bool Issue(CZeltaroView& view, UINT nID) { return IsEnabled(view, nID) && view.OnCommand(nID); }

// A message box by the game's text it shows; "?" also for one with an icon or more buttons.
QString BoxName(const QMessageBox& box) {
    if (box.icon() != QMessageBox::NoIcon || box.standardButtons() != QMessageBox::Ok)
        return "?";
    return GameTexts::BoxName(box.windowTitle().toStdString(), box.text().toStdString());
}

// The game on its widget, shown offscreen, with its dialogs; every random take is 1. Each
// message box is named as it opens and closed with OK.
struct ShownGame : TestGame<ViewWidget> {
    ShownGame() {
        widget.resize(640, 320);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        hand.okBoxes = true;
        hand.onBox = [this](const QMessageBox& box) { boxes << BoxName(box); };
    }

    void Click(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&widget, button, {}, p);
    }
    // Through the window, which sees both presses as the desktop sends them: given the widget,
    // Qt Test would send the double-click alone.
    void DoubleClick(QPoint p) { QTest::mouseDClick(widget.windowHandle(), Qt::LeftButton, {}, p); }
    // The view painted afresh, whole.
    QImage Painted() { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    ViewWidget& widget = host;
    ModalHand hand;
    QStringList boxes;
};

// Opens the settings dialog through its command and, once it is open and active (so that keys
// reach it), lets the action work its widgets and close it; tells whether it opened.
bool RunSettings(ShownGame& g, std::function<void(TemplateDialog&)> action) {
    if (!IsEnabled(g.view, ID_GAME_SETTINGS))
        return false;
    bool found = false;
    g.hand.Then(WhenActive([&found, &action](QWidget* modal) {
        auto* dialog = qobject_cast<TemplateDialog*>(modal);
        found = dialog != nullptr;
        if (found)
            action(*dialog);
    }));
    g.view.OnCommand(ID_GAME_SETTINGS);
    return found;
}

// What the picture shows: each line of text drawn ("?" after one drawn in part), ink anywhere
// else, "discs" when exactly the items on the board are grey discs in white outlines, and a
// background that is not white in a square's corner or a gap.
QString Picture(ShownGame& g) {
    const QImage image = g.Painted();
    const std::pair<const char*, std::vector<QRect>> parts[] = {
        {"line", {{10, 10, 200, 16}}},
        {"max", {{10, 30, 200, 16}, {400, 30, 20, 16}}},
        {"totals", {{460, 10, 60, 36}, {575, 10, 20, 16}, {575, 30, 20, 16}}},
        {"stray", {{0, 0, 640, 10}, {0, 0, 10, 60}, {0, 60, 640, 260}}}};
    QStringList shown;
    for (const auto& [name, areas] : parts) {
        const auto dark = std::count_if(areas.begin(), areas.end(),
                                        [&](const QRect& r) { return HasInk(image, r); });
        if (dark > 0)
            shown << QString(name) + (dark < long(areas.size()) ? "?" : "");
    }
    QString grey, onBoard;
    for (int k = 1; k <= 39; ++k) {
        const QPoint c = ToQPoint(ItemCentre(k));
        if (image.pixelColor(c) == kGrey && image.pixelColor(c.x() - 20, c.y()) == kGrey &&
            image.pixelColor(c.x() - 24, c.y()) == kWhite)
            grey += QString(" %1").arg(k);
        if (k <= g.view.m_nTotal && g.view.Item(k).nTaken == 0)
            onBoard += QString(" %1").arg(k);
    }
    if (!grey.isEmpty())
        shown << (grey == onBoard ? "discs" : "discs?" + grey);
    if (image.pixelColor(51, 71) != kWhite || image.pixelColor(102, 95) != kWhite)
        shown << "background?";
    return shown.join(' ');
}

// Picks an entry with the mouse: opens the list and clicks the entry in it.
void PickWithMouse(QComboBox* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    QAbstractItemView* list = box->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    // A release too soon after the list opens counts as the end of the opening click.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QModelIndex index = list->model()->index(box->findText(text), 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

// Runs one step of a script: the settings dialog closed by OK, Cancel or Escape untouched,
// with "39", "7" and "Втори" picked by mouse and OK, or with N, M and the order set; a click
// on an item or at a point, a right click or a double-click on an item; a key pressed on the
// view, the focus given to it or taken away, an item of a game of 25 pressed by a screen
// reader; one item a turn to the end of the game; a command, dropped when it is not offered.
void Step(ShownGame& g, const QString& step) {
    const QStringList v = step.section(':', 1).split(',');
    if (step == "ok" || step == "cancel" || step == "esc" || step == "pick") {
        RunSettings(g, [step](TemplateDialog& d) {
            if (step == "pick") {
                PickWithMouse(d.findChild<QComboBox*>("IDC_TOTAL_COMBO"), "39");
                PickWithMouse(d.findChild<QComboBox*>("IDC_MAXTAKE_COMBO"), "7");
                QTest::mouseClick(d.findChild<QRadioButton*>("IDC_SECOND_RADIO"), Qt::LeftButton);
            }
            if (step == "esc")
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                QTest::mouseClick(d.findChild<QPushButton*>(step == "cancel" ? "IDCANCEL" : "IDOK"),
                                  Qt::LeftButton);
        });
    } else if (step.startsWith("set:")) {
        GameDriver::ChooseSettings(g.view, v[0].toInt(), v[1].toInt(), v[2].toInt());
    } else if (step.startsWith("click:") || step.startsWith("at:") || step.startsWith("right:")) {
        g.Click(v.size() == 2 ? QPoint(v[0].toInt(), v[1].toInt())
                              : ToQPoint(ItemCentre(v[0].toInt())),
                step.startsWith("right:") ? Qt::RightButton : Qt::LeftButton);
    } else if (step.startsWith("dclick:")) {
        g.DoubleClick(ToQPoint(ItemCentre(v[0].toInt())));
    } else if (step.startsWith("key:")) {
        QTest::keyClick(&g.widget, Qt::Key(QKeySequence::fromString(v[0])[0].key()));
    } else if (step == "focus" || step == "blur") {
        g.widget.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&g.widget));
        if (step == "focus")
            g.widget.setFocus();
        else
            g.widget.clearFocus();
        QTRY_COMPARE(g.widget.hasFocus(), step == "focus");
    } else if (step.startsWith("press:")) {
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&g.widget);
        // The items come last, after the texts.
        const int index = view->childCount() - g.view.m_nTotal + v[0].toInt() - 1;
        view->child(index)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents(); // the press is carried out once the caller is answered
    } else if (step == "finish") {
        for (int moves = 0; g.view.m_nTurn == 0 && moves < 50; ++moves) {
            int lowest = 1;
            while (g.view.Item(lowest).nTaken == 1)
                ++lowest;
            g.Click(ToQPoint(ItemCentre(lowest)));
            Issue(g.view, ID_GAME_PLAY);
        }
    } else {
        const auto* command = std::find_if(std::begin(kGameCommands), std::end(kGameCommands),
                                           [&](const GameCommand& c) { return step == c.name; });
        QVERIFY2(command != std::end(kGameCommands), qPrintable(step));
        Issue(g.view, command->nID);
    }
}

QStringList Entries(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    return entries;
}

// The focus as Tab moves it round the dialog, from where it is.
QString TabRound() {
    QStringList names;
    for (int i = 0; i < 7; ++i) {
        names << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names.join(' ');
}

// Where the picture differs from the one painted without the keyboard's cursor: 0 nowhere, k
// when only a dotted frame on the outermost pixels of item k's square was added, -1 otherwise.
int FocusFrame(const QImage& with, const QImage& without) {
    QRegion differs;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y))
                differs += QRect(x, y, 1, 1);
        }
    }
    if (differs.isEmpty())
        return 0;
    for (int k = 1; k <= 39; ++k) {
        const QRect square = ToQRect(ItemRect(k));
        if (!square.contains(differs.boundingRect()))
            continue;
        const QRegion ring = QRegion(square) - square.adjusted(1, 1, -1, -1);
        int dots = 0;
        for (int x = square.left(); x <= square.right(); ++x) {
            const bool black = with.pixelColor(x, square.top()) == Qt::black;
            const bool nextBlack = with.pixelColor(x + 1, square.top()) == Qt::black;
            dots += black ? 1 : 0;
            if (black && nextBlack && x < square.right())
                return -1;
        }
        return (differs - ring).isEmpty() && dots == 25 ? k : -1;
    }
    return -1;
}

// A change a screen reader is told of, as "what: name", and " / description" after a focus.
QString Heard(QAccessibleEvent* event) {
    const QMap<QAccessible::Event, QString> kinds = {{QAccessible::NameChanged, "name: "},
                                                     {QAccessible::StateChanged, "state: "},
                                                     {QAccessible::Focus, "focus: "},
                                                     {QAccessible::ObjectCreated, "new: "}};
    QAccessibleInterface* part = event->accessibleInterface();
    const QString heard = kinds.value(event->type(), "?") + part->text(QAccessible::Name);
    const QString description = part->text(QAccessible::Description);
    const bool told = event->type() == QAccessible::Focus && !description.isEmpty();
    return told ? heard + " / " + description : heard;
}

// The view's parts as a screen reader reads them: name, and what its state says of an item.
QStringList ReadAloud(QWidget* widget) {
    QStringList parts;
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(widget);
    for (int i = 0; i < view->childCount(); ++i) {
        QAccessibleInterface* part = view->child(i);
        const QAccessible::State state = part->state();
        parts << part->text(QAccessible::Name) + (state.disabled ? " [off]" : "") +
                     (state.focused ? " [cursor]" : "");
    }
    return parts;
}

} // namespace

class TestWidgets : public QObject {
    Q_OBJECT

private slots:
    // Each row's name is its script, steps parted by spaces (see Step): "ok", "cancel", "esc" or
    // "pick" close the settings dialog, "set:N,M,order" chooses the settings, "click:k" clicks
    // item k, "at:x,y" clicks a point of the view, "right:k" right-clicks item k, "finish" plays
    // one item a turn to the end, and a command's name ("settings", "start", "play", "back",
    // "new") issues it when it is offered. Lists in the other columns are parted by spaces.
    void eachStepLeaves_data() {
        QTest::addColumn<QString>("offered");  // the commands offered
        QTest::addColumn<QString>("settings"); // N, M, order, turn state
        QTest::addColumn<QString>("removed");  // the items off the board
        QTest::addColumn<QString>("boxes");    // the message boxes shown
        QTest::addColumn<QString>("picture");
        // clang-format off
        const char* const rows[][6] = {
            {"launch", "settings start", "-1 -1 -1 2", "", "", ""},
            {"ok", "start", "21 4 0 2", "", "", "line discs"},
            {"cancel", "start", "25 4 0 2", "", "", "line discs"},
            {"esc", "start", "25 4 0 2", "", "", "line discs"},
            {"pick", "start", "39 7 1 2", "", "", "line discs"},
            {"ok cancel click:1 at:102,95", "start", "21 4 0 2", "", "", "line discs"},
            {"start", "play back new", "25 4 0 0", "", "", "line max totals discs"},
            {"set:21,7,0 start at:50,70 at:594,119 at:50,125 at:99,229", "play back new", "21 7 0 0", "1 10 11 21", "", "line max totals discs"},
            {"set:21,7,0 start at:99,119", "play back new", "21 7 0 0", "1", "", "line max totals discs"},
            {"set:21,7,0 start at:52,72", "play back new", "21 7 0 0", "1", "", "line max totals discs"},
            {"set:21,7,0 start at:100,70 at:99,120 at:49,95 at:75,69 at:102,95 at:75,122 at:595,95 at:130,205 at:75,260 at:580,20", "play back new", "21 7 0 0", "", "", "line max totals discs"},
            {"set:21,4,1 start", "back new", "21 4 1 0", "1 2", "", "line max totals discs"},
            {"set:21,4,1 start at:102,95", "play back new", "21 4 1 0", "1 2", "", "line max totals discs"},
            {"set:25,4,1 start", "back new", "25 4 1 0", "1", "", "line max totals discs"},
            {"set:25,4,1 start click:10", "play back new", "25 4 1 0", "1 10", "", "line max totals discs"},
            {"set:21,2,0 start click:5 click:7 at:300,300 click:1 back", "play back new", "21 2 0 1", "5 7", "limit", "line max totals discs"},
            {"set:21,2,0 start click:5 click:7 click:1 play click:9", "play back new", "21 2 0 0", "1 2 5 7 9", "limit", "line max totals discs"},
            {"start click:12 click:4 click:9 click:9 back", "play back new", "25 4 0 0", "9 12", "", "line max totals discs"},
            {"start click:12 click:4 click:9 back back back back", "play back new", "25 4 0 0", "", "", "line max totals discs"},
            {"set:23,3,1 start click:20 back back", "play back new", "23 3 1 0", "2 3 20", "", "line max totals discs"},
            {"start right:5 click:24 play", "play back new", "25 4 0 0", "1 24", "", "line max totals discs"},
            {"start dclick:5", "play back new", "25 4 0 0", "5", "", "line max totals discs"},
            {"set:21,2,0 start click:5 dclick:7", "play back new", "21 2 0 0", "5 7", "", "line max totals discs"},
            {"start play", "play back new", "25 4 0 0", "", "warned", "line max totals discs"},
            {"start finish back click:3", "back new", "25 4 0 2", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25", "lost", "line max totals"},
            {"start click:3 new", "settings start", "25 4 0 2", "", "", "line max totals"},
            {"start finish new click:1", "settings start", "25 4 0 2", "", "lost", "line max totals"},
            {"start new set:23,3,0", "start", "23 3 0 2", "", "", "line max totals"},
            {"set:31,5,1 start new start", "back new", "31 5 1 0", "1", "", "line max totals discs"},
            {"set:39,7,1 start click:39 play new start", "back new", "39 7 1 0", "1 2 3 4 5 6", "", "line max totals discs"},
            {"set:39,7,1 start new cancel", "start", "25 4 0 2", "", "", "line max totals"},
            {"set:39,7,1 start new set:23,3,0 start", "play back new", "23 3 0 0", "", "", "line max totals discs"},
        };
        // clang-format on
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[1] << row[2] << row[3] << row[4] << row[5];
    }

    // Each script from launch, with the invariants after each step.
    void eachStepLeaves() {
        ShownGame g;
        for (const QString& step : QString(QTest::currentDataTag()).split(' ')) {
            if (step != "launch")
                Step(g, step);
            QVERIFY2(g.Valid(), g.trap.First().c_str());
        }
        QStringList commands;
        for (const GameCommand& command : kGameCommands) {
            if (IsEnabled(g.view, command.nID))
                commands << command.name;
        }
        QTEST(commands.join(' '), "offered");
        QTEST(QString::asprintf("%d %d %d %d", g.view.m_nTotal, g.view.m_nMaxTake, g.view.m_nOrder,
                                g.view.m_nTurn),
              "settings");
        QTEST(QString::fromStdString(GameDriver::Removed(g.view)), "removed");
        QTEST(g.boxes.join(' '), "boxes");
        QTEST(Picture(g), "picture");
    }

    // A click repaints its square; Play the computer's squares and the totals; the focus the
    // keyboard cursor's square; New game the whole view. Repainting a square changes that disc
    // alone on the screen.
    void repaintsStayWithinTheAreaAskedFor() {
        ShownGame g;
        QVERIFY(Issue(g.view, ID_GAME_START));
        struct Recorder : QObject {
            QRegion painted;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Paint)
                    painted += static_cast<QPaintEvent*>(event)->region();
                return false;
            }
        } recorder;
        QCoreApplication::processEvents();
        g.widget.installEventFilter(&recorder);
        auto shown = [&g] {
            QCoreApplication::processEvents();
            const QPixmap grabbed = g.widget.screen()->grabWindow(g.widget.winId());
            return grabbed.toImage().convertToFormat(QImage::Format_RGB32);
        };
        g.Click(ToQPoint(ItemCentre(7)));
        QTRY_COMPARE(recorder.painted, QRegion(ToQRect(ItemRect(7))));
        recorder.painted = QRegion();
        QVERIFY(Issue(g.view, ID_GAME_PLAY)); // the computer takes item 1
        QTRY_COMPARE(recorder.painted, QRegion(ToQRect(ItemRect(1))) + QRect(500, 5, 100, 45));

        // Behind the view's back two items and a total change; one square is repainted.
        const QImage before = shown();
        TakeOffBoard(g.view.Item(5));
        TakeOffBoard(g.view.Item(6));
        g.view.m_nPlayerHeld = 88;
        const CRect square = ItemRect(5);
        g.view.InvalidateRect(&square, true);
        QImage after;
        QTRY_VERIFY((after = shown()) != before);
        auto outside = [&square](QImage image) {
            QPainter(&image).fillRect(ToQRect(square), Qt::black);
            return image;
        };
        QVERIFY(outside(after) == outside(before));

        // The focus shows in the keyboard's cursor alone: hidden, the focus coming and going
        // repaints nothing; drawn, its square.
        recorder.painted = QRegion();
        for (const char* step : {"blur", "focus", "blur", "focus"})
            Step(g, step);
        QCoreApplication::processEvents();
        QCOMPARE(recorder.painted, QRegion());
        Step(g, "key:Right");
        recorder.painted = QRegion();
        Step(g, "blur");
        QTRY_COMPARE(recorder.painted, QRegion(ToQRect(ItemRect(3))));

        recorder.painted = QRegion();
        QVERIFY(Issue(g.view, ID_GAME_NEW));
        QTRY_COMPARE(recorder.painted, QRegion(g.widget.rect()));
    }

    void keyboardCursorIsDrawnAfterAnArrowOnly_data() {
        QTest::addColumn<int>("frame"); // the item whose square is framed, 0 for none
        QTest::newRow("start focus click:3 click:5 key:Space") << 0;
        QTest::newRow("focus start key:Right") << 2;
        QTest::newRow("start focus key:Right key:Down key:Space") << 12;
        QTest::newRow("start focus key:Right click:7") << 0;
        QTest::newRow("start focus key:Right click:7 key:Left") << 1;
        QTest::newRow("start focus key:Right blur") << 0;
        QTest::newRow("start focus key:Right blur focus") << 2;
        QTest::newRow("start focus key:Right key:Space play") << 0;
        QTest::newRow("start focus key:Right key:Space play key:Right") << 4;
        QTest::newRow("start blur key:Right") << 0;
    }

    // The mouse player's picture does not change, with the focus or without it, until an
    // arrow key frames the cursor's square: a dotted frame one pixel wide, and nothing else.
    void keyboardCursorIsDrawnAfterAnArrowOnly() {
        ShownGame g;
        for (const QString& step : QString(QTest::currentDataTag()).split(' '))
            Step(g, step);
        const QImage with = g.Painted();
        g.widget.clearFocus();
        QTEST(FocusFrame(with, g.Painted()), "frame");
    }

    // The texts as painted and every item with its number and place are read; each change is
    // told as it happens, the news with the focus, on the cursor's item from the turn's start;
    // pressing an item takes it, once the caller is answered.
    void screenReaderFollowsTheGame() {
        ShownGame g;
        // Offscreen no assistive technology listens, so the test hears in its place.
        QStringList heard, told, before, after;
        static_cast<ViewAccessible*>(QAccessible::queryAccessibleInterface(&g.widget))
            ->SetListener([&told](QAccessibleEvent* event) { told << Heard(event); });
        for (const QString& step :
             QString("focus start press:3 play key:Right key:Space key:F5 new").split(' ')) {
            told.clear();
            Step(g, step);
            QCoreApplication::processEvents();
            heard << step + " > " + told.join(", ");
            if (step == "start")
                before = ReadAloud(&g.widget);
            else if (step == "key:F5")
                after = ReadAloud(&g.widget);
        }
        // New game takes the focus from the items to the board, which tells it.
        QVERIFY2(heard.takeLast().endsWith(", focus: Дъска / Нова игра."),
                 qPrintable(told.join(", ")));

        QStringList board;
        for (int k = 1; k <= 25; ++k)
            board << QString("Предмет %1, на дъската").arg(k);
        const QStringList texts = {"Вие влизате в играта първи",
                                   "Максималният брой предмети, които може да вземете е 4"};
        const QStringList news = {"Вие влизате в играта първи. Максималният брой предмети, които "
                                  "може да вземете е 4.",
                                  "Вие сте взели: 1. Компютър: 1. Остават "};
        QStringList created = texts + QStringList({"Вие сте взели: 0", "Компютър: 0"}) + board;
        created.replaceInStrings(QRegularExpression("^"), "new: ");
        board[0] += " [cursor]";
        QCOMPARE(before, texts + QStringList({"Вие сте взели: 0", "Компютър: 0"}) + board);
        board[0] = "Предмет 1, взет [off]";
        board[2] = "Предмет 3, взет [off]";
        board[3] = "Предмет 4, взет [off] [cursor]";
        QCOMPARE(after, texts + QStringList({"Вие сте взели: 1", "Компютър: 1"}) + board);
        QCOMPARE(heard, QStringList({
                            "focus > ",
                            "start > " + created.join(", ") + ", focus: Предмет 1, на дъската / " +
                                news[0],
                            "press:3 > focus: Предмет 3, взет / Взети 1 от 4.",
                            "play > name: Вие сте взели: 1, name: Компютър: 1, "
                            "name: Предмет 1, взет, state: Предмет 1, взет, "
                            "focus: Предмет 2, на дъската / Компютърът взе 1. " +
                                news[1] + "23.",
                            "key:Right > focus: Предмет 4, на дъската",
                            "key:Space > focus: Предмет 4, взет / Взети 1 от 4.",
                            "key:F5 > focus: Предмет 4, взет / " + news[1] + "22. Взети 1 от 4.",
                        }));
    }

    // A caption without a close box, the two lists in order with "21" and "4" chosen,
    // "Първи" checked, OK the default button, a closed list as tall as one entry.
    void settingsDialogOpensAsItsTemplateSays() {
        ShownGame g;
        QVERIFY(RunSettings(g, [](TemplateDialog& d) {
            auto* totals = d.findChild<QComboBox*>("IDC_TOTAL_COMBO");
            auto* takes = d.findChild<QComboBox*>("IDC_MAXTAKE_COMBO");
            QCOMPARE(d.windowTitle(), QString::fromUtf8("Общи настройки"));
            QVERIFY(!(d.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
            QCOMPARE(Entries(totals), QString("21 23 25 27 29 31 33 35 37 39").split(' '));
            QCOMPARE(Entries(takes), QString("2 3 4 5 6 7").split(' '));
            QCOMPARE(totals->currentText() + takes->currentText(), QString("214"));
            QVERIFY(d.findChild<QRadioButton*>("IDC_FIRST_RADIO")->isChecked());
            QCOMPARE(d.findChild<QGroupBox*>()->title(), QString::fromUtf8("Влез в играта"));
            totals->setFocus(); // OK stays the default button wherever the focus is
            QVERIFY(d.findChild<QPushButton*>("IDOK")->isDefault());
            QCOMPARE(totals->height(), totals->sizeHint().height());
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(d.Ended() && d.Result() == IDCANCEL);
        }));
    }

    void dialogsAskForTheirTemplatesFonts_data() {
        QTest::addColumn<UINT>("nIDTemplate");
        QTest::addColumn<QString>("face");
        QTest::newRow("settings") << UINT(IDD_GENERAL_SETTINGS) << "Arial";
        QTest::newRow("about") << UINT(IDD_ABOUTBOX) << "MS Sans Serif";
    }

    // Each dialog asks for its template's face at 10 points and leaves the choice of the face
    // that shows it to the system's font substitution.
    void dialogsAskForTheirTemplatesFonts() {
        QFETCH(UINT, nIDTemplate);
        CDialog dialog(nIDTemplate);
        const TemplateDialog window(*FindDialogTemplate(nIDTemplate), dialog, QIcon());
        QTEST(window.font().family(), "face");
        QCOMPARE(window.font().pointSize(), 10);
        QCOMPARE(QFontInfo(window.font()).pointSize(), 10);
    }

    // Tab visits the controls in template order from OK, where the dialog opens, and enters
    // the radio pair at its checked button.
    void settingsDialogTabVisitsTheTemplateOrder() {
        ShownGame g;
        QString rounds;
        QVERIFY(RunSettings(g, [&](TemplateDialog& d) {
            rounds = TabRound();
            QTest::mouseClick(d.findChild<QRadioButton*>("IDC_SECOND_RADIO"), Qt::LeftButton);
            d.findChild<QPushButton*>("IDOK")->setFocus();
            rounds += " / " + TabRound();
            d.findChild<QPushButton*>("IDCANCEL")->click();
        }));
        QCOMPARE(rounds, "IDOK IDCANCEL IDC_TOTAL_COMBO IDC_MAXTAKE_COMBO IDC_FIRST_RADIO IDOK "
                         "IDCANCEL / IDOK IDCANCEL IDC_TOTAL_COMBO IDC_MAXTAKE_COMBO "
                         "IDC_SECOND_RADIO IDOK IDCANCEL");
    }
};

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
