// What a window needs from the windowing system: repaint requests and modal message boxes.
#pragma once

#include "Rect.h"
#include "Types.h"

#include <string>

class IWndHost {
public:
    virtual ~IWndHost() = default;

    // Schedules a repaint of the rectangle, or of the whole window when rect is null.
    virtual void InvalidateRect(const CRect* rect, bool bErase) = 0;
    // Shows a modal box and returns the button that closed it.
    virtual int MessageBox(const std::string& text, const std::string& caption, UINT nType) = 0;
};
