// The shell's "open", with no parameters and no working directory of its own.
#include "Win32Shell.h"

#include "Utf.h"
#include "Win32.h"

// Whatever the shell has to say goes over the window the request came from.
bool Win32Shell::Open(const std::string& path) {
    const HINSTANCE result = ShellExecuteW(GetActiveWindow(), L"open", Widen(path).c_str(), nullptr,
                                           nullptr, SW_SHOWNORMAL);
    // The shell's codes above 32 mean that it took the request.
    return reinterpret_cast<INT_PTR>(result) > 32;
}
