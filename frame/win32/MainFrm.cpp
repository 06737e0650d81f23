// The main window on Win32. The menu, the keys, the toolbar and the prompts come from the
// shared tables, converted as the window is made; commands go through the shared router.
#include "MainFrm.h"

#include "frame/CommandTables.h"
#include "platform/win32/Utf.h"
#include "resources/Menu.h"
#include "resources/StringTable.h"
#include "resources/ToolBar.h"
#include "resources/resource.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const wchar_t kClassName[] = L"ZeltaroFrame";
constexpr UINT kViewID = 0xE900; // the framework's identifier of the first pane
// The status bar's lock-key panes, and the keys whose lights they show.
constexpr UINT kIndicators[] = {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
constexpr int kLockKeys[] = {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};
// The system menu's commands start here; their prompts lie in the string table from
// AFX_IDS_SCSIZE on, one for every sixteen command values.
constexpr UINT kFirstSystemCommand = SC_SIZE;

std::wstring Text(UINT nID) {
    const char* text = FindString(nID);
    return text != nullptr ? Widen(text) : std::wstring();
}

HWND CreateChild(const wchar_t* className, DWORD style, HWND hParent, UINT nID) {
    return CreateWindowExW(0, className, nullptr, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                           hParent, reinterpret_cast<HMENU>(UINT_PTR{nID}),
                           GetModuleHandleW(nullptr), nullptr);
}

// The toolbar strip enlarged to the screen's scale, each pixel a solid block, so that a scaled
// screen shows the pictures sharp instead of smoothly blown up; a smoothed edge would also
// blend the transparent pixels, magenta in the strip as the build writes it, into the picture.
HIMAGELIST LoadToolBarImages(const ToolBarResource& resource, double scale) {
    auto* hStrip =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (hStrip == nullptr)
        return nullptr;
    BITMAP strip{};
    GetObjectW(hStrip, sizeof strip, &strip);
    const int cx = static_cast<int>(std::lround(resource.cxButton * scale));
    const int cy = static_cast<int>(std::lround(resource.cyButton * scale));
    const int images = strip.bmWidth / resource.cxButton;
    HDC hScreen = GetDC(nullptr);
    HDC hFrom = CreateCompatibleDC(hScreen);
    HDC hTo = CreateCompatibleDC(hScreen);
    HBITMAP hScaled = CreateCompatibleBitmap(hScreen, cx * images, cy);
    HGDIOBJ hOldFrom = SelectObject(hFrom, hStrip);
    HGDIOBJ hOldTo = SelectObject(hTo, hScaled);
    SetStretchBltMode(hTo, COLORONCOLOR);
    StretchBlt(hTo, 0, 0, cx * images, cy, hFrom, 0, 0, strip.bmWidth, strip.bmHeight, SRCCOPY);
    SelectObject(hFrom, hOldFrom);
    SelectObject(hTo, hOldTo);
    DeleteDC(hFrom);
    DeleteDC(hTo);
    ReleaseDC(nullptr, hScreen);
    HIMAGELIST hList = ImageList_Create(cx, cy, ILC_COLOR24 | ILC_MASK, images, 0);
    ImageList_AddMasked(hList, hScaled, RGB(255, 0, 255));
    DeleteObject(hScaled);
    DeleteObject(hStrip);
    return hList;
}

ATOM RegisterFrameClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    wc.hIconSm = static_cast<HICON>(
        LoadImageW(wc.hInstance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 16, 16, 0));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc);
}

// The key after an item's tab is shown right-aligned by the system.
HMENU CreateMenuBar() {
    HMENU hMenuBar = CreateMenu();
    for (const MenuPopup& popup : FindMenu(IDR_MAINFRAME)->popups) {
        HMENU hPopup = CreatePopupMenu();
        for (const MenuItem& item : popup.items) {
            const bool bSeparator = item.nID == ID_SEPARATOR;
            AppendMenuW(hPopup, bSeparator ? MF_SEPARATOR : MF_STRING, item.nID,
                        bSeparator ? nullptr : Widen(item.text).c_str());
        }
        AppendMenuW(hMenuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup),
                    Widen(popup.text).c_str());
    }
    return hMenuBar;
}

HACCEL CreateAccelerators() {
    std::vector<ACCEL> accels;
    for (const AccelEntry& entry : FindAccelerators(IDR_MAINFRAME)->entries)
        accels.push_back({static_cast<BYTE>(entry.fVirt), static_cast<WORD>(entry.key),
                          static_cast<WORD>(entry.cmd)});
    return CreateAcceleratorTableW(accels.data(), static_cast<int>(accels.size()));
}

} // namespace

CMainFrame::CMainFrame() : m_viewWindow(m_view) {
    m_router.SetTargets(&m_view, nullptr, this, nullptr);
}

// The window goes while the view's window object still lives: its child is destroyed with it.
CMainFrame::~CMainFrame() {
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
    if (m_hAccel != nullptr)
        DestroyAcceleratorTable(m_hAccel);
    if (m_hImages != nullptr)
        ImageList_Destroy(m_hImages);
}

