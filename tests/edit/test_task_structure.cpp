#include "test_classes.h"

#include "edit/task_structure.h"
#include "edit_fixture.h"

#include <QTest>

using namespace morvaine;

namespace {

// Tasks A, B and C typed on rows 1-3; C follows A and B.
void typeLinkedTasks(EditFixture &f)
{
    f.enter(ColTask, 1, QStringLiteral("A"));
    f.enter(ColTask, 2, QStringLiteral("B"));
    f.enter(ColTask, 3, QStringLiteral("C"));
    f.enter(ColForerunner, 3, QStringLiteral("1;2"));
    QCOMPARE(f.cell(ColForerunner, 3), QStringLiteral(" 1; 2;"));
    QCOMPARE(f.cell(ColStart, 3), QStringLiteral("07.05.2024"));
    f.settle();
}

void verifyEmptyRow(const EditFixture &f, int row)
{
    for (int column = ColTask; column <= ColCompletion; ++column)
        QVERIFY2(f.cell(column, row).isEmpty(), qPrintable(QString::number(column)));
    QCOMPARE(f.cell(ColLevel, row), QStringLiteral("1"));
    QCOMPARE(f.cell(ColVeha, row), QString());
}

QStringList column(const EditFixture &f, int col, int rows)
{
    QStringList texts;
    for (int row = 1; row <= rows; ++row)
        texts << f.cell(col, row);
    return texts;
}

TDateTime day(const char *text)
{
    return StrToDate(QLatin1String(text));
}

} // namespace

void TestTaskStructure::insertMovesRowsAndRenumbersLinks()
{
    EditFixture f;
    typeLinkedTasks(f);
    f.host.SelectCell(ColTask, 2);

    InsertTask(f.project, f.host);

    QCOMPARE(column(f, ColTask, 4), (QStringList{"A", "", "B", "C"}));
    verifyEmptyRow(f, 2);
    QCOMPARE(f.cell(ColForerunner, 4), QStringLiteral(" 1; 3;"));
    QCOMPARE(f.cell(ColStart, 4), QStringLiteral("07.05.2024"));
    QCOMPARE(f.project.LastTaskRow, 4);
    QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));
    QCOMPARE(f.host.chartRepaints, 1);
}

void TestTaskStructure::lastTableRowRefusesInsertAndCanBeDeleted()
{
    EditFixture f;
    constexpr int last = TaskTable::LastRow;
    f.table.setCell(ColTask, 5, QStringLiteral("E"));
    f.table.setCell(ColTask, last, QStringLiteral("Last"));
    f.table.setCell(ColLevel, last, QStringLiteral("2"));
    f.project.LastTaskRow = last;
    f.settle();

    InsertTask(f.project, f.host, 5);
    QCOMPARE(f.host.beeps, 1);
    QCOMPARE(f.cell(ColTask, 5), QStringLiteral("E"));
    QCOMPARE(f.cell(ColTask, 6), QString());
    QCOMPARE(f.cell(ColTask, last), QStringLiteral("Last"));
    QCOMPARE(f.project.LastTaskRow, last);
    QCOMPARE(f.project.settings().modify(), QStringLiteral("No"));

    // Deleting the table's last row looks at no row beyond it.
    DeleteTask(f.project, f.host, last);
    QCOMPARE(f.project.LastTaskRow, 5);
    verifyEmptyRow(f, last);
}

void TestTaskStructure::insertAndDeleteAfterLastTaskRowDoNothing()
{
    EditFixture f;
    typeLinkedTasks(f);
    InsertTask(f.project, f.host, 4);
    DeleteTask(f.project, f.host, 4);
    QCOMPARE(column(f, ColTask, 4), (QStringList{"A", "B", "C", ""}));
    QCOMPARE(f.project.LastTaskRow, 3);
    QCOMPARE(f.project.settings().modify(), QStringLiteral("No"));
    QCOMPARE(f.host.chartRepaints, 0);
}

