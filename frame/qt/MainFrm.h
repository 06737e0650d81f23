// The main window: menu, keys, toolbar and status bar around the view, and the routing that
// takes every command to its handler once its update handler has allowed it.
#pragma once

#include "frame/CommandRouter.h"
#include "frame/FrameCommands.h"
#include "platform/Commands.h"
#include "view/ZeltaroView.h"

#include <QMainWindow>

#include <map>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QPixmap;
class QStatusBar;
class QToolBar;
class ViewWidget;

class CMainFrame : public QMainWindow, public CFrameCommands {
    Q_OBJECT

public:
    CMainFrame();
    ~CMainFrame() override;

    // Builds the menu, the keys, the toolbar and the status bar: 0 on success, -1 when a bar
    // cannot be made (the reason goes to the debug output).
    int OnCreate();

    // Targets asked after the view and before the frame's own handlers (the document), and
    // after them (the application), as commands are routed.
    void SetDocumentTarget(CCmdTarget* pTarget) { m_router.SetDocumentTarget(pTarget); }
    void SetAppTarget(CCmdTarget* pTarget) { m_router.SetAppTarget(pTarget); }

    // The title: the document's name, then the application's.
    void OnUpdateFrameTitle(const std::string& docTitle);

    CZeltaroView& View() { return m_view; }
    ViewWidget* ViewWindow() const { return m_pViewWidget; }
    QToolBar* ToolBar() const { return m_wndToolBar; }
    QStatusBar* StatusBar() const { return m_wndStatusBar; }
    // The action of a command, shared by its menu item, toolbar button and key; null if none.
    QAction* Action(UINT nID) const;
    // What the message pane shows now: a command's prompt, or the idle message.
    QString MessageText() const;

    // A command from a menu item, a key or a button: asks its update handler first and drops
    // it when disabled, then refreshes every command's state.
    void OnCommandIssued(UINT nID);
    // Asks every command's update handler and greys or checks its action.
    void UpdateCommandUI();

    // The status bar's panes: the message pane, then the lock-key indicators.
    static const UINT indicators[4];

protected:
    void CloseFrame() override { close(); }
    bool IsBarShown(Bar bar) const override;
    void ShowBar(Bar bar, bool bShow) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void customEvent(QEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    // The status-bar pane of an indicator (ID_SEPARATOR: the message pane).
    QLabel* Pane(UINT nID) const;
    // Reads the lock keys' state into the CAP, NUM and SCRL panes.
    void UpdateLockIndicators();
    void CreateAction(UINT nID, const QPixmap& toolBarImages);
    void CreateMenu();
    bool CreateToolBar(const QPixmap& toolBarImages);
    bool CreateStatusBar();

    QStatusBar* m_wndStatusBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    CZeltaroView m_view;
    ViewWidget* m_pViewWidget = nullptr;
    CCommandRouter m_router;
    std::map<UINT, QAction*> m_actions;
    std::map<UINT, QLabel*> m_panes;
    bool m_bLocksAsked = false; // the lock keys are first read once the window is painted
};
