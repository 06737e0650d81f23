// The application: start-up, the settings store, the one document, window and view, and the
// About command.
#pragma once

#include "GameWords.h"
#include "RecentFileList.h"
#include "SettingsStore.h"
#include "platform/Commands.h"

#include <QStringList>
#include <QTranslator>

#include <memory>

class CMainFrame;
class CZeltaroDoc;
class IShell;

class CZeltaroApp : public CCmdTarget {
public:
    // The shell opens the rules file for the About box.
    explicit CZeltaroApp(IShell& shell);
    ~CZeltaroApp() override;

    // Names the program and its settings, makes the document, the main window and the view,
    // opens the document that the command line names (the program's name first, then the
    // options and at most one path) and shows the window. Returns false when the program is to
    // end at once with ExitCode(): after the help or the version, or after saying on standard
    // error why it cannot start; no window is shown then.
    bool InitInstance(const QStringList& arguments);
    int ExitCode() const { return m_nExitCode; }

    void OnAppAbout();
    void OnFileNew();

    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(CCmdUI* pCmdUI) override;

    CMainFrame* MainFrame() const { return m_pMainWnd.get(); }
    CZeltaroDoc* Document() const { return m_pDocument.get(); }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }

private:
    void LoadQtTranslations();
    bool ProcessShellCommand(const QStringList& arguments);
    void LoadStdProfileSettings();
    bool CreateMainWindow();
    static void ReportStartError(const QString& message);

    QTranslator m_qtTranslator; // Qt's own texts, in the desktop's language
    GameWords m_gameWords;      // but the keys' names and the command line's in the game's
    // The direction of the game's windows: the one Qt's options asked for (-reverse), not the
    // one that the desktop's language brings with Qt's translations.
    Qt::LayoutDirection m_windowDirection = Qt::LeftToRight;
    IShell& m_shell;
    CSettingsStore m_settings;
    CRecentFileList m_recentFiles;
    // The window, declared after it, goes before the document whose title it shows.
    std::unique_ptr<CZeltaroDoc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pMainWnd;
    int m_nExitCode = 1;
};
