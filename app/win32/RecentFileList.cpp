// The recent-file list as values File1 to File4 of its own registry key.
#include "RecentFileList.h"

#include "app/RecentFileRules.h"
#include "platform/win32/Utf.h"
#include "resources/StringTable.h"
#include "resources/resource.h"

#include "platform/win32/Win32.h"

namespace {

// The list's key below HKEY_CURRENT_USER.
std::wstring KeyPath() {
    return L"Software\\" + Widen(kRegistryKey) + L"\\" + Widen(FindString(AFX_IDS_APP_TITLE)) +
           L"\\" + Widen(kRecentFileSection);
}

} // namespace

void CRecentFileList::ReadList() {
    m_files.clear();
    for (int n = 1; n <= kRecentFileCount; ++n) {
        wchar_t value[MAX_PATH * 4] = {};
        DWORD size = sizeof value;
        if (RegGetValueW(HKEY_CURRENT_USER, KeyPath().c_str(), Widen(RecentFileEntry(n)).c_str(),
                         RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS &&
            value[0] != L'\0')
            m_files.push_back(Narrow(value));
    }
}

void CRecentFileList::Add(const std::wstring& path) {
    AddRecentFile(m_files, Narrow(path), kRecentFileCount);
    WriteList();
}

// The entries past the list's end are removed, so that none outlives its place.
void CRecentFileList::WriteList() const {
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const std::wstring name = Widen(RecentFileEntry(n));
        if (static_cast<std::size_t>(n) > m_files.size()) {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, KeyPath().c_str(), name.c_str());
            continue;
        }
        const std::wstring value = Widen(m_files[static_cast<std::size_t>(n) - 1]);
        RegSetKeyValueW(HKEY_CURRENT_USER, KeyPath().c_str(), name.c_str(), REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
}
