// Completing the cells the task grid shows: units, group marks, Levels of empty rows.

#include "test_classes.h"

#include "edit/cell_completion.h"
#include "edit_fixture.h"

#include <QTest>

using namespace morvaine;

namespace {

// A project starting Monday 6 May 2024 that counts the cell writes it hears.
struct Fixture : EditFixture {
    int writes = 0;

    Fixture()
    {
        table.addListener([this](int, int, const QString &, const QString &) { ++writes; });
        settle();
    }

    void task(int row, const QString &name, int level = 1)
    {
        table.setCell(ColTask, row, name);
        table.setCell(ColLevel, row, QString::number(level));
        project.LastTaskRow = qMax(project.LastTaskRow, row);
    }
    /// Completes rows first..last in every column.
    void complete(int first, int last) { CompleteRows(project, host, first, last); }
};

} // namespace

void TestCellCompletion::durationGetsItsUnitAndDates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");

    QTest::newRow("1") << "1"
                       << "1 day"
                       << "06.05.2024"
                       << "06.05.2024";
    // 12 working days from Monday 6 May end on Tuesday 21 May.
    QTest::newRow("12") << "12"
                        << "12 days"
                        << "06.05.2024"
                        << "21.05.2024";
    QTest::newRow("0") << "0"
                       << "0 days"
                       << "06.05.2024"
                       << "06.05.2024";
    QTest::newRow("3 days, untouched") << "3 days"
                                       << "3 days"
                                       << ""
                                       << "";
    QTest::newRow("1 day, untouched") << "1 day"
                                      << "1 day"
                                      << ""
                                      << "";
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "";
}

void TestCellCompletion::durationGetsItsUnitAndDates()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, start);
    QFETCH(QString, end);
    Fixture f;
    f.task(3, QStringLiteral("Paint"));
    f.table.setCell(ColDuration, 3, typed);

    f.complete(3, 3);
    QCOMPARE(f.cell(ColDuration, 3), shown);
    QCOMPARE(f.cell(ColStart, 3), start);
    QCOMPARE(f.cell(ColEnd, 3), end);
    QVERIFY(f.host.messages.isEmpty());
}

void TestCellCompletion::unreadableDurationStaysAsTyped_data()
{
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::newRow("not a number") << "abc"
                                  << ""
                                  << "";
    QTest::newRow("dates that do not read") << "5"
                                            << "31.02.2024"
                                            << "01.03.2024";
}

void TestCellCompletion::unreadableDurationStaysAsTyped()
{
    // Nothing is written and no error box comes, however often the cell is shown.
    QFETCH(QString, duration);
    QFETCH(QString, start);
    QFETCH(QString, end);
    Fixture f;
    f.task(3, QStringLiteral("Paint"));
    f.table.setCell(ColDuration, 3, duration);
    f.table.setCell(ColStart, 3, start);
    f.table.setCell(ColEnd, 3, end);
    f.writes = 0;
    for (int pass = 0; pass < 2; ++pass)
        CompleteRows(f.project, f.host, 3, 3, ColDuration, ColDuration);
    QCOMPARE(f.writes, 0);
    QVERIFY(f.host.messages.isEmpty());
}

void TestCellCompletion::completionGetsPercentSign_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("40") << "40"
                        << "40 %";
    QTest::newRow("0") << "0"
                       << "0 %";
    QTest::newRow("40 %, untouched") << "40 %"
                                     << "40 %";
    QTest::newRow("40%, untouched") << "40%"
                                    << "40%";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCellCompletion::completionGetsPercentSign()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Fixture f;
    f.task(1, QStringLiteral("Paint"));
    f.table.setCell(ColCompletion, 1, typed);
    f.complete(1, 1);
    QCOMPARE(f.cell(ColCompletion, 1), shown);
}

void TestCellCompletion::groupMarkFollowsTheNextRow()
{
    Fixture f;
    f.task(1, QStringLiteral("House"), 1);
    f.task(2, QStringLiteral("Walls"), 2);

    f.complete(1, 1);
    QCOMPARE(f.cell(ColVeha, 1), QStringLiteral("v"));
    QCOMPARE(f.host.taskGridRepaints, 1);
    f.complete(1, 1);
    QCOMPARE(f.host.taskGridRepaints, 1);

    // Emptying the sub-task's row ends the group: completing that row clears the mark.
    f.table.setCell(ColTask, 2, QString());
    f.complete(2, 2);
    QCOMPARE(f.cell(ColVeha, 1), QString());
    QCOMPARE(f.cell(ColLevel, 2), QStringLiteral("1"));
    QCOMPARE(f.host.taskGridRepaints, 2);
    f.complete(1, 2);
    QCOMPARE(f.cell(ColVeha, 1), QString());

    // A next row at the same level makes no group.
    f.task(3, QStringLiteral("Garden"), 1);
    f.task(4, QStringLiteral("Fence"), 1);
    f.complete(3, 3);
    QCOMPARE(f.cell(ColVeha, 3), QString());
    QCOMPARE(f.host.taskGridRepaints, 2);
}

