// Telling regular files from what only looks like one, by the type alone.
#include "SpecialFile.h"

#include "app/DocumentRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool IsSpecialFile(const QString& path) {
    // stat follows links, so a link is judged by what it points to; a path that cannot be looked
    // at is left to whoever opens it, to report in its own words.
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

QString SpecialFileReason() { return QString::fromStdString(NotRegularFileReason()); }

namespace {

// Links are followed to the file they name, as far as they go, even to one not there yet.
QString FinalTarget(const QString& path) {
    QFileInfo info(path);
    for (int hops = 0; info.isSymLink() && hops < 40; ++hops)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

QString ErrnoText() { return QString::fromLocal8Bit(std::strerror(errno)); }

// A new file beside the target, with the content, synced to the disk: the part of the save that
// takes its time. Made as the user's new files are (the umask applies), or with the mode of the
// file it is to replace. Its name, or an empty one with the reason in *pError.
QByteArray WriteBeside(const QByteArray& target, const QByteArray& content, const struct stat* old,
                       QString* pError) {
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).path());
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = folder + "/.zeltaro-save-" +
                          QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            break;
        bool bWritten = (old == nullptr || ::fchmod(fd, old->st_mode & 07777) == 0) &&
                        ::write(fd, content.constData(), content.size()) == content.size() &&
                        ::fsync(fd) == 0;
        if (!bWritten)
            *pError = ErrnoText();
        if (::close(fd) != 0 && bWritten) {
            *pError = ErrnoText();
            bWritten = false;
        }
        if (bWritten)
            return name;
        ::unlink(name.constData());
        return {};
    }
    *pError = ErrnoText();
    return {};
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Why the name holds something else than at first.
QString ChangedReason(const QByteArray& target) {
    struct stat now {};
    if (::lstat(target.constData(), &now) == 0 && !S_ISREG(now.st_mode))
        return SpecialFileReason();
    return QStringLiteral("файлът беше подменен по време на записа");
}

// The commit over the file that was there: the new file and the name's entry trade places in
// one step, and what came out is looked at. Anything but the file first seen goes back at once,
// and nothing is lost. Where the file system cannot trade places, the name is looked at once
// more just before rename() replaces it; that leaves the few microseconds between the two calls.
// Whether the save is done; *pbTempOurs tells whether the temporary name still holds the new
// file or the replaced one, which are removed, rather than what a second swap left there.
bool CommitOver(const QByteArray& temp, const QByteArray& target, const struct stat& first,
                bool* pbTempOurs) {
    struct stat out {};
    *pbTempOurs = true;
    if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) ==
        0) {
        if (::lstat(temp.constData(), &out) == 0 && S_ISREG(out.st_mode) && SameFile(out, first))
            return true;
        *pbTempOurs = ::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(),
                                  RENAME_EXCHANGE) == 0;
        return false;
    }
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    return ::lstat(target.constData(), &out) == 0 && S_ISREG(out.st_mode) && SameFile(out, first) &&
           ::rename(temp.constData(), target.constData()) == 0;
}

// The commit to a free name, which fails as a whole when anything has taken the name since.
bool CommitNew(const QByteArray& temp, const QByteArray& target) {
    if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    return (errno == EINVAL || errno == ENOSYS) &&
           ::link(temp.constData(), target.constData()) == 0;
}

} // namespace

bool ReplaceRegularFile(const QString& path, const QByteArray& content, QString* pError) {
    const QByteArray target = QFile::encodeName(FinalTarget(path));
    struct stat first {};
    const bool bExists = ::stat(target.constData(), &first) == 0;
    if (bExists && !S_ISREG(first.st_mode)) {
        *pError = SpecialFileReason();
        return false;
    }
    const QByteArray temp = WriteBeside(target, content, bExists ? &first : nullptr, pError);
    if (temp.isEmpty())
        return false;
    bool bTempOurs = true;
    const bool bCommitted =
        bExists ? CommitOver(temp, target, first, &bTempOurs) : CommitNew(temp, target);
    if (!bCommitted)
        *pError = errno == EEXIST || bExists ? ChangedReason(target) : ErrnoText();
    if (bTempOurs)
        ::unlink(temp.constData());
    return bCommitted;
}
