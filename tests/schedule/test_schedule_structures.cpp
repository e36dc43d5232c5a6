// The engine's small data structures: the range-minimum tree and the row set.

#include "schedule/min_tree.h"
#include "schedule/row_set.h"

#include <QTest>

using namespace morvaine;

class TestScheduleStructures : public QObject {
    Q_OBJECT

private slots:
    void minTreeAnswersEveryRange_data();
    void minTreeAnswersEveryRange();
    void rowSetKeepsRowsInOrder_data();
    void rowSetKeepsRowsInOrder();
};

void TestScheduleStructures::minTreeAnswersEveryRange_data()
{
    QTest::addColumn<QList<int>>("keys");   // of rows 1..n, loaded in bulk
    QTest::addColumn<QList<int>>("writes"); // row, key, row, key, ... after the load
    const int none = MinTree::None;
    QTest::newRow("ties go to the smallest row") << QList<int>{5, 3, 3, 7} << QList<int>{};
    QTest::newRow("one write carried up") << QList<int>{5, 3, 3, 7, 9} << QList<int>{5, 1};
    QTest::newRow("a write raises the minimum") << QList<int>{4, 1, 6} << QList<int>{2, 8};
    QTest::newRow("negative keys and empty leaves")
        << QList<int>{none, -4, none, -9, -9} << QList<int>{3, -20, 3, none};
    QList<int> many;
    for (int row = 1; row <= 24; ++row)
        many << (row * 7) % 11;
    QTest::newRow("many writes, rebuilt whole")
        << many << QList<int>{1, 4, 2, 0, 3, 9, 4, 2, 5, 0, 20, -1, 23, -1};
}

void TestScheduleStructures::minTreeAnswersEveryRange()
{
    QFETCH(QList<int>, keys);
    QFETCH(QList<int>, writes);
    const int size = static_cast<int>(keys.size());
    MinTree tree;
    tree.reset(size);
    for (int row = 1; row <= size; ++row)
        tree.setLeaf(row, keys[row - 1]);
    tree.rebuild();
    for (int i = 0; i < writes.size(); i += 2) {
        tree.set(writes[i], writes[i + 1]);
        keys[writes[i] - 1] = writes[i + 1];
    }
    for (int first = 1; first <= size; ++first) {
        for (int last = first; last <= size; ++last) {
            int row = 0;
            int key = MinTree::None;
            for (int r = first; r <= last; ++r) {
                if (keys[r - 1] < key) {
                    key = keys[r - 1];
                    row = r;
                }
            }
            const MinTree::Entry got = tree.query(first, last);
            QCOMPARE(got.first, key);
            if (row)
                QCOMPARE(got.second, row);
        }
    }
}

void TestScheduleStructures::rowSetKeepsRowsInOrder_data()
{
    QTest::addColumn<QString>("steps"); // +row inserts, -row erases, 0 clears
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("inserted twice, kept once") << "+5 +2 +5" << QList<int>{2, 5};
    QTest::newRow("erasing an absent row") << "+3 -4 -3000" << QList<int>{3};
    QTest::newRow("grows past its size") << "+1 +5000 +70" << QList<int>{1, 70, 5000};
    QTest::newRow("cleared, then used again") << "+4 +9 0 +9 -4" << QList<int>{9};
}

void TestScheduleStructures::rowSetKeepsRowsInOrder()
{
    QFETCH(QString, steps);
    QFETCH(QList<int>, rows);
    RowSet set;
    for (const QString &step : steps.split(' ')) {
        const int row = step.mid(1).toInt();
        if (step.startsWith('+'))
            set.insert(row);
        else if (step.startsWith('-'))
            set.erase(row);
        else
            set.clear();
    }
    QCOMPARE(QList<int>(set.begin(), set.end()), rows);
    QCOMPARE(set.empty(), rows.isEmpty());
    // lower_bound finds the first row at or after a given one.
    for (int row : rows) {
        QVERIFY(set.lower_bound(row) != set.end());
        QCOMPARE(*set.lower_bound(row), row);
    }
    QVERIFY(set.lower_bound(rows.isEmpty() ? 0 : rows.last() + 1) == set.end());
}

QTEST_GUILESS_MAIN(TestScheduleStructures)
#include "test_schedule_structures.moc"
