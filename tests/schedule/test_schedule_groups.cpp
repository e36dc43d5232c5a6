// RecalcSchedule and group tasks: spans fitted to their rows, links into and out of
// them, and walks that stay few however the links and groups are laid out.

#include "schedule/calendar.h"
#include "schedule/recalc.h"
#include "schedule_fixture.h"

#include <QRandomGenerator>
#include <QTest>

using namespace morvaine;

class TestScheduleGroups : public QObject {
    Q_OBJECT

private slots:
    void staleGroupMarkIsNoGroup_data();
    void staleGroupMarkIsNoGroup();
    void groupSpansItsSubTasks();
    void groupBelowTheVisibleTopIsLeftAlone();
    void linkedGroupCarriesItsSubTasks();
    void linkedGroupPushesEveryRowBehindTheLink_data();
    void linkedGroupPushesEveryRowBehindTheLink();
    void nestedGroupsRefitUpwardsAndPushSuccessors();
    void linksIntoGroupTasksAreWalkedAFewTimes();
    void groupBelowLevelOneKeepsItsFit();
};

void TestScheduleGroups::staleGroupMarkIsNoGroup_data()
{
    QTest::addColumn<int>("marked");
    QTest::addColumn<int>("levelOfRow2");
    QTest::newRow("last row") << 2 << 1;
    QTest::newRow("next row not deeper") << 1 << 1;
    QTest::newRow("next row shallower") << 2 << 2;
}

void TestScheduleGroups::staleGroupMarkIsNoGroup()
{
    QFETCH(int, marked);
    QFETCH(int, levelOfRow2);
    ScheduleFixture f;
    f.task(1, "2", 0, 1);
    f.task(2, "1", 0, 0, {1}, levelOfRow2);
    if (marked == 2 && levelOfRow2 == 2)
        f.task(3, "1", 9, 9);
    f.table().setCell(ColVeha, marked, QStringLiteral("v"));
    RecalcSchedule(f.project, f.host); // no "'' is not a valid date" from an empty span
    QVERIFY(f.host.messages.isEmpty());
    QCOMPARE(f.cell(ColDuration, 1), QStringLiteral("2"));
    QCOMPARE(f.endOffset(1), 1);
    QCOMPARE(f.startOffset(2), 2); // pushed as a plain task
    QCOMPARE(f.cell(ColDuration, 2), QStringLiteral("1"));
}

void TestScheduleGroups::groupSpansItsSubTasks()
{
    ScheduleFixture f;
    f.task(1, "", -1, -1);
    f.task(2, "3", 0, 2, {}, 2);
    f.task(3, "4", 1, 4, {}, 2);
    f.markGroups();
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.cell(ColVeha, 1), QStringLiteral("v"));
    QCOMPARE(f.startOffset(1), 0);
    QCOMPARE(f.endOffset(1), 4);
    QCOMPARE(f.cell(ColDuration, 1), QStringLiteral("5"));
}

void TestScheduleGroups::groupBelowTheVisibleTopIsLeftAlone()
{
    ScheduleFixture f;
    f.task(1, "9", 7, 7);
    f.task(2, "3", 0, 2, {}, 2);
    f.task(3, "4", 1, 4, {}, 2);
    f.task(4, "1", 0, 0);
    f.markGroups();
    f.host.firstVisibleRow = 4;
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.cell(ColDuration, 1), QStringLiteral("9"));
    QCOMPARE(f.startOffset(1), 7);
    f.host.firstVisibleRow = 3; // inside the group: its top-level row is fitted
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.startOffset(1), 0);
}

void TestScheduleGroups::linkedGroupCarriesItsSubTasks()
{
    ScheduleFixture f;
    f.task(1, "3", 0, 2);
    f.task(2, "5", 0, 4, {1});
    f.task(3, "2", 0, 1, {}, 2);
    f.task(4, "4", 1, 4, {}, 2);
    f.task(5, "1", 0, 0, {2});
    f.markGroups();
    RecalcSchedule(f.project, f.host);
    QVERIFY(f.host.messages.isEmpty());
    QCOMPARE(f.startOffset(3), 3); // moved with the group to Thursday
    QCOMPARE(f.endOffset(3), 4);
    QCOMPARE(f.startOffset(4), 3);
    QCOMPARE(f.endOffset(4), 8);
    QCOMPARE(f.startOffset(2), 3);
    QCOMPARE(f.endOffset(2), 8);
    QCOMPARE(f.startOffset(5), 9); // behind the group's new End
}

