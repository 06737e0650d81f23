// The string table. The game's own texts are Bulgarian; the framework's standard prompts keep
// their English wording.
#include "StringTable.h"

#include "resource.h"

#include <string_view>

namespace {

struct StringEntry {
    UINT nID;
    const char* text;
};

const StringEntry kStrings[] = {
    {IDR_MAINFRAME, "Zeltaro\n\nZeltaro\n\n\nZeltaro.Document\nZeltaro Document"},
    {AFX_IDS_APP_TITLE, "Zeltaro"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},
    {AFX_IDS_UNTITLED, "Untitled"},

    {ID_GAME_SETTINGS, "Избери общите настроки\nОбщи настройки"},
    {ID_GAME_START, "Старт\nСтартирай играта"},
    {ID_GAME_PLAY, "Играй\nНаправи ход"},
    {ID_GAME_NEW, "Нова Игра\nНова Игра"},
    {ID_EDIT_UNDO, "Назад\nВърни един ход назад"},
    {ID_APP_ABOUT, "Помощ\nИнформация за програмата"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},

    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    {ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},

    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},

    // Shown by nothing, since the desktop draws the window's system menu, and kept as the
    // table of the window's texts has them.
    {AFX_IDS_SCSIZE, "Change the window size"},
    {AFX_IDS_SCMOVE, "Change the window position"},
    {AFX_IDS_SCMINIMIZE, "Reduce the window to an icon"},
    {AFX_IDS_SCMAXIMIZE, "Enlarge the window to full size"},
    {AFX_IDS_SCNEXTWINDOW, "Switch to the next document window"},
    {AFX_IDS_SCPREVWINDOW, "Switch to the previous document window"},
    {AFX_IDS_SCCLOSE, "Close the active window and prompts to save the documents"},
    {AFX_IDS_SCRESTORE, "Restore the window to normal size"},
    {AFX_IDS_SCTASKLIST, "Activate Task List"},
};

// The n-th line-separated field of s; empty when s has fewer fields.
std::string Field(const char* s, int n) {
    std::string_view rest = s != nullptr ? s : "";
    for (; n > 0; --n) {
        const std::string_view::size_type end = rest.find('\n');
        if (end == std::string_view::npos)
            return {};
        rest.remove_prefix(end + 1);
    }
    return std::string(rest.substr(0, rest.find('\n')));
}

} // namespace

const char* FindString(UINT nID) {
    for (const StringEntry& entry : kStrings) {
        if (entry.nID == nID)
            return entry.text;
    }
    return nullptr;
}

std::string PromptStatusText(UINT nID) { return Field(FindString(nID), 0); }

std::string PromptTooltip(UINT nID) { return Field(FindString(nID), 1); }

std::string DocTemplateWindowTitle(UINT nID) { return Field(FindString(nID), 0); }
