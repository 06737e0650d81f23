// The installed shell.
#include "Shell.h"

namespace {
IShell* g_shell = nullptr;
}

IShell* SetShell(IShell* pShell) {
    IShell* previous = g_shell;
    g_shell = pShell;
    return previous;
}

IShell* Shell() { return g_shell; }

bool ShellOpen(const std::string& path) { return g_shell != nullptr && g_shell->Open(path); }
