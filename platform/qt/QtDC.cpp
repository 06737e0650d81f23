// Drawing through QPainter with the look of the classic device context: default font, black
// text on an opaque white background, outlines kept inside the shape's rectangle.
#include "QtDC.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

QColor ToQColor(COLORREF c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QColor StockBrushColor(int nIndex) {
    return nIndex == WHITE_BRUSH  ? Qt::white
           : nIndex == GRAY_BRUSH ? QColor(128, 128, 128)
                                  : Qt::black;
}

} // namespace

QtDC::QtDC(QPainter& painter) : m_painter(painter) {
    m_painter.setRenderHint(QPainter::Antialiasing, true);
}

void QtDC::TextOut(int x, int y, const char* text) {
    const QString s = QString::fromUtf8(text);
    const QFontMetrics fm = m_painter.fontMetrics();
    // The text's whole cell is filled first, on whole pixels: an opaque background drawn with
    // the text itself would follow the font's fractional ascent and spill above the point.
    m_painter.fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), Qt::white);
    m_painter.setPen(Qt::black);
    // The point is the text's top-left corner, not its baseline.
    m_painter.drawText(QPoint(x, y + fm.ascent()), s);
}

CPen* QtDC::SelectObject(CPen* pPen) {
    CPen* previous = m_pPen;
    m_pPen = pPen;
    return previous;
}

void QtDC::SelectStockObject(int nIndex) { m_nBrush = nIndex; }

void QtDC::Ellipse(const CRect& rect) {
    const int width = m_pPen != nullptr ? m_pPen->nWidth : 1;
    const COLORREF color = m_pPen != nullptr ? m_pPen->crColor : RGB(0, 0, 0);
    m_painter.setPen(QPen(ToQColor(color), width));
    m_painter.setBrush(StockBrushColor(m_nBrush));
    // The outline is centred on the path: inset it by half the pen so that the whole disc,
    // outline included, stays inside the rectangle that is repainted for it.
    const qreal inset = width / 2.0;
    m_painter.drawEllipse(QRectF(rect.left, rect.top, rect.Width(), rect.Height())
                              .adjusted(inset, inset, -inset, -inset));
}

void QtDC::DrawFocusRect(const CRect& rect) {
    // Every other pixel black, on whole pixels: no smoothing may blur the dots into grey.
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black, 0);
    pen.setDashPattern({1, 1});
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
    m_painter.restore();
}
