// The program on a real X server, read back from the screen. There a closed window's place is
// restored from the picture the window underneath last painted, unless the program paints it
// again: the settings dialog at launch has to leave the first-move line and the grey discs
// where it lay, while the rest of the board stays as it was until Start.
#include "support/RunningApp.h"

namespace {

// Where the first-move line's first letter lies, in the view's pixels.
const QPoint kFirstLetter(14, 17);

// The line when its first letter shows on the screen, then each disc's centre: G grey, W white,
// ? neither.
QString Shown(const QWidget* view, int nItems) {
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QString shown =
        HasInk(screen, QRect(view->mapToGlobal(kFirstLetter), QSize(8, 8))) ? "line " : "";
    for (int k = 1; k <= nItems; ++k) {
        const QColor c = screen.pixelColor(view->mapToGlobal(ToQPoint(ItemCentre(k))));
        shown += c == kGrey ? 'G' : c == kWhite ? 'W' : '?';
    }
    return shown;
}

// What the screen should show: the line and grey discs where the dialog lay, white beyond.
QString Expected(const QRect& covered, const QWidget* view, int nItems) {
    QString shown = covered.contains(view->mapToGlobal(kFirstLetter)) ? "line " : "";
    for (int k = 1; k <= nItems; ++k)
        shown += covered.contains(view->mapToGlobal(ToQPoint(ItemCentre(k)))) ? 'G' : 'W';
    return shown;
}

} // namespace

class TestAppX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QString("xcb")); }

    void settingsDialogLeavesItsPlacePainted_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("items");
        QTest::newRow("OK") << "IDOK" << 21;
        QTest::newRow("Cancel") << "IDCANCEL" << 25;
    }

    void settingsDialogLeavesItsPlacePainted() {
        QFETCH(QString, button);
        QFETCH(int, items);
        // A desktop that gives inactive windows colours of their own.
        QPalette desktop = QApplication::palette();
        desktop.setColor(QPalette::Inactive, QPalette::Highlight, Qt::red);
        QApplication::setPalette(desktop);
        RunningApp run;
        QVERIFY(run.Start());
        QWidget* view = run.frame->ViewWindow();
        view->setFocus(Qt::TabFocusReason); // where the player usually leaves it
        QTRY_COMPARE(Shown(view, 25), QString(25, 'W'));
        ModalHand hand;
        QRect covered;
        hand.Then([&](QWidget* w) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            covered = w->frameGeometry();
            w->findChild<QPushButton*>(button)->click();
        });
        run.PressKey(ID_GAME_SETTINGS);
        QVERIFY(hand.Done() && hand.unexpected.isEmpty());
        QCOMPARE(run.View().m_nTotal, items);
        // The template puts the dialog at the top left of the window's client area, which
        // begins below the menu bar.
        QCOMPARE(
            covered.topLeft(),
            run.frame->mapToGlobal(run.frame->menuBar()->geometry().bottomLeft() + QPoint(0, 1)));
        // A window manager gives the focus back to the board, which shows it only in the
        // keyboard's cursor: once it is back, whatever it asked to repaint is painted.
        if (qEnvironmentVariableIsSet("ZELTARO_WINDOW_MANAGER"))
            QTRY_VERIFY(view->hasFocus());
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        const QString expected = Expected(covered, view, items);
        QVERIFY2(expected.contains('G') && expected.contains('W'), qPrintable(expected));
        QTRY_COMPARE(Shown(view, items), expected);
    }
};

QTEST_MAIN(TestAppX11)
#include "test_app_x11.moc"
