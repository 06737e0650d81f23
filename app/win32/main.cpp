// The program's entry on Windows: the command line as the system gives it, then the
// application.
#include "Zeltaro.h"

#include "platform/win32/Win32.h"

int WINAPI WinMain(HINSTANCE /*hInstance*/, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int nShowCmd) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> arguments(argv, argv + argc);
    LocalFree(argv);

    CZeltaroApp theApp;
    if (!theApp.InitInstance(arguments, nShowCmd))
        return 1;
    return theApp.Run();
}
