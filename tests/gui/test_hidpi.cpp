// The window on a screen of two device pixels to the pixel: discs round and in place, texts in
// proportion, toolbar images pixel-doubled rather than smeared.
#include "frame/MainFrm.h"
#include "platform/qt/ViewWidget.h"
#include "resources/ToolBar.h"
#include "resources/resource.h"
#include "support/ScriptedRuntime.h"
#include "view/ZeltaroView.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>
#include <QtMath>
#include <QtTest>

#include <algorithm>
#include <optional>

namespace {

constexpr int kRatio = 2;
const QColor kGrey(128, 128, 128);

// The view of a game just started with the defaults, on the high-density screen.
struct Board {
    Board() {
        view.SetRuntime(&runtime);
        widget.resize(640, 320);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QVERIFY(view.OnCommand(ID_GAME_START)); // offered at launch
    }

    // As the screen shows it: in device pixels.
    QImage Device() { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // As a screen of one device pixel to the pixel would show it.
    QImage Plain() {
        QImage image(widget.size(), QImage::Format_RGB32);
        image.setDevicePixelRatio(1);
        widget.render(&image);
        return image;
    }

    ScriptedRuntime runtime;
    CZeltaroView view;
    ViewWidget widget{view};
};

// How far from the point the disc's grey reaches in the direction of the angle, in pixels.
double GreyReach(const QImage& image, QPoint centre, double degrees) {
    const double a = qDegreesToRadians(degrees);
    double reach = 0;
    for (double d = 0; d < 80; d += 0.25) {
        const QPoint p = centre + QPointF(d * std::cos(a), d * std::sin(a)).toPoint();
        if (!image.rect().contains(p) || image.pixelColor(p) != kGrey)
            break;
        reach = d;
    }
    return reach;
}

// The smallest rectangle round the dark pixels in the area.
QRect InkBounds(const QImage& image, const QRect& area) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y).lightness() < 128)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// How soft the dark pixels' edges are: the half-tone pixels for every dark one. Texts drawn at
// twice the resolution have half as much edge for their ink; blown up, as much or more.
double Softness(const QImage& image, const QRect& area) {
    int dark = 0;
    int half = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            dark += grey < 64 ? 1 : 0;
            half += grey >= 64 && grey < 192 ? 1 : 0;
        }
    }
    return dark == 0 ? 1e9 : double(half) / dark;
}

// Where the picture appears, whole and unchanged, in the larger one; opaque pixels only.
std::optional<QPoint> Find(const QImage& haystack, const QImage& needle) {
    for (int oy = 0; oy + needle.height() <= haystack.height(); ++oy) {
        for (int ox = 0; ox + needle.width() <= haystack.width(); ++ox) {
            bool same = true;
            for (int y = 0; same && y < needle.height(); ++y) {
                for (int x = 0; same && x < needle.width(); ++x) {
                    const QRgb n = needle.pixel(x, y);
                    same = qAlpha(n) < 255 || haystack.pixel(ox + x, oy + y) == (n | 0xff000000);
                }
            }
            if (same)
                return QPoint(ox, oy);
        }
    }
    return std::nullopt;
}

