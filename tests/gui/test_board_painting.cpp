// The board as painted on screen: disc and background colours, which texts show at each stage
// of a game, and repaints that stay within the area asked for.
#include "GuiSupport.h"
#include "platform/qt/QtDC.h"
#include "platform/qt/ViewWidget.h"
#include "support/ScriptedRuntime.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QtTest>

namespace {

const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

// Where each text of the picture is drawn, and a little beyond: the band of one line.
const QRect kOrderLine(10, 10, 200, 16);
const QRect kMaxTakeLine(10, 30, 200, 16);
const QRect kMaxTakeNumber(400, 30, 20, 16);
const QRect kPlayerHeld(575, 10, 20, 16);
const QRect kComputerHeld(575, 30, 20, 16);
const QRect kHeldLabels(460, 10, 60, 36);

bool HasDarkPixels(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y).lightness() < 128)
                return true;
        }
    }
    return false;
}

QImage Filled(QSize size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The pixels in which two pictures differ.
QRegion Difference(const QImage& a, const QImage& b) {
    QRegion region;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                region += QRect(x, y, 1, 1);
        }
    }
    return region;
}

// Collects what the widget repaints.
class PaintRecorder final : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }
};

struct Screen {
    Screen() {
        view.SetRuntime(&runtime);
        widget.resize(640, 320);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
    }

