// The application on Win32: start-up, the one document, window and view, the About command
// and the message loop.
#pragma once

#include "RecentFileList.h"
#include "ZeltaroDoc.h"
#include "frame/win32/MainFrm.h"
#include "platform/win32/Win32Shell.h"

#include <memory>
#include <string>
#include <vector>

class CZeltaroApp : public CCmdTarget {
public:
    // Makes the document, the main window and the view, opens the document that the command
    // line names (the program's name first, then at most one path) and shows the window.
    // False when the program is to end at once with status 1: a box has said why.
    bool InitInstance(const std::vector<std::wstring>& arguments, int nCmdShow);
    // Runs the message loop until the window closes; the program's exit status.
    int Run();

    void OnAppAbout();
    void OnFileNew();

    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(CCmdUI* pCmdUI) override;

private:
    bool ProcessShellCommand(const std::vector<std::wstring>& arguments);
    bool CreateMainWindow();

    Win32Shell m_shell;
    CRecentFileList m_recentFiles;
    // The window, declared last, goes before the document whose title it shows.
    std::unique_ptr<CZeltaroDoc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pMainWnd;
};
