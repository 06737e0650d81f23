// The recent-file list in the settings store, as keys File1 to FileN of its own section.
#include "RecentFileList.h"

#include "SettingsStore.h"
#include "app/RecentFileRules.h"

#include <QSettings>

namespace {

QString Key(int n) {
    return QString::fromLatin1(kRecentFileSection) + QLatin1Char('/') +
           QString::fromStdString(RecentFileEntry(n));
}

} // namespace

void CRecentFileList::ReadList() {
    m_files.clear();
    const std::unique_ptr<QSettings> settings = m_pStore->Settings();
    if (settings == nullptr)
        return;
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const QString path = settings->value(Key(n)).toString();
        if (!path.isEmpty())
            m_files.append(path);
    }
}

void CRecentFileList::Add(const QString& path) {
    std::vector<std::string> files;
    for (const QString& file : m_files)
        files.push_back(file.toStdString());
    AddRecentFile(files, path.toStdString(), kRecentFileCount);
    m_files.clear();
    for (const std::string& file : files)
        m_files.append(QString::fromStdString(file));
    WriteList();
}

void CRecentFileList::WriteList() const {
    const std::unique_ptr<QSettings> settings = m_pStore->Settings();
    if (settings == nullptr)
        return;
    for (int n = 1; n <= kRecentFileCount; ++n) {
        if (n <= m_files.size())
            settings->setValue(Key(n), m_files.at(n - 1));
        else
            settings->remove(Key(n));
    }
}
