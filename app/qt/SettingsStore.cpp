// The per-user settings file, and what start-up does when it is not what the settings need.
#include "SettingsStore.h"

#include "SpecialFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

namespace {

// Whether Qt takes in the line as it is: a blank line, a ";" comment, a [section] or a
// key=value line of text.
bool QtKeepsLine(QStringView line) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(u';'))
        return true;
    if (std::any_of(line.begin(), line.end(),
                    [](QChar c) { return c != u'\t' && c.category() == QChar::Other_Control; }))
        return false;
    if (line.startsWith(u'['))
        return line.endsWith(u']');
    // A quote left open runs on into the lines after it.
    const qsizetype quotes = line.count(u'"') - line.count(u"\\\"");
    return line.contains(u'=') && quotes % 2 == 0;
}

// Whether Qt reads every line of the file. What it cannot read (a line of binary, a stray word,
// an open quote) it drops without a word, and its next write leaves out the lost lines for good.
bool QtReadsWhole(const QByteArray& content) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(content);
    if (utf8.hasError())
        return false;
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    return std::all_of(lines.cbegin(), lines.cend(), QtKeepsLine);
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
    if (file.open(QIODevice::ReadOnly) && !QtReadsWhole(file.readAll()))
        return KeepUnreadable();
    return QString();
}

// Qt writes back only what it understood, so the user's file is copied aside first. Where the
// copy cannot be made, say because an earlier one is in the way, nothing is written this run.
QString CSettingsStore::KeepUnreadable() {
    const QString kept = m_path + QStringLiteral(".unreadable");
    if (QFile::copy(m_path, kept)) {
        return QStringLiteral("файлът с настройки „%1“ не може да бъде разчетен; запазен е като "
                              "„%2“")
            .arg(m_path, kept);
    }
    QString message = QStringLiteral("файлът с настройки „%1“ не може да бъде разчетен, "
                                     "нито запазен като „%2“; настройките не се записват")
                          .arg(m_path, kept);
    m_path.clear();
    return message;
}

std::unique_ptr<QSettings> CSettingsStore::Settings() const {
    if (m_path.isEmpty())
        return nullptr;
    return std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}