bool CMainFrame::Create() {
    static const ATOM atom = RegisterFrameClass();
    if (atom == 0)
        return false;
    // The window's size and place are the system's to choose.
    m_hWnd = CreateWindowExW(0, kClassName, Text(AFX_IDS_APP_TITLE).c_str(), WS_OVERLAPPEDWINDOW,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_hWnd == nullptr)
        return false;
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CMainFrame::WindowProc));
    if (OnCreate() != 0) {
        DestroyWindow(m_hWnd);
        return false;
    }
    FitView();
    return true;
}

// The system's size may be too small for the board on a scaled screen: the window grows until
// the view has the room that it asks for.
void CMainFrame::FitView() {
    RECT view{};
    GetClientRect(m_viewWindow.Handle(), &view);
    const double scale = m_viewWindow.Scale();
    const LONG growX = std::max(0L, std::lround(ViewWindow::kWidth * scale) - view.right);
    const LONG growY = std::max(0L, std::lround(ViewWindow::kHeight * scale) - view.bottom);
    RECT frame{};
    GetWindowRect(m_hWnd, &frame);
    SetWindowPos(m_hWnd, nullptr, 0, 0, frame.right - frame.left + growX,
                 frame.bottom - frame.top + growY, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CMainFrame::OnCreate() {
    SetMenu(m_hWnd, CreateMenuBar());
    m_hAccel = CreateAccelerators();
    if (!CreateToolBar()) {
        OutputDebugStringW(L"Failed to create toolbar\n");
        return -1;
    }
    m_hStatusBar = CreateChild(STATUSCLASSNAMEW, SBARS_SIZEGRIP, m_hWnd, 0xE801);
    if (m_hStatusBar == nullptr) {
        OutputDebugStringW(L"Failed to create status bar\n");
        return -1;
    }
    SetMessageText(0);
    if (!m_viewWindow.Create(m_hWnd, kViewID))
        return -1;
    RecalcLayout();
    OnIdle();
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Menu, keys, toolbar, status bar

bool CMainFrame::CreateToolBar() {
    const ToolBarResource& resource = *FindToolBar(IDR_MAINFRAME);
    m_hToolBar =
        CreateChild(TOOLBARCLASSNAMEW, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, m_hWnd, 0xE800);
    m_hImages = LoadToolBarImages(resource, GetDpiForWindow(m_hWnd) / 96.0);
    if (m_hToolBar == nullptr || m_hImages == nullptr)
        return false;
    SendMessageW(m_hToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(m_hToolBar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_hImages));
    std::vector<TBBUTTON> buttons;
    for (UINT nID : resource.items) {
        const bool bSeparator = nID == ID_SEPARATOR;
        TBBUTTON button{};
        button.iBitmap = bSeparator ? 0 : ToolBarImage(nID);
        button.idCommand = static_cast<int>(nID);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = bSeparator ? BTNS_SEP : BTNS_BUTTON;
        buttons.push_back(button);
    }
    SendMessageW(m_hToolBar, TB_ADDBUTTONSW, buttons.size(),
                 reinterpret_cast<LPARAM>(buttons.data()));
    return true;
}

// The bars take what they need at the top and bottom; the view takes the rest.
void CMainFrame::RecalcLayout() {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    RECT bar{};
    int top = 0;
    int bottom = client.bottom;
    if (IsWindowVisible(m_hToolBar)) {
        SendMessageW(m_hToolBar, TB_AUTOSIZE, 0, 0);
        GetWindowRect(m_hToolBar, &bar);
        top = bar.bottom - bar.top;
    }
    if (IsWindowVisible(m_hStatusBar)) {
        SendMessageW(m_hStatusBar, WM_SIZE, 0, 0);
        GetWindowRect(m_hStatusBar, &bar);
        bottom -= bar.bottom - bar.top;
        SizePanes(client.right);
    }
    MoveWindow(m_viewWindow.Handle(), 0, top, client.right, bottom - top, TRUE);
}

// The indicator panes are as wide as their texts, the message pane all that is left.
void CMainFrame::SizePanes(int width) const {
    HDC hdc = GetDC(m_hStatusBar);
    HGDIOBJ hOld =
        SelectObject(hdc, reinterpret_cast<HGDIOBJ>(SendMessageW(m_hStatusBar, WM_GETFONT, 0, 0)));
    int edges[] = {0, 0, 0, -1};
    int right = width - GetSystemMetrics(SM_CXVSCROLL);
    for (int i = 2; i >= 0; --i) {
        const std::wstring text = Text(kIndicators[i]);
        SIZE size{};
        GetTextExtentPoint32W(hdc, text.c_str(), static_cast<int>(text.size()), &size);
        right -= size.cx + 2 * GetSystemMetrics(SM_CXEDGE) + 8;
        edges[i] = right;
    }
    SelectObject(hdc, hOld);
    ReleaseDC(m_hStatusBar, hdc);
    SendMessageW(m_hStatusBar, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edges));
}

void CMainFrame::OnUpdateFrameTitle(const std::string& docTitle) {
    SetWindowTextW(m_hWnd, Widen(FrameTitle(docTitle)).c_str());
}

void CMainFrame::SetMessageText(UINT nPromptID) {
    SetPaneText(0, nPromptID == 0 ? Text(AFX_IDS_IDLEMESSAGE) : Widen(PromptStatusText(nPromptID)));
}

// The status bar keeps a copy of the text.
void CMainFrame::SetPaneText(int nPane, const std::wstring& text) const {
    SendMessageW(m_hStatusBar, SB_SETTEXTW, nPane, reinterpret_cast<LPARAM>(text.c_str()));
}

// ---------------------------------------------------------------------------------------------
// Command enabling

// Only a change is sent, so that being idle stays quiet.
void CMainFrame::OnIdle() {
    for (UINT nID : FindToolBar(IDR_MAINFRAME)->items) {
        if (nID == ID_SEPARATOR)
            continue;
        const bool bEnabled = m_router.Query(nID).m_bEnabled;
        if ((SendMessageW(m_hToolBar, TB_ISBUTTONENABLED, nID, 0) != 0) != bEnabled)
            SendMessageW(m_hToolBar, TB_ENABLEBUTTON, nID, MAKELPARAM(bEnabled, 0));
    }
    // Each lock-key pane shows its text while its key's light is on, as the keyboard says.
    for (int i = 0; i < 3; ++i) {
        const bool bLit = (GetKeyState(kLockKeys[i]) & 1) != 0;
        if (bLit != m_bLit[i])
            SetPaneText(i + 1, bLit ? Text(kIndicators[i]) : std::wstring());
        m_bLit[i] = bLit;
    }
}

void CMainFrame::OnInitMenuPopup(HMENU hMenu) {
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
        const UINT nID = GetMenuItemID(hMenu, i);
        if (nID == 0 || nID == static_cast<UINT>(-1))
            continue; // a separator or a pop-up
        const CCmdUI state = m_router.Query(nID);
        EnableMenuItem(hMenu, nID, MF_BYCOMMAND | (state.m_bEnabled ? MF_ENABLED : MF_GRAYED));
        if (state.m_nCheck >= 0)
            CheckMenuItem(hMenu, nID, MF_BYCOMMAND | (state.m_nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
}

// The message pane shows the prompt of the highlighted item, the system menu's among them, and
// the idle text again once the menu closes.
void CMainFrame::OnMenuSelect(UINT nItem, UINT nFlags) {
    if (nFlags == 0xFFFF || (nFlags & (MF_POPUP | MF_SEPARATOR)) != 0)
        SetMessageText(0);
    else if ((nFlags & MF_SYSMENU) != 0 && nItem >= kFirstSystemCommand)
        SetMessageText(AFX_IDS_SCSIZE + ((nItem - kFirstSystemCommand) >> 4));
    else
        SetMessageText(nItem);
}

LRESULT CMainFrame::OnNotify(const NMHDR* pHeader) {
    if (pHeader->code == TTN_GETDISPINFOW) {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(pHeader));
        m_tipText = Widen(PromptTooltip(static_cast<UINT>(pHeader->idFrom)));
        pInfo->lpszText = m_tipText.data();
    }
    // The fly-by prompt: the button under the pointer says what it does in the message pane.
    if (pHeader->code == TBN_HOTITEMCHANGE && pHeader->hwndFrom == m_hToolBar) {
        const auto* pHot = reinterpret_cast<const NMTBHOTITEM*>(pHeader);
        SetMessageText((pHot->dwFlags & HICF_LEAVING) != 0 ? 0 : static_cast<UINT>(pHot->idNew));
    }
    return 0;
}

// ---------------------------------------------------------------------------------------------
// The window's messages

LRESULT CALLBACK CMainFrame::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CMainFrame*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(hWnd, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hWnd = m_hWnd;
    switch (message) {
    case WM_COMMAND:
        // A menu item, a key or a button: asked about again, and dropped when disabled.
        if (m_router.Issue(LOWORD(wParam)))
            SetMessageText(0);
        return 0;
    case WM_INITMENUPOPUP:
        if (HIWORD(lParam) == 0)
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_SETFOCUS:
        SetFocus(m_viewWindow.Handle());
        return 0;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_hWnd, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(m_viewWindow.Handle(), nullptr, TRUE);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        // The last message: nothing reaches this object through the window any more.
        SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
        m_hWnd = nullptr;
        [[fallthrough]];
    default:
        return DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

// ---------------------------------------------------------------------------------------------
// The frame's own commands

void CMainFrame::CloseFrame() { PostMessageW(m_hWnd, WM_CLOSE, 0, 0); }

bool CMainFrame::IsBarShown(Bar bar) const { return IsWindowVisible(BarWindow(bar)) != FALSE; }

void CMainFrame::ShowBar(Bar bar, bool bShow) {
    ShowWindow(BarWindow(bar), bShow ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}
