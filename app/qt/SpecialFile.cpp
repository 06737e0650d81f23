// Telling regular files from what only looks like one, by the type alone.
#include "SpecialFile.h"

#include "app/DocumentRules.h"

#include <QFile>

#include <sys/stat.h>

bool IsSpecialFile(const QString& path) {
    // stat follows links, so a link is judged by what it points to; a path that cannot be looked
    // at is left to whoever opens it, to report in its own words.
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

QString SpecialFileReason() { return QString::fromStdString(NotRegularFileReason()); }
