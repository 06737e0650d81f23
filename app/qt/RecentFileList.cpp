// The recent-file list in the settings store, as keys File1 to FileN of its own section.
#include "RecentFileList.h"

#include "SettingsStore.h"

#include <QSettings>

#include <utility>

CRecentFileList::CRecentFileList(const CSettingsStore* pStore, QString section, int nSize)
    : m_pStore(pStore), m_section(std::move(section)), m_nSize(nSize) {}

QString CRecentFileList::Key(int n) const {
    return m_section + QStringLiteral("/File") + QString::number(n);
}

void CRecentFileList::ReadList() {
    m_files.clear();
    const std::unique_ptr<QSettings> settings = m_pStore->Settings();
    if (settings == nullptr)
        return;
    for (int n = 1; n <= m_nSize; ++n) {
        const QString path = settings->value(Key(n)).toString();
        if (!path.isEmpty())
            m_files.append(path);
    }
}

void CRecentFileList::Add(const QString& path) {
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > m_nSize)
        m_files.removeLast();
    WriteList();
}

void CRecentFileList::WriteList() const {
    const std::unique_ptr<QSettings> settings = m_pStore->Settings();
    if (settings == nullptr)
        return;
    for (int n = 1; n <= m_nSize; ++n) {
        if (n <= m_files.size())
            settings->setValue(Key(n), m_files.at(n - 1));
        else
            settings->remove(Key(n));
    }
}
