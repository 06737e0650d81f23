// What the main-window tests share: the program started as from its command line with the
// real window, dialogs and a recording shell; a hand that answers each modal window as it
// opens; and the player's three ways of issuing a command.
#pragma once

#include "app/qt/Zeltaro.h"
#include "frame/qt/MainFrm.h"
#include "platform/Runtime.h"
#include "platform/qt/ViewWidget.h"
#include "resources/resource.h"
#include "support/ScriptedRuntime.h"

#include <QtTest>
#include <QtWidgets>

#include <deque>
#include <functional>

// Answers modal windows as they are shown, in the order scripted. A window that nobody
// scripted is noted and closed, so that a test fails instead of waiting for ever.
class ModalHand final : public QObject {
public:
    using Reply = std::function<void(QWidget*)>;

    ModalHand() { qApp->installEventFilter(this); }
    ~ModalHand() override { qApp->removeEventFilter(this); }

    void Then(Reply reply) { m_replies.push_back(std::move(reply)); }
    bool Done() const { return m_replies.empty(); }

    bool okBoxes = false;   // message boxes that nobody scripted are closed with OK
    QStringList boxes;      // every message box, in order, as "caption: text"
    QStringList unexpected; // the titles of windows that nobody scripted

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Show || w == nullptr || !w->isModal() ||
            w->property("zeltaroSeen").toBool())
            return false;
        w->setProperty("zeltaroSeen", true);
        if (auto* box = qobject_cast<QMessageBox*>(w))
            boxes << box->windowTitle() + ": " + box->text();
        // The reply runs inside the window's own event loop, once it is up.
        QMetaObject::invokeMethod(
            w, [this, w] { Answer(w); }, Qt::QueuedConnection);
        return false;
    }

private:
    static void Ok(QWidget* w) { static_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click(); }

    void Answer(QWidget* w) {
        if (!m_replies.empty()) {
            const Reply reply = std::move(m_replies.front());
            m_replies.pop_front();
            reply(w);
        } else if (okBoxes && qobject_cast<QMessageBox*>(w) != nullptr) {
            Ok(w);
        } else {
            unexpected << w->windowTitle();
            w->close();
        }
    }

    std::deque<Reply> m_replies;
};

// The next window is the settings dialog: N, M and the order (0: player first) are picked.
inline ModalHand::Reply ChooseSettings(int total, int maxTake, int order) {
    return [=](QWidget* w) {
        auto* totals = w->findChild<QComboBox*>("IDC_TOTAL_COMBO");
        auto* takes = w->findChild<QComboBox*>("IDC_MAXTAKE_COMBO");
        totals->setCurrentIndex(totals->findText(QString::number(total)));
        takes->setCurrentIndex(takes->findText(QString::number(maxTake)));
        w->findChild<QRadioButton*>(order == 0 ? "IDC_FIRST_RADIO" : "IDC_SECOND_RADIO")->click();
        w->findChild<QPushButton*>("IDOK")->click();
    };
}

// The same with the keyboard alone: Tab from OK to the lists, Home and Down in each, Down in
// the radio pair for the second move, Enter for OK, the dialog's default button.
inline ModalHand::Reply ChooseSettingsByKeys(int total, int maxTake, int order) {
    return [=](QWidget* w) {
        // Offscreen the keyboard stays with the main window unless the dialog is made active.
        QApplication::setActiveWindow(w);
        if (!QTest::qWaitForWindowActive(w))
            w->close();
        auto press = [w](Qt::Key key, int times = 1) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(w->focusWidget(), key);
        };
        press(Qt::Key_Tab, 2);
        press(Qt::Key_Home);
        press(Qt::Key_Down, (total - 21) / 2);
        press(Qt::Key_Tab);
        press(Qt::Key_Home);
        press(Qt::Key_Down, maxTake - 2);
        press(Qt::Key_Tab);
        press(Qt::Key_Down, order);
        press(Qt::Key_Return);
    };
}

// A shell that records what it is asked to open.
class RecordingShell final : public IShell {
public:
    bool Open(const std::string& path) override {
        opened.push_back(path);
        return answer;
    }
    std::vector<std::string> opened;
    bool answer = true;
};

// The game's five commands, in the order of their enable flags' table.
inline const UINT kGameCommands[] = {ID_GAME_SETTINGS, ID_GAME_START, ID_GAME_PLAY, ID_EDIT_UNDO,
                                     ID_GAME_NEW};

// How the player issues a command.
enum class Route { Key, Toolbar, Menu };

