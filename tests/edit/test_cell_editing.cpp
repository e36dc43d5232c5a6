#include "test_classes.h"

#include "edit/command_guard.h"
#include "edit/date_picker.h"
#include "edit/task_structure.h"
#include "edit_fixture.h"
#include "model/project_file.h"

#include <QDate>
#include <QTest>

using namespace morvaine;

namespace {

TDateTime day(const char *text)
{
    return StrToDate(QLatin1String(text));
}

} // namespace

void TestCellEditing::typingFilter_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");

    QTest::newRow("duration digits") << 2 << ""
                                     << "12" << false << "12" << 0;
    QTest::newRow("duration letter after digit") << 2 << ""
                                                 << "5x" << false << "5" << 0;
    QTest::newRow("duration letter alone") << 2 << ""
                                           << "x" << false << "" << 0;
    QTest::newRow("duration unit falls back") << 2 << "5 days"
                                              << "7" << false << "5" << 0;
    QTest::newRow("duration pasted with unit") << 2 << ""
                                               << "1 day" << true << "1" << 0;
    QTest::newRow("forerunner comma beeps") << 5 << ""
                                            << "2,3" << false << "23" << 1;
    QTest::newRow("forerunner list characters") << 5 << ""
                                                << "2; 3" << false << "2; 3" << 0;
    QTest::newRow("forerunner letters") << 5 << ""
                                        << "ab" << false << "" << 2;
    QTest::newRow("forerunner link type and lag") << 5 << ""
                                                  << "3sS+2; 4Ff-1" << false << "3sS+2; 4Ff-1" << 0;
    QTest::newRow("forerunner other letter") << 5 << ""
                                             << "3SX" << false << "3S" << 1;
    QTest::newRow("completion capped") << 7 << ""
                                       << "150" << false << "100" << 0;
    QTest::newRow("completion fourth digit") << 7 << "099"
                                             << "5" << false << "099" << 0;
    QTest::newRow("completion past 100") << 7 << ""
                                         << "1007" << false << "100" << 0;
    QTest::newRow("completion percent sign") << 7 << ""
                                             << "7%" << false << "7" << 0;
    QTest::newRow("completion pasted digits") << 7 << ""
                                              << "1234" << true << "100" << 0;
    QTest::newRow("completion letter inside") << 7 << ""
                                              << "1a5" << true << "1a5" << 0;
    QTest::newRow("task unfiltered") << 1 << ""
                                     << "A;b,c" << false << "A;b,c" << 0;
    QTest::newRow("resource unfiltered") << 6 << ""
                                         << "Anna, Bob" << false << "Anna, Bob" << 0;
    QTest::newRow("start unfiltered") << 3 << ""
                                      << "1.2." << false << "1.2." << 0;
}

void TestCellEditing::typingFilter()
{
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    QFETCH(QString, expected);
    QFETCH(int, beeps);

    EditFixture f;
    f.table.setCell(column, 1, before);
    f.host.SelectCell(column, 1);
    QString shown;
    if (pasted) {
        shown = FilterTypedText(f.project, f.host, column, 1, before + typed);
    } else {
        for (const QChar ch : typed)
            shown = FilterTypedText(f.project, f.host, column, 1, f.cell(column, 1) + ch);
    }
    QCOMPARE(f.cell(column, 1), expected);
    QCOMPARE(shown, expected);
    QCOMPARE(f.host.beeps, beeps);
}

void TestCellEditing::modifyFollowsNonEmptyText()
{
    EditFixture f;
    FilterTypedText(f.project, f.host, ColTask, 1, QString());
    QCOMPARE(f.project.settings().modify(), QStringLiteral("No"));
    // The text reported counts, not what the filter left of it.
    FilterTypedText(f.project, f.host, ColDuration, 1, QStringLiteral("x"));
    QCOMPARE(f.cell(ColDuration, 1), QString());
    QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));
}

