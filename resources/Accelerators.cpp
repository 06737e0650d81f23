// The main window's keys. Ctrl+N and Ctrl+P are the game's New game and Play, not the usual
// file commands.
#include "Accelerators.h"

#include "resource.h"

namespace {

const AcceleratorTable kMainAccelerators{
    IDR_MAINFRAME,
    {
        {FVIRTKEY | FCONTROL, 'G', ID_GAME_SETTINGS},
        {FVIRTKEY | FCONTROL, 'N', ID_GAME_NEW},
        {FVIRTKEY | FCONTROL, 'P', ID_GAME_PLAY},
        {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},
        {FVIRTKEY | FCONTROL, 'T', ID_GAME_START},
        {FVIRTKEY, VK_F6, ID_NEXT_PANE},
        {FVIRTKEY | FSHIFT, VK_F6, ID_PREV_PANE},
        {FVIRTKEY | FCONTROL, 'Z', ID_EDIT_UNDO},
    },
};

} // namespace

const AcceleratorTable* FindAccelerators(UINT nID) {
    return nID == kMainAccelerators.nID ? &kMainAccelerators : nullptr;
}
