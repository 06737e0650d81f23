// What the main-window tests share: the program started as from its command line with the
// real window, dialogs and a recording shell; a hand that answers each modal window as it
// opens; and the player's three ways of issuing a command.
#pragma once

#include "app/Zeltaro.h"
#include "frame/MainFrm.h"
#include "platform/Dialog.h"
#include "platform/Shell.h"
#include "platform/qt/QtModalRunner.h"
#include "platform/qt/TemplateDialog.h"
#include "platform/qt/ViewWidget.h"
#include "resources/Accelerators.h"
#include "resources/resource.h"
#include "support/ScriptedRuntime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct SeenBox {
    QString caption;
    QString text;
};

// Answers modal windows as they are shown, in the order scripted. A window that nobody
// scripted is noted and closed, so that a test fails instead of waiting for ever.
class ModalHand final : public QObject {
public:
    using Reply = std::function<void(QWidget*)>;

    ModalHand() { qApp->installEventFilter(this); }
    ~ModalHand() override { qApp->removeEventFilter(this); }
    ModalHand(const ModalHand&) = delete;
    ModalHand& operator=(const ModalHand&) = delete;

    void Then(Reply reply) { m_replies.push_back(std::move(reply)); }
    // The next window is a message box: closed with OK.
    void ThenOk() {
        Then([](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w))
                box->button(QMessageBox::Ok)->click();
        });
    }
    // The next window is a dialog built from a template: its button with this name is pressed.
    void ThenPress(const char* name) {
        Then([name](QWidget* w) {
            if (auto* button = w->findChild<QPushButton*>(QString::fromLatin1(name)))
                button->click();
        });
    }

    bool okBoxes = false;       // message boxes that nobody scripted are closed with OK
    std::vector<SeenBox> boxes; // every message box, in order
    int windows = 0;            // every modal window
    QStringList unexpected;     // the titles of windows that nobody scripted
    bool Done() const { return m_replies.empty(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        if (!w->isWindow() || !w->isModal() || w->property("zeltaroSeen").toBool())
            return false;
        w->setProperty("zeltaroSeen", true);
        ++windows;
        if (auto* box = qobject_cast<QMessageBox*>(w))
            boxes.push_back({box->windowTitle(), box->text()});
        // The reply runs inside the window's own event loop, once it is up.
        QMetaObject::invokeMethod(
            w, [this, w] { Answer(w); }, Qt::QueuedConnection);
        return false;
    }

private:
    void Answer(QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (m_replies.empty() && okBoxes && box != nullptr) {
            box->button(QMessageBox::Ok)->click();
            return;
        }
        if (m_replies.empty()) {
            unexpected << w->windowTitle();
            w->close();
            return;
        }
        Reply reply = std::move(m_replies.front());
        m_replies.pop_front();
        reply(w);
    }

    std::deque<Reply> m_replies;
};