void TestCellEditing::durationCommitSchedulesRowAndRaisesLastTaskRow()
{
    EditFixture f;
    f.enter(ColDuration, 3, QStringLiteral("12"));

    QCOMPARE(f.cell(ColDuration, 3), QStringLiteral("12"));
    QCOMPARE(f.cell(ColStart, 3), QStringLiteral("06.05.2024"));
    QCOMPARE(f.cell(ColEnd, 3), QStringLiteral("21.05.2024")); // twelve weekdays
    QCOMPARE(f.project.LastTaskRow, 3);
    QVERIFY(f.host.taskGridRepaints > 0);
    QCOMPARE(f.host.currentColumn, int(ColDuration));
    QCOMPARE(f.host.currentRow, 4);
}

void TestCellEditing::anyTypedColumnMakesOneDayTask_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("task") << 1 << "Plan";
    QTest::newRow("forerunner") << 5 << "7";
    QTest::newRow("resource") << 6 << "Anna";
    QTest::newRow("completion") << 7 << "50";
}

void TestCellEditing::anyTypedColumnMakesOneDayTask()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    EditFixture f;
    f.enter(column, 2, text);

    QCOMPARE(f.cell(ColDuration, 2), QStringLiteral("1"));
    QCOMPARE(f.cell(ColStart, 2), QStringLiteral("06.05.2024"));
    QCOMPARE(f.cell(ColEnd, 2), QStringLiteral("06.05.2024"));
    QCOMPARE(f.project.LastTaskRow, 2);
    QVERIFY(f.host.chartRepaints > 0);
}

void TestCellEditing::forerunnerCommit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("semicolon") << "1;3"
                               << " 1; 3;";
    QTest::newRow("blank joins digits") << "1 3"
                                        << " 13;";
    QTest::newRow("closing semicolon") << "2;"
                                       << " 2;";
    QTest::newRow("blanks around") << "  4 ;5  "
                                   << " 4; 5;";
    QTest::newRow("no digit") << " ; ;"
                              << "";
    QTest::newRow("empty items first") << ";;6"
                                       << " 6;";
    QTest::newRow("empty item between") << "1; ;3;;"
                                        << " 1; 3;";
    QTest::newRow("link types upper-cased") << "3 ss + 2;4ff;5sf"
                                            << " 3SS+2; 4FF; 5SF;";
    QTest::newRow("FS and +0 left out") << "3fs;4SS+0"
                                        << " 3; 4SS;";
    QTest::newRow("lead") << "5FS - 1"
                          << " 5-1;";
}

void TestCellEditing::forerunnerCommit()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    EditFixture f;
    f.enter(ColForerunner, 2, typed);
    QCOMPARE(f.cell(ColForerunner, 2), stored);
    QCOMPARE(f.host.beeps, 0);
}

// A malformed item stays in the list, is named with why in one "Error" box, and is not
// followed; the rest of the list is.
void TestCellEditing::malformedLinkIsReported()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("A"));
    f.enter(ColTask, 2, QStringLiteral("B"));
    f.enter(ColForerunner, 2, QStringLiteral("1; 1sfs; 1ss+1000"));
    QCOMPARE(f.cell(ColForerunner, 2), QStringLiteral(" 1; 1SFS; 1SS+1000;"));
    QCOMPARE(f.host.messages.size(), 1);
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(f.host.messages[0].text,
             QString::fromUtf8("Link error (Task #2, item '1SFS')\n'SFS' is not a link type; the "
                               "types are FS, SS, FF and SF.\nThis link will be ignored.\n"
                               "Link error (Task #2, item '1SS+1000')\nThe lag +1000 is beyond "
                               "±999 working days.\nThis link will be ignored."));
    // The good link is followed.
    QCOMPARE(f.cell(ColStart, 2), QStringLiteral("07.05.2024"));
}

