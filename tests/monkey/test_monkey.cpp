// The monkey: random clicks anywhere on the board, every key, toolbar button and menu item, the
// settings dialog closed with OK (random choices) or Cancel, the About box and Save, all on the
// real main window; after every event the game's invariants, its enable flags against the phase
// the game is in, and the commands' greying. The seed is printed: ZELTARO_MONKEY_SEED=<seed>
// replays a run, and ZELTARO_MONKEY_EVENTS sets its length.
#include "support/AssertTrap.h"
#include "support/RunningApp.h"

#include <random>

namespace {

// Where the game stands, by the commands that were carried out.
enum class Phase { Fresh, Chosen, Playing, Over };

// Every command that a key, a button or a menu item issues, except Exit, which would end the run.
const UINT kCommands[] = {ID_GAME_SETTINGS, ID_GAME_START, ID_GAME_PLAY,      ID_EDIT_UNDO,
                          ID_GAME_NEW,      ID_FILE_SAVE,  ID_NEXT_PANE,      ID_PREV_PANE,
                          ID_VIEW_TOOLBAR,  ID_APP_ABOUT,  ID_VIEW_STATUS_BAR};

// The offscreen platform's complaints about what it cannot do, once per dialog, would drown the
// output of a long run.
QtMessageHandler g_previousHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        g_previousHandler(type, context, message);
}

unsigned long EnvNumber(const char* name, unsigned long fallback) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toULong();
}

// The numbers that say where a game stands, for a failure message.
QString GameState(const CZeltaroView& v) {
    return QString::asprintf(
        "N %d M %d order %d remaining %d selected %d held %d/%d turn %d mode %d", v.m_nTotal,
        v.m_nMaxTake, v.m_nOrder, v.m_nRemaining, v.m_nSelected, v.m_nPlayerHeld, v.m_nComputerHeld,
        v.m_nTurn, v.m_nMode);
}

class Monkey {
public:
    Monkey(RunningApp& app, ModalHand& hand, unsigned long seed)
        : m_app(app), m_hand(hand), m_rng(static_cast<std::mt19937::result_type>(seed)) {
        app.runtime.generator = [this] { return static_cast<int>(m_rng() % 32768); };
    }

    // One random event; what it was, for the failure message.
    QString Step() {
        if (Pick(10) < 4)
            return Click();
        const UINT nID = kCommands[Pick(std::size(kCommands))];
        if (nID == ID_FILE_SAVE && Pick(10) != 0)
            return Click(); // the file dialog is slow to build, and has nothing to do with the game
        std::vector<Route> routes;
        if (!m_app.Action(nID)->shortcut().isEmpty())
            routes.push_back(Route::Key);
        if (m_app.Button(nID) != nullptr && m_app.frame->ToolBar()->isVisible())
            routes.push_back(Route::Toolbar);
        for (QObject* user : m_app.Action(nID)->associatedObjects()) {
            if (qobject_cast<QMenu*>(user) != nullptr)
                routes.push_back(Route::Menu);
        }
        const Route route = routes[Pick(routes.size())];
        Issue(nID, route);
        const char* how[] = {"key", "toolbar button", "menu item"};
        return QStringLiteral("command %1 by %2").arg(nID).arg(how[static_cast<int>(route)]);
    }

    // Empty when the game and the window agree with the phase; else what disagrees.
    QString Check() const {
        const CZeltaroView& v = m_app.View();
        v.AssertValid();
        const bool bPlaying = m_phase == Phase::Playing;
        const bool expected[] = {m_phase == Phase::Fresh, !bPlaying && m_phase != Phase::Over,
                                 bPlaying && !m_bAwaitClick, bPlaying || m_phase == Phase::Over,
                                 bPlaying || m_phase == Phase::Over};
        const bool actual[] = {v.m_bEnableSettings, v.m_bEnableStart, v.m_bEnablePlay,
                               v.m_bEnableUndo, v.m_bEnableNew};
        for (int i = 0; i < 5; ++i) {
            if (actual[i] != expected[i])
                return QString::asprintf("flag of command %u is %d", kGameCommands[i].nID,
                                         actual[i]);
            if (m_app.Action(kGameCommands[i].nID)->isEnabled() != actual[i])
                return QStringLiteral("command %1 greyed wrongly").arg(kGameCommands[i].nID);
        }
        if ((v.m_nTurn != 2) != bPlaying)
            return QString::asprintf("turn %d in phase %d", v.m_nTurn, static_cast<int>(m_phase));
        if (m_app.Action(ID_VIEW_TOOLBAR)->isChecked() == m_app.frame->ToolBar()->isHidden())
            return QStringLiteral("toolbar item checked wrongly");
        return {};
    }

private:
    int Pick(size_t n) { return static_cast<int>(m_rng() % n); }

