// Start-up: the settings store, the document, the main window, the command line.
#include "Zeltaro.h"

#include "CommandLineInfo.h"
#include "ZeltaroDoc.h"
#include "app/AboutDlg.h"
#include "app/DocumentRules.h"
#include "app/RecentFileRules.h"
#include "frame/qt/MainFrm.h"
#include "resources/Icons.h"
#include "resources/StringTable.h"
#include "resources/resource.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

#include <cstdio>
#include <string>
#include <vector>

namespace {

QIcon LoadIcon(const IconResource& resource) {
    QIcon icon;
    icon.addFile(QStringLiteral(":/") + resource.large, QSize(32, 32));
    icon.addFile(QStringLiteral(":/") + resource.small, QSize(16, 16));
    return icon;
}

const CommandEntry<CZeltaroApp> kCommandMap[] = {
    {ID_APP_ABOUT, &CZeltaroApp::OnAppAbout, nullptr},
    {ID_FILE_NEW, &CZeltaroApp::OnFileNew, nullptr},
};

// The folders that the rules file comes in: beside the program, and its installed data folder.
std::vector<std::string> ShippedRulesFolders() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.path().toStdString(),
            programDir.filePath(QStringLiteral(ZELTARO_RULES_FROM_PROGRAM)).toStdString()};
}

} // namespace

CZeltaroApp::CZeltaroApp(IShell& shell) : m_shell(shell), m_recentFiles(&m_settings) {}

CZeltaroApp::~CZeltaroApp() = default;

bool CZeltaroApp::InitInstance(const QStringList& arguments) {
    QCoreApplication::setApplicationName(QString::fromUtf8(FindString(AFX_IDS_APP_TITLE)));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kRegistryKey));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELTARO_VERSION));
    // Desktops tie the window to the game's menu entry, and so to its icon, by the entry's name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zeltaro.Zeltaro"));
    QApplication::setWindowIcon(LoadIcon(kMainIcon));
    m_windowDirection = QGuiApplication::layoutDirection();
    LoadQtTranslations();

    if (!ProcessShellCommand(arguments)) {
        m_pMainWnd.reset();
        m_pDocument.reset();
        return false;
    }
    // The document and the application answer for their commands from now on.
    m_pMainWnd->UpdateCommandUI();
    m_pMainWnd->show();
    return true;
}

// The texts that Qt supplies (the file dialog, its question before replacing a file, the
// buttons of its boxes) follow the desktop's language, as the system's own dialogs do, and so
// does the direction of Qt's dialogs. The game's texts are its own and stay as they are,
// whatever the desktop, the names of keys in its menus and the command line's help included.
void CZeltaroApp::LoadQtTranslations() {
    if (m_qtTranslator.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTranslator);
    QCoreApplication::installTranslator(&m_gameWords);
}

bool CZeltaroApp::ProcessShellCommand(const QStringList& arguments) {
    const CCommandLineInfo cmdInfo = ParseCommandLine(arguments);
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::ShowHelp ||
        cmdInfo.m_nShellCommand == CCommandLineInfo::ShowVersion) {
        std::fputs(cmdInfo.m_strMessage.toLocal8Bit().constData(), stdout);
        m_nExitCode = 0;
        return false;
    }
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::Mistake) {
        ReportStartError(cmdInfo.m_strMessage);
        return false;
    }
    LoadStdProfileSettings();
    if (!CreateMainWindow())
        return false;
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::FileNew) {
        OnFileNew();
        return true;
    }
    QString error;
    if (!m_pDocument->OnOpenDocument(cmdInfo.m_strFileName, &error)) {
        ReportStartError(QString::fromStdString(
            OpenFailedText(cmdInfo.m_strFileName.toStdString(), error.toStdString())));
        return false;
    }
    return true;
}

// Help and the version are answered before this, so that they never touch the settings.
void CZeltaroApp::LoadStdProfileSettings() {
    const QString trouble = m_settings.Open(CSettingsStore::DefaultPath());
    if (!trouble.isEmpty())
        ReportStartError(trouble);
    m_recentFiles.ReadList();
}

bool CZeltaroApp::CreateMainWindow() {
    m_pDocument = std::make_unique<CZeltaroDoc>();
    m_pMainWnd = std::make_unique<CMainFrame>();
    // The board, its labels and the dialogs' controls stand at fixed places, and the texts are
    // Bulgarian: mirrored, the labels' colons would stand before them.
    m_pMainWnd->setLayoutDirection(m_windowDirection);
    if (m_pMainWnd->OnCreate() != 0) {
        ReportStartError(QStringLiteral("главният прозорец не може да бъде създаден"));
        return false;
    }
    CMainFrame* frame = m_pMainWnd.get();
    m_pDocument->SetDialogParent(frame);
    frame->SetDocumentTarget(m_pDocument.get());
    frame->SetAppTarget(this);
    QObject::connect(
        m_pDocument.get(), &CZeltaroDoc::titleChanged, frame,
        [frame](const QString& title) { frame->OnUpdateFrameTitle(title.toStdString()); });
    QObject::connect(m_pDocument.get(), &CZeltaroDoc::pathNameChanged, m_pDocument.get(),
                     [this](const QString& path) { m_recentFiles.Add(path); });
    return true;
}

void CZeltaroApp::ReportStartError(const QString& message) {
    std::fprintf(stderr, "zeltaro: %s\n", message.toLocal8Bit().constData());
}

// The box runs through the view's host, which opens it over the main window.
void CZeltaroApp::OnAppAbout() {
    CAboutDlg aboutDlg(m_shell, ShippedRulesFolders());
    aboutDlg.SetHost(m_pMainWnd->View().Host());
    aboutDlg.DoModal();
}

// Only start-up comes here: the view answers a New command sent to the window first.
void CZeltaroApp::OnFileNew() {
    if (m_pDocument != nullptr)
        m_pDocument->OnNewDocument();
}

bool CZeltaroApp::OnCommand(UINT nID) { return DispatchCommand(*this, kCommandMap, nID); }

bool CZeltaroApp::OnUpdateCommand(CCmdUI* pCmdUI) {
    return DispatchUpdate(*this, kCommandMap, pCmdUI);
}