void TestCellCompletion::lastRowIsNeverAGroup()
{
    Fixture f;
    f.task(9998, QStringLiteral("Before last"), 1);
    f.task(9999, QStringLiteral("Last"), 2);
    f.complete(9999, 9999);
    QCOMPARE(f.cell(ColVeha, 9999), QString());
    f.complete(9998, TaskTable::LastRow + 5); // a range past the table ends with it
    QCOMPARE(f.cell(ColVeha, 9998), QStringLiteral("v"));
    QCOMPARE(f.host.taskGridRepaints, 1);
}

void TestCellCompletion::emptyRowGetsLevelOne()
{
    Fixture f;
    f.table.setCell(ColLevel, 5, QStringLiteral("3"));
    f.writes = 0;
    f.complete(5, 6);
    QCOMPARE(f.cell(ColLevel, 5), QStringLiteral("1"));
    QCOMPARE(f.writes, 1);
    QCOMPARE(f.host.taskGridRepaints, 0);
}

void TestCellCompletion::onlyTheGivenCellsComplete_data()
{
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<int>("lastColumn");
    QTest::addColumn<QStringList>("completed"); // of row 2: task, duration, completion

    QTest::newRow("rows above") << 0 << 1 << 0 << 10 << QStringList{"", "5", "40"};
    QTest::newRow("rows below") << 3 << 9 << 0 << 10 << QStringList{"", "5", "40"};
    QTest::newRow("whole row") << 2 << 2 << 0 << 10 << QStringList{"v", "5 days", "40 %"};
    QTest::newRow("duration column")
        << 1 << 3 << int(ColDuration) << int(ColDuration) << QStringList{"", "5 days", "40"};
    QTest::newRow("task column") << 2 << 2 << 0 << int(ColTask) << QStringList{"v", "5", "40"};
    QTest::newRow("from the start date on")
        << 2 << 2 << int(ColStart) << 10 << QStringList{"", "5", "40 %"};
}

void TestCellCompletion::onlyTheGivenCellsComplete()
{
    // Cells never shown stay as they were typed.
    QFETCH(int, firstRow);
    QFETCH(int, lastRow);
    QFETCH(int, firstColumn);
    QFETCH(int, lastColumn);
    QFETCH(QStringList, completed);
    Fixture f;
    f.task(2, QStringLiteral("House"), 1);
    f.task(3, QStringLiteral("Walls"), 2);
    f.table.setCell(ColDuration, 2, QStringLiteral("5"));
    f.table.setCell(ColCompletion, 2, QStringLiteral("40"));

    CompleteRows(f.project, f.host, firstRow, lastRow, firstColumn, lastColumn);
    QCOMPARE(f.cell(ColVeha, 2), completed[0]);
    QCOMPARE(f.cell(ColDuration, 2), completed[1]);
    QCOMPARE(f.cell(ColCompletion, 2), completed[2]);
}

void TestCellCompletion::completingSettlesAfterOnePass_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("levels");
    QTest::addColumn<QStringList>("durations");

    QTest::newRow("outline") << QStringList{"House", "Walls", "", "Garden", "Fence", "Gate"}
                             << QStringList{"1", "2", "3", "1", "2", "3"}
                             << QStringList{"", "5", "", "", "1", "2"};
    QTest::newRow("group ended by a stale deeper empty row")
        << QStringList{"House", "Walls", ""} << QStringList{"1", "2", "4"}
        << QStringList{"", "3 days", ""};
    QTest::newRow("task below level 1 above an empty row")
        << QStringList{"Odd", ""} << QStringList{"0", "1"} << QStringList{"1", ""};
    QTest::newRow("unreadable level and duration")
        << QStringList{"A", "B", ""} << QStringList{"x", "2", "1"} << QStringList{"abc", "", ""};
}

void TestCellCompletion::completingSettlesAfterOnePass()
{
    // A completed cell is never written again: a second pass over the same rows finds
    // nothing left to write or to repaint.
    QFETCH(QStringList, names);
    QFETCH(QStringList, levels);
    QFETCH(QStringList, durations);
    Fixture f;
    for (int i = 0; i < names.size(); ++i) {
        f.task(i + 1, names[i]);
        f.table.setCell(ColLevel, i + 1, levels[i]);
        f.table.setCell(ColDuration, i + 1, durations[i]);
        f.table.setCell(ColCompletion, i + 1,
                        names[i].isEmpty() ? QString() : QStringLiteral("10"));
    }
    const int last = int(names.size()) + 1;
    f.complete(1, last);
    const int writes = f.writes;
    const int repaints = f.host.taskGridRepaints;
    for (int pass = 0; pass < 2; ++pass)
        f.complete(1, last);
    QCOMPARE(f.writes, writes);
    QCOMPARE(f.host.taskGridRepaints, repaints);
    QVERIFY(f.host.messages.isEmpty());
}