// The next window is the settings dialog: N, M and the order are picked, then OK.
inline ModalHand::Reply ChooseSettings(int total, int maxTake, int order) {
    return [=](QWidget* w) {
        auto* totals = w->findChild<QComboBox*>(QStringLiteral("IDC_TOTAL_COMBO"));
        auto* takes = w->findChild<QComboBox*>(QStringLiteral("IDC_MAXTAKE_COMBO"));
        auto* radio = w->findChild<QRadioButton*>(
            QString::fromLatin1(order == 0 ? "IDC_FIRST_RADIO" : "IDC_SECOND_RADIO"));
        if (totals == nullptr || takes == nullptr || radio == nullptr) {
            w->close();
            return;
        }
        totals->setCurrentIndex(totals->findText(QString::number(total)));
        takes->setCurrentIndex(takes->findText(QString::number(maxTake)));
        radio->click();
        w->findChild<QPushButton*>(QStringLiteral("IDOK"))->click();
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

// How the player issues a command.
enum class Route { Key, Toolbar, Menu };

// The program as started from the command line, with its window up and active.
class RunningApp {
public:
    explicit RunningApp(QStringList arguments = {QStringLiteral("zeltaro")})
        : m_arguments(std::move(arguments)) {
        m_previousRunner = CDialog::SetModalRunner(&runner);
        m_previousShell = SetShell(&shell);
    }
    ~RunningApp() {
        SetShell(m_previousShell);
        CDialog::SetModalRunner(m_previousRunner);
    }
    RunningApp(const RunningApp&) = delete;
    RunningApp& operator=(const RunningApp&) = delete;

    bool Start() {
        if (!app.InitInstance(m_arguments))
            return false;
        frame = app.MainFrame();
        frame->View().SetRuntime(&runtime);
        runner.SetOwner(frame);
        runner.SetIcon(QApplication::windowIcon());
        frame->activateWindow();
        return QTest::qWaitForWindowActive(frame);
    }

    CZeltaroView& View() const { return frame->View(); }
    QAction* Action(UINT nID) const { return frame->Action(nID); }

    QWidget* Button(UINT nID) const { return frame->ToolBar()->widgetForAction(Action(nID)); }

    QMenu* MenuOf(UINT nID) const {
        for (QAction* top : frame->menuBar()->actions()) {
            if (top->menu() != nullptr && top->menu()->actions().contains(Action(nID)))
                return top->menu();
        }
        return nullptr;
    }

    // Opens the item's menu, as the player does, and clicks the item.
    void ChooseFromMenu(UINT nID) const {
        QMenu* menu = MenuOf(nID);
        QVERIFY(menu != nullptr);
        menu->popup(frame->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Action(nID)).center());
        // A click on a greyed item leaves the menu open.
        menu->hide();
    }

    // The command's key, from the accelerator table.
    static QKeyCombination KeyOf(UINT nID) {
        for (const AccelEntry& e : FindAccelerators(IDR_MAINFRAME)->entries) {
            if (e.cmd != nID)
                continue;
            Qt::KeyboardModifiers mods;
            if (e.fVirt & FCONTROL)
                mods |= Qt::ControlModifier;
            if (e.fVirt & FSHIFT)
                mods |= Qt::ShiftModifier;
            const int key = e.key == VK_F6 ? Qt::Key_F6 : Qt::Key_A + static_cast<int>(e.key - 'A');
            return QKeyCombination(mods, static_cast<Qt::Key>(key));
        }
        return QKeyCombination();
    }

    // Keys reach the active window. After a dialog the desktop hands activation back to the
    // main window; offscreen, that is done here.
    void PressKey(UINT nID) const {
        if (!frame->isActiveWindow()) {
            frame->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(frame));
        }
        const QKeyCombination key = KeyOf(nID);
        QTest::keyClick(frame, key.key(), key.keyboardModifiers());
    }

    void Issue(UINT nID, Route route) const {
        switch (route) {
        case Route::Key:
            PressKey(nID);
            break;
        case Route::Toolbar:
            QTest::mouseClick(Button(nID), Qt::LeftButton);
            break;
        case Route::Menu:
            ChooseFromMenu(nID);
            break;
        }
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

    int OnBoard() const {
        int count = 0;
        for (int k = 1; k <= View().m_nTotal; ++k)
            count += View().Item(k).nTaken == 0 ? 1 : 0;
        return count;
    }

    QtModalRunner runner;
    RecordingShell shell;
    ScriptedRuntime runtime;
    CZeltaroApp app;
    CMainFrame* frame = nullptr;

private:
    QStringList m_arguments;
    IModalRunner* m_previousRunner = nullptr;
    IShell* m_previousShell = nullptr;
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
    for (int k = 1; k <= CZeltaroView::kItemCount; ++k) {
        s.push_back(v.Item(k).nTaken);
        s.push_back(v.Item(k).nBrush);
    }
    return s;
}
