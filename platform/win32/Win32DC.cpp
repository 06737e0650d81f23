// Drawing with GDI: the stock brushes, black text on opaque white.
#include "Win32DC.h"

#include "Utf.h"

Win32DC::Win32DC(HDC hdc, double scale) : m_hdc(hdc), m_nSaved(SaveDC(hdc)) {
    if (scale != 1.0) {
        SetGraphicsMode(m_hdc, GM_ADVANCED);
        const XFORM xform{static_cast<FLOAT>(scale), 0, 0, static_cast<FLOAT>(scale), 0, 0};
        SetWorldTransform(m_hdc, &xform);
    }
    // The texts sit at fixed pixel positions beside each other and the board, as on Linux: the
    // context's font is the desktop's face at the Linux build's 12 pixels, since the wide
    // bitmap System face would run the longest label into its number. A scalable face also
    // stays sharp when the transform enlarges it.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = -kTextPixels;
    font.lfWidth = 0;
    m_hFont = CreateFontIndirectW(&font);
    ::SelectObject(m_hdc, m_hFont);
    SetBkMode(m_hdc, OPAQUE);
    SetBkColor(m_hdc, RGB(255, 255, 255));
    SetTextColor(m_hdc, RGB(0, 0, 0));
}

Win32DC::~Win32DC() {
    RestoreDC(m_hdc, m_nSaved);
    if (m_hPen != nullptr)
        DeleteObject(m_hPen);
    if (m_hFont != nullptr)
        DeleteObject(m_hFont);
}

void Win32DC::TextOut(int x, int y, const char* text) {
    const std::wstring wide = Widen(text);
    ::TextOutW(m_hdc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

CPen* Win32DC::SelectObject(CPen* pPen) {
    CPen* previous = m_pPen;
    m_pPen = pPen;
    HPEN hOld = m_hPen;
    m_hPen = pPen != nullptr ? CreatePen(pPen->nStyle, pPen->nWidth, pPen->crColor) : nullptr;
    ::SelectObject(m_hdc, m_hPen != nullptr ? m_hPen : GetStockObject(BLACK_PEN));
    if (hOld != nullptr)
        DeleteObject(hOld);
    return previous;
}

void Win32DC::SelectStockObject(int nIndex) { ::SelectObject(m_hdc, GetStockObject(nIndex)); }

void Win32DC::Ellipse(const CRect& rect) {
    ::Ellipse(m_hdc, rect.left, rect.top, rect.right, rect.bottom);
}

// The dotted frame is drawn in device pixels, one dot each as on the Linux build, with the
// plain mode's rectangle rules: under the enlarging transform the system leaves out its right
// and bottom edges.
void Win32DC::DrawFocusRect(const CRect& rect) {
    POINT corners[] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    LPtoDP(m_hdc, corners, 2);
    const int nSaved = SaveDC(m_hdc);
    ModifyWorldTransform(m_hdc, nullptr, MWT_IDENTITY);
    SetGraphicsMode(m_hdc, GM_COMPATIBLE);
    const RECT r{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    ::DrawFocusRect(m_hdc, &r);
    RestoreDC(m_hdc, nSaved);
}
