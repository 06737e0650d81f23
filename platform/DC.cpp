// Stock brush colours, shared by every drawing context.
#include "DC.h"

COLORREF StockBrushColor(int nIndex) {
    switch (nIndex) {
    case WHITE_BRUSH:
        return RGB(255, 255, 255);
    case 1: // LTGRAY_BRUSH
        return RGB(192, 192, 192);
    case GRAY_BRUSH:
        return RGB(128, 128, 128);
    case 3: // DKGRAY_BRUSH
        return RGB(64, 64, 64);
    default:
        return RGB(0, 0, 0);
    }
}
