// The program's entry: the desktop's shell, then the application.
#include "CommandLineInfo.h"
#include "Zeltaro.h"
#include "platform/qt/QtShell.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Help and the version print and end, so they are answered without a display too.
    if (AsksForTextOnly(argc, argv))
        qputenv("QT_QPA_PLATFORM", "minimal");
    // Qt asks whether a screen reader is on only as it starts; with the bridge kept on, one that
    // comes later is heard too. It sends nothing while no reader listens.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication qtApp(argc, argv);

    QtShell shell;
    CZeltaroApp theApp(shell);
    if (!theApp.InitInstance(QCoreApplication::arguments()))
        return theApp.ExitCode();
    return QApplication::exec();
}
