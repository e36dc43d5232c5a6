// RecalcSchedule: links, link errors and the critical path.

#include "schedule/calendar.h"
#include "schedule/critical_path.h"
#include "schedule/recalc.h"
#include "schedule_fixture.h"

#include <QRandomGenerator>
#include <QTest>

using namespace morvaine;

class TestSchedule : public QObject {
    Q_OBJECT

private slots:
    void linkScenarios_data();
    void linkScenarios();
    void typedLinks_data();
    void typedLinks();
    void successorDoesNotMoveBackWhenPredecessorShrinks();
    void badLinksAreReportedOncePerRecalculation();
    void cycleIsReportedOnceAndSkipped();
    void ignoredLinksShowInOneBox();
    void unreachedCycleLinksAreReported_data();
    void unreachedCycleLinksAreReported();
    void conversionErrorKeepsWrittenCells();
    void conversionErrorNamesTheCell_data();
    void conversionErrorNamesTheCell();

    void criticalPath_data();
    void criticalPath();
    void toggleCriticalPath();

    void longChainsRunOnAnExplicitStack_data();
    void longChainsRunOnAnExplicitStack();
};

void TestSchedule::linkScenarios_data()
{
    QTest::addColumn<QString>("predecessor"); // duration, start, end of row 1
    QTest::addColumn<QString>("successor");   // duration, start, end of row 2 (pred 1)
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::newRow("pushed to thursday") << "3 0 2"
                                        << "2 0 1" << 3 << 4;
    QTest::newRow("friday end, saturday start") << "5 0 4"
                                                << "1 0 0" << 5 << 7;
    QTest::newRow("milestone on the end day") << "3 0 2"
                                              << "0 1 1" << 2 << 2;
    QTest::newRow("milestone already after") << "3 0 2"
                                             << "0 2 2" << 2 << 2;
    QTest::newRow("already a week later") << "3 0 2"
                                          << "1 9 9" << 9 << 9;
    QTest::newRow("after a milestone") << "0 3 3"
                                       << "2 0 1" << 4 << 7;
}

void TestSchedule::linkScenarios()
{
    QFETCH(QString, predecessor);
    QFETCH(QString, successor);
    QFETCH(int, start);
    QFETCH(int, end);
    ScheduleFixture f;
    const QStringList p = predecessor.split(' ');
    const QStringList s = successor.split(' ');
    f.task(1, p[0], p[1].toInt(), p[2].toInt());
    f.task(2, s[0], s[1].toInt(), s[2].toInt(), {1});
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.startOffset(2), start);
    QCOMPARE(f.endOffset(2), end);
    QCOMPARE(f.host.chartRepaints, 1);
    QVERIFY(f.host.messages.isEmpty());
}

void TestSchedule::typedLinks_data()
{
    // Monday is day 0; Saturday and Sunday are no working days.
    QTest::addColumn<QString>("predecessor"); // duration, start, end of row 1
    QTest::addColumn<QString>("link");        // the Forerunner item of row 2
    QTest::addColumn<QString>("successor");   // duration, start, end of row 2
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::newRow("FS+1 after a Friday: Monday lag, Tuesday start") << "5 0 4"
                                                                    << "1+1"
                                                                    << "1 0 0" << 8 << 8;
    QTest::newRow("FS+2 after a Wednesday") << "3 0 2"
                                            << "1+2"
                                            << "1 0 0" << 7 << 7;
    QTest::newRow("FS-1 after a Friday: the Friday") << "5 0 4"
                                                     << "1-1"
                                                     << "2 0 1" << 4 << 7;
    QTest::newRow("SS+2: two working days after the start") << "3 0 2"
                                                            << "1SS+2"
                                                            << "2 0 1" << 2 << 3;
    QTest::newRow("SS+2 over the weekend") << "2 3 4"
                                           << "1SS+2"
                                           << "1 0 0" << 7 << 7;
    QTest::newRow("SS-1 lead over the weekend") << "3 7 9"
                                                << "1SS-1"
                                                << "1 0 0" << 4 << 4;
    QTest::newRow("FF: ends with it") << "5 0 4"
                                      << "1FF"
                                      << "2 0 1" << 3 << 4;
    QTest::newRow("FF+1: Duration read back over the weekend") << "5 0 4"
                                                               << "1FF+1"
                                                               << "3 0 2" << 3 << 7;
    QTest::newRow("SF: ends when it starts") << "3 7 9"
                                             << "1SF"
                                             << "2 0 1" << 4 << 7;
    QTest::newRow("SF-2 lead") << "3 7 9"
                               << "1SF-2"
                               << "1 0 0" << 3 << 3;
    QTest::newRow("only later: SS+1 leaves a later task") << "3 0 2"
                                                          << "1SS+1"
                                                          << "2 8 9" << 8 << 9;
    QTest::newRow("milestone FS+1 on the working day after the end") << "3 0 2"
                                                                     << "1+1"
                                                                     << "0 0 0" << 3 << 3;
    QTest::newRow("milestone SS+3") << "3 0 2"
                                    << "1SS+3"
                                    << "0 0 0" << 3 << 3;
}

