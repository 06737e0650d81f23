// The host of a window that has none, and the default report of a failed check.
#include "Window.h"

#include <cstdio>
#include <cstdlib>

namespace {

class NoHost final : public IWndHost {
public:
    void InvalidateRect(const CRect*, bool) override {}
    int MessageBox(const std::string&, const std::string&, UINT) override { return IDOK; }
    int RunModal(CDialog&) override { return IDCANCEL; }
};

} // namespace

IWndHost& IWndHost::None() {
    static NoHost host;
    return host;
}

void IWndHost::AssertFailed(const char* expr, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, expr);
    std::abort();
}
