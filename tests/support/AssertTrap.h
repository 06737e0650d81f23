// Stands between a window and its host while it lives: collects the window's failed invariant
// checks instead of stopping the program, so that a test can fail on them and say where, and
// passes everything else on to the host.
#pragma once

#include "platform/Window.h"

#include <string>
#include <vector>

class AssertTrap final : public IWndHost {
public:
    AssertTrap(CWnd& wnd, IWndHost& host) : m_wnd(wnd), m_host(host) { wnd.SetHost(this); }
    ~AssertTrap() override { m_wnd.SetHost(&m_host); }
    AssertTrap(const AssertTrap&) = delete;
    AssertTrap& operator=(const AssertTrap&) = delete;

    bool Failed() const { return !m_failures.empty(); }
    std::string First() const { return Failed() ? m_failures.front() : std::string(); }

    void InvalidateRect(const CRect* rect, bool bErase) override {
        m_host.InvalidateRect(rect, bErase);
    }
    int MessageBox(const std::string& text, const std::string& caption, UINT nType) override {
        return m_host.MessageBox(text, caption, nType);
    }
    int RunModal(CDialog& dialog) override { return m_host.RunModal(dialog); }
    void AssertFailed(const char* expr, const char* file, int line) override {
        m_failures.push_back(std::string(file) + ":" + std::to_string(line) + ": " + expr);
    }

private:
    CWnd& m_wnd;
    IWndHost& m_host;
    std::vector<std::string> m_failures;
};
