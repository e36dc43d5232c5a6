#include "test_classes.h"

#include "app/task_table_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace morvaine;

void TestTaskTableModel::passesModelTester()
{
    // The tester walks every index, so it gets a table of the task table's columns
    // but fewer rows; the adapter does not depend on the size.
    CellTable table(TaskTable::Columns, 40);
    TaskTableModel model(table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int row = 1; row < 40; ++row)
        table.setCell(ColNumber, row, QString::number(row));
    table.setCell(ColTask, 0, QStringLiteral("Task"));
    table.setCell(ColTask, 5, QStringLiteral("Roof"));
    QVERIFY(model.setData(model.index(6, ColDuration), QStringLiteral("3")));
    QCOMPARE(table.cell(ColDuration, 6), QStringLiteral("3"));
    // The fixed header row and number column are not typed into.
    QVERIFY(!model.setData(model.index(0, ColTask), QStringLiteral("x")));
    QVERIFY(!model.setData(model.index(4, ColNumber), QStringLiteral("x")));
    QCOMPARE(model.rowCount(), 40);
    QCOMPARE(model.columnCount(), TaskTable::Columns);
    QVERIFY(!(model.flags(model.index(0, ColTask)) & Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(1, ColTask)) & Qt::ItemIsEditable);

    // Over the real task table it has its full size.
    Project project;
    TaskTableModel full(project.taskTable);
    QCOMPARE(full.rowCount(), TaskTable::Rows);
}

void TestTaskTableModel::cellWritesRepaintTheirCell()
{
    Project project;
    TaskTableModel model(project.taskTable);
    QSignalSpy cells(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy headers(&model, &QAbstractItemModel::headerDataChanged);

    project.taskTable.setCell(ColStart, 12, QStringLiteral("01.02.2027"));
    QCOMPARE(cells.size(), 1);
    QCOMPARE(cells[0][0].toModelIndex(), model.index(12, ColStart));
    QCOMPARE(cells[0][1].toModelIndex(), model.index(12, ColStart));
    QCOMPARE(model.data(model.index(12, ColStart)).toString(), QStringLiteral("01.02.2027"));

    // Writing the same text again is no change.
    project.taskTable.setCell(ColStart, 12, QStringLiteral("01.02.2027"));
    QCOMPARE(cells.size(), 1);

    project.taskTable.setCell(ColEnd, 0, QStringLiteral("End"));
    project.taskTable.setCell(ColNumber, 8, QStringLiteral("8"));
    QCOMPARE(headers.size(), 2);
    QCOMPARE(headers[0][0].value<Qt::Orientation>(), Qt::Horizontal);
    QCOMPARE(headers[1][0].value<Qt::Orientation>(), Qt::Vertical);
    QCOMPARE(model.headerData(ColEnd, Qt::Horizontal).toString(), QStringLiteral("End"));
    QCOMPARE(model.headerData(8, Qt::Vertical).toString(), QStringLiteral("8"));
}
