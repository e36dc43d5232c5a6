#include "test_classes.h"

#include "model/convert.h"
#include "model/file_path.h"
#include "model/new_project.h"
#include "recording_host.h"

#include <QTest>

#include <type_traits>

using namespace morvaine;

// A const project reads its settings and cannot write them, not even through a copy of
// what settings() gives; a project that may change writes them.
template <typename Settings>
concept WritesSettings = requires(Settings settings)
{
    settings.setValue(SettingsBlock::Author, QString());
};
using ReadSettings = std::remove_cvref_t<decltype(std::declval<const Project &>().settings())>;
static_assert(!WritesSettings<ReadSettings>);
static_assert(!std::is_constructible_v<SettingsBlock, ReadSettings>);
static_assert(!std::is_constructible_v<SettingsBlock, const TaskTable &>);
static_assert(WritesSettings<decltype(std::declval<Project &>().settings())>);

void TestProject::newProjectHasHeadersNumbersLevelsAndSettings()
{
    Project project;
    project.LastTaskRow = 12;
    project.GanttScale = 3;
    project.CriticalPathOn = true;
    project.CriticalMarks[5] = 2;
    project.Edit.CellChanged = true;
    RecordingHost host;
    InitNewProject(project, host);

    const TaskTable &t = project.taskTable;
    const QStringList headers = {"",      "Task",       "Duration", "Start",
                                 "End",   "Forerunner", "Resource", "Completion",
                                 "Level", "Veha",       "Settings"};
    for (int column = 0; column < TaskTable::Columns; ++column)
        QCOMPARE(t.cell(column, 0), headers[column]);
    for (int row = 1; row < TaskTable::Rows; ++row) {
        QCOMPARE(t.cell(ColNumber, row), QString::number(row));
        QCOMPARE(t.cell(ColLevel, row), QStringLiteral("1"));
        for (int column = ColTask; column <= ColCompletion; ++column)
            QVERIFY(t.cell(column, row).isEmpty());
        QVERIFY(t.cell(ColVeha, row).isEmpty());
        if (row > 20)
            QVERIFY(t.cell(ColSettings, row).isEmpty());
    }
    const QStringList settings = {"Create date",
                                  "no save file",
                                  "Date of change",
                                  "no save file",
                                  "File name",
                                  "no save file",
                                  "Project name",
                                  "My test project",
                                  "Author",
                                  "testBob",
                                  "Date of start project",
                                  DateToStr(Date()),
                                  "Working days",
                                  "YYYYYNN",
                                  "Working time",
                                  "8",
                                  "Modify",
                                  "No",
                                  "Currency",
                                  "$"};
    for (int row = 1; row <= 20; ++row)
        QCOMPARE(t.cell(ColSettings, row), settings[row - 1]);

    QCOMPARE(project.LastTaskRow, 0);
    QCOMPARE(project.GanttScale, 1);
    QVERIFY(!project.CriticalPathOn);
    QVERIFY(std::all_of(project.CriticalMarks.begin(), project.CriticalMarks.end(),
                        [](int m) { return m == -1; }));
    QVERIFY(!project.Edit.CellChanged);
    QCOMPARE(host.caption, QStringLiteral("Morvaine 1.0"));
    QCOMPARE(host.calls, QStringList({"SelectCell(2,2)", "SelectCell(1,1)"}));
    QCOMPARE(host.ganttScaleShown, 1);
    QVERIFY(!host.criticalPathShown);
    QVERIFY(!project.settings().hasFileName());
}

void TestProject::clearProjectEmptiesTaskCellsAndResources()
{
    Project project;
    RecordingHost host;
    InitNewProject(project, host);
    TaskTable &t = project.taskTable;
    for (int row : {1, 5, 9999}) {
        for (int column = ColTask; column <= ColVeha; ++column)
            t.setCell(column, row, QStringLiteral("x"));
    }
    project.resourceTable.setCell(ResColName, 0, QStringLiteral("Name"));
    project.resourceTable.setCell(ResColName, 3, QStringLiteral("Anna"));
    project.resourceTable.setCell(ResColAddress, 999, QStringLiteral("far"));
    project.LastTaskRow = 5;

    ClearProject(project, false); // New: rows up to LastTaskRow only
    for (int column : {1, 2, 3, 4, 5, 6, 7, 9})
        QVERIFY(t.cell(column, 5).isEmpty() && t.cell(column, 1).isEmpty());
    QCOMPARE(t.cell(ColLevel, 5), QStringLiteral("x")); // InitNewProject resets levels
    QCOMPARE(t.cell(ColTask, 9999), QStringLiteral("x"));
    QVERIFY(project.resourceTable.cell(ResColName, 3).isEmpty());
    QVERIFY(project.resourceTable.cell(ResColAddress, 999).isEmpty());
    QCOMPARE(project.resourceTable.cell(ResColName, 0), QStringLiteral("Name"));

    ClearProject(project, true); // Open: every task row
    QVERIFY(t.cell(ColTask, 9999).isEmpty());
    QCOMPARE(t.cell(ColSettings, 2), QStringLiteral("no save file"));
}