void TestCellEditing::resourceCommit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("resources");
    QTest::addColumn<int>("beeps");

    // A name keeps its inner blanks, as the resource dialog stores it; blanks around
    // names go.
    QTest::newRow("comma and inner blank")
        << "Anna, Bob Smith" << QStringList() << " Anna; Bob Smith;"
        << QStringList{"Anna", "Bob Smith"} << 0;
    QTest::newRow("blanks around names, inner ones kept")
        << "  Ann  Lee ;Bob  " << QStringList{"Ann  Lee"} << " Ann  Lee; Bob;"
        << QStringList{"Ann  Lee", "Bob"} << 0;
    QTest::newRow("imported list typed into")
        << " Resource 1; Resource 2" << QStringList{"Resource 1"} << " Resource 1; Resource 2;"
        << QStringList{"Resource 1", "Resource 2"} << 0;
    QTest::newRow("known name kept")
        << "Bob;Anna" << QStringList{"Anna"} << " Bob; Anna;" << QStringList{"Anna", "Bob"} << 0;
    QTest::newRow("every separator")
        << "a.b:c" << QStringList() << " a; b; c;" << QStringList{"a", "b", "c"} << 0;
    QTest::newRow("empty item and repeat")
        << "Anna;;Anna" << QStringList() << " Anna; ; Anna;" << QStringList{"Anna"} << 0;
    QTest::newRow("names match exactly")
        << "bob" << QStringList{"Bob"} << " bob;" << QStringList{"Bob", "bob"} << 0;
    QTest::newRow("separator alone") << " ; " << QStringList() << "" << QStringList() << 1;
}

void TestCellEditing::resourceCommit()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, known);
    QFETCH(QString, stored);
    QFETCH(QStringList, resources);
    QFETCH(int, beeps);

    EditFixture f;
    for (int i = 0; i < known.size(); ++i)
        f.project.resourceTable.setCell(ResColName, i + 1, known[i]);
    f.enter(ColResource, 1, typed);

    QCOMPARE(f.cell(ColResource, 1), stored);
    QStringList names;
    for (int row = 1; !f.project.resourceTable.cell(ResColName, row).isEmpty(); ++row)
        names << f.project.resourceTable.cell(ResColName, row);
    QCOMPARE(names, resources);
    QCOMPARE(f.host.beeps, beeps);
    // An emptied list leaves no task behind.
    QCOMPARE(f.cell(ColDuration, 1).isEmpty(), stored.isEmpty());
}

void TestCellEditing::fullResourceTableStillHandlesRestOfList()
{
    EditFixture f;
    ResourceTable &resources = f.project.resourceTable;
    for (int row = 1; row < ResourceTable::Rows - 1; ++row)
        resources.setCell(ResColName, row, QStringLiteral("R%1").arg(row));

    f.enter(ColResource, 1, QStringLiteral("X, Y, R3"));

    QCOMPARE(f.cell(ColResource, 1), QStringLiteral(" X; Y; R3;"));
    QCOMPARE(resources.cell(ResColName, ResourceTable::Rows - 1), QStringLiteral("X"));
    QCOMPARE(resources.cell(ResColName, 3), QStringLiteral("R3"));
    QCOMPARE(f.host.beeps, 1);
    // The commit went on to make the row a task.
    QCOMPARE(f.cell(ColDuration, 1), QStringLiteral("1"));
    QCOMPARE(f.project.LastTaskRow, 1);
}

void TestCellEditing::restoredTextCommitsNothing()
{
    EditFixture f;
    f.type(ColTask, 2, QStringLiteral("A"));
    FilterTypedText(f.project, f.host, ColTask, 2, QString());
    MoveDownOnEnter(f.host, Qt::Key_Return);

    QCOMPARE(f.cell(ColDuration, 2), QString());
    QCOMPARE(f.project.LastTaskRow, 0);
    QCOMPARE(f.host.chartRepaints, 0);
}

void TestCellEditing::failedCommitIsReportedOnce()
{
    EditFixture f;
    f.host.SelectCell(ColDuration, 1);
    // A letter typed between two digits passes the filter.
    FilterTypedText(f.project, f.host, ColDuration, 1, QStringLiteral("5x5"));
    QVERIFY_THROWS_EXCEPTION(ConversionError, f.host.SelectCell(ColDuration, 2));

    QCOMPARE(f.cell(ColDuration, 1), QStringLiteral("5x5"));
    QCOMPARE(f.project.Edit.TrackedRow, 2);
    CommitAndSelectCell(f.project, f.host, ColDuration, 3); // no second error
}