// The program as started from the command line, with its window up and active.
class RunningApp {
public:
    bool Start(const QStringList& arguments = {"zeltaro"}) {
        if (!app.InitInstance(arguments))
            return false;
        frame = app.MainFrame();
        frame->View().SetRuntime(&runtime);
        frame->activateWindow();
        return QTest::qWaitForWindowActive(frame);
    }

    CZeltaroView& View() const { return frame->View(); }
    QAction* Action(UINT nID) const { return frame->Action(nID); }
    QWidget* Button(UINT nID) const { return frame->ToolBar()->widgetForAction(Action(nID)); }
    // Opens the item's menu, as the player does.
    QMenu* OpenMenuOf(UINT nID) const {
        for (QObject* user : Action(nID)->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(user)) {
                menu->popup(frame->mapToGlobal(QPoint(10, 10)));
                return QTest::qWaitForWindowExposed(menu) ? menu : nullptr;
            }
        }
        return nullptr;
    }
    // Opens the item's menu and clicks the item; a click on a greyed item leaves it open.
    void ChooseFromMenu(UINT nID) const {
        QMenu* menu = OpenMenuOf(nID);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Action(nID)).center());
        menu->hide();
    }
    // Keys reach the active window. Offscreen, a closed dialog or menu may leave the keyboard
    // with its hidden window; it is handed back here, as the desktop does.
    void PressKey(UINT nID) const {
        frame->windowHandle()->requestActivate();
        QVERIFY(QTest::qWaitFor([this] { return QApplication::activeWindow() == frame; }));
        QTest::keySequence(frame, Action(nID)->shortcut());
    }

    void Issue(UINT nID, Route route) const {
        if (route == Route::Key)
            PressKey(nID);
        else if (route == Route::Toolbar)
            QTest::mouseClick(Button(nID), Qt::LeftButton);
        else
            ChooseFromMenu(nID);
    }

    // Clicks item k on the board.
    void ClickItem(int k) const {
        const CRect r = CZeltaroView::ItemRect(k);
        QTest::mouseClick(frame->ViewWindow(), Qt::LeftButton, {},
                          QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }
    // Takes n items off the board, the highest-numbered first.
    void Take(int n) const {
        for (int k = View().m_nTotal; k >= 1 && n > 0; --k) {
            if (View().Item(k).nTaken == 0) {
                ClickItem(k);
                --n;
            }
        }
    }
    // Takes n items with the keyboard alone, the highest-numbered first: the arrow keys lead the
    // cursor to the item, row by row, then along its row, and Space takes it.
    void TakeByKeys(int n) const {
        const auto row = [](int k) { return (k - 1) / 10; };
        for (int k = View().m_nTotal; k >= 1 && n > 0; --k) {
            if (View().Item(k).nTaken == 1)
                continue;
            for (int steps = 0; View().Cursor().Item() != k && steps < 20; ++steps) {
                const int at = View().Cursor().Item();
                QTest::keyClick(QApplication::focusWidget(), row(at) < row(k)   ? Qt::Key_Down
                                                             : row(at) > row(k) ? Qt::Key_Up
                                                             : at < k           ? Qt::Key_Right
                                                                                : Qt::Key_Left);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            --n;
        }
    }
    int OnBoard() const { return View().m_nRemaining - View().m_nSelected; }

    RecordingShell shell;
    ScriptedRuntime runtime;
    CZeltaroApp app{shell};
    CMainFrame* frame = nullptr;
};

// Everything the game keeps, to tell whether a command changed anything.
inline std::vector<int> Snapshot(const CZeltaroView& v) {
    std::vector<int> s{v.m_nTotal,         v.m_nMaxTake,        v.m_nOrder,
                       v.m_nRemaining,     v.m_nSelected,       v.m_nPlayerHeld,
                       v.m_nComputerHeld,  v.m_nTurn,           v.m_nMode,
                       v.m_nClass,         v.m_nGoal,           v.m_nComputerTake,
                       v.m_nComputerAsked, v.m_bEnableUndo,     v.m_bEnableStart,
                       v.m_bEnablePlay,    v.m_bEnableNew,      v.m_bEnableSettings,
                       v.m_bStarted,       v.m_bSettingsChosen, v.m_bRandomPhase};
    for (int k = 1; k <= CZeltaroView::kItemCount; ++k)
        s.insert(s.end(), {v.Item(k).nTaken, v.Item(k).nBrush});
    return s;
}

// A file's bytes, or "(none)" when it cannot be read.
inline QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

inline void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}