void TestSchedule::typedLinks()
{
    QFETCH(QString, predecessor);
    QFETCH(QString, link);
    QFETCH(QString, successor);
    QFETCH(int, start);
    QFETCH(int, end);
    const QStringList p = predecessor.split(' ');
    const QStringList s = successor.split(' ');
    for (const bool ordered : {true, false}) {
        ScheduleFixture f;
        f.task(1, p[0], p[1].toInt(), p[2].toInt());
        f.task(2, s[0], s[1].toInt(), s[2].toInt());
        f.table().setCell(ColForerunner, 2, QStringLiteral(" %1;").arg(link));
        if (!ordered) {
            // A group task that does not span its sub-task sends the recalculation
            // depth first.
            f.task(3, QStringLiteral("1"), 0, 0);
            f.task(4, QStringLiteral("1"), 1, 1, {}, 2);
            f.markGroups();
        }
        RecalcSchedule(f.project, f.host);
        QCOMPARE(f.startOffset(2), start);
        QCOMPARE(f.endOffset(2), end);
    }
}

void TestSchedule::successorDoesNotMoveBackWhenPredecessorShrinks()
{
    ScheduleFixture f;
    f.task(1, "5", 0, 4);
    f.task(2, "1", 0, 0, {1});
    f.task(3, "2", 2, 3); // unlinked: never written
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.startOffset(2), 5);
    f.table().setCell(ColDuration, 1, QStringLiteral("1"));
    RecalcRow(f.project, f.host, ColDuration, 1);
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.endOffset(1), 0);
    QCOMPARE(f.startOffset(2), 5);
    QCOMPARE(f.cell(ColStart, 3), MonText(2));
}

void TestSchedule::badLinksAreReportedOncePerRecalculation()
{
    ScheduleFixture f;
    f.task(1, "1", 0, 0);
    f.task(2, "1", 1, 1, {1});
    f.task(3, "1", 1, 1, {1});
    f.task(4, "1", 2, 2, {2, 3, 4}); // reached twice; names itself
    f.task(5, "1", 0, 0);            // group task holding row 6
    f.task(6, "1", 0, 0, {5, 4}, 2); // names its own group
    f.task(7, "", 0, 0, {4});        // no duration
    f.markGroups();
    const QString self =
        QStringLiteral("Link error (Task #4 -> Task #4)\nThis link will be ignored.");
    const QString group =
        QStringLiteral("Link error (Task #5 -> Task #6)\nThis link will be ignored.");
    const QString empty =
        QStringLiteral("Link error (Task #4 -> Task #7)\nThis link will be ignored.");
    // One box for the recalculation, a line per link in the order the walk met them.
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.host.texts(), QStringList(LinkErrorsText({self, group, empty})));
    QCOMPARE(f.host.texts().front().split('\n'),
             QStringList({"Link error (Task #4 -> Task #4) This link will be ignored.",
                          "Link error (Task #5 -> Task #6) This link will be ignored.",
                          "Link error (Task #4 -> Task #7) This link will be ignored."}));
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(f.host.messages[0].icon, MsgIcon::Error);
    QCOMPARE(f.host.messages[0].buttons, MsgButtons::Ok);
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.host.messages.size(), 2);
    QCOMPARE(f.startOffset(6), 3); // the link from row 4 is followed
}

