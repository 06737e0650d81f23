// The program's entry: the windowing system's dialogs and shell, then the application.
#include "VncLoopback.h"
#include "Zeltaro.h"
#include "frame/MainFrm.h"
#include "platform/Dialog.h"
#include "platform/qt/FirstPaintProbe.h"
#include "platform/qt/QtModalRunner.h"
#include "platform/qt/QtShell.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    KeepVncServerOnLoopback();

    QtShell shell;
    SetShell(&shell);
    QtModalRunner runner;
    CDialog::SetModalRunner(&runner);

    CZeltaroApp theApp;
    if (!theApp.InitInstance(QCoreApplication::arguments()))
        return theApp.ExitCode();
    runner.SetOwner(theApp.MainFrame());
    runner.SetIcon(QApplication::windowIcon());
    WatchFirstPaint(theApp.MainFrame());
    return QApplication::exec();
}