void TestCellEditing::pickerOverDateCells()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("Plan"));
    f.table.setCell(ColEnd, 1, QStringLiteral("10.05.2024"));

    f.host.SelectCell(ColEnd, 1);
    QCOMPARE(f.host.pickerColumn, int(ColEnd));
    QCOMPARE(f.host.pickerRow, 1);
    QCOMPARE(f.host.pickerDate, day("10.05.2024"));
    QVERIFY(f.host.editing);

    // An empty date cell offers the project start.
    f.project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("13.05.2024"));
    f.host.SelectCell(ColStart, 5);
    QCOMPARE(f.host.pickerColumn, int(ColStart));
    QCOMPARE(f.host.pickerRow, 5);
    QCOMPARE(f.host.pickerDate, day("13.05.2024"));

    f.host.SelectCell(ColForerunner, 5);
    QCOMPARE(f.host.pickerColumn, -1);
}

void TestCellEditing::groupTaskCellsRefuseEditing_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("editing");
    QTest::newRow("task") << 1 << true;
    QTest::newRow("duration") << 2 << false;
    QTest::newRow("start") << 3 << false;
    QTest::newRow("end") << 4 << false;
    QTest::newRow("forerunner") << 5 << true;
    QTest::newRow("resource") << 6 << false;
    QTest::newRow("completion") << 7 << false;
}

void TestCellEditing::groupTaskCellsRefuseEditing()
{
    QFETCH(int, column);
    QFETCH(bool, editing);
    EditFixture f;
    f.table.setCell(ColTask, 2, QStringLiteral("Group"));
    f.table.setCell(ColVeha, 2, QStringLiteral("v"));
    f.host.SelectCell(ColStart, 1); // picker shown on an ordinary row first

    f.host.SelectCell(column, 2);
    QCOMPARE(f.host.editing, editing);
    QCOMPARE(f.host.pickerColumn, -1);

    // The next ordinary row is editable again.
    f.host.SelectCell(column, 3);
    QVERIFY(f.host.editing);
}

void TestCellEditing::unreadableDateHidesPickerAndTracksCell()
{
    EditFixture f;
    f.table.setCell(ColStart, 1, QStringLiteral("31.02.2024"));
    f.type(ColTask, 1, QStringLiteral("A"));
    f.host.SelectCell(ColStart, 2);

    QVERIFY_THROWS_EXCEPTION(ConversionError, CommitAndSelectCell(f.project, f.host, ColStart, 1));
    QCOMPARE(f.host.pickerColumn, -1);
    QVERIFY(f.host.editing);
    QCOMPARE(f.project.Edit.TrackedCol, int(ColStart));
    QCOMPARE(f.project.Edit.TrackedRow, 1);

    // Typed over, the cell gets its picker back.
    FilterTypedText(f.project, f.host, ColStart, 1, QStringLiteral("07.05.2024"));
    f.host.SelectCell(ColTask, 1);
    f.host.SelectCell(ColStart, 1);
    QCOMPARE(f.host.pickerDate, day("07.05.2024"));
}

void TestCellEditing::hiddenAndFixedCellsCannotBeSelected()
{
    EditFixture f;
    f.host.SelectCell(ColDuration, 4);
    for (const auto &[column, row] : {std::pair{ColLevel, 4}, std::pair{ColSettings, 2},
                                      std::pair{ColNumber, 4}, std::pair{ColTask, 0}})
        QVERIFY(!CommitAndSelectCell(f.project, f.host, column, row));
    QCOMPARE(f.project.Edit.TrackedCol, int(ColDuration));
    QCOMPARE(f.project.Edit.TrackedRow, 4);
}

void TestCellEditing::droppedPickerRecalculatesOnceAtCloseUp()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("Plan"));
    f.host.SelectCell(ColStart, 1);
    f.settle();

    DeferPickerRecalc(f.project);
    WritePickedDate(f.project, f.host, day("08.05.2024"));
    WritePickedDate(f.project, f.host, day("09.05.2024"));
    QCOMPARE(f.cell(ColStart, 1), QStringLiteral("09.05.2024"));
    QCOMPARE(f.cell(ColEnd, 1), QStringLiteral("06.05.2024"));
    QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));
    QCOMPARE(f.host.chartRepaints, 0);

    RunDeferredPickerRecalc(f.project, f.host);
    QCOMPARE(f.cell(ColEnd, 1), QStringLiteral("09.05.2024"));
    QCOMPARE(f.host.chartRepaints, 1);

    // Dropping down and closing without a choice recalculates nothing.
    DeferPickerRecalc(f.project);
    RunDeferredPickerRecalc(f.project, f.host);
    QCOMPARE(f.host.chartRepaints, 1);
}

