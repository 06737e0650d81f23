// Menus as data: pop-ups of items, each item's text with its shortcut after a tab.
#pragma once

#include "platform/Geometry.h"

#include <vector>

struct MenuItem {
    UINT nID;         // ID_SEPARATOR for a separator
    const char* text; // null for a separator
};

struct MenuPopup {
    const char* text;
    std::vector<MenuItem> items;
};

struct MenuResource {
    UINT nID;
    std::vector<MenuPopup> popups;
};

// The menu with this resource identifier, or null.
const MenuResource* FindMenu(UINT nID);