void TestSchedule::cycleIsReportedOnceAndSkipped()
{
    ScheduleFixture f;
    f.task(1, "1", 0, 0);
    f.task(2, "1", 0, 0, {1, 3});
    f.task(3, "1", 0, 0, {2});
    f.task(4, "1", 0, 0, {3});
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.host.texts(), QStringList({QStringLiteral(
                                 "Link error (Task #3 -> Task #2)\nThis link will be ignored.")}));
    QCOMPARE(f.startOffset(2), 1);
    QCOMPARE(f.startOffset(3), 2);
    QCOMPARE(f.startOffset(4), 3);
}

void TestSchedule::ignoredLinksShowInOneBox()
{
    // Twenty-five tasks, each naming itself: one box, twenty lines and the rest counted.
    ScheduleFixture f;
    for (int row = 1; row <= 25; ++row)
        f.task(row, "1", 0, 0, {row});
    const auto line = [](int row) {
        return QStringLiteral("Link error (Task #%1 -> Task #%1) This link will be ignored.")
            .arg(row);
    };
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.host.messages.size(), 1);
    QStringList lines = f.host.messages[0].text.split('\n');
    QCOMPARE(lines.size(), 21);
    QCOMPARE(lines.front(), line(1));
    QCOMPARE(lines[19], line(20));
    QCOMPARE(lines.back(), QStringLiteral("and 5 more"));

    // The link just typed comes first: row 25's Forerunner committed, naming 25 anew.
    f.project.Edit.TrackedCol = ColForerunner;
    f.project.Edit.TrackedRow = 25;
    f.project.Edit.TrackedText = QStringLiteral(" 3;");
    f.project.Edit.CellChanged = true;
    RecalcSchedule(f.project, f.host);
    lines = f.host.messages[1].text.split('\n');
    QCOMPARE(lines.front(), line(25));
    QCOMPARE(lines[1], line(1));
}

void TestSchedule::unreachedCycleLinksAreReported_data()
{
    // Rows 1 and 2 form a chain from a root; the cycle sits in rows 3 to 5.
    QTest::addColumn<QList<QList<int>>>("predecessors"); // of rows 3, 4, 5
    QTest::addColumn<QStringList>("links");              // reported, as "p s"
    QTest::newRow("pair") << QList<QList<int>>{{4}, {3}, {}} << QStringList{"3 4", "4 3"};
    QTest::newRow("three, one hanging on")
        << QList<QList<int>>{{5}, {3}, {4}} << QStringList{"3 4", "4 5", "5 3"};
    QTest::newRow("tail off the cycle is no cycle")
        << QList<QList<int>>{{4}, {3}, {4}} << QStringList{"3 4", "4 3"};
    QTest::newRow("self link") << QList<QList<int>>{{}, {4}, {}} << QStringList{"4 4"};
    QTest::newRow("no cycle") << QList<QList<int>>{{}, {3}, {4}} << QStringList{};
}

void TestSchedule::unreachedCycleLinksAreReported()
{
    QFETCH(QList<QList<int>>, predecessors);
    QFETCH(QStringList, links);
    ScheduleFixture f;
    f.task(1, "2", 0, 1);
    f.task(2, "1", 0, 0, {1});
    for (int row = 3; row <= 5; ++row)
        f.task(row, "1", 0, 0, predecessors[row - 3]);
    QStringList messages;
    for (const QString &link : links)
        messages << LinkErrorMessage(link.section(' ', 0, 0).toInt(),
                                     link.section(' ', 1, 1).toInt());
    const QStringList expected =
        messages.isEmpty() ? QStringList() : QStringList(LinkErrorsText(messages));
    for (int pass = 1; pass <= 2; ++pass) { // once per recalculation
        f.host.messages.clear();
        RecalcSchedule(f.project, f.host);
        QCOMPARE(f.host.texts(), expected);
    }
    QCOMPARE(f.startOffset(2), 2);    // the chain from the root is followed
    for (const QString &link : links) // the cycle's dates stay
        QCOMPARE(f.startOffset(link.section(' ', 1, 1).toInt()), 0);
}