void TestCellEditing::pickerChangeWithoutCalendarRecalculatesAtOnce()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("Plan"));
    f.host.SelectCell(ColEnd, 1);
    f.settle();

    WritePickedDate(f.project, f.host, day("10.05.2024"));
    QCOMPARE(f.cell(ColEnd, 1), QStringLiteral("10.05.2024"));
    QCOMPARE(f.cell(ColDuration, 1), QStringLiteral("5")); // Monday to Friday
    QCOMPARE(f.host.chartRepaints, 1);

    // Away from the date columns a late change of the picker writes nothing.
    f.host.SelectCell(ColTask, 1);
    f.settle();
    WritePickedDate(f.project, f.host, day("17.05.2024"));
    QCOMPARE(f.cell(ColEnd, 1), QStringLiteral("10.05.2024"));
    QCOMPARE(f.project.settings().modify(), QStringLiteral("No"));
}

void TestCellEditing::typedDateReadsAsPeopleTypeIt_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date"); // invalid: no date

    const QString de = QStringLiteral("dd.MM.yyyy");
    const QString us = QStringLiteral("M/d/yyyy");
    const QDate jan15(2027, 1, 15), dec19(2026, 12, 19);
    QTest::newRow("de as written") << de << "15.01.2027" << jan15;
    QTest::newRow("de without leading zeros") << de << "15.1.2027" << jan15;
    QTest::newRow("de two-digit year") << de << "15.1.27" << jan15;
    QTest::newRow("de digits only") << de << "15012027" << jan15;
    QTest::newRow("de six digits") << de << "150127" << jan15;
    QTest::newRow("de other separators, blanks around") << de << " 15/01-2027 " << jan15;
    QTest::newRow("de two-digit year of the last century") << de << "1.2.80" << QDate(1980, 2, 1);
    QTest::newRow("de year as typed") << de << "1.2.0120" << QDate(120, 2, 1);
    QTest::newRow("de impossible day") << de << "31.02.2027" << QDate();
    QTest::newRow("de month 13") << de << "1.13.2027" << QDate();
    QTest::newRow("de no year") << de << "15.01." << QDate();
    QTest::newRow("de three-digit year") << de << "15.01.202" << QDate();
    QTest::newRow("de five digits") << de << "15012" << QDate();
    QTest::newRow("de letter") << de << "15.Jan.2027" << QDate();
    QTest::newRow("de empty") << de << "" << QDate();
    QTest::newRow("us as written") << us << "12/19/2026" << dec19;
    QTest::newRow("us leading zeros") << us << "01/15/2027" << jan15;
    QTest::newRow("us two-digit year") << us << "12/19/26" << dec19;
    QTest::newRow("us digits only") << us << "12192026" << dec19;
    QTest::newRow("us six digits") << us << "121926" << dec19;
    QTest::newRow("us day first is no date") << us << "19/12/2026" << QDate();
    QTest::newRow("iso order") << "yyyy-MM-dd"
                               << "2027-1-15" << jan15;
    QTest::newRow("iso digits only") << "yyyy-MM-dd"
                                     << "20270115" << jan15;
    QTest::newRow("month names") << "d MMM yyyy"
                                 << "15 Jan 2027" << jan15;
}

void TestCellEditing::typedDateReadsAsPeopleTypeIt()
{
    QFETCH(QString, format);
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    EditFixture f;
    SetShortDateFormat(format);
    const std::optional<TDateTime> read = ReadTypedDate(typed, 2026);
    SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(read.has_value(), date.isValid());
    if (read)
        QCOMPARE(QDate(1899, 12, 30).addDays(qint64(*read)), date);
}

void TestCellEditing::datePickedIsUndoneByItsCellName()
{
    EditFixture f;
    f.enter(ColTask, 1, QStringLiteral("Plan"));
    for (const int column : {ColStart, ColEnd}) {
        f.host.SelectCell(column, 1);
        QString name;
        RunCommand(f.host, [&] {
            WritePickedDate(f.project, f.host, day("08.05.2024"));
            name = CommandName();
        });
        QCOMPARE(name, f.cell(column, 0));
    }
}

