// The per-user settings file, and what start-up does when it is not what the settings need.
#include "SettingsStore.h"

#include "SpecialFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>

namespace {

// Where a copy of an unreadable file goes: beside it, under the first of these names that is
// free, so that an earlier copy is never written over.
constexpr int kKeptCopies = 9;
QString KeptName(const QString& path, int n) {
    return path + QStringLiteral(".unreadable") +
           (n == 1 ? QString() : QStringLiteral(".%1").arg(n));
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What Qt writes of what it reads in the content, in a scratch folder: a file that Qt wrote
// comes back as it was. What Qt drops without a word (a line of binary, a stray word, the rest
// of a line after a semicolon) or reads otherwise than written is missing or changed. Nothing
// when the scratch folder cannot be used.
std::optional<QByteArray> QtRewrite(const QByteArray& content) {
    // The runtime folder is the user's own and, on a desktop, in memory: Qt's care in writing
    // (a lock file, each file synced to the disk) costs nothing there.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QTemporaryDir scratch((QFileInfo(runtime).isDir() ? runtime : QDir::tempPath()) +
                                QStringLiteral("/zeltaro-XXXXXX"));
    QFile read(scratch.filePath(QStringLiteral("read.conf")));
    if (!scratch.isValid() || !read.open(QIODevice::WriteOnly) ||
        read.write(content) != content.size() || !read.flush())
        return std::nullopt;
    const QSettings original(read.fileName(), QSettings::IniFormat);
    const QString written = scratch.filePath(QStringLiteral("written.conf"));
    {
        QSettings rewrite(written, QSettings::IniFormat);
        // A scratch file needs no care against a crash halfway.
        rewrite.setAtomicSyncRequired(false);
        for (const QString& key : original.allKeys())
            rewrite.setValue(key, original.value(key));
        rewrite.sync();
        if (rewrite.status() != QSettings::NoError)
            return std::nullopt;
    }
    return ReadAll(written);
}

} // namespace

QString CSettingsStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/') +
           QCoreApplication::applicationName() + QStringLiteral(".conf");
}

QString CSettingsStore::Open(const QString& path) {
    m_path.clear();
    // Reading a FIFO would wait for a writer, and a save would put a regular file in its place.
    if (IsSpecialFile(path)) {
        return QStringLiteral("настройките не се четат и не се записват: „%1“ %2")
            .arg(path, SpecialFileReason());
    }
    m_path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString(); // none yet: the first write makes it
    const QByteArray content = file.readAll();
    const std::optional<QByteArray> rewritten = QtRewrite(content);
    if (!rewritten) {
        m_path.clear();
        return QStringLiteral("файлът с настройки „%1“ не може да бъде проверен; настройките не "
                              "се записват")
            .arg(path);
    }
    return *rewritten == content ? QString() : KeepUnreadable(*rewritten);
}

// Qt writes back only what it understood, so the user's file is copied aside first. Then the
// file is given what Qt read of it at once, so that the next start finds a file Qt reads whole
// and makes no second copy. Where the copy cannot be made, nothing is written this run.
QString CSettingsStore::KeepUnreadable(const QByteArray& rewritten) {
    for (int n = 1; n <= kKeptCopies; ++n) {
        const QString kept = KeptName(m_path, n);
        if (!QFile::copy(m_path, kept))
            continue;
        QSaveFile file(m_path);
        const bool bRewritten = file.open(QIODevice::WriteOnly) &&
                                file.write(rewritten) == rewritten.size() && file.commit();
        QString message = QStringLiteral("файлът с настройки „%1“ не може да бъде разчетен; "
                                         "запазен е като „%2“")
                              .arg(m_path, kept);
        if (!bRewritten) {
            m_path.clear();
            message += QStringLiteral("; настройките не се записват");
        }
        return message;
    }
    QString message = QStringLiteral("файлът с настройки „%1“ не може да бъде разчетен, "
                                     "нито запазен като „%2“; настройките не се записват")
                          .arg(m_path, KeptName(m_path, 1));
    m_path.clear();
    return message;
}

std::unique_ptr<QSettings> CSettingsStore::Settings() const {
    if (m_path.isEmpty())
        return nullptr;
    return std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}
