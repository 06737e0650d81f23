// The vocabulary's plain values: integer types and colours, points and rectangles in device
// pixels, and pens. A front end provides nothing here; it converts these to its toolkit's own
// at its edge.
#pragma once

#include <cstdint>

using UINT = unsigned int;
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// A rectangle holds its left and top edges, not its right and bottom ones.
struct CPoint {
    int x = 0;
    int y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int initX, int initY) : x(initX), y(initY) {}
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool PtInRect(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr bool operator==(const CRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

constexpr int PS_SOLID = 0;

// A pen for outlining shapes: style, width in pixels and colour.
struct CPen {
    CPen(int nPenStyle, int nPenWidth, COLORREF crPenColor)
        : nStyle(nPenStyle), nWidth(nPenWidth), crColor(crPenColor) {}

    int nStyle;
    int nWidth;
    COLORREF crColor;
};
