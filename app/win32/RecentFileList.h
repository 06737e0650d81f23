// The recent-file list in the registry: the last few documents, newest first, under the
// current user's key for the program.
#pragma once

#include <string>
#include <vector>

class CRecentFileList {
public:
    // The list's key below HKEY_CURRENT_USER.
    static std::wstring KeyPath();

    // Reads the list from the registry; writes go back at once.
    void ReadList();
    // Puts the file first, dropping an older mention of it and whatever no longer fits.
    void Add(const std::wstring& path);

    const std::vector<std::string>& Files() const { return m_files; } // UTF-8

private:
    void WriteList() const;

    std::vector<std::string> m_files;
};