void TestCellEditing::textsTooLongForACellAreCut()
{
    // A project file holds at most 64999 bytes in a cell; a longer text would make the
    // saved plan unreadable.
    const QString message = CellCutMessage();
    EditFixture f;
    f.host.SelectCell(ColTask, 1);
    const QString pasted(70000, QLatin1Char('x'));
    QCOMPARE(FilterTypedText(f.project, f.host, ColTask, 1, pasted), pasted.left(MaxCellBytes));
    QCOMPARE(f.cell(ColTask, 1), pasted.left(MaxCellBytes));
    QCOMPARE(f.host.texts(), QStringList{message});
    // Three bytes each in the file: a third as many characters fit.
    const QString wide(30000, QChar(0x4E2D));
    QCOMPARE(FilterTypedText(f.project, f.host, ColTask, 1, wide).size(), MaxCellBytes / 3);
    // A text that fits is left alone, without a word.
    f.host.messages.clear();
    FilterTypedText(f.project, f.host, ColTask, 1, pasted.left(MaxCellBytes));
    QVERIFY(f.host.messages.isEmpty());

    // Committing a list adds a blank to every item: it keeps the whole items that fit.
    QString typed;
    for (int i = 0; i < MaxCellBytes / 2; ++i)
        typed += QStringLiteral("1;");
    f.host.SelectCell(ColForerunner, 2);
    FilterTypedText(f.project, f.host, ColForerunner, 2, typed);
    QVERIFY(f.host.messages.isEmpty());
    f.host.SelectCell(ColForerunner, 3);
    const QString list = f.cell(ColForerunner, 2);
    QVERIFY(FitsProjectFileCell(list));
    QVERIFY(list.size() > MaxCellBytes - 4);
    QVERIFY(list.startsWith(QLatin1String(" 1; 1;")) && list.endsWith(QLatin1String(" 1;")));
    QCOMPARE(f.host.texts(), QStringList{message});
}

void TestCellEditing::enterMovesDownExceptOnLastRow()
{
    EditFixture f;
    f.host.SelectCell(ColDuration, TaskTable::LastRow - 1);
    QVERIFY(MoveDownOnEnter(f.host, Qt::Key_Return));
    QCOMPARE(f.host.currentRow, TaskTable::LastRow);
    QVERIFY(!MoveDownOnEnter(f.host, Qt::Key_Enter));
    QCOMPARE(f.host.currentRow, TaskTable::LastRow);
    QVERIFY(!MoveDownOnEnter(f.host, Qt::Key_A));

    f.host.SelectCell(ColStart, 5);
    QVERIFY(MoveDownFromPickerOnEnter(f.host, Qt::Key_Enter));
    QCOMPARE(f.host.currentColumn, int(ColStart));
    QCOMPARE(f.host.currentRow, 6);
    QCOMPARE(f.host.pickerRow, 6);
    f.host.SelectCell(ColStart, TaskTable::LastRow);
    QVERIFY(!MoveDownFromPickerOnEnter(f.host, Qt::Key_Return));
}

void TestCellEditing::rightClickRecordsHeaderAndSelectsCell()
{
    EditFixture f;
    f.host.SelectCell(ColDuration, 4);

    SelectRightClickedCell(f.project, f.host, ColStart, 0);
    QVERIFY(f.project.Edit.HeaderRightClick);
    QCOMPARE(f.host.currentRow, 4);
    PopupMenuItems items = EnabledPopupItems(f.project);
    QVERIFY(!items.insertTask);
    QVERIFY(!items.deleteTask);
    QVERIFY(items.indent);
    QVERIFY(items.outdent);

    SelectRightClickedCell(f.project, f.host, ColNumber, 3);
    QVERIFY(!f.project.Edit.HeaderRightClick);
    QCOMPARE(f.host.currentColumn, int(ColTask));
    QCOMPARE(f.host.currentRow, 3);
    items = EnabledPopupItems(f.project);
    QVERIFY(items.insertTask);
    QVERIFY(items.deleteTask);

    // Beside every cell: nothing happens.
    SelectRightClickedCell(f.project, f.host, -1, -1);
    QCOMPARE(f.host.currentRow, 3);
    QVERIFY(!f.project.Edit.HeaderRightClick);
}
