// The main window on Win32. The menu, the keys, the toolbar and the prompts come from the
// shared tables, converted once as the window is made; commands go through the shared router.
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
// Transparent pixels of the toolbar strip, as the build writes it.
constexpr COLORREF kMaskColour = RGB(255, 0, 255);
// The system menu's commands start here; their prompts lie in the string table from
// AFX_IDS_SCSIZE on, one for every sixteen command values.
constexpr UINT kFirstSystemCommand = SC_SIZE;

std::wstring Text(UINT nID) {
    const char* text = FindString(nID);
    return text != nullptr ? Widen(text) : std::wstring();
}

// The toolbar strip enlarged by a whole or fractional factor, each pixel a solid block, so
// that a scaled screen shows the pictures sharp instead of smoothly blown up.
HIMAGELIST LoadToolBarImages(const ToolBarResource& resource, double scale) {
    auto* hStrip =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (hStrip == nullptr)
        return nullptr;
    BITMAP info{};
    GetObjectW(hStrip, sizeof info, &info);
    const int cx = static_cast<int>(std::lround(resource.cxButton * scale));
    const int cy = static_cast<int>(std::lround(resource.cyButton * scale));
    const int images = info.bmWidth / resource.cxButton;
    HDC hScreen = GetDC(nullptr);
    HDC hFrom = CreateCompatibleDC(hScreen);
    HDC hTo = CreateCompatibleDC(hScreen);
    HBITMAP hScaled = CreateCompatibleBitmap(hScreen, cx * images, cy);
    HGDIOBJ hOldFrom = SelectObject(hFrom, hStrip);
    HGDIOBJ hOldTo = SelectObject(hTo, hScaled);
    SetStretchBltMode(hTo, COLORONCOLOR);
    StretchBlt(hTo, 0, 0, cx * images, cy, hFrom, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(hFrom, hOldFrom);
    SelectObject(hTo, hOldTo);
    DeleteDC(hFrom);
    DeleteDC(hTo);
    ReleaseDC(nullptr, hScreen);
    HIMAGELIST hList = ImageList_Create(cx, cy, ILC_COLOR24 | ILC_MASK, images, 0);
    ImageList_AddMasked(hList, hScaled, kMaskColour);
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

} // namespace

const UINT CMainFrame::indicators[4] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                        ID_INDICATOR_SCRL};

CMainFrame::CMainFrame() : m_viewWindow(m_view) {
    m_router.SetTargets(&m_view, nullptr, this, nullptr);
    for (UINT nID : FrameCommands()) {
        m_prompts[nID] = Widen(PromptStatusText(nID));
        m_tooltips[nID] = Widen(PromptTooltip(nID));
    }
    m_viewWindow.SetOnClicked([this] { OnIdle(); });
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
    if (growX == 0 && growY == 0)
        return;
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
    if (!CreateStatusBar()) {
        OutputDebugStringW(L"Failed to create status bar\n");
        return -1;
    }
    if (!m_viewWindow.Create(m_hWnd, kViewID))
        return -1;
    RecalcLayout();
    OnIdle();
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Menu, keys, toolbar, status bar

HMENU CMainFrame::CreateMenuBar() const {
    HMENU hMenuBar = CreateMenu();
    const MenuResource* menu = FindMenu(IDR_MAINFRAME);
    if (menu == nullptr)
        return hMenuBar;
    for (const MenuPopup& popup : menu->popups) {
        HMENU hPopup = CreatePopupMenu();
        for (const MenuItem& item : popup.items) {
            // The key after the tab is shown right-aligned by the system.
            if (item.nID == ID_SEPARATOR)
                AppendMenuW(hPopup, MF_SEPARATOR, 0, nullptr);
            else
                AppendMenuW(hPopup, MF_STRING, item.nID, Widen(item.text).c_str());
        }
        AppendMenuW(hMenuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup),
                    Widen(popup.text).c_str());
    }
    return hMenuBar;
}

