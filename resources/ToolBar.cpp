// The main window's toolbar: new game, Back, the three game commands, About.
#include "ToolBar.h"

#include "resource.h"

namespace {

const ToolBarResource kMainToolBar{
    IDR_MAINFRAME,
    16,
    15,
    "images/toolbar.xpm",
    {ID_GAME_NEW, ID_SEPARATOR, ID_EDIT_UNDO, ID_SEPARATOR, ID_GAME_SETTINGS, ID_GAME_START,
     ID_GAME_PLAY, ID_SEPARATOR, ID_APP_ABOUT},
};

} // namespace

const ToolBarResource* FindToolBar(UINT nID) {
    return nID == kMainToolBar.nID ? &kMainToolBar : nullptr;
}
