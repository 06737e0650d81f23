// Start: the defaults, classification of the start position, and the computer's openings.
#include "support/RecordingHost.h"
#include "support/ScriptedRuntime.h"
#include "view/ZeltaroView.h"

#include <QtTest>

class TestStart : public QObject {
    Q_OBJECT

private slots:
    void defaultsAtFirstStart();
};

void TestStart::defaultsAtFirstStart() {
    CZeltaroView view;
    RecordingHost host;
    ScriptedRuntime runtime;
    view.SetHost(&host);
    view.SetRuntime(&runtime);
    view.OnStart();
    QCOMPARE(view.m_nTotal, 25);
    QCOMPARE(view.m_nMaxTake, 4);
    QCOMPARE(view.m_nOrder, 0);
    QCOMPARE(view.m_nMode, 2);
    view.AssertValid();
}

QTEST_APPLESS_MAIN(TestStart)
#include "test_start.moc"
