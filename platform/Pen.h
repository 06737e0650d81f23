// A pen for outlining shapes: style, width in pixels and colour.
#pragma once

#include "Types.h"

class CPen {
public:
    CPen(int nPenStyle, int nWidth, COLORREF crColor)
        : m_nStyle(nPenStyle), m_nWidth(nWidth), m_crColor(crColor) {}
    CPen() = default;

    int Style() const { return m_nStyle; }
    int Width() const { return m_nWidth; }
    COLORREF Color() const { return m_crColor; }

private:
    int m_nStyle = PS_SOLID;
    int m_nWidth = 1;
    COLORREF m_crColor = RGB(0, 0, 0);
};
