// A new working week: every End counted again, followers moved behind.

#include "test_classes.h"

#include "edit/working_days.h"
#include "edit_fixture.h"
#include "model/project_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <QTest>

using namespace morvaine;

namespace {

// Walls, five days from Monday 6 May 2024, then Roof, one day, following it.
void wallsAndRoof(EditFixture &f)
{
    f.table.setCell(ColTask, 1, QStringLiteral("Walls"));
    f.table.setCell(ColDuration, 1, QStringLiteral("5 days"));
    f.table.setCell(ColStart, 1, QStringLiteral("06.05.2024"));
    f.table.setCell(ColEnd, 1, QStringLiteral("10.05.2024"));
    f.table.setCell(ColTask, 2, QStringLiteral("Roof"));
    f.table.setCell(ColDuration, 2, QStringLiteral("1 day"));
    f.table.setCell(ColForerunner, 2, QStringLiteral(" 1;"));
    f.table.setCell(ColStart, 2, QStringLiteral("13.05.2024"));
    f.table.setCell(ColEnd, 2, QStringLiteral("13.05.2024"));
    f.project.LastTaskRow = 2;
    f.settle();
}

} // namespace

void TestWorkingDays::changedWeekMovesEveryEndAndItsFollowers()
{
    EditFixture f;
    wallsAndRoof(f);

    ApplyWorkingDays(f.project, f.host, QStringLiteral("YYYYNNN"));

    QCOMPARE(f.project.settings().workingDays(), QStringLiteral("YYYYNNN"));
    // Five days Monday to Thursday from Monday 6 May end on Monday 13 May.
    QCOMPARE(f.cell(ColEnd, 1), QStringLiteral("13.05.2024"));
    QCOMPARE(f.cell(ColStart, 2), QStringLiteral("14.05.2024"));
    QCOMPARE(f.cell(ColEnd, 2), QStringLiteral("14.05.2024"));
    QVERIFY(f.host.chartRepaints > 0);
    QVERIFY(f.host.messages.isEmpty());
}

void TestWorkingDays::unchangedWeekWritesNothing()
{
    EditFixture f;
    wallsAndRoof(f);
    f.table.setCell(ColEnd, 1, QStringLiteral("20.05.2024")); // stale on purpose
    int writes = 0;
    f.table.addListener([&writes](int, int, const QString &, const QString &) { ++writes; });

    ApplyWorkingDays(f.project, f.host, f.project.settings().workingDays());

    QCOMPARE(writes, 0);
    QCOMPARE(f.cell(ColEnd, 1), QStringLiteral("20.05.2024"));
    QCOMPARE(f.host.chartRepaints, 0);
}

void TestWorkingDays::holidaysMoveEveryEndAndItsFollowers()
{
    EditFixture f;
    wallsAndRoof(f);

    // Wednesday and Thursday off, Saturday 11 May worked.
    ApplyCalendar(f.project, f.host, QStringLiteral("YYYYYNN"),
                  QStringLiteral("08.05.2024-09.05.2024"), QStringLiteral("11.05.2024"));

    QCOMPARE(f.cell(ColSettings, 21), QStringLiteral("Holidays"));
    QCOMPARE(f.cell(ColSettings, 22), QStringLiteral("08.05.2024-09.05.2024"));
    QCOMPARE(f.cell(ColSettings, 23), QStringLiteral("Extra working days"));
    QCOMPARE(f.cell(ColSettings, 24), QStringLiteral("11.05.2024"));
    // Monday, Tuesday, Friday, Saturday, Monday.
    QCOMPARE(f.cell(ColEnd, 1), QStringLiteral("13.05.2024"));
    QCOMPARE(f.cell(ColStart, 2), QStringLiteral("14.05.2024"));
    QVERIFY(f.host.chartRepaints > 0);

    // Taken away again: the four rows empty, the End as before; the follower stays
    // where it was pushed, as after any change of the calendar.
    ApplyCalendar(f.project, f.host, QStringLiteral("YYYYYNN"), QString(), QString());
    for (int row = 21; row <= 24; ++row)
        QVERIFY(f.cell(ColSettings, row).isEmpty());
    QCOMPARE(f.cell(ColEnd, 1), QStringLiteral("10.05.2024"));
    QCOMPARE(f.cell(ColStart, 2), QStringLiteral("14.05.2024"));
}

// The lists travel in the project file; a plan that had them and has none again saves
// byte for byte as it did before.
void TestWorkingDays::calendarTravelsInTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.mrv"));
    const auto save = [&](EditFixture &f) {
        f.host.saveFileName = path;
        SaveProject(f.project, f.host, QStringLiteral("SaveAs"));
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EditFixture f;
    wallsAndRoof(f);
    f.table.setCell(ColForerunner, 2, QString()); // so that every date can come back
    const QByteArray plain = save(f);
    QVERIFY(!plain.isEmpty());
    ApplyCalendar(f.project, f.host, QStringLiteral("YYYYYNN"),
                  QStringLiteral("08.05.2024-09.05.2024"), QStringLiteral("11.05.2024"));
    const QByteArray withHolidays = save(f);
    QVERIFY(withHolidays.contains("08.05.2024-09.05.2024"));

    EditFixture opened;
    LoadProject(opened.project, opened.host, path);
    for (int row = 21; row <= 24; ++row)
        QCOMPARE(opened.cell(ColSettings, row), f.cell(ColSettings, row));

    ApplyCalendar(f.project, f.host, QStringLiteral("YYYYYNN"), QString(), QString());
    QCOMPARE(save(f), plain);
}