HACCEL CMainFrame::CreateAccelerators() const {
    const AcceleratorTable* table = FindAccelerators(IDR_MAINFRAME);
    if (table == nullptr)
        return nullptr;
    std::vector<ACCEL> accels;
    for (const AccelEntry& entry : table->entries)
        accels.push_back({static_cast<BYTE>(entry.fVirt), static_cast<WORD>(entry.key),
                          static_cast<WORD>(entry.cmd)});
    return CreateAcceleratorTableW(accels.data(), static_cast<int>(accels.size()));
}

bool CMainFrame::CreateToolBar() {
    const ToolBarResource* resource = FindToolBar(IDR_MAINFRAME);
    if (resource == nullptr)
        return false;
    m_hToolBar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                 WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP,
                                 0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(UINT_PTR{0xE800}),
                                 GetModuleHandleW(nullptr), nullptr);
    m_hImages = LoadToolBarImages(*resource, GetDpiForWindow(m_hWnd) / 96.0);
    if (m_hToolBar == nullptr || m_hImages == nullptr)
        return false;
    SendMessageW(m_hToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(m_hToolBar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_hImages));
    std::vector<TBBUTTON> buttons;
    for (UINT nID : resource->items) {
        TBBUTTON button{};
        button.iBitmap = nID == ID_SEPARATOR ? 0 : ToolBarImage(nID);
        button.idCommand = static_cast<int>(nID);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = nID == ID_SEPARATOR ? BTNS_SEP : BTNS_BUTTON;
        buttons.push_back(button);
    }
    SendMessageW(m_hToolBar, TB_ADDBUTTONSW, buttons.size(),
                 reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(m_hToolBar, TB_AUTOSIZE, 0, 0);
    return true;
}

bool CMainFrame::CreateStatusBar() {
    m_hStatusBar = CreateWindowExW(
        0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, m_hWnd,
        reinterpret_cast<HMENU>(UINT_PTR{0xE801}), GetModuleHandleW(nullptr), nullptr);
    if (m_hStatusBar == nullptr)
        return false;
    SetMessageText(0);
    return true;
}

// The bars take what they need at the top and bottom; the view takes the rest. The indicator
// panes are as wide as their texts, the message pane all that is left.
void CMainFrame::RecalcLayout() {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    int top = 0;
    int bottom = client.bottom;
    if (IsWindowVisible(m_hToolBar)) {
        SendMessageW(m_hToolBar, TB_AUTOSIZE, 0, 0);
        RECT r{};
        GetWindowRect(m_hToolBar, &r);
        top = r.bottom - r.top;
    }
    if (IsWindowVisible(m_hStatusBar)) {
        SendMessageW(m_hStatusBar, WM_SIZE, 0, 0);
        RECT r{};
        GetWindowRect(m_hStatusBar, &r);
        bottom -= r.bottom - r.top;
        HDC hdc = GetDC(m_hStatusBar);
        HGDIOBJ hOld = SelectObject(
            hdc, reinterpret_cast<HGDIOBJ>(SendMessageW(m_hStatusBar, WM_GETFONT, 0, 0)));
        int edges[4];
        int right = client.right - GetSystemMetrics(SM_CXVSCROLL);
        for (int i = 3; i >= 0; --i) {
            edges[i] = i == 3 ? -1 : right;
            const std::wstring text = Text(indicators[i]);
            SIZE size{};
            GetTextExtentPoint32W(hdc, text.c_str(), static_cast<int>(text.size()), &size);
            right -= size.cx + 2 * GetSystemMetrics(SM_CXEDGE) + 8;
        }
        edges[3] = -1;
        SelectObject(hdc, hOld);
        ReleaseDC(m_hStatusBar, hdc);
        SendMessageW(m_hStatusBar, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edges));
    }
    MoveWindow(m_viewWindow.Handle(), 0, top, client.right, bottom - top, TRUE);
}

void CMainFrame::OnUpdateFrameTitle(const std::string& docTitle) {
    SetWindowTextW(m_hWnd, Widen(FrameTitle(docTitle)).c_str());
}

