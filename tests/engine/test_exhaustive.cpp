// Every game of every setting: where the computer holds the winning line it wins whatever the
// player takes; where the player holds it, taking what the computer expects wins whatever the
// computer draws. The invariants are checked after every click, Start and Play.
#include "support/ExhaustiveWalk.h"

#include <QtTest>

class TestExhaustive : public QObject {
    Q_OBJECT

private slots:
    void sideWithWinningLineWins_data();
    void sideWithWinningLineWins();
};

void TestExhaustive::sideWithWinningLineWins_data() {
    QTest::addColumn<int>("nTotal");
    QTest::addColumn<int>("nMaxTake");
    QTest::addColumn<int>("nOrder");
    for (int order = 0; order <= 1; ++order) {
        for (int m = 2; m <= 7; ++m) {
            for (int n = 21; n <= 39; n += 2) {
                QTest::addRow("N%d M%d %s", n, m, order == 0 ? "first" : "second")
                    << n << m << order;
            }
        }
    }
}

void TestExhaustive::sideWithWinningLineWins() {
    QFETCH(int, nTotal);
    QFETCH(int, nMaxTake);
    QFETCH(int, nOrder);
    ExhaustiveWalk walk(true);
    const WalkResult result = walk.Run(nTotal, nMaxTake, nOrder);
    QVERIFY2(result.failure.empty(), result.failure.c_str());
    QVERIFY(result.games > 0);
}

QTEST_APPLESS_MAIN(TestExhaustive)
#include "test_exhaustive.moc"
