// The window on a screen of two device pixels to the pixel: discs round and in place, texts in
// proportion, toolbar images pixel-doubled rather than smeared.
#include "frame/qt/MainFrm.h"
#include "platform/qt/ViewWidget.h"
#include "resources/ToolBar.h"
#include "support/Screen.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOption>
#include <QToolBar>
#include <QtTest>

namespace {

constexpr int kRatio = 2;
// Set before the test's application starts: every screen has two device pixels to the pixel.
const bool kDoubled = qputenv("QT_SCALE_FACTOR", QByteArray::number(kRatio));

// What the area holds: the bounds of its dark pixels, how many are dark and how many half-tone,
// and how many are exactly the discs' grey.
struct Pixels {
    QRect ink, grey;
    int dark = 0, edge = 0, greys = 0;
};

Pixels Measure(const QImage& image, const QRect& area) {
    Pixels p;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int g = qGray(image.pixel(x, y));
            p.ink |= g < 128 ? QRect(x, y, 1, 1) : QRect();
            p.dark += g < 64 ? 1 : 0;
            p.edge += g >= 64 && g < 192 ? 1 : 0;
            const bool grey = image.pixel(x, y) == qRgb(128, 128, 128);
            p.grey |= grey ? QRect(x, y, 1, 1) : QRect();
            p.greys += grey ? 1 : 0;
        }
    }
    return p;
}

// Whether the picture appears, whole and unchanged, in the larger one; opaque pixels only.
bool Contains(const QImage& haystack, const QImage& needle) {
    for (int oy = 0; oy + needle.height() <= haystack.height(); ++oy) {
        for (int ox = 0; ox + needle.width() <= haystack.width(); ++ox) {
            bool same = true;
            for (int y = 0; same && y < needle.height(); ++y) {
                for (int x = 0; same && x < needle.width(); ++x) {
                    const QRgb n = needle.pixel(x, y);
                    same = qAlpha(n) < 255 || haystack.pixel(ox + x, oy + y) == n;
                }
            }
            if (same)
                return true;
        }
    }
    return false;
}

QImage Argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_widget.resize(640, 320);
        m_widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_widget));
        QVERIFY(kDoubled);
        QCOMPARE(m_widget.devicePixelRatio(), qreal(kRatio));
        QVERIFY(m_view.OnCommand(ID_GAME_START)); // offered at launch
    }

    // Every disc's grey is centred on twice its centre, to the pixel, 22.5 pixels out to the
    // two-pixel white rim, and fills a circle's share of its square.
    void discsStayRoundAtTwiceTheirPlace() {
        const QImage image = m_widget.grab().toImage();
        for (int k = 1; k <= m_view.m_nTotal; ++k) {
            const QRect item = ToQRect(ItemRect(k));
            const QRect square(item.topLeft() * kRatio, item.size() * kRatio);
            const Pixels p = Measure(image, square);
            QCOMPARE(p.grey.left() + p.grey.right(), square.left() + square.right());
            QCOMPARE(p.grey.top() + p.grey.bottom(), square.top() + square.bottom());
            QCOMPARE(p.grey.size(), QSize(45, 45) * kRatio);
            QVERIFY2(qAbs(p.greys - M_PI / 4 * p.grey.width() * p.grey.height()) <
                         p.grey.width() * 2.0,
                     qPrintable(QString("item %1: %2 grey pixels").arg(k).arg(p.greys)));
        }
    }

    // The texts above the board cover twice the extent, drawn at the screen's own resolution:
    // half as many half-tone edge pixels for their ink as when blown up.
    void textsKeepTheirProportions() {
        QImage plain(m_widget.size(), QImage::Format_RGB32); // one device pixel to the pixel
        m_widget.render(&plain);
        const QImage dense = m_widget.grab().toImage();
        const Pixels one = Measure(plain, QRect(0, 0, 640, 60));
        const Pixels two = Measure(dense, QRect(0, 0, 640 * kRatio, 60 * kRatio));
        QVERIFY(!one.ink.isEmpty());
        for (const QPoint& d : {two.ink.topLeft() - one.ink.topLeft() * kRatio,
                                two.ink.bottomRight() - one.ink.bottomRight() * kRatio})
            QVERIFY(d.manhattanLength() <= 2 * kRatio);
        QVERIFY(double(two.edge) / two.dark < 0.75 * double(one.edge) / one.dark);
    }

    // Each button shows its image with every pixel a two-by-two square, greyed as the style
    // greys it while its command is unavailable.
    void toolbarImagesArePixelDoubled() {
        CMainFrame frame;
        QCOMPARE(frame.OnCreate(), 0);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const ToolBarResource* bar = FindToolBar(IDR_MAINFRAME);
        const QImage strip = Argb(QImage(QString::fromUtf8(bar->bitmap)));
        QStyleOption greyed;
        greyed.palette = QGuiApplication::palette();
        int n = 0;
        for (UINT nID : bar->items) {
            if (nID == ID_SEPARATOR)
                continue;
            QAction* action = frame.Action(nID);
            QWidget* button = frame.ToolBar()->widgetForAction(action);
            const QSize size(bar->cxButton, bar->cyButton);
            QImage want =
                Argb(strip.copy(QRect(QPoint(n++ * size.width(), 0), size)).scaled(size * kRatio));
            if (!action->isEnabled())
                want = Argb(
                    button->style()
                        ->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(want), &greyed)
                        .toImage());
            QVERIFY2(Contains(Argb(button->grab().toImage()), want),
                     qPrintable(QString("button %1").arg(n)));
        }
    }

private:
    TestGame<ViewWidget> m_game;
    CZeltaroView& m_view = m_game.view;
    ViewWidget& m_widget = m_game.host;
};

QTEST_MAIN(TestHiDpi)
#include "test_hidpi.moc"