void CMainFrame::SetMessageText(UINT nPromptID) {
    std::wstring text;
    if (nPromptID == 0)
        text = Text(AFX_IDS_IDLEMESSAGE);
    else if (auto it = m_prompts.find(nPromptID); it != m_prompts.end())
        text = it->second;
    else
        text = Widen(PromptStatusText(nPromptID));
    m_messageText = text;
    SendMessageW(m_hStatusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(m_messageText.c_str()));
}

// ---------------------------------------------------------------------------------------------
// Command enabling

void CMainFrame::OnIdle() {
    if (m_hToolBar != nullptr) {
        const ToolBarResource* resource = FindToolBar(IDR_MAINFRAME);
        for (UINT nID : resource->items) {
            if (nID == ID_SEPARATOR)
                continue;
            const bool bEnabled = m_router.Query(nID).m_bEnabled;
            // Only a change is sent, so that being idle stays quiet.
            if ((SendMessageW(m_hToolBar, TB_ISBUTTONENABLED, nID, 0) != 0) != bEnabled)
                SendMessageW(m_hToolBar, TB_ENABLEBUTTON, nID,
                             MAKELPARAM(bEnabled ? TRUE : FALSE, 0));
        }
    }
    UpdateLockIndicators();
}

void CMainFrame::OnInitMenuPopup(HMENU hMenu) {
    const int count = GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        const UINT nID = GetMenuItemID(hMenu, i);
        if (nID == 0 || nID == static_cast<UINT>(-1))
            continue;
        const CCmdUI state = m_router.Query(nID);
        EnableMenuItem(hMenu, nID, MF_BYCOMMAND | (state.m_bEnabled ? MF_ENABLED : MF_GRAYED));
        if (state.m_nCheck >= 0)
            CheckMenuItem(hMenu, nID,
                          MF_BYCOMMAND | (state.m_nCheck == 1 ? MF_CHECKED : MF_UNCHECKED));
    }
}

// The message pane shows the prompt of the highlighted item, the system menu's among them, and
// the idle text again once the menu closes.
void CMainFrame::OnMenuSelect(UINT nItem, UINT nFlags) {
    if (nFlags == 0xFFFF || (nFlags & (MF_POPUP | MF_SEPARATOR)) != 0) {
        SetMessageText(0);
        return;
    }
    if ((nFlags & MF_SYSMENU) != 0 && nItem >= kFirstSystemCommand) {
        const UINT nPrompt = AFX_IDS_SCSIZE + ((nItem - kFirstSystemCommand) >> 4);
        const char* text = FindString(nPrompt);
        m_messageText = text != nullptr ? Widen(text) : std::wstring();
        SendMessageW(m_hStatusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(m_messageText.c_str()));
        return;
    }
    SetMessageText(nItem);
}

LRESULT CMainFrame::OnNotify(const NMHDR* pHeader) {
    if (pHeader->code == TTN_GETDISPINFOW) {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(pHeader));
        auto it = m_tooltips.find(static_cast<UINT>(pHeader->idFrom));
        if (it != m_tooltips.end())
            pInfo->lpszText = const_cast<wchar_t*>(it->second.c_str());
        return 0;
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
        OnIdle();
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
        return DefWindowProcW(hWnd, message, wParam, lParam);
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

// ---------------------------------------------------------------------------------------------
// Lock-key indicators

// Each pane shows its text while its key's light is on, as the keyboard's own state says.
void CMainFrame::UpdateLockIndicators() {
    if (m_hStatusBar == nullptr)
        return;
    const int keys[] = {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};
    for (int i = 0; i < 3; ++i) {
        const bool bLit = (GetKeyState(keys[i]) & 1) != 0;
        const std::wstring text = bLit ? Text(indicators[i + 1]) : std::wstring();
        wchar_t shown[16] = {};
        if (LOWORD(SendMessageW(m_hStatusBar, SB_GETTEXTLENGTHW, i + 1, 0)) < 16)
            SendMessageW(m_hStatusBar, SB_GETTEXTW, i + 1, reinterpret_cast<LPARAM>(shown));
        if (text != shown)
            SendMessageW(m_hStatusBar, SB_SETTEXTW, i + 1, reinterpret_cast<LPARAM>(text.c_str()));
    }
}
