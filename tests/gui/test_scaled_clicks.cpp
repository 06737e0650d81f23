// Presses on a screen scaled by a fraction: the device pixel under the pointer picks the item,
// wherever the scaled position falls between whole pixels. The registration sets the scale
// factor, which Qt reads as the application starts.
#include "support/RunningApp.h"

namespace {

const qreal kScale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();

// The first device pixel that lies at or after a view coordinate.
int FirstDevicePixel(int coordinate) { return qCeil(coordinate * kScale); }

// Where in item k's square, or beside it, the device pixel pressed lies, in this order.
enum class Spot { First, Last, Before, Past };

QPoint DevicePixel(int k, Spot spot) {
    const CRect r = ItemRect(k);
    const QPoint first(FirstDevicePixel(r.left), FirstDevicePixel(r.top));
    const QPoint last(FirstDevicePixel(r.right) - 1, FirstDevicePixel(r.bottom) - 1);
    const QPoint pixels[] = {first, last, first - QPoint(1, 1), last + QPoint(1, 1)};
    return pixels[int(spot)];
}

} // namespace

Q_DECLARE_METATYPE(Spot)

class TestScaledClicks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_run.Start());
        QVERIFY2(kScale > 1, "QT_SCALE_FACTOR is not set");
        QCOMPARE(m_run.frame->devicePixelRatio(), kScale);
    }

    void pressAtADevicePixel_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<Spot>("spot");
        QTest::addColumn<QString>("taken");
        const char* const spots[] = {"first pixel", "last pixel", "pixel before", "pixel past"};
        for (int k : {1, 13}) {
            for (int spot = 0; spot < 4; ++spot) { // the pixels inside the square first
                QTest::addRow("item %d %s", k, spots[spot])
                    << k << Spot(spot) << (spot < 2 ? QString::number(k) : QString());
            }
        }
    }

    // A press at a device pixel of the view, in a fresh game, reaches the main window at that
    // pixel's position in view units, as the windowing system delivers it.
    void pressAtADevicePixel() {
        QFETCH(int, item);
        QFETCH(Spot, spot);
        CZeltaroView& view = m_run.View();
        CMainFrame& frame = *m_run.frame;
        if (view.m_bStarted)
            QVERIFY(view.OnCommand(ID_GAME_NEW));
        QVERIFY(view.OnCommand(ID_GAME_START));
        const QPointF at = frame.ViewWindow()->mapTo(&frame, QPointF(0, 0)) +
                           QPointF(DevicePixel(item, spot)) / kScale;
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, at, frame.mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(frame.windowHandle(), &event);
        }
        QTEST(QString::fromStdString(GameDriver::Removed(view)), "taken");
    }

private:
    RunningApp m_run;
};

QTEST_MAIN(TestScaledClicks)
#include "test_scaled_clicks.moc"
