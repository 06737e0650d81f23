// The document's file handling on Win32: opening reads nothing, saving writes an empty file.
#include "ZeltaroDoc.h"

#include "app/DocumentRules.h"
#include "platform/win32/Utf.h"
#include "resources/StringTable.h"
#include "resources/resource.h"

namespace {

const CommandEntry<CZeltaroDoc> kCommandMap[] = {{ID_FILE_SAVE, &CZeltaroDoc::OnFileSave, nullptr}};

// The system's own words for its last error, without the line break that ends them.
std::wstring LastErrorText() {
    wchar_t text[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   GetLastError(), 0, text, 512, nullptr);
    const std::wstring message(text);
    return message.substr(0, message.find_last_not_of(L"\r\n") + 1);
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
    return full;
}

} // namespace

// The system turns a device's name into a path of the device namespace (\\.\NUL), whatever
// folder it is put in; pipes live there too. A long path (\\?\C:\..., \\?\UNC\...) names
// a file all the same. What is left is judged by what the file system says it is.
bool CZeltaroDoc::IsSpecialFile(const std::wstring& path) {
    const std::wstring full = FullPath(path);
    if (full.rfind(L"\\\\.\\", 0) == 0)
        return true;
    if (full.rfind(L"\\\\?\\", 0) == 0) {
        const std::wstring rest = full.substr(4);
        const bool bDrive = rest.size() >= 2 && rest[1] == L':';
        if (!bDrive && rest.rfind(L"UNC\\", 0) != 0)
            return true;
    }
    const DWORD attributes = GetFileAttributesW(full.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false; // nothing there yet, or nothing to be looked at: the opener reports it
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return true;
    HANDLE hFile =
        CreateFileW(full.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    const bool bDisk = GetFileType(hFile) == FILE_TYPE_DISK;
    CloseHandle(hFile);
    return !bDisk;
}

bool CZeltaroDoc::OnNewDocument() {
    SetPathName(std::wstring());
    return true;
}

bool CZeltaroDoc::OnOpenDocument(const std::wstring& path, std::wstring* pError) {
    if (IsSpecialFile(path)) {
        *pError = Widen(NotRegularFileReason());
        return false;
    }
    // Opening proves the file is there and readable; the document has nothing to read.
    HANDLE hFile = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        *pError = LastErrorText();
        return false;
    }
    CloseHandle(hFile);
    SetPathName(FullPath(path));
    return true;
}

bool CZeltaroDoc::OnSaveDocument(const std::wstring& path, std::wstring* pError) {
    // A save would put a regular file in place of a device, a pipe or a folder.
    if (IsSpecialFile(path)) {
        *pError = Widen(NotRegularFileReason());
        return false;
    }
    const std::wstring full = FullPath(path);
    wchar_t temp[MAX_PATH + 1] = {};
    if (GetTempFileNameW(full.substr(0, full.find_last_of(L'\\')).c_str(), L"zel", 0, temp) == 0) {
        *pError = LastErrorText();
        return false;
    }
    // The document is empty: the new file is complete as soon as it exists.
    if (!MoveFileExW(temp, full.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        *pError = LastErrorText();
        DeleteFileW(temp);
        return false;
    }
    return true;
}

void CZeltaroDoc::OnFileSave() {
    const std::wstring path = PromptSaveFileName();
    if (path.empty())
        return;
    std::wstring error;
    if (OnSaveDocument(path, &error))
        SetPathName(FullPath(path));
    else
        MessageBoxW(m_hOwner, Widen(SaveFailedText(Narrow(path), Narrow(error))).c_str(),
                    Widen(FindString(AFX_IDS_APP_TITLE)).c_str(), MB_OK | MB_ICONWARNING);
}

// No file type of the program's own: no filter and no extension added to the name.
std::wstring CZeltaroDoc::PromptSaveFileName() const {
    // Room for the longest path the system knows, and the proposed name at its start.
    std::wstring buffer = m_strPathName.empty() ? Widen(GetTitle()) : m_strPathName;
    buffer.resize(32768);
    const std::wstring title = Widen(kSaveAsCaption);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hOwner;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetSaveFileNameW(&ofn))
        return {};
    return buffer.substr(0, buffer.find(L'\0'));
}

std::string CZeltaroDoc::GetTitle() const {
    // The name after the last separator; npos + 1 keeps all of a name that has none.
    return DocumentTitle(Narrow(m_strPathName.substr(m_strPathName.find_last_of(L"\\/") + 1)));
}

void CZeltaroDoc::SetPathName(const std::wstring& path) {
    m_strPathName = path;
    if (m_onPathNameChanged)
        m_onPathNameChanged();
}

bool CZeltaroDoc::OnCommand(UINT nID) { return DispatchCommand(*this, kCommandMap, nID); }

bool CZeltaroDoc::OnUpdateCommand(CCmdUI* pCmdUI) {
    return DispatchUpdate(*this, kCommandMap, pCmdUI);
}
