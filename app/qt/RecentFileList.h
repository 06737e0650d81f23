// The recent-file list: the last few documents, newest first, kept in the user's settings.
#pragma once

#include <QString>
#include <QStringList>

class CSettingsStore;

class CRecentFileList {
public:
    CRecentFileList(const CSettingsStore* pStore, QString section, int nSize);

    // Reads the list from the settings store; writes go back at once. A store that this run
    // leaves alone gives an empty list and keeps none.
    void ReadList();
    // Puts the file first, dropping an older mention of it and whatever no longer fits.
    void Add(const QString& path);

    const QStringList& Files() const { return m_files; }
    int Size() const { return m_nSize; }

private:
    void WriteList() const;
    QString Key(int n) const;

    const CSettingsStore* m_pStore;
    QString m_section;
    int m_nSize;
    QStringList m_files;
};
