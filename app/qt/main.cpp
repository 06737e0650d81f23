// The program's entry: the desktop's shell, then the application.
#include "CommandLineInfo.h"
#include "Zeltaro.h"
#include "platform/qt/QtApplication.h"
#include "platform/qt/QtShell.h"

#include <cstdio>
#include <cstring>

namespace {

// Whether Qt would find no display to open the window on: none in the environment, and no
// platform asked for by name.
bool FindsNoDisplay(int argc, const char* const argv[]) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return false;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // Help and the version print and end, so they are answered without a display too.
    if (AsksForTextOnly(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "minimal");
    } else if (FindsNoDisplay(argc, argv)) {
        // Qt would abort, suggesting a reinstall; the player is told the way that works.
        std::fputs("zeltaro: there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "to play served over VNC, run zeltaro-vnc\n",
                   stderr);
        return 1;
    }
    // Qt asks whether a screen reader is on only as it starts; with the bridge kept on, one that
    // comes later is heard too. It sends nothing while no reader listens.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QtApplication qtApp(argc, argv);

    QtShell shell;
    CZeltaroApp theApp(shell);
    if (!theApp.InitInstance(QCoreApplication::arguments()))
        return theApp.ExitCode();
    return QtApplication::exec();
}
