// One part of a view's picture as assistive technology reads it.
#pragma once

#include "Rect.h"

#include <string>

struct CAccessibleChild {
    enum Kind { kText, kItem };

    int nKey = 0; // the same part keeps the same key while it is shown
    Kind kind = kText;
    std::string name;        // what is read aloud, UTF-8
    std::string description; // read after the name: the news of the last change, on the focus
    bool bAvailable = true;  // false: an item no longer on the board
    bool bFocused = false;   // the item under the keyboard cursor
    CRect rect;              // where it is drawn; a text gives its top-left corner only
};
