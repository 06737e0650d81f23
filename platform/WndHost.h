// What a window needs from the windowing system: repaint requests, modal message boxes and
// dialogs, and a place to report a failed check of its invariants.
#pragma once

#include "Rect.h"
#include "Types.h"

#include <string>

class CDialog;

class IWndHost {
public:
    virtual ~IWndHost() = default;

    // Schedules a repaint of the rectangle, or of the whole window when rect is null.
    virtual void InvalidateRect(const CRect* rect, bool bErase) = 0;
    // Shows a modal box and returns the button that closed it.
    virtual int MessageBox(const std::string& text, const std::string& caption, UINT nType) = 0;
    // Shows the dialog built from its template, lets it initialise, runs it until it calls
    // EndDialog and returns that result.
    virtual int RunModal(CDialog& dialog) = 0;
    // By default a failed check reports where it failed and stops the program.
    virtual void AssertFailed(const char* expr, const char* file, int line);
};