void TestProject::cellWritesNotifyOnlyOnChange()
{
    TaskTable table;
    QStringList heard;
    table.addListener([&](int column, int row, const QString &oldText, const QString &newText) {
        heard << QStringLiteral("%1,%2: '%3' -> '%4'").arg(column).arg(row).arg(oldText, newText);
    });
    table.setCell(3, 7, QStringLiteral("a"));
    table.setCell(3, 7, QStringLiteral("a"));
    table.setCell(3, 7, QString());
    QCOMPARE(heard, (QStringList{"3,7: '' -> 'a'", "3,7: 'a' -> ''"}));
}

void TestProject::everyListenerHearsUntilRemoved()
{
    TaskTable table;
    QStringList heard;
    const auto listener = [&heard](const char *name) {
        return [&heard, name](int, int, const QString &oldText, const QString &newText) {
            heard << QStringLiteral("%1 %2>%3").arg(QLatin1String(name), oldText, newText);
        };
    };
    const int first = table.addListener(listener("first"));
    table.addListener(listener("second"));
    table.setCell(1, 1, QStringLiteral("a"));
    // The bulk write without comparison tells the old text as well.
    table.replaceCell(1, 1, QStringLiteral("b"));
    table.removeListener(first);
    table.removeListener(first); // an unknown id changes nothing
    table.setCell(1, 1, QStringLiteral("c"));
    QCOMPARE(heard,
             (QStringList{"first >a", "second >a", "first a>b", "second a>b", "second b>c"}));
}

namespace {
// A cell listener that writes what it hears into heard, one line per change.
auto Recorder(QStringList &heard, const char *table)
{
    return [&heard, table](int column, int row, const QString &oldText, const QString &newText) {
        heard << QStringLiteral("%1 %2,%3: '%4' -> '%5'")
                     .arg(QLatin1String(table))
                     .arg(column)
                     .arg(row)
                     .arg(oldText, newText);
    };
}
} // namespace

void TestProject::batchTellsEachChangedCellOnce()
{
    TaskTable tasks;
    ResourceTable resources;
    QStringList heard;
    int told = 0;
    const auto record = [&heard](const char *table) { return Recorder(heard, table); };
    tasks.addListener(record("task"), [&told] { ++told; });
    resources.addListener(record("resource"));
    tasks.setCell(3, 2, QStringLiteral("x"));
    {
        const CellBatch command;
        tasks.setCell(3, 7, QStringLiteral("a"));
        tasks.setCell(3, 7, QStringLiteral("b"));
        {
            const CellBatch inner; // belongs to the outer one
            tasks.setCell(3, 7, QStringLiteral("c"));
            tasks.setCell(4, 1, QStringLiteral("d"));
        }
        resources.setCell(1, 1, QStringLiteral("Anna"));
        tasks.setCell(3, 2, QStringLiteral("y"));
        tasks.replaceCell(3, 2, QStringLiteral("x")); // back as it was: no change
        QCOMPARE(heard, QStringList({"task 3,2: '' -> 'x'"}));
        QVERIFY(CellBatch::open());
    }
    QVERIFY(!CellBatch::open());
    // Once per changed cell, the first old text and the last new one, in the order the
    // cells first changed; then batchTold once.
    QCOMPARE(heard, QStringList({"task 3,2: '' -> 'x'", "task 3,7: '' -> 'c'",
                                 "task 4,1: '' -> 'd'", "resource 1,1: '' -> 'Anna'"}));
    QCOMPARE(told, 1);

    // Told on demand (before a message box): the batch goes on and tells the rest later.
    heard.clear();
    {
        const CellBatch command;
        tasks.setCell(3, 7, QStringLiteral("e"));
        CellBatch::deliver();
        QCOMPARE(heard, QStringList({"task 3,7: 'c' -> 'e'"}));
        tasks.setCell(3, 7, QStringLiteral("f"));
        tasks.setCell(3, 7, QStringLiteral("g"));
    }
    QCOMPARE(heard, QStringList({"task 3,7: 'c' -> 'e'", "task 3,7: 'e' -> 'g'"}));
    QCOMPARE(told, 3);
}

