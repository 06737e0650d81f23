// A drawing context over a QPainter, for one paint of a view.
#pragma once

#include "platform/Drawing.h"

class QPainter;

class QtDC final : public CDC {
public:
    explicit QtDC(QPainter& painter);

    void TextOut(int x, int y, const char* text) override;
    CPen* SelectObject(CPen* pPen) override;
    void SelectStockObject(int nIndex) override;
    void Ellipse(const CRect& rect) override;
    void DrawFocusRect(const CRect& rect) override;

private:
    QPainter& m_painter;
    CPen* m_pPen = nullptr; // null: the context's own pen, black and one pixel wide
    int m_nBrush = WHITE_BRUSH;
};
