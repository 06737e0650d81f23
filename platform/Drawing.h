// The drawing context that a view paints through.
// A front end provides one CDC per paint, over its toolkit's painter and clipped to the area
// being repainted: UTF-8 text in the default font, the selected pen and stock brush for
// ellipses, and the focus rectangle.
#pragma once

#include "Geometry.h"

// Stock brushes, by their index.
constexpr int WHITE_BRUSH = 0;
constexpr int GRAY_BRUSH = 2;

class CDC {
public:
    virtual ~CDC() = default;

    // Draws UTF-8 text with its top-left corner at (x, y), in the default font, black on an
    // opaque white background.
    virtual void TextOut(int x, int y, const char* text) = 0;
    // Selects a pen for outlines and returns the one it replaces (null for the context's own).
    virtual CPen* SelectObject(CPen* pPen) = 0;
    // Selects one of the stock brushes (WHITE_BRUSH, GRAY_BRUSH) for fills.
    virtual void SelectStockObject(int nIndex) = 0;
    // The ellipse inscribed in the rectangle, filled with the brush and outlined with the pen.
    virtual void Ellipse(const CRect& rect) = 0;
    // A dotted rectangle one pixel wide on the rectangle's outermost pixels, the sign of the
    // keyboard focus.
    virtual void DrawFocusRect(const CRect& rect) = 0;
};
