// Looking commands up in the main window's menu, keys and toolbar.
#include "CommandTables.h"

#include "resources/Menu.h"
#include "resources/ToolBar.h"
#include "resources/resource.h"

std::string MenuItemText(UINT nID) {
    if (const MenuResource* menu = FindMenu(IDR_MAINFRAME)) {
        for (const MenuPopup& popup : menu->popups) {
            for (const MenuItem& item : popup.items) {
                if (item.nID == nID && item.text != nullptr) {
                    const std::string text(item.text);
                    return text.substr(0, text.find('\t'));
                }
            }
        }
    }
    return {};
}

const AccelEntry* FindAccel(UINT nID) {
    if (const AcceleratorTable* table = FindAccelerators(IDR_MAINFRAME)) {
        for (const AccelEntry& entry : table->entries) {
            if (entry.cmd == nID)
                return &entry;
        }
    }
    return nullptr;
}

int ToolBarImage(UINT nID) {
    const ToolBarResource* toolBar = FindToolBar(IDR_MAINFRAME);
    if (toolBar == nullptr || nID == ID_SEPARATOR)
        return -1;
    int image = 0;
    for (UINT item : toolBar->items) {
        if (item == nID)
            return image;
        image += item == ID_SEPARATOR ? 0 : 1;
    }
    return -1;
}

std::set<UINT> FrameCommands() {
    std::set<UINT> commands;
    if (const ToolBarResource* toolBar = FindToolBar(IDR_MAINFRAME))
        commands.insert(toolBar->items.begin(), toolBar->items.end());
    if (const AcceleratorTable* table = FindAccelerators(IDR_MAINFRAME)) {
        for (const AccelEntry& entry : table->entries)
            commands.insert(entry.cmd);
    }
    if (const MenuResource* menu = FindMenu(IDR_MAINFRAME)) {
        for (const MenuPopup& popup : menu->popups) {
            for (const MenuItem& item : popup.items)
                commands.insert(item.nID);
        }
    }
    commands.erase(ID_SEPARATOR);
    return commands;
}
