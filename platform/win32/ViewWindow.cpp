// Hosting a view in a Win32 child window.
#include "ViewWindow.h"

#include "TemplateDialog.h"
#include "Utf.h"
#include "Win32DC.h"

#include <algorithm>
#include <cmath>

namespace {

const wchar_t kClassName[] = L"ZeltaroView";

// The keys that play on the board, with no modifier held, so that Ctrl+P and its kind stay the
// menu's.
bool IsBoardKey(WPARAM wParam) {
    constexpr WPARAM kKeys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE, VK_RETURN};
    const bool bModified =
        GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0 || GetKeyState(VK_SHIFT) < 0;
    return !bModified && std::find(std::begin(kKeys), std::end(kKeys), wParam) != std::end(kKeys);
}

ATOM RegisterViewClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // The second press of a double-click arrives as a message of its own, which the view
    // ignores: a double-click takes one item, not two.
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    // Repainted areas are erased to white, whatever the desktop's colours: removed items are
    // white discs, which on any other background would stay in sight.
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc);
}

} // namespace

ViewWindow::ViewWindow(CView& view) : m_view(view) { m_view.SetHost(this); }

ViewWindow::~ViewWindow() {
    m_view.SetHost(nullptr);
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
}

bool ViewWindow::Create(HWND hParent, UINT nID) {
    static const ATOM atom = RegisterViewClass();
    if (atom == 0)
        return false;
    m_hWnd = CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                             0, 0, 0, 0, hParent, reinterpret_cast<HMENU>(UINT_PTR{nID}),
                             GetModuleHandleW(nullptr), nullptr);
    if (m_hWnd == nullptr)
        return false;
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ViewWindow::WindowProc));
    return true;
}

double ViewWindow::Scale() const {
    const UINT dpi = m_hWnd != nullptr ? GetDpiForWindow(m_hWnd) : 0;
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

LRESULT CALLBACK ViewWindow::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ViewWindow*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(hWnd, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT ViewWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(wParam, lParam);
        return 0;
    case WM_SETFOCUS:
        m_view.OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        m_view.OnKillFocus();
        return 0;
    case WM_NCDESTROY: {
        // The last message: nothing reaches this object through the window any more.
        HWND hWnd = m_hWnd;
        SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
        m_hWnd = nullptr;
        return DefWindowProcW(hWnd, message, wParam, lParam);
    }
    default:
        return DefWindowProcW(m_hWnd, message, wParam, lParam);
    }
}

void ViewWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(m_hWnd, &ps);
    {
        Win32DC dc(hdc, Scale());
        m_view.OnDraw(&dc);
    }
    EndPaint(m_hWnd, &ps);
}

// The pixel that the pointer is in is the one it points at: the view's pixel is found by
// flooring, so the last device pixels of a square never reach its excluded edge.
void ViewWindow::OnLButtonDown(LPARAM lParam) {
    SetFocus(m_hWnd);
    const double scale = Scale();
    const CPoint point(static_cast<int>(std::floor(GET_X_LPARAM(lParam) / scale)),
                       static_cast<int>(std::floor(GET_Y_LPARAM(lParam) / scale)));
    m_view.OnMouseDown();
    m_view.OnLButtonDown(MK_LBUTTON, point);
}

// Each press takes once, as each click does: a held Space does not run into the limit.
void ViewWindow::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    const bool bTakes = wParam == VK_SPACE || wParam == VK_RETURN;
    const bool bRepeat = (lParam & (1L << 30)) != 0;
    if (IsBoardKey(wParam) && !(bTakes && bRepeat))
        m_view.OnKeyDown(static_cast<UINT>(wParam), 1, 0);
}

// The view's rectangle, grown outwards to whole device pixels.
void ViewWindow::InvalidateRect(const CRect* rect, bool bErase) {
    if (m_hWnd == nullptr)
        return;
    const double scale = Scale();
    RECT device{};
    if (rect != nullptr)
        device = {static_cast<LONG>(std::floor(rect->left * scale)),
                  static_cast<LONG>(std::floor(rect->top * scale)),
                  static_cast<LONG>(std::ceil(rect->right * scale)),
                  static_cast<LONG>(std::ceil(rect->bottom * scale))};
    ::InvalidateRect(m_hWnd, rect != nullptr ? &device : nullptr, bErase);
}

int ViewWindow::MessageBox(const std::string& text, const std::string& caption, UINT nType) {
    return MessageBoxW(GetAncestor(m_hWnd, GA_ROOT), Widen(text).c_str(), Widen(caption).c_str(),
                       nType);
}

int ViewWindow::RunModal(CDialog& dialog) {
    return TemplateDialog::Run(dialog, GetAncestor(m_hWnd, GA_ROOT));
}