void TestProject::takenCellIsToldAsAWrite()
{
    TaskTable to;
    TaskTable from;
    to.setCell(1, 2, QStringLiteral("old"));
    from.setCell(1, 2, QStringLiteral("new"));
    to.setCell(1, 3, QStringLiteral("same"));
    from.setCell(1, 3, QStringLiteral("same"));
    from.setCell(2, 5, QStringLiteral("a"));
    QStringList heard;
    const auto record = [&heard](const char *table) { return Recorder(heard, table); };
    to.addListener(record("to"));
    from.addListener(record("from"));

    to.takeCell(1, 2, from);
    to.takeCell(1, 3, from); // the same text: no change to tell
    QCOMPARE(heard, QStringList({"to 1,2: 'old' -> 'new'"}));
    QCOMPARE(to.cell(1, 2), QStringLiteral("new"));
    QVERIFY(from.cell(1, 2).isEmpty());
    QCOMPARE(to.cell(1, 3), QStringLiteral("same"));
    // In a batch, a taken cell is one more write to the cell.
    heard.clear();
    {
        const CellBatch command;
        to.setCell(2, 5, QStringLiteral("x"));
        to.takeCell(2, 5, from);
        QVERIFY(heard.isEmpty());
    }
    QCOMPARE(heard, QStringList({"to 2,5: '' -> 'a'"}));
    QCOMPARE(to.cell(2, 5), QStringLiteral("a"));
    QVERIFY(from.cell(2, 5).isEmpty());
}

void TestProject::renewedProjectTellsOnlyWhatChanged()
{
    Project project;
    RecordingHost host;
    InitNewProject(project, host);
    TaskTable &t = project.taskTable;
    t.setCell(ColNumber, 7, QStringLiteral("x"));
    t.setCell(ColNumber, 1234, QString());
    t.setCell(ColLevel, 9999, QStringLiteral("3"));
    QStringList heard;
    t.addListener([&](int column, int row, const QString &oldText, const QString &newText) {
        heard << QStringLiteral("%1,%2: '%3' -> '%4'").arg(column).arg(row).arg(oldText, newText);
    });
    InitNewProject(project, host);
    QCOMPARE(heard, (QStringList{"0,7: 'x' -> '7'", "0,1234: '' -> '1234'", "8,9999: '3' -> '1'"}));
    for (int row = 1; row < TaskTable::Rows; ++row)
        QCOMPARE(t.cell(ColNumber, row), QString::number(row));
}

void TestProject::integerConversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "12" << true << 12;
    QTest::newRow("blanks around") << " 3 " << true << 3;
    QTest::newRow("negative") << "-4" << true << -4;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("unit glued") << "5days" << false << 0;
    QTest::newRow("inner blank") << "1 2" << false << 0;
    QTest::newRow("beyond 32 bits") << "2147483648" << false << 0;
}

void TestProject::integerConversion()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    try {
        QCOMPARE(StrToInt(text), value);
        QVERIFY(valid);
    } catch (const ConversionError &e) {
        QVERIFY(!valid);
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestProject::dateTextRoundTripAndError()
{
    // The tests run under a German locale: dd.MM.yyyy, two-digit years widened.
    QCOMPARE(ShortDateFormat(), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(DateToStr(0), QStringLiteral("30.12.1899"));
    QCOMPARE(StrToDate(QStringLiteral("01.01.1900")), 2.0);
    QCOMPARE(DateToStr(StrToDate(QStringLiteral("29.02.2028"))), QStringLiteral("29.02.2028"));
    QCOMPARE(DateToStr(MaxDateValue()), QStringLiteral("31.12.9999"));
    for (const QString bad : {"", "31.02.2026", "12/31/2026", "no save file"}) {
        try {
            StrToDate(bad);
            QFAIL(qPrintable(bad));
        } catch (const ConversionError &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid date").arg(bad));
        }
    }
}

void TestProject::pathBytesRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8"); // valid UTF-8: decoded as such
    QTest::newRow("ascii") << QByteArray("/tmp/plan.mrv") << true;
    QTest::newRow("utf-8") << QByteArray("/tmp/caf\xc3\xa9 \xf0\x9f\x8f\xa0.mrv") << true;
    QTest::newRow("latin-1") << QByteArray("/tmp/caf\xe9.mrv") << false;
    QTest::newRow("stray continuation") << QByteArray("a\x80\xbf") << false;
    QTest::newRow("cut sequence") << QByteArray("a\xe2\x82") << false;
    QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf") << false;
    QTest::newRow("encoded surrogate") << QByteArray("a\xed\xb2\x80") << false;
    QTest::newRow("past U+10FFFF") << QByteArray("a\xf4\x90\x80\x80") << false;
    QTest::newRow("raw byte after a pair")
        << QByteArray("\xf0\x90\x82\x80\x80") << false; // U+10080 then 0x80
}

void TestProject::pathBytesRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    const QString path = DecodePath(bytes);
    QCOMPARE(EncodePath(path), bytes);
    QCOMPARE(PathNeedsRawBytes(path), !utf8);
    if (utf8)
        QCOMPARE(path, QString::fromUtf8(bytes));
}
