// The recent-file list as values File1 to File4 of its own registry key.
#include "RecentFileList.h"

#include "app/RecentFileRules.h"
#include "platform/win32/Utf.h"
#include "resources/StringTable.h"
#include "resources/resource.h"

#include "platform/win32/Win32.h"

std::wstring CRecentFileList::KeyPath() {
    return L"Software\\" + Widen(kRegistryKey) + L"\\" + Widen(FindString(AFX_IDS_APP_TITLE)) +
           L"\\" + Widen(kRecentFileSection);
}

void CRecentFileList::ReadList() {
    m_files.clear();
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath().c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return;
    for (int n = 1; n <= kRecentFileCount; ++n) {
        wchar_t value[MAX_PATH * 4] = {};
        DWORD size = sizeof value - sizeof(wchar_t);
        DWORD type = 0;
        if (RegQueryValueExW(hKey, Widen(RecentFileEntry(n)).c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
            type == REG_SZ && value[0] != L'\0')
            m_files.push_back(Narrow(value));
    }
    RegCloseKey(hKey);
}

void CRecentFileList::Add(const std::wstring& path) {
    AddRecentFile(m_files, Narrow(path), kRecentFileCount);
    WriteList();
}

void CRecentFileList::WriteList() const {
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &hKey, nullptr) != ERROR_SUCCESS)
        return;
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const std::wstring name = Widen(RecentFileEntry(n));
        if (static_cast<std::size_t>(n) <= m_files.size()) {
            const std::wstring value = Widen(m_files[static_cast<std::size_t>(n) - 1]);
            RegSetValueExW(hKey, name.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteValueW(hKey, name.c_str());
        }
    }
    RegCloseKey(hKey);
}