void TestTaskStructure::insertSeesCellBeingTyped()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("A"));
    f.enter(ColTask, 2, QStringLiteral("B"));
    f.type(ColTask, 3, QStringLiteral("C")); // still in the editor

    InsertTask(f.project, f.host);

    QCOMPARE(column(f, ColTask, 4), (QStringList{"A", "B", "", "C"}));
    QCOMPARE(f.cell(ColDuration, 4), QStringLiteral("1"));
    QCOMPARE(f.project.LastTaskRow, 4);
}

void TestTaskStructure::movedRowsAreNotCommittedOnLeaving()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("A"));
    f.enter(ColTask, 2, QStringLiteral("B"));
    f.host.SelectCell(ColDuration, 2);

    InsertTask(f.project, f.host);
    MoveDownOnEnter(f.host, Qt::Key_Return);

    // The Duration left behind is the new empty row's, which nobody typed into.
    verifyEmptyRow(f, 2);
    QCOMPARE(f.project.LastTaskRow, 3);
}

void TestTaskStructure::pickerFollowsMovedRow()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("A"));
    f.enter(ColTask, 2, QStringLiteral("B"));
    f.enter(ColDuration, 3, QStringLiteral("2"));
    f.table.setCell(ColStart, 2, QStringLiteral("08.05.2024"));
    f.table.setCell(ColVeha, 2, QStringLiteral("v"));
    f.table.setCell(ColLevel, 3, QStringLiteral("2"));
    f.host.SelectCell(ColStart, 1);
    QCOMPARE(f.host.pickerDate, day("06.05.2024"));

    DeleteTask(f.project, f.host);
    QCOMPARE(f.cell(ColTask, 1), QStringLiteral("B"));
    QCOMPARE(f.host.pickerColumn, -1);
    QVERIFY(!f.host.editing);

    DeleteTask(f.project, f.host);
    QCOMPARE(f.host.pickerRow, 1);
    QCOMPARE(f.host.pickerDate, day("06.05.2024"));
    QVERIFY(f.host.editing);
}

void TestTaskStructure::badForerunnerStopsInsertBeforeAnythingMoves()
{
    EditFixture f;
    typeLinkedTasks(f);
    f.table.setCell(ColForerunner, 3, QStringLiteral(" 1;x;"));

    QVERIFY_THROWS_EXCEPTION(ConversionError, InsertTask(f.project, f.host, 2));
    QCOMPARE(column(f, ColTask, 4), (QStringList{"A", "B", "C", ""}));
    QCOMPARE(f.project.LastTaskRow, 3);

    QVERIFY_THROWS_EXCEPTION(ConversionError, DeleteTask(f.project, f.host, 2));
    QCOMPARE(column(f, ColTask, 4), (QStringList{"A", "B", "C", ""}));
}

void TestTaskStructure::deleteDropsLinksAndRenumbers_data()
{
    QTest::addColumn<int>("deleted");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("forerunners");

    QTest::newRow("first") << 1 << QStringList{"B", "C", ""} << QStringList{"", " 1;", ""};
    QTest::newRow("middle") << 2 << QStringList{"A", "C", ""} << QStringList{"", " 1;", ""};
    QTest::newRow("last") << 3 << QStringList{"A", "B", ""} << QStringList{"", "", ""};
}

void TestTaskStructure::deleteDropsLinksAndRenumbers()
{
    QFETCH(int, deleted);
    QFETCH(QStringList, names);
    QFETCH(QStringList, forerunners);
    EditFixture f;
    typeLinkedTasks(f);

    DeleteTask(f.project, f.host, deleted);

    QCOMPARE(column(f, ColTask, 3), names);
    QCOMPARE(column(f, ColForerunner, 3), forerunners);
    verifyEmptyRow(f, 3);
    QCOMPARE(f.project.LastTaskRow, 2);
    QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));
    QCOMPARE(f.host.chartRepaints, 1);
}