void TestScheduleGroups::linkedGroupPushesEveryRowBehindTheLink_data()
{
    QTest::addColumn<int>("subStart");   // where the rows inside the group start
    QTest::addColumn<bool>("chained");   // the group's second row waits for its first
    QTest::addColumn<int>("visibleRow"); // the first visible row
    QTest::addColumn<int>("groupStart");
    QTest::addColumn<int>("groupEnd");
    QTest::addColumn<QString>("groupDuration");
    // The first row pushed moves its successor inside the group, whose climb refits the
    // group back to the row not pushed yet: that row is still pushed.
    QTest::newRow("climb takes the group's Start back") << 0 << true << 1 << 3 << 7 << "3";
    // The group was not fitted (scrolled past) and every row starts after the link's
    // bound: the group takes the Start of its rows, not the bound.
    QTest::newRow("rows already behind the bound") << 7 << false << 6 << 7 << 8 << "2";
}

// Row 1 runs Monday to Wednesday; the group task on row 2 waits for it, so nothing in
// it starts before Thursday; row 6 waits for the group.
void TestScheduleGroups::linkedGroupPushesEveryRowBehindTheLink()
{
    QFETCH(int, subStart);
    QFETCH(bool, chained);
    QFETCH(int, visibleRow);
    QFETCH(int, groupStart);
    QFETCH(int, groupEnd);
    QFETCH(QString, groupDuration);
    ScheduleFixture f;
    f.task(1, "3", 0, 2);
    f.task(2, "1", 0, 0, {1});
    f.task(3, "1", subStart, subStart, {}, 2);
    f.task(4, "2", subStart, subStart + 1, chained ? QList<int>{3} : QList<int>{}, 2);
    f.task(5, "2", subStart, subStart + 1, {}, 2);
    f.task(6, "1", 0, 0, {2});
    f.markGroups();
    f.host.firstVisibleRow = visibleRow;
    RecalcSchedule(f.project, f.host);
    QVERIFY(f.host.messages.isEmpty());
    int earliest = 1000, latest = -1000;
    for (int row = 3; row <= 5; ++row) {
        QVERIFY2(f.startOffset(row) >= 3, qPrintable(QStringLiteral("row %1").arg(row)));
        earliest = std::min(earliest, f.startOffset(row));
        latest = std::max(latest, f.endOffset(row));
    }
    QCOMPARE(f.startOffset(2), earliest); // the group spans its rows
    QCOMPARE(f.endOffset(2), latest);
    QCOMPARE(f.startOffset(2), groupStart);
    QCOMPARE(f.endOffset(2), groupEnd);
    QCOMPARE(f.cell(ColDuration, 2), groupDuration);
    QCOMPARE(f.startOffset(6), groupEnd + 1);
}

void TestScheduleGroups::nestedGroupsRefitUpwardsAndPushSuccessors()
{
    ScheduleFixture f;
    f.task(1, "2", 0, 1);
    f.task(2, "1", 0, 0);         // outer group
    f.task(3, "1", 0, 0, {}, 2);  // inner group
    f.task(4, "2", 0, 1, {1}, 3); // pushed by row 1
    f.task(5, "1", 0, 0, {}, 2);
    f.task(6, "1", 0, 0, {3}); // behind the inner group
    f.task(7, "1", 0, 0, {2}); // behind the outer group
    f.markGroups();
    RecalcSchedule(f.project, f.host);
    QVERIFY(f.host.messages.isEmpty());
    QCOMPARE(f.startOffset(4), 2);
    QCOMPARE(f.endOffset(4), 3);
    QCOMPARE(f.startOffset(3), 2);
    QCOMPARE(f.endOffset(3), 3);
    QCOMPARE(f.startOffset(2), 0);
    QCOMPARE(f.endOffset(2), 3);
    QCOMPARE(f.startOffset(6), 4);
    QCOMPARE(f.startOffset(7), 4);
}

