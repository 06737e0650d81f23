// The program's entry: the desktop's shell, then the application.
#include "VncLoopback.h"
#include "Zeltaro.h"
#include "frame/MainFrm.h"
#include "platform/qt/FirstPaintProbe.h"
#include "platform/qt/QtShell.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    KeepVncServerOnLoopback();

    QtShell shell;
    CZeltaroApp theApp(shell);
    if (!theApp.InitInstance(QCoreApplication::arguments()))
        return 1;
    WatchFirstPaint(theApp.MainFrame());
    return QApplication::exec();
}
