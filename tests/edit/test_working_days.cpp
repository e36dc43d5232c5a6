// A new working week: every End counted again, followers moved behind.

#include "test_classes.h"

#include "edit/working_days.h"
#include "edit_fixture.h"

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
