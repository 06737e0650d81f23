// Failed invariant checks.
#include "Assert.h"

#include <cstdio>
#include <cstdlib>

namespace {
AssertHandler g_handler = nullptr;
}

AssertHandler SetAssertHandler(AssertHandler handler) {
    AssertHandler previous = g_handler;
    g_handler = handler;
    return previous;
}

void AssertFailedDefault(const char* expr, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, expr);
    std::abort();
}

void AssertFailed(const char* expr, const char* file, int line) {
    if (g_handler != nullptr)
        g_handler(expr, file, line);
    else
        AssertFailedDefault(expr, file, line);
}
