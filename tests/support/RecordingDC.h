// A drawing context that records what painting draws.
#pragma once

#include "platform/DC.h"

#include <string>
#include <vector>

struct DrawnText {
    int x;
    int y;
    std::string text;
};

struct DrawnEllipse {
    CRect rect;
    int brush;
    int penStyle;
    int penWidth;
    COLORREF penColor;
};

class RecordingDC final : public CDC {
public:
    void TextOut(int x, int y, const char* text) override { texts.push_back({x, y, text}); }
    CPen* SelectObject(CPen* pPen) override {
        CPen* previous = pen;
        pen = pPen;
        return previous;
    }
    void SelectStockObject(int nIndex) override { brush = nIndex; }
    void Ellipse(const CRect& rect) override {
        const CPen standard;
        const CPen& p = pen != nullptr ? *pen : standard;
        ellipses.push_back({rect, brush, p.Style(), p.Width(), p.Color()});
    }

    // The text drawn at (x, y), or null.
    const DrawnText* TextAt(int x, int y) const {
        for (const DrawnText& t : texts) {
            if (t.x == x && t.y == y)
                return &t;
        }
        return nullptr;
    }

    std::vector<DrawnText> texts;
    std::vector<DrawnEllipse> ellipses;
    CPen* pen = nullptr;
    int brush = WHITE_BRUSH;
};
