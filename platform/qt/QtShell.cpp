// Opening files through the desktop's services.
#include "QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool QtShell::Open(const std::string& path) {
    // The desktop gets an absolute location: it runs the opener in a directory of its own.
    const QFileInfo file(QString::fromStdString(path));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}
