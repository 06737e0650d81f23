// The child window that shows a view: it forwards paints, left clicks, keys and the focus to
// it, and carries out the view's repaint requests, message boxes and dialogs. The view works
// in its own pixels; at a screen scale above 100% the window enlarges them, as the Qt build
// does, and a click is taken back to the view's pixel that it fell in.
#pragma once

#include "platform/Window.h"

#include "Win32.h"

class ViewWindow : public IWndHost {
public:
    explicit ViewWindow(CView& view);
    ~ViewWindow() override;
    ViewWindow(const ViewWindow&) = delete;
    ViewWindow& operator=(const ViewWindow&) = delete;

    // Makes the window inside the frame; false when the system refuses.
    bool Create(HWND hParent, UINT nID);
    HWND Handle() const { return m_hWnd; }

    void InvalidateRect(const CRect* rect, bool bErase) override;
    int MessageBox(const std::string& text, const std::string& caption, UINT nType) override;
    int RunModal(CDialog& dialog) override;

    // The room that the board and its texts take, in the view's pixels.
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 320;

    // How many device pixels one of the view's pixels takes on this window's screen.
    double Scale() const;

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnLButtonDown(LPARAM lParam);
    void OnKeyDown(WPARAM wParam, LPARAM lParam);

    CView& m_view;
    HWND m_hWnd = nullptr;
};