// Groups of ten over two levels, each task waiting for one or two of the five tasks
// before it, one group task in three for the task just before it, every task on the
// project start: a link that moves a group task pushes its sub-tasks. Each write inside
// the outline once made the depth-first walk take every path again (80,000 links
// followed here, doubling with every few groups); the walk in order takes each link once.
void TestScheduleGroups::linksIntoGroupTasksAreWalkedAFewTimes()
{
    ScheduleFixture f;
    QRandomGenerator random(20261211);
    QList<int> tasks;
    int links = 0;
    for (int row = 1; row <= 300; ++row) {
        if (row % 10 == 1) {
            const bool linked = row % 30 == 11;
            f.task(row, "1", 0, 0, linked ? QList<int>{tasks.back()} : QList<int>{}, 1);
            links += linked;
            continue;
        }
        QList<int> preds;
        for (int i = tasks.isEmpty() ? 0 : 1 + random.bounded(2); i > 0; --i) {
            const int p = tasks[tasks.size() - 1 - random.bounded(std::min<int>(5, tasks.size()))];
            if (!preds.contains(p))
                preds << p;
        }
        f.task(row, QString::number(1 + random.bounded(10)), 0, 0, preds, 2);
        CalcEndDate(f.project, row);
        links += static_cast<int>(preds.size());
        tasks << row;
    }
    f.markGroups();
    for (int edit = 0; edit < 2; ++edit) {
        if (edit == 1) // the first task longer: every task behind it moves
            f.table().setCell(ColDuration, 2, QStringLiteral("15"));
        RecalcStats stats;
        RecalcSchedule(f.project, f.host, stats);
        QVERIFY(stats.walkedInOrder);
        QVERIFY2(stats.linksFollowed < 50LL * links,
                 qPrintable(QStringLiteral("%1 of %2").arg(stats.linksFollowed).arg(links)));
        for (int row : tasks)
            for (const QString &item : f.cell(ColForerunner, row).split(';', Qt::SkipEmptyParts))
                QVERIFY(f.endOffset(item.toInt()) < f.startOffset(row));
    }
    QVERIFY(f.host.messages.isEmpty());
}

// A group task on Level 0 holds rows of Level 1, which never climb to it: its span is
// fitted when a deeper row last climbed there, and later moves of the Level 1 rows do
// not show in it. A fit put off to the end would hold them.
void TestScheduleGroups::groupBelowLevelOneKeepsItsFit()
{
    ScheduleFixture f;
    // Duration, Start, End (offsets from Monday, -1 empty), predecessors, Level.
    f.task(1, QString(), 2, 8, {}, 1);
    f.task(2, QStringLiteral("1 day"), 0, 1, {1}, 1);
    f.task(3, QStringLiteral("4"), 0, 0, {}, 1);
    f.task(4, QStringLiteral("1 day"), 3, 3, {}, 0);
    f.task(5, QStringLiteral("7"), 2, 10, {1, 6, 8}, 2);
    f.task(6, QString(), 0, 7, {}, 2);
    f.task(7, QStringLiteral("1"), 3, 3, {8, 5, 2}, 1);
    f.task(8, QStringLiteral("1 day"), 12, 14, {}, 1);
    f.task(9, QStringLiteral("1 day"), 3, 3, {7, 8}, 1);
    f.markGroups();
    QCOMPARE(f.cell(ColVeha, 4), QStringLiteral("v"));
    RecalcSchedule(f.project, f.host);
    // Row 5 moves to 16.-24.01. and refits the group; rows 7 and 9 move to the 25th and
    // 26th without a climb to it.
    QCOMPARE(f.cell(ColEnd, 9), MonText(25));
    QCOMPARE(f.cell(ColStart, 4), MonText(0));
    QCOMPARE(f.cell(ColEnd, 4), MonText(23));
    QCOMPARE(f.cell(ColDuration, 4), QStringLiteral("18"));
}

QTEST_GUILESS_MAIN(TestScheduleGroups)
#include "test_schedule_groups.moc"
