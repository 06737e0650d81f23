// The recent-file list: the last few documents, newest first, kept in the user's settings.
#pragma once

#include <QStringList>

class CSettingsStore;

class CRecentFileList {
public:
    explicit CRecentFileList(const CSettingsStore* pStore) : m_pStore(pStore) {}

    // Reads the list from the settings store; writes go back at once. A store that this run
    // leaves alone gives an empty list and keeps none.
    void ReadList();
    // Puts the file first, dropping an older mention of it and whatever no longer fits.
    void Add(const QString& path);

    const QStringList& Files() const { return m_files; }

private:
    void WriteList() const;

    const CSettingsStore* m_pStore;
    QStringList m_files;
};
