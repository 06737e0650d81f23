// The game's commands through a whole life cycle: which of them are offered after each step,
// the turn state, and the N, M and order that each step leaves in force.
#include "GuiSupport.h"
#include "platform/qt/ViewWidget.h"
#include "support/ScriptedRuntime.h"

#include <QtTest>

namespace {

struct Game {
    Game() {
        view.SetRuntime(&runtime);
        widget.resize(640, 320);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
    }

    void Click(QPoint p) { QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, p); }

    int LowestPresent() const {
        for (int k = 1; k <= view.m_nTotal; ++k) {
            if (view.Item(k).nTaken == 0)
                return k;
        }
        return 0;
    }

    // The player takes the lowest item each turn until the game is over.
    void PlayOut() {
        for (int moves = 0; view.m_nTurn != 2 && moves < 50; ++moves) {
            if (view.m_nTurn == 0)
                Click(ItemCentre(LowestPresent()));
            Issue(view, ID_GAME_PLAY);
        }
    }

    // Runs one step of a script; steps are separated by blanks.
    void Step(const QString& step) {
        if (step == "settings-ok") {
            RunSettings(view, [](TemplateDialog& d) { Child<QPushButton>(&d, "IDOK")->click(); });
        } else if (step == "settings-cancel") {
            RunSettings(view,
                        [](TemplateDialog& d) { Child<QPushButton>(&d, "IDCANCEL")->click(); });
        } else if (step.startsWith("settings:")) {
            const QStringList v = step.mid(9).split(',');
            ChooseSettings(view, v[0].toInt(), v[1].toInt(), v[2].toInt());
        } else if (step == "start") {
            Issue(view, ID_GAME_START);
        } else if (step == "play") {
            Issue(view, ID_GAME_PLAY);
        } else if (step == "back") {
            Issue(view, ID_EDIT_UNDO);
        } else if (step == "new") {
            Issue(view, ID_GAME_NEW);
        } else if (step.startsWith("click:")) {
            Click(ItemCentre(step.mid(6).toInt()));
        } else if (step == "miss") {
            Click(QPoint(102, 95));
        } else if (step == "fill") {
            while (view.m_nSelected < view.m_nMaxTake)
                Click(ItemCentre(LowestPresent()));
        } else if (step == "over") {
            Click(QPoint(300, 300));
        } else if (step == "finish") {
            PlayOut();
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }

    // The commands offered now, as the update handlers report them.
    QString Offered() {
        const std::pair<UINT, const char*> commands[] = {{ID_GAME_SETTINGS, "settings"},
                                                         {ID_GAME_START, "start"},
                                                         {ID_GAME_PLAY, "play"},
                                                         {ID_EDIT_UNDO, "back"},
                                                         {ID_GAME_NEW, "new"}};
        QStringList offered;
        for (const auto& [nID, name] : commands) {
            if (IsEnabled(view, nID))
                offered << QString::fromLatin1(name);
        }
        return offered.join(' ');
    }

    RunnerScope dialogs;
    ScriptedRuntime runtime; // every random take is 1
    CZeltaroView view;
    ViewWidget widget{view};
    BoxWatcher watcher;
};

constexpr int kUnset = CZeltaroView::kUnset;

} // namespace

class TestCommandCycle : public QObject {
    Q_OBJECT

private slots:
    void lifeCycle_data();
    void lifeCycle();
};

void TestCommandCycle::lifeCycle_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<int>("turn");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("maxTake");
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("boxes");

    auto row = [](const char* name, const char* script, const char* offered, int turn, int total,
                  int maxTake, int order, int boxes = 0) {
        QTest::newRow(name) << QString(script) << QString(offered) << turn << total << maxTake
                            << order << boxes;
    };
    row("launch", "", "settings start", 2, kUnset, kUnset, kUnset);
    row("settings closed by OK", "settings-ok", "start", 2, 21, 4, 0);
    row("settings closed by Cancel", "settings-cancel", "start", 2, 25, 4, 0);
    row("settings cannot open twice", "settings-ok settings-cancel", "start", 2, 21, 4, 0);
    row("start at launch", "start", "play back new", 0, 25, 4, 0);
    row("start after the dialog", "settings:33,6,0 start", "play back new", 0, 33, 6, 0);
    row("player second, computed opening", "settings:21,4,1 start", "back new", 0, 21, 4, 1);
    row("player second, random opening", "settings:25,4,1 start", "back new", 0, 25, 4, 1);
    row("computed opening, then a miss", "settings:21,4,1 start miss", "play back new", 0, 21, 4,
        1);
    row("random opening, then a click", "settings:25,4,1 start click:10", "play back new", 0, 25, 4,
        1);
    row("click below the limit", "start click:5", "play back new", 0, 25, 4, 0);
    row("click at the limit", "start fill over", "play back new", 1, 25, 4, 0, 1);
    row("back", "start click:5 back", "play back new", 0, 25, 4, 0);
    row("back after the limit", "start fill over back", "play back new", 1, 25, 4, 0, 1);
    row("play, game goes on", "start click:24 play", "play back new", 0, 25, 4, 0);
    row("play refused", "start play", "play back new", 0, 25, 4, 0, 1);
    row("play, game over", "start finish", "back new", 2, 25, 4, 0, 1);
    row("back after game over", "start finish back", "back new", 2, 25, 4, 0, 1);
    row("new game mid-game", "start click:3 new", "settings start", 2, 25, 4, 0);
    row("new game after game over", "start finish new", "settings start", 2, 25, 4, 0, 1);
    row("new game keeps N, M and order", "settings:31,5,1 start new start", "back new", 0, 31, 5,
        1);
    row("no defaults after new game", "settings:39,7,1 start click:39 play new start", "back new",
        0, 39, 7, 1);
    row("cancel after new game", "settings:39,7,1 start new settings-cancel", "start", 2, 25, 4, 0);
    row("new settings after new game", "settings:39,7,1 start new settings:23,3,0 start",
        "play back new", 0, 23, 3, 0);
}

void TestCommandCycle::lifeCycle() {
    QFETCH(QString, script);
    QFETCH(QString, offered);
    QFETCH(int, turn);
    QFETCH(int, total);
    QFETCH(int, maxTake);
    QFETCH(int, order);
    QFETCH(int, boxes);
    Game g;

    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
        g.Step(step);
        g.view.AssertValid();
    }

    QCOMPARE(g.Offered(), offered);
    QCOMPARE(g.view.m_nTurn, turn);
    QCOMPARE(g.view.m_nTotal, total);
    QCOMPARE(g.view.m_nMaxTake, maxTake);
    QCOMPARE(g.view.m_nOrder, order);
    QCOMPARE(int(g.watcher.boxes.size()), boxes);
    // A new game always starts with empty hands.
    if (script.endsWith("new") || script.endsWith("new start")) {
        QCOMPARE(g.view.m_nPlayerHeld, 0);
        QCOMPARE(g.view.m_nSelected, 0);
    }
}

QTEST_MAIN(TestCommandCycle)
#include "test_command_cycle.moc"
