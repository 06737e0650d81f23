// The board as a Qt test sees it on the screen: the vocabulary's points and rectangles in Qt's
// terms, the colours of the discs, and ink read back from a picture.
#pragma once

#include "support/TestGame.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

inline QPoint ToQPoint(CPoint p) { return QPoint(p.x, p.y); }
inline QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);

// Whether any pixel of the area is dark, as text is.
inline bool HasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y).lightness() < 128)
                return true;
        }
    }
    return false;
}
