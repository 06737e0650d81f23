// A window host that records repaint requests and message boxes instead of showing them.
#pragma once

#include "platform/WndHost.h"

#include <functional>
#include <string>
#include <vector>

struct Repaint {
    bool whole; // the whole view, not one rectangle
    CRect rect;
    bool erase;
};

struct ShownBox {
    std::string text;
    std::string caption;
    UINT type;
};

class RecordingHost final : public IWndHost {
public:
    void InvalidateRect(const CRect* rect, bool bErase) override {
        repaints.push_back(Repaint{rect == nullptr, rect != nullptr ? *rect : CRect(), bErase});
    }

    int MessageBox(const std::string& text, const std::string& caption, UINT nType) override {
        boxes.push_back(ShownBox{text, caption, nType});
        if (onMessageBox)
            onMessageBox(boxes.back());
        return IDOK;
    }

    void Clear() {
        repaints.clear();
        boxes.clear();
    }

    std::vector<Repaint> repaints;
    std::vector<ShownBox> boxes;
    // Runs while a box is "open", to look at the state the player sees behind it.
    std::function<void(const ShownBox&)> onMessageBox;
};
