// Looking commands up in the main window's menu, keys and toolbar.
#include "CommandTables.h"

#include "resources/Menu.h"
#include "resources/StringTable.h"
#include "resources/ToolBar.h"
#include "resources/resource.h"

const AccelEntry* FindAccel(UINT nID) {
    for (const AccelEntry& entry : FindAccelerators(IDR_MAINFRAME)->entries) {
        if (entry.cmd == nID)
            return &entry;
    }
    return nullptr;
}

int ToolBarImage(UINT nID) {
    int image = 0;
    for (UINT item : FindToolBar(IDR_MAINFRAME)->items) {
        if (item == ID_SEPARATOR)
            continue;
        if (item == nID)
            return image;
        ++image;
    }
    return -1;
}

std::set<UINT> FrameCommands() {
    std::set<UINT> commands(FindToolBar(IDR_MAINFRAME)->items.begin(),
                            FindToolBar(IDR_MAINFRAME)->items.end());
    for (const AccelEntry& entry : FindAccelerators(IDR_MAINFRAME)->entries)
        commands.insert(entry.cmd);
    for (const MenuPopup& popup : FindMenu(IDR_MAINFRAME)->popups) {
        for (const MenuItem& item : popup.items)
            commands.insert(item.nID);
    }
    commands.erase(ID_SEPARATOR);
    return commands;
}

std::string FrameTitle(const std::string& docTitle) {
    return docTitle + " - " + DocTemplateWindowTitle(IDR_MAINFRAME);
}