    // Half the clicks aim at an item, half land anywhere in the view.
    QString Click() {
        QWidget* board = m_app.frame->ViewWindow();
        QPoint point(Pick(board->width()), Pick(board->height()));
        if (Pick(2) == 0) {
            const CRect r = ItemRect(1 + Pick(39));
            point = QPoint(r.left + Pick(r.Width()), r.top + Pick(r.Height()));
        }
        if (m_phase == Phase::Playing && m_app.View().m_nTurn == 0)
            m_bAwaitClick = false;
        QTest::mouseClick(board, Qt::LeftButton, {}, point);
        return QStringLiteral("click at %1,%2").arg(point.x()).arg(point.y());
    }

    // Scripts the window that the command opens, issues it, and moves the phase on as the
    // command should have.
    void Issue(UINT nID, Route route) {
        const Phase before = m_phase;
        if (nID == ID_GAME_SETTINGS && before == Phase::Fresh) {
            if (Pick(2) == 0)
                m_hand.Then(ChooseSettings(21 + 2 * Pick(10), 2 + Pick(6), Pick(2)));
            else
                m_hand.Then(Press("IDCANCEL"));
            m_phase = Phase::Chosen;
        } else if (nID == ID_APP_ABOUT) {
            m_hand.Then(Press(Pick(2) == 0 ? "IDOK" : "IDC_RULES"));
        } else if (nID == ID_FILE_SAVE) {
            m_hand.Then([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        }
        m_app.Issue(nID, route);
        if (nID == ID_GAME_START && (before == Phase::Fresh || before == Phase::Chosen)) {
            m_phase = Phase::Playing;
            m_bAwaitClick = m_app.View().m_nOrder == 1; // the computer opened
        } else if (nID == ID_GAME_PLAY && before == Phase::Playing && !m_bAwaitClick &&
                   // below zero when the computer's reply outruns the board, as it may
                   m_app.View().m_nRemaining <= 0) {
            m_phase = Phase::Over;
        } else if (nID == ID_GAME_NEW && (before == Phase::Playing || before == Phase::Over)) {
            m_phase = Phase::Fresh;
        }
    }

    RunningApp& m_app;
    ModalHand& m_hand;
    std::mt19937 m_rng;
    Phase m_phase = Phase::Fresh;
    bool m_bAwaitClick = false;
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void randomEvents() {
        const unsigned long seed = EnvNumber("ZELTARO_MONKEY_SEED", std::random_device{}());
        const unsigned long events = EnvNumber("ZELTARO_MONKEY_EVENTS", 10000);
        qInfo("monkey: seed %lu, %lu events (replay: ZELTARO_MONKEY_SEED=%lu)", seed, events, seed);
        g_previousHandler = qInstallMessageHandler(QuietHandler);
        RunningApp app;
        QVERIFY(app.Start());
        ModalHand hand;
        hand.okBoxes = true; // the verdict, and the prompts for an empty or too large take
        AssertTrap trap(app.View(), *app.frame->ViewWindow());
        Monkey monkey(app, hand, seed);
        for (unsigned long n = 1; n <= events; ++n) {
            const QString event = monkey.Step();
            QApplication::processEvents(); // the repaints
            QString fault = monkey.Check();
            if (fault.isEmpty() && trap.Failed())
                fault = QString::fromStdString(trap.First());
            if (fault.isEmpty() && (!hand.Done() || !hand.unexpected.isEmpty()))
                fault = QStringLiteral("a window opened or not as expected");
            if (!fault.isEmpty())
                QFAIL(qPrintable(QString::asprintf("seed %lu, event %lu (", seed, n) + event +
                                 "): " + fault + "; game " + GameState(app.View())));
            if (n % 100000 == 0)
                qInfo("monkey: %lu events", n);
        }
        qInstallMessageHandler(g_previousHandler);
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
