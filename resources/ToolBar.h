// Toolbars as data: button size, the bitmap that holds the images side by side in button
// order, and the buttons with their separators.
#pragma once

#include "platform/Geometry.h"

#include <vector>

struct ToolBarResource {
    UINT nID;
    int cxButton; // one image, in pixels
    int cyButton;
    const char* bitmap;      // the image strip, by its name among the program's pictures
    std::vector<UINT> items; // ID_SEPARATOR for a separator
};

// The toolbar with this resource identifier, or null.
const ToolBarResource* FindToolBar(UINT nID);