void TestSchedule::conversionErrorKeepsWrittenCells()
{
    ScheduleFixture f;
    f.project.CriticalPathOn = true;
    f.task(1, "2", 0, 1);
    f.task(2, "1", 0, 0, {1});
    f.task(3, "1", 0, 0, {2});
    f.table().setCell(ColStart, 3, QStringLiteral("31.13.2024"));
    try {
        RecalcSchedule(f.project, f.host);
        QFAIL("no conversion error");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(),
                 QStringLiteral("'31.13.2024' is not a valid date\nRow 3, Start."));
    }
    QCOMPARE(f.startOffset(2), 2); // written before the failure
    QCOMPARE(f.host.chartRepaints, 0);
    // The chain is traced on final dates only: a failed recalculation leaves none, and
    // the marks as they were.
    QVERIFY(f.project.CriticalChain.isEmpty());
    QVERIFY(std::all_of(f.project.CriticalMarks.begin(), f.project.CriticalMarks.end(),
                        [](int mark) { return mark == -1; }));
}

void TestSchedule::conversionErrorNamesTheCell_data()
{
    // A chain 1 -> 2 -> 3 with the critical path on; one cell is replaced.
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("duration") << int(ColDuration) << 2 << "2x"
                              << "'2x' is not a valid integer value\nRow 2, Duration.";
    QTest::newRow("empty forerunner item") << int(ColForerunner) << 3 << " ; 2;"
                                           << "'' is not a valid integer value\nRow 3, Forerunner.";
    QTest::newRow("end of an unlinked task") << int(ColEnd) << 4 << "someday"
                                             << "'someday' is not a valid date\nRow 4, End.";
    QTest::newRow("level") << int(ColLevel) << 2 << "x"
                           << "'x' is not a valid integer value\nRow 2, Level.";
}

void TestSchedule::conversionErrorNamesTheCell()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, message);
    ScheduleFixture f;
    f.project.CriticalPathOn = true;
    f.task(1, "2", 0, 1);
    f.task(2, "1", 0, 0, {1});
    f.task(3, "1", 0, 0, {2});
    f.task(4, "1", 0, 0);
    f.table().setCell(column, row, text);
    try {
        RecalcSchedule(f.project, f.host);
        QFAIL("no conversion error");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(), message);
    }
}

void TestSchedule::criticalPath_data()
{
    QTest::addColumn<QString>("tasks"); // per row: duration,start,end,preds('.'-joined)
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<QList<int>>("chain");
    QTest::newRow("one task spans the project") << "3,0,2," << QList<int>{1} << QList<int>{};
    QTest::newRow("linked pair ends last")
        << "3,0,2,;2,3,4,1" << QList<int>{1, 2} << QList<int>{1, 2};
    QTest::newRow("unlinked task ends later")
        << "3,0,2,;2,3,4,1;10,0,11," << QList<int>{3} << QList<int>{};
    // Only links that drive their successor carry the chain: the successor starts on
    // the next day, or on the next working day with none between.
    QTest::newRow("monday after friday")
        << "5,0,4,;2,7,8,1" << QList<int>{1, 2} << QList<int>{1, 2};
    QTest::newRow("a working day between") << "5,0,4,;2,8,9,1" << QList<int>{} << QList<int>{};
    QTest::newRow("chain through three")
        << "1,0,0,;1,1,1,1;2,2,3,2;1,0,0," << QList<int>{1, 2, 3} << QList<int>{1, 2, 3};
    QTest::newRow("across a weekend")
        << "3,0,2,;2,0,1,1;2,7,8,2;1,0,0,3" << QList<int>{1, 2, 3, 4} << QList<int>{1, 2, 3, 4};
    // Design review, then Backend (5 days) and Frontend (6 days), then Integration:
    // Frontend drives Integration, Backend has a day of slack.
    QTest::newRow("fork") << "2,0,1,;5,0,4,1;6,0,5,1;1,0,0,2.3" << QList<int>{1, 3, 4}
                          << QList<int>{1, 3, 4};
    QTest::newRow("milestone on the chain")
        << "3,0,2,;0,0,0,1;2,0,1,2" << QList<int>{1, 2, 3} << QList<int>{1, 2, 3};
    QTest::newRow("a later link with slack breaks the chain")
        << "2,0,1,;2,0,1,1;1,9,9,2" << QList<int>{} << QList<int>{};
}