void TestTaskStructure::renumberingKeepsTypesAndLags_data()
{
    QTest::addColumn<bool>("insert");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("forerunner"); // of row 4 before; of its row after
    QTest::addColumn<QString>("renumbered");
    const QString list = QStringLiteral(" 1SS+2; 2FF-1; 3; 3SF;");
    QTest::newRow("insert above all") << true << 1 << list << " 2SS+2; 3FF-1; 4; 4SF;";
    QTest::newRow("insert in between") << true << 3 << list << " 1SS+2; 2FF-1; 4; 4SF;";
    QTest::newRow("delete the first") << false << 1 << list << " 1FF-1; 2; 2SF;";
    QTest::newRow("delete the second") << false << 2 << list << " 1SS+2; 2; 2SF;";
    QTest::newRow("delete the third") << false << 3 << list << " 1SS+2; 2FF-1;";
    QTest::newRow("plain items as ever") << false << 2 << " 03; 2; 3;"
                                         << " 2; 2;";
    QTest::newRow("malformed item moves too") << true << 2 << " 3SX+1; 1;"
                                              << " 4SX+1; 1;";
}

void TestTaskStructure::renumberingKeepsTypesAndLags()
{
    QFETCH(bool, insert);
    QFETCH(int, row);
    QFETCH(QString, forerunner);
    QFETCH(QString, renumbered);
    EditFixture f;
    for (int r = 1; r <= 4; ++r)
        f.enter(ColTask, r, QString(QChar(u'A' + r - 1)));
    f.table.setCell(ColForerunner, 4, forerunner);
    f.settle();

    if (insert)
        InsertTask(f.project, f.host, row);
    else
        DeleteTask(f.project, f.host, row);

    const int moved = insert ? 5 : 3;
    QCOMPARE(f.cell(ColTask, moved), QStringLiteral("D"));
    QCOMPARE(f.cell(ColForerunner, moved), renumbered);
}

void TestTaskStructure::deletingOnlyTaskEmptiesTable()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("A"));
    QCOMPARE(f.cell(ColEnd, 1), QStringLiteral("06.05.2024"));

    DeleteTask(f.project, f.host, 1);
    QCOMPARE(f.project.LastTaskRow, 0);
    verifyEmptyRow(f, 1);
}

void TestTaskStructure::deletingLastTaskFindsPreviousTaskRow_data()
{
    QTest::addColumn<QString>("nameOnRow3");
    QTest::addColumn<int>("lastTaskRow");
    QTest::newRow("empty rows between") << "" << 1;
    QTest::newRow("unscheduled task kept") << "C" << 3;
}

void TestTaskStructure::deletingLastTaskFindsPreviousTaskRow()
{
    QFETCH(QString, nameOnRow3);
    QFETCH(int, lastTaskRow);
    EditFixture f;
    for (const int row : {1, 5}) {
        f.table.setCell(ColTask, row, QStringLiteral("T%1").arg(row));
        f.table.setCell(ColDuration, row, QStringLiteral("1"));
        f.table.setCell(ColStart, row, QStringLiteral("06.05.2024"));
        f.table.setCell(ColEnd, row, QStringLiteral("06.05.2024"));
    }
    f.table.setCell(ColTask, 3, nameOnRow3);
    f.table.setCell(ColLevel, 4, QStringLiteral("3"));
    f.project.LastTaskRow = 5;

    DeleteTask(f.project, f.host, 5);

    QCOMPARE(f.project.LastTaskRow, lastTaskRow);
    QCOMPARE(f.cell(ColTask, 1), QStringLiteral("T1"));
    QCOMPARE(f.cell(ColTask, 3), nameOnRow3);
    for (int row = 4; row <= 5; ++row)
        verifyEmptyRow(f, row);
}

