// The program's entry: the desktop's shell, then the application.
#include "CommandLineInfo.h"
#include "Zeltaro.h"
#include "platform/qt/QtShell.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Help and the version print and end, so they are answered without a display too.
    if (AsksForTextOnly(argc, argv))
        qputenv("QT_QPA_PLATFORM", "minimal");
    QApplication qtApp(argc, argv);

    QtShell shell;
    CZeltaroApp theApp(shell);
    if (!theApp.InitInstance(QCoreApplication::arguments()))
        return theApp.ExitCode();
    return QApplication::exec();
}
