// Checks of the program's own invariants; a failed check reports where and stops, unless a
// test has installed a handler of its own.
#pragma once

using AssertHandler = void (*)(const char* expr, const char* file, int line);

// Installs a handler for failed checks and returns the previous one (null: report and abort).
AssertHandler SetAssertHandler(AssertHandler handler);
[[noreturn]] void AssertFailedDefault(const char* expr, const char* file, int line);
void AssertFailed(const char* expr, const char* file, int line);

#define ZASSERT(expr)                                                                              \
    do {                                                                                           \
        if (!(expr))                                                                               \
            AssertFailed(#expr, __FILE__, __LINE__);                                               \
    } while (false)