void TestTaskStructure::deleteUpdatesGroupMarks()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("G"));
    f.enter(ColTask, 2, QStringLiteral("S1"));
    f.enter(ColTask, 3, QStringLiteral("S2"));
    IndentTask(f.project, f.host, ColTask, 2);
    IndentTask(f.project, f.host, ColTask, 3);
    QCOMPARE(column(f, ColLevel, 3), (QStringList{"1", "2", "2"}));
    QCOMPARE(f.cell(ColVeha, 1), QStringLiteral("v"));

    DeleteTask(f.project, f.host, 2);
    QCOMPARE(f.cell(ColVeha, 1), QStringLiteral("v"));
    DeleteTask(f.project, f.host, 2);
    QCOMPARE(f.cell(ColVeha, 1), QString());
    QCOMPARE(f.project.LastTaskRow, 1);
}

void TestTaskStructure::indentMakesGroupAndRefusesSecondLevel()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("A"));
    f.enter(ColTask, 2, QStringLiteral("B"));
    f.host.SelectCell(ColTask, 2);
    f.settle();

    IndentTask(f.project, f.host);
    QCOMPARE(f.cell(ColLevel, 2), QStringLiteral("2"));
    QCOMPARE(f.cell(ColVeha, 1), QStringLiteral("v"));
    QCOMPARE(f.host.beeps, 0);
    QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));

    f.settle();
    IndentTask(f.project, f.host);
    QCOMPARE(f.cell(ColLevel, 2), QStringLiteral("2"));
    QCOMPARE(f.host.beeps, 1);
    // A refused indent still counts as a change.
    QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));
}

void TestTaskStructure::indentOnlyFromNamedTaskCell()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("A"));
    f.enter(ColTask, 2, QStringLiteral("B"));
    f.settle();

    IndentTask(f.project, f.host, ColDuration, 2);
    IndentTask(f.project, f.host, ColTask, 3);
    QCOMPARE(column(f, ColLevel, 3), (QStringList{"1", "1", "1"}));
    QCOMPARE(f.project.settings().modify(), QStringLiteral("No"));

    // With no task above, nothing limits the depth.
    IndentTask(f.project, f.host, ColTask, 1);
    IndentTask(f.project, f.host, ColTask, 1);
    QCOMPARE(f.cell(ColLevel, 1), QStringLiteral("3"));
    QCOMPARE(f.host.beeps, 0);
}

void TestTaskStructure::outdent_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("levels");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<QStringList>("newLevels");
    QTest::addColumn<QStringList>("newMarks");
    QTest::addColumn<bool>("modified");

    QTest::newRow("level 1 does nothing")
        << 2 << QStringList{"1", "1", "1"} << QStringList{"", "", ""} << QStringList{"1", "1", "1"}
        << QStringList{"", "", ""} << false;
    QTest::newRow("only sub-task") << 2 << QStringList{"1", "2", "1"} << QStringList{"v", "", ""}
                                   << QStringList{"1", "1", "1"} << QStringList{"", "", ""} << true;
    QTest::newRow("heads the rest of its group")
        << 2 << QStringList{"1", "2", "2"} << QStringList{"v", "", ""} << QStringList{"1", "1", "2"}
        << QStringList{"", "v", ""} << true;
    QTest::newRow("first row heads the rows below")
        << 1 << QStringList{"2", "2", "1"} << QStringList{"", "", ""} << QStringList{"1", "2", "1"}
        << QStringList{"v", "", ""} << true;
}

void TestTaskStructure::outdent()
{
    QFETCH(int, row);
    QFETCH(QStringList, levels);
    QFETCH(QStringList, marks);
    QFETCH(QStringList, newLevels);
    QFETCH(QStringList, newMarks);
    QFETCH(bool, modified);

    EditFixture f;
    for (int r = 1; r <= 3; ++r)
        f.enter(ColTask, r, QStringLiteral("T%1").arg(r));
    for (int r = 1; r <= 3; ++r) {
        f.table.setCell(ColLevel, r, levels[r - 1]);
        f.table.setCell(ColVeha, r, marks[r - 1]);
    }
    f.host.SelectCell(ColTask, row);
    f.settle();

    OutdentTask(f.project, f.host);

    QCOMPARE(column(f, ColLevel, 3), newLevels);
    QCOMPARE(column(f, ColVeha, 3), newMarks);
    QCOMPARE(f.project.settings().isModified(), modified);
}
