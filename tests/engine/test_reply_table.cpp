// The computer's reply table: every worked answer, the inputs no rule covers, and the two
// closed families of classes.
#include "view/ZeltaroView.h"

#include <QtTest>

#include <sstream>
#include <string>

namespace {

// Reply / class after for x = 1, 2, ...; "-" where no rule covers x.
struct TableRow {
    int nMaxTake;
    int nClass;
    const char* cells;
};
const TableRow kWorked[] = {
    {4, 1, "4/1 4/2 2/1 -"},
    {4, 2, "4/2 2/1 2/2 -"},
    {4, 3, "1/4 4/3 4/5 2/3"},
    {4, 4, "3/3 3/5 1/3 1/5"},
    {4, 5, "4/3 4/5 2/3 2/5"},
    {5, 1, "5/1 5/2 3/1 3/2 1/1"},
    {5, 2, "5/2 3/1 3/2 1/1 1/2"},
    {5, 3, "1/4 5/3 5/5 3/3 -"},
    {5, 4, "4/3 4/5 2/3 2/5 -"},
    {5, 5, "5/3 5/5 3/3 3/5 -"},
    {2, 1, "2/1 -"},
    {2, 3, "1/4 2/3"},
    {2, 4, "1/3 1/5"},
    {3, 2, "3/2 1/1 1/2"},
    {3, 3, "1/4 3/3 -"},
    {6, 2, "6/2 4/1 4/2 2/1 2/2 -"},
    {6, 3, "1/4 6/3 6/5 4/3 4/5 2/3"},
    {7, 1, "7/1 7/2 5/1 5/2 3/1 3/2 1/1"},
    {7, 4, "6/3 6/5 4/3 4/5 2/3 2/5 -"},
};

// Queries the table as the game does and returns (reply, class after).
std::pair<int, int> Ask(CZeltaroView& view, int nClass, int x) {
    view.m_nQueryClass = nClass;
    view.m_nQueryTaken = x;
    view.QueryReply();
    return {view.m_nQueryReply, view.m_nQueryNextClass};
}

bool OddFamily(int nClass) { return nClass == 1 || nClass == 2; }

} // namespace

class TestReplyTable : public QObject {
    Q_OBJECT

private slots:
    void workedAnswers_data();
    void workedAnswers();
    void uncoveredInputsKeepLastAnswer_data();
    void uncoveredInputsKeepLastAnswer();
    void familiesAreClosed();
};

void TestReplyTable::workedAnswers_data() {
    QTest::addColumn<int>("nMaxTake");
    QTest::addColumn<int>("nClass");
    QTest::addColumn<int>("x");
    QTest::addColumn<QString>("cell");
    for (const TableRow& row : kWorked) {
        std::istringstream cells(row.cells);
        std::string cell;
        for (int x = 1; cells >> cell; ++x) {
            QTest::addRow("M%d class %d x %d", row.nMaxTake, row.nClass, x)
                << row.nMaxTake << row.nClass << x << QString::fromStdString(cell);
        }
    }
}

// Each answer is checked after a different earlier answer, so a rule that does not write, or
// writes only one output, shows.
void TestReplyTable::workedAnswers() {
    QFETCH(int, nMaxTake);
    QFETCH(int, nClass);
    QFETCH(int, x);
    QFETCH(QString, cell);
    CZeltaroView view;
    view.m_nMaxTake = nMaxTake;
    view.m_nQueryReply = 91;
    view.m_nQueryNextClass = 92;
    const auto [reply, next] = Ask(view, nClass, x);
    if (cell == "-") {
        QCOMPARE(reply, 91);
        QCOMPARE(next, 92);
    } else {
        QCOMPARE(QStringLiteral("%1/%2").arg(reply).arg(next), cell);
    }
}

void TestReplyTable::uncoveredInputsKeepLastAnswer_data() {
    QTest::addColumn<int>("nMaxTake");
    QTest::addColumn<int>("nClass");
    QTest::addColumn<int>("x");
    for (int m = 2; m <= 7; ++m) {
        for (int c = 1; c <= 5; ++c) {
            for (int x : {0, m + 1, -1, -2, -m})
                QTest::addRow("M%d class %d x %d", m, c, x) << m << c << x;
            // x = M belongs to the other family's pairing.
            if (OddFamily(c) == (m % 2 == 0))
                QTest::addRow("M%d class %d x = M", m, c) << m << c << m;
        }
        for (int c : {0, 6, -1}) {
            for (int x = 1; x <= m; ++x)
                QTest::addRow("M%d class %d x %d", m, c, x) << m << c << x;
        }
    }
}

// The caller reads what the last covered query left: class 3 with x = 1 replies 1, class 4.
void TestReplyTable::uncoveredInputsKeepLastAnswer() {
    QFETCH(int, nMaxTake);
    QFETCH(int, nClass);
    QFETCH(int, x);
    CZeltaroView view;
    view.m_nMaxTake = nMaxTake;
    QCOMPARE(Ask(view, 3, 1), std::make_pair(1, 4));
    QCOMPARE(Ask(view, nClass, x), std::make_pair(1, 4));
}

// Within its family every class answers every x from 1 to M with a legal take and a class of
// the same family, for every M.
void TestReplyTable::familiesAreClosed() {
    for (int m = 2; m <= 7; ++m) {
        CZeltaroView view;
        view.m_nMaxTake = m;
        const bool odd = m % 2 != 0;
        for (int c = odd ? 1 : 3; c <= (odd ? 2 : 5); ++c) {
            for (int x = 1; x <= m; ++x) {
                view.m_nQueryReply = 0;
                view.m_nQueryNextClass = 0;
                const auto [reply, next] = Ask(view, c, x);
                const QByteArray where = QByteArray::number(m) + " " + QByteArray::number(c) + " " +
                                         QByteArray::number(x) + " -> " +
                                         QByteArray::number(reply) + "/" + QByteArray::number(next);
                QVERIFY2(reply >= 1 && reply <= m, where);
                QVERIFY2(next >= 1 && next <= 5 && OddFamily(next) == odd, where);
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestReplyTable)
#include "test_reply_table.moc"
