// The running application, for the tests of the program as a player finds it: started as from
// its command line with the real window, dialogs and a recording shell, and driven as the
// player drives it, by menu, toolbar, keys and clicks on the board.
#pragma once

#include "app/qt/Zeltaro.h"
#include "frame/qt/MainFrm.h"
#include "platform/Runtime.h"
#include "platform/qt/ViewWidget.h"
#include "resources/Menu.h"
#include "resources/resource.h"
#include "support/ModalHand.h"
#include "support/Screen.h"

// The menu's resource table as the player should read it: each pop-up's text, then its items
// with their keys after a tab, a separator as "-".
inline QStringList MenuTable() {
    QStringList texts;
    for (const MenuPopup& popup : FindMenu(IDR_MAINFRAME)->popups) {
        texts << QString::fromUtf8(popup.text) + ':';
        for (const MenuItem& item : popup.items)
            texts << (item.nID == ID_SEPARATOR ? "-" : QString::fromUtf8(item.text));
    }
    return texts;
}

class RecordingShell final : public IShell {
public:
    bool Open(const std::string& path) override {
        opened.push_back(path);
        return answer;
    }
    std::vector<std::string> opened;
    bool answer = true;
};

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
    // Opens the item's menu and clicks the item. A click on a greyed item leaves the menu open,
    // and Escape closes it, as the player does: hiding it instead leaves the window deaf to its
    // keys afterwards.
    void ChooseFromMenu(UINT nID) const {
        QMenu* menu = OpenMenuOf(nID);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Action(nID)).center());
        if (menu->isVisible())
            QTest::keyClick(menu, Qt::Key_Escape);
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

    void ClickItem(int k) const {
        QTest::mouseClick(frame->ViewWindow(), Qt::LeftButton, {}, ToQPoint(ItemCentre(k)));
    }
    // Takes n items off the board, the highest-numbered first: by clicks, or with the keyboard
    // alone, where the arrow keys lead the cursor to the item, row by row, then along its row,
    // and Space takes it.
    void Take(int n, bool bByKeys = false) const {
        const auto row = [](int k) { return (k - 1) / 10; };
        for (int k = View().m_nTotal; k >= 1 && n > 0; --k) {
            if (View().Item(k).nTaken == 1)
                continue;
            for (int steps = 0; bByKeys && View().Cursor().Item() != k && steps < 20; ++steps) {
                const int at = View().Cursor().Item();
                QTest::keyClick(QApplication::focusWidget(), row(at) < row(k)   ? Qt::Key_Down
                                                             : row(at) > row(k) ? Qt::Key_Up
                                                             : at < k           ? Qt::Key_Right
                                                                                : Qt::Key_Left);
            }
            if (bByKeys)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            else
                ClickItem(k);
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
