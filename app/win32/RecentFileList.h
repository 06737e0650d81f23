// The recent-file list in the registry: the last few documents, newest first, under the
// current user's key for the program. The menu shows no such list; the list is only kept.
#pragma once

#include <string>
#include <vector>

class CRecentFileList {
public:
    // Reads the list from the registry; writes go back at once.
    void ReadList();
    // Puts the file first, dropping an older mention of it and whatever no longer fits.
    void Add(const std::wstring& path);

private:
    void WriteList() const;

    std::vector<std::string> m_files; // UTF-8
};