    // What the screen shows of the view now, without painting it afresh.
    QImage Shown() {
        QCoreApplication::processEvents();
        return widget.screen()
            ->grabWindow(widget.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // The view painted afresh, whole.
    QImage Painted() { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    RunnerScope dialogs;
    ScriptedRuntime runtime;
    CZeltaroView view;
    ViewWidget widget{view};
    BoxWatcher watcher;
};

} // namespace

class TestBoardPainting : public QObject {
    Q_OBJECT

private slots:
    void textIsOpaqueWithItsTopLeftAtThePoint();
    void discStaysInsideItsSquare();
    void textsShownPerStage_data();
    void textsShownPerStage();
    void squareRepaintChangesOnlyThatSquare();
    void repaintsStayAsSmallAsAsked();
};

void TestBoardPainting::textIsOpaqueWithItsTopLeftAtThePoint() {
    QImage image = Filled(QSize(300, 60), kRed);
    QPainter painter(&image);
    const QFontMetrics fm = painter.fontMetrics();
    const char text[] = "Компютър: 12";
    QtDC dc(painter);
    dc.TextOut(20, 15, text);
    painter.end();

    // The text's cell, and nothing else, is painted over: dark glyphs on white.
    const QRect cell(20, 15, fm.horizontalAdvance(QString::fromUtf8(text)), fm.height());
    QCOMPARE(Difference(image, Filled(image.size(), kRed)), QRegion(cell));
    QVERIFY(HasDarkPixels(image, cell));
}

void TestBoardPainting::discStaysInsideItsSquare() {
    QImage image = Filled(QSize(150, 150), kRed);
    QPainter painter(&image);
    QtDC dc(painter);
    CPen pen(PS_SOLID, 2, RGB(255, 255, 255));
    CPen* previous = dc.SelectObject(&pen);
    dc.SelectStockObject(GRAY_BRUSH);
    dc.Ellipse(CRect(50, 70, 100, 120));
    dc.SelectObject(previous);
    painter.end();

    const QRegion touched = Difference(image, Filled(image.size(), kRed));
    QCOMPARE(touched.subtracted(QRect(50, 70, 50, 50)), QRegion());
    QCOMPARE(image.pixelColor(75, 95), kGrey);
    QCOMPARE(image.pixelColor(55, 95), kGrey);
    QCOMPARE(image.pixelColor(51, 95), kWhite); // the outline, two pixels wide
    QCOMPARE(image.pixelColor(98, 95), kWhite);
    QCOMPARE(image.pixelColor(50, 70), kRed); // the square's corner, outside the disc
}

void TestBoardPainting::textsShownPerStage_data() {
    QTest::addColumn<QString>("stage");
    QTest::addColumn<bool>("orderLine");
    QTest::addColumn<bool>("maxTakeAndTotals");
    QTest::addColumn<bool>("greyDiscs");

    QTest::newRow("launch") << "launch" << false << false << false;
    QTest::newRow("after the settings dialog") << "settings" << true << false << true;
    QTest::newRow("during a game") << "game" << true << true << true;
    QTest::newRow("after New game") << "new" << true << true << false;
    QTest::newRow("after New game and the dialog") << "new+settings" << true << true << false;
}

void TestBoardPainting::textsShownPerStage() {
    QFETCH(QString, stage);
    QFETCH(bool, orderLine);
    QFETCH(bool, maxTakeAndTotals);
    QFETCH(bool, greyDiscs);
    Screen s;
    if (stage != "launch")
        QVERIFY(ChooseSettings(s.view, 21, 4, 1));
    if (stage.startsWith("game") || stage.startsWith("new"))
        QVERIFY(Issue(s.view, ID_GAME_START));
    if (stage.startsWith("new"))
        QVERIFY(Issue(s.view, ID_GAME_NEW));
    if (stage == "new+settings")
        QVERIFY(ChooseSettings(s.view, 25, 4, 0));
    const QImage image = s.Painted();

    QCOMPARE(HasDarkPixels(image, kOrderLine), orderLine);
    QCOMPARE(HasDarkPixels(image, kMaxTakeLine), maxTakeAndTotals);
    QCOMPARE(HasDarkPixels(image, kMaxTakeNumber), maxTakeAndTotals);
    QCOMPARE(HasDarkPixels(image, kHeldLabels), maxTakeAndTotals);
    QCOMPARE(HasDarkPixels(image, kPlayerHeld), maxTakeAndTotals);
    QCOMPARE(HasDarkPixels(image, kComputerHeld), maxTakeAndTotals);
    // Texts start at their points: nothing above or left of the first line.
    QVERIFY(!HasDarkPixels(image, QRect(0, 0, image.width(), 10)));
    QVERIFY(!HasDarkPixels(image, QRect(0, 0, 10, 60)));

    // The computer opens a game of 21 when the player is second, so look at the last item.
    QCOMPARE(image.pixelColor(ItemCentre(21)), greyDiscs ? kGrey : kWhite);
    QCOMPARE(image.pixelColor(ItemCentre(22)), kWhite); // beyond the board
    QCOMPARE(image.pixelColor(51, 71), kWhite);         // a square's corner
    QCOMPARE(image.pixelColor(102, 95), kWhite);        // a gap
    QVERIFY(!HasDarkPixels(image, QRect(0, 60, image.width(), image.height() - 60)));
}

void TestBoardPainting::squareRepaintChangesOnlyThatSquare() {
    Screen s;
    QVERIFY(ChooseSettings(s.view, 25, 4, 0));
    QVERIFY(Issue(s.view, ID_GAME_START));
    const QImage before = s.Shown();

    // Behind the view's back: two items and a total change, one square is repainted.
    TakeOffBoard(s.view.Item(5));
    TakeOffBoard(s.view.Item(6));
    s.view.m_nPlayerHeld = 88;
    const CRect square = CZeltaroView::ItemRect(5);
    PaintRecorder recorder(s.widget);
    s.view.InvalidateRect(&square, true);
    QTRY_VERIFY(recorder.paints > 0);
    const QImage after = s.Shown();

    const QRegion changed = Difference(before, after);
    QVERIFY(!changed.isEmpty());
    QVERIFY(changed.subtracted(ToQRect(square)).isEmpty());
    QCOMPARE(after.pixelColor(ItemCentre(5)), kWhite);
    QCOMPARE(after.pixelColor(ItemCentre(6)), kGrey);
    // Repainting the same square again leaves no trace of the old disc.
    s.view.InvalidateRect(&square, true);
    QCOMPARE(Difference(after, s.Shown()), QRegion());
}

void TestBoardPainting::repaintsStayAsSmallAsAsked() {
    Screen s;
    QVERIFY(Issue(s.view, ID_GAME_START));
    QCoreApplication::processEvents();
    PaintRecorder recorder(s.widget);

    QTest::mouseClick(&s.widget, Qt::LeftButton, Qt::NoModifier, ItemCentre(7));
    QTRY_COMPARE(recorder.painted, QRegion(ToQRect(CZeltaroView::ItemRect(7))));

    // Play repaints the totals and the squares of the items the computer takes.
    recorder.painted = QRegion();
    const int heldBefore = s.view.m_nComputerHeld;
    QVERIFY(Issue(s.view, ID_GAME_PLAY));
    QRegion expected = ToQRect(s.view.m_rectScore);
    for (int k = 1; k <= s.view.m_nComputerHeld - heldBefore; ++k)
        expected += ToQRect(CZeltaroView::ItemRect(k));
    QTRY_VERIFY(!recorder.painted.isEmpty());
    QCOMPARE(recorder.painted.subtracted(expected), QRegion());
    QVERIFY(recorder.painted.contains(ToQRect(s.view.m_rectScore)));

    recorder.painted = QRegion();
    QVERIFY(Issue(s.view, ID_GAME_NEW));
    QTRY_COMPARE(recorder.painted, QRegion(s.widget.rect()));
}

QTEST_MAIN(TestBoardPainting)
#include "test_board_painting.moc"
