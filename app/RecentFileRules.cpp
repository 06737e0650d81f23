// How a file joins the recent-file list.
#include "RecentFileRules.h"

#include <algorithm>

std::string RecentFileEntry(int n) { return "File" + std::to_string(n); }

void AddRecentFile(std::vector<std::string>& files, const std::string& path, int nSize) {
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    files.insert(files.begin(), path);
    if (files.size() > static_cast<std::size_t>(std::max(nSize, 0)))
        files.resize(static_cast<std::size_t>(std::max(nSize, 0)));
}