// The toolbar image of the button at position n of the strip, each pixel made a square of
// ratio by ratio.
QImage Doubled(const QImage& strip, const ToolBarResource& bar, int n) {
    const QImage cell = strip.copy(n * bar.cxButton, 0, bar.cxButton, bar.cyButton);
    return cell.scaled(cell.size() * kRatio, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void discsStayRoundAtTwiceTheirPlace();
    void textsKeepTheirProportions();
    void toolbarImagesArePixelDoubled();
};

void TestHiDpi::initTestCase() {
    QWidget probe;
    probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    QCOMPARE(probe.devicePixelRatio(), qreal(kRatio));
}

// Every disc on the board: grey at twice its centre, as far in each of sixteen directions, and
// white in the corners of its square beyond the rim.
void TestHiDpi::discsStayRoundAtTwiceTheirPlace() {
    Board b;
    const QImage image = b.Device();
    QCOMPARE(image.size(), b.widget.size() * kRatio);
    for (int k = 1; k <= b.view.m_nTotal; ++k) {
        const CRect r = CZeltaroView::ItemRect(k);
        const int half = r.Width() / 2;
        const QPoint centre(kRatio * (r.left + half), kRatio * (r.top + half));
        QCOMPARE(image.pixelColor(centre), kGrey);
        double nearest = 1e9;
        double farthest = 0;
        for (int i = 0; i < 16; ++i) {
            const double reach = GreyReach(image, centre, i * 22.5);
            nearest = std::min(nearest, reach);
            farthest = std::max(farthest, reach);
        }
        // The grey ends where the two-pixel white rim begins, 23 pixels out.
        QVERIFY2(
            nearest >= kRatio * 22 && farthest <= kRatio * 23.5,
            qPrintable(QString("item %1: grey from %2 to %3").arg(k).arg(nearest).arg(farthest)));
        QVERIFY2(farthest - nearest <= 2, qPrintable(QString("item %1 is not round").arg(k)));
        for (int i = 0; i < 4; ++i) {
            const double a = qDegreesToRadians(45.0 + 90 * i);
            const QPointF beyond(std::cos(a) * kRatio * half, std::sin(a) * kRatio * half);
            QCOMPARE(image.pixelColor(centre + beyond.toPoint()), QColor(Qt::white));
        }
    }
}

// The texts above the board cover twice the extent, and are drawn at the screen's own
// resolution, not blown up.
void TestHiDpi::textsKeepTheirProportions() {
    Board b;
    const QRect textBand(0, 0, 640, 60);
    const QImage plainImage = b.Plain();
    const QRect plain = InkBounds(plainImage, textBand);
    const QImage device = b.Device();
    const QRect dense =
        InkBounds(device, QRect(textBand.topLeft() * kRatio, textBand.size() * kRatio));
    QVERIFY(!plain.isEmpty());
    const QRect expected(plain.topLeft() * kRatio, plain.size() * kRatio);
    for (const auto& [got, want] :
         {std::pair(dense.left(), expected.left()), std::pair(dense.top(), expected.top()),
          std::pair(dense.right(), expected.right()),
          std::pair(dense.bottom(), expected.bottom())}) {
        QVERIFY2(
            std::abs(got - want) <= 2 * kRatio,
            qPrintable(QString("texts at %1 on the dense screen, %2 expected").arg(got).arg(want)));
    }
    QVERIFY(Softness(device, dense) < 0.75 * Softness(plainImage, plain));
}

// Each button shows its image with every pixel a sharp two-by-two square, greyed as the style
// greys it while its command is unavailable.
void TestHiDpi::toolbarImagesArePixelDoubled() {
    CMainFrame frame;
    QCOMPARE(frame.OnCreate(), 0);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const ToolBarResource* bar = FindToolBar(IDR_MAINFRAME);
    const QImage strip =
        QImage(QString::fromUtf8(bar->bitmap)).convertToFormat(QImage::Format_ARGB32);
    QStyleOption greyed;
    greyed.palette = QGuiApplication::palette();
    int n = 0;
    for (UINT nID : bar->items) {
        if (nID == ID_SEPARATOR)
            continue;
        QAction* action = frame.Action(nID);
        auto* button = qobject_cast<QToolButton*>(frame.ToolBar()->widgetForAction(action));
        QVERIFY(button != nullptr);
        QImage expected = Doubled(strip, *bar, n);
        if (!action->isEnabled()) {
            expected =
                button->style()
                    ->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(expected), &greyed)
                    .toImage()
                    .convertToFormat(QImage::Format_ARGB32);
        }
        const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(Find(shown, expected).has_value(), qPrintable(QString("button %1").arg(n)));
        ++n;
    }
}

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kRatio));
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
