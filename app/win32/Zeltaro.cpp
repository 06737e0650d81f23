// Start-up on Win32: the document, the main window, the command line, the message loop.
#include "Zeltaro.h"

#include "app/AboutDlg.h"
#include "app/DocumentRules.h"
#include "platform/win32/Utf.h"
#include "resources/StringTable.h"
#include "resources/resource.h"

namespace {

const CommandEntry<CZeltaroApp> kCommandMap[] = {
    {ID_APP_ABOUT, &CZeltaroApp::OnAppAbout, nullptr},
    {ID_FILE_NEW, &CZeltaroApp::OnFileNew, nullptr},
};

// The folder that the program lies in, where its rules file comes with it. The buffer holds
// the longest path the system knows.
std::string ProgramFolder() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return Narrow(path.substr(0, path.find_last_of(L'\\')));
}

// A Windows program has no console to write to: the player reads why in a box.
void ReportStartError(const std::string& message) {
    MessageBoxW(nullptr, Widen(message).c_str(), Widen(FindString(AFX_IDS_APP_TITLE)).c_str(),
                MB_OK | MB_ICONERROR);
}

} // namespace

bool CZeltaroApp::InitInstance(const std::vector<std::wstring>& arguments, int nCmdShow) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    m_recentFiles.ReadList();
    const bool bStarted = ProcessShellCommand(arguments);
    if (bStarted) {
        ShowWindow(m_pMainWnd->Handle(), nCmdShow);
        UpdateWindow(m_pMainWnd->Handle());
    }
    return bStarted;
}

bool CZeltaroApp::ProcessShellCommand(const std::vector<std::wstring>& arguments) {
    std::vector<std::wstring> files;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].empty())
            files.push_back(arguments[i]);
    }
    if (files.size() > 1) {
        ReportStartError("най-много един файл, не " + std::to_string(files.size()));
        return false;
    }
    if (!CreateMainWindow())
        return false;
    if (files.empty()) {
        OnFileNew();
        return true;
    }
    std::wstring error;
    const bool bOpened = m_pDocument->OnOpenDocument(files.front(), &error);
    if (!bOpened)
        ReportStartError(OpenFailedText(Narrow(files.front()), Narrow(error)));
    return bOpened;
}

bool CZeltaroApp::CreateMainWindow() {
    m_pMainWnd = std::make_unique<CMainFrame>();
    if (!m_pMainWnd->Create()) {
        ReportStartError("главният прозорец не може да бъде създаден");
        return false;
    }
    m_pDocument = std::make_unique<CZeltaroDoc>(m_pMainWnd->Handle());
    CMainFrame* frame = m_pMainWnd.get();
    CZeltaroDoc* doc = m_pDocument.get();
    doc->SetOnPathNameChanged([this, frame, doc] {
        frame->OnUpdateFrameTitle(doc->GetTitle());
        if (!doc->GetPathName().empty())
            m_recentFiles.Add(doc->GetPathName());
    });
    frame->SetDocumentTarget(doc);
    frame->SetAppTarget(this);
    return true;
}

// The framework's idle processing: the toolbar and the lock keys' panes are brought up to date
// each time the queue runs empty, then the loop waits for the next message without a timer.
int CZeltaroApp::Run() {
    MSG msg{};
    bool bIdle = true;
    for (;;) {
        if (bIdle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (m_pMainWnd != nullptr)
                m_pMainWnd->OnIdle();
            bIdle = false;
        }
        const BOOL result = GetMessageW(&msg, nullptr, 0, 0);
        if (result <= 0)
            return result == 0 ? static_cast<int>(msg.wParam) : 1;
        HWND hFrame = m_pMainWnd->Handle();
        if (!TranslateAcceleratorW(hFrame, m_pMainWnd->Accelerators(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        // Painting and the pointer's moves change no command's state.
        bIdle = bIdle || (msg.message != WM_PAINT && msg.message != WM_MOUSEMOVE &&
                          msg.message != WM_NCMOUSEMOVE && msg.message != WM_TIMER);
    }
}

// The box runs through the view's host, which opens it over the main window.
void CZeltaroApp::OnAppAbout() {
    CAboutDlg aboutDlg(m_shell, {ProgramFolder()});
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
