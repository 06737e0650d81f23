// The program's entry: the windowing system's dialogs and shell, then the application.
#include "Zeltaro.h"
#include "frame/MainFrm.h"
#include "platform/Dialog.h"
#include "platform/qt/QtModalRunner.h"
#include "platform/qt/QtShell.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);

    QtShell shell;
    SetShell(&shell);
    QtModalRunner runner;
    CDialog::SetModalRunner(&runner);

    CZeltaroApp theApp;
    if (!theApp.InitInstance(QCoreApplication::arguments()))
        return 1;
    runner.SetOwner(theApp.MainFrame());
    runner.SetIcon(QApplication::windowIcon());
    return QApplication::exec();
}