void TestSchedule::criticalPath()
{
    QFETCH(QString, tasks);
    QFETCH(QList<int>, marked);
    QFETCH(QList<int>, chain);
    ScheduleFixture f;
    f.project.CriticalPathOn = true;
    const QStringList rows = tasks.split(';');
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList parts = rows[i].split(',');
        QList<int> preds;
        for (const QString &p : parts[3].split('.', Qt::SkipEmptyParts))
            preds << p.toInt();
        f.task(i + 1, parts[0], parts[1].toInt(), parts[2].toInt(), preds);
    }
    // The same chain whether the tasks moved on the way or stood settled already.
    for (int pass = 1; pass <= 2; ++pass) {
        RecalcSchedule(f.project, f.host);
        QList<int> got;
        for (int row = 1; row < TaskTable::Rows; ++row)
            if (f.project.CriticalMarks[row] == 1)
                got << row;
            else
                QCOMPARE(f.project.CriticalMarks[row], -1);
        QCOMPARE(got, marked);
        QCOMPARE(f.project.CriticalChain, chain);
    }
}

void TestSchedule::toggleCriticalPath()
{
    ScheduleFixture f;
    f.task(1, "3", 0, 2);
    f.task(2, "2", 0, 1, {1});
    ToggleCriticalPath(f.project, f.host);
    QVERIFY(f.project.CriticalPathOn);
    QVERIFY(f.host.criticalPathShown);
    QCOMPARE(f.startOffset(2), 3); // switching on recalculates
    QCOMPARE(f.project.CriticalMarks[1], 1);
    QCOMPARE(f.project.CriticalMarks[2], 1);
    const int repaints = f.host.chartRepaints;
    f.table().setCell(ColStart, 2, MonText(0)); // no recalculation when switching off
    ToggleCriticalPath(f.project, f.host);
    QVERIFY(!f.project.CriticalPathOn);
    QVERIFY(!f.host.criticalPathShown);
    QCOMPARE(f.cell(ColStart, 2), MonText(0));
    QVERIFY(std::all_of(f.project.CriticalMarks.begin(), f.project.CriticalMarks.end(),
                        [](int mark) { return mark == -1; }));
    QCOMPARE(f.host.chartRepaints, repaints + 1);
    QCOMPARE(f.project.CriticalChain, QList<int>({1, 2})); // kept for the report
}

void TestSchedule::longChainsRunOnAnExplicitStack_data()
{
    QTest::addColumn<int>("depth"); // group levels above the chain
    QTest::addColumn<bool>("reversed");
    QTest::newRow("row order") << 0 << false;
    QTest::newRow("reversed rows") << 0 << true;
    QTest::newRow("inside 50 groups") << 50 << false;
}

void TestSchedule::longChainsRunOnAnExplicitStack()
{
    QFETCH(int, depth);
    QFETCH(bool, reversed);
    ScheduleFixture f;
    f.project.CriticalPathOn = true;
    const int first = depth + 1;
    for (int g = 1; g <= depth; ++g)
        f.task(g, "1", 0, 0, {}, g);
    for (int row = first; row <= TaskTable::LastRow; ++row) {
        const int pred = reversed ? row + 1 : row - 1;
        const bool head = reversed ? row == TaskTable::LastRow : row == first;
        f.task(row, "1", 0, 0, head ? QList<int>{} : QList<int>{pred}, depth + 1);
    }
    f.markGroups();
    RecalcStats stats;
    RecalcSchedule(f.project, f.host, stats);
    const int tail = reversed ? first : TaskTable::LastRow;
    const int length = TaskTable::LastRow - first; // working days after the head
    const TDateTime expected = Mon(length / 5 * 7 + length % 5);
    QCOMPARE(StrToDate(f.cell(ColStart, tail)), expected);
    QVERIFY(f.host.messages.isEmpty());
    QCOMPARE(f.project.CriticalChain.size(), TaskTable::LastRow - depth);
    for (int g = 1; g <= depth; ++g) {
        QCOMPARE(f.startOffset(g), 0);
        QCOMPARE(StrToDate(f.cell(ColEnd, g)), expected);
    }
}

QTEST_GUILESS_MAIN(TestSchedule)
#include "test_schedule.moc"
