// The program's entry: the desktop's shell, then the application.
#include "Zeltaro.h"
#include "platform/qt/QtShell.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);

    QtShell shell;
    CZeltaroApp theApp(shell);
    if (!theApp.InitInstance(QCoreApplication::arguments()))
        return 1;
    return QApplication::exec();
}
