// The main window on Win32: menu, keys, toolbar and status bar around the view, with the
// framework's command enabling: each menu asks the update handlers as it opens, the toolbar
// and the lock-key panes are brought up to date whenever the program falls idle.
#pragma once

#include "frame/CommandRouter.h"
#include "frame/FrameCommands.h"
#include "platform/win32/ViewWindow.h"
#include "view/ZeltaroView.h"

#include <string>

class CMainFrame : public CFrameCommands {
public:
    CMainFrame();
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // Makes the window with its menu, toolbar, status bar and view; false when it cannot.
    bool Create();
    HWND Handle() const { return m_hWnd; }
    HACCEL Accelerators() const { return m_hAccel; }

    void SetDocumentTarget(CCmdTarget* pTarget) { m_router.SetDocumentTarget(pTarget); }
    void SetAppTarget(CCmdTarget* pTarget) { m_router.SetAppTarget(pTarget); }
    // The title: the document's name, then the application's.
    void OnUpdateFrameTitle(const std::string& docTitle);

    CZeltaroView& View() { return m_view; }
    // The toolbar's buttons and the lock keys' panes brought up to date.
    void OnIdle();

protected:
    void CloseFrame() override;
    bool IsBarShown(Bar bar) const override;
    void ShowBar(Bar bar, bool bShow) override;

private:
    HWND BarWindow(Bar bar) const { return bar == Bar::Tool ? m_hToolBar : m_hStatusBar; }
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    int OnCreate();
    bool CreateToolBar();
    void RecalcLayout();
    void SizePanes(int width) const;
    void FitView();
    void OnInitMenuPopup(HMENU hMenu);
    void OnMenuSelect(UINT nItem, UINT nFlags);
    LRESULT OnNotify(const NMHDR* pHeader);
    // The message pane: a command's prompt, or the idle text for 0.
    void SetMessageText(UINT nPromptID);
    void SetPaneText(int nPane, const std::wstring& text) const;

    HWND m_hWnd = nullptr;
    HWND m_hToolBar = nullptr;
    HWND m_hStatusBar = nullptr;
    HIMAGELIST m_hImages = nullptr;
    HACCEL m_hAccel = nullptr;
    CZeltaroView m_view;
    ViewWindow m_viewWindow;
    CCommandRouter m_router;
    bool m_bLit[3] = {};    // whether the lock keys' panes show their texts
    std::wstring m_tipText; // the tooltip being shown, kept while the toolbar reads it
};
