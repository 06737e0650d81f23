// The document on Win32: it holds none of the game. It has a name for the title, saves as an
// empty file and opens a file without reading it; what is not a regular file it never touches.
#pragma once

#include "platform/Commands.h"

#include "platform/win32/Win32.h"

#include <functional>
#include <string>

class CZeltaroDoc : public CCmdTarget {
public:
    // The Save dialog and its boxes go over the owner, the main window.
    explicit CZeltaroDoc(HWND hOwner = nullptr) : m_hOwner(hOwner) {}

    // A new, unnamed document; the game is set up by the view, not here.
    bool OnNewDocument();
    // Checks that the file can be opened, and reads nothing from it. On failure the reason is
    // in *pError and the document is unchanged.
    bool OnOpenDocument(const std::wstring& path, std::wstring* pError);
    // Writes the empty document beside the file, then puts it in the file's place: the file
    // is replaced whole or not at all.
    bool OnSaveDocument(const std::wstring& path, std::wstring* pError);

    // Save: asks for a file name every time, writes the file, and says so when it cannot.
    void OnFileSave();

    const std::wstring& GetPathName() const { return m_strPathName; }
    std::string GetTitle() const;

    // Told each time the document's name changes: a new document, or the file it now lives in.
    void SetOnPathNameChanged(std::function<void()> fn) { m_onPathNameChanged = std::move(fn); }

    // A device (NUL, CON, COM1), a pipe or a folder: nothing a document is kept in.
    static bool IsSpecialFile(const std::wstring& path);

    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(CCmdUI* pCmdUI) override;

private:
    void SetPathName(const std::wstring& path);
    std::wstring PromptSaveFileName() const;

    HWND m_hOwner;
    std::wstring m_strPathName;
    std::function<void()> m_onPathNameChanged;
};
