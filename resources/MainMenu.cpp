// The main window's menu bar. No item has an access key: the letters are the game's words.
#include "Menu.h"
#include "resource.h"

namespace {

const MenuResource kMainMenu{
    IDR_MAINFRAME,
    {
        {"Игра", {{ID_GAME_NEW, "нова\tCtrl+N"}, {ID_APP_EXIT, "изход"}}},
        {"Избор",
         {{ID_EDIT_UNDO, "назад\tCtrl+Z"},
          {ID_SEPARATOR, nullptr},
          {ID_GAME_SETTINGS, "общи\tCtrl+G"},
          {ID_GAME_START, "старт\tCtrl+T"},
          {ID_GAME_PLAY, "играй\tCtrl+P"}}},
        {"Изглед",
         {{ID_VIEW_TOOLBAR, "лента с иконки"}, {ID_VIEW_STATUS_BAR, "лента на състоянието"}}},
        {"Помощ", {{ID_APP_ABOUT, "относно играта"}}},
    },
};

} // namespace

const MenuResource* FindMenu(UINT nID) { return nID == kMainMenu.nID ? &kMainMenu : nullptr; }
