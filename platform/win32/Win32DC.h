// The drawing context over a window's HDC during one paint, in the view's own pixels: at a
// scale above 100% the device context's world transform enlarges the whole picture.
#pragma once

#include "platform/Drawing.h"

#include "Win32.h"

class Win32DC : public CDC {
public:
    Win32DC(HDC hdc, double scale);
    ~Win32DC() override;
    Win32DC(const Win32DC&) = delete;
    Win32DC& operator=(const Win32DC&) = delete;

    void TextOut(int x, int y, const char* text) override;
    CPen* SelectObject(CPen* pPen) override;
    void SelectStockObject(int nIndex) override;
    void Ellipse(const CRect& rect) override;
    void DrawFocusRect(const CRect& rect) override;

private:
    HDC m_hdc;
    int m_nSaved;
    static constexpr int kTextPixels = 12; // the texts' em height, in the view's pixels
    HFONT m_hFont = nullptr;
    HPEN m_hPen = nullptr; // the GDI pen of the selected CPen
    CPen* m_pPen = nullptr;
};
