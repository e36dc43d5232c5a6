// The edits of the Gantt chart's mouse gestures, without a window: moving a task to
// another Start, giving it another End, linking two tasks. The project starts on Monday
// 6 May 2024 with Monday to Friday working.

#include "edit/chart_edits.h"
#include "edit_fixture.h"
#include "schedule/calendar.h"
#include "schedule/date_list.h"
#include "schedule/recalc.h"

#include <QtTest>

using namespace morvaine;

namespace {

TDateTime Day(const QString &text)
{
    return StrToDate(text);
}

struct ChartFixture : EditFixture {
    void task(int row, const QString &duration, const QString &start, const QString &end,
              const QString &forerunner = QString())
    {
        table.setCell(ColTask, row, QStringLiteral("Task %1").arg(row));
        table.setCell(ColDuration, row, duration);
        table.setCell(ColStart, row, start);
        table.setCell(ColEnd, row, end);
        table.setCell(ColForerunner, row, forerunner);
        table.setCell(ColLevel, row, QStringLiteral("1"));
        project.LastTaskRow = qMax(project.LastTaskRow, row);
    }

    /// Columns 1-9 of the task rows and the settings, to show that nothing changed.
    QStringList cells() const
    {
        QStringList all;
        for (int row = 1; row <= 24; ++row)
            for (int column = ColTask; column <= ColSettings; ++column)
                all << cell(column, row);
        return all;
    }
};

} // namespace

class TestChartEdits : public QObject {
    Q_OBJECT

private slots:
    void moveKeepsDurationOnTheWorkingWeek_data()
    {
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("newStart");
        QTest::addColumn<QString>("newEnd");
        QTest::newRow("across a weekend") << "3 days"
                                          << "06.05.2024"
                                          << "08.05.2024"
                                          << "09.05.2024"
                                          << "13.05.2024";
        QTest::newRow("onto a Saturday: counted from Monday") << "3 days"
                                                              << "06.05.2024"
                                                              << "08.05.2024"
                                                              << "11.05.2024"
                                                              << "15.05.2024";
        QTest::newRow("a week later") << "5 days"
                                      << "06.05.2024"
                                      << "10.05.2024"
                                      << "13.05.2024"
                                      << "17.05.2024";
        QTest::newRow("back to the project start") << "2 days"
                                                   << "08.05.2024"
                                                   << "09.05.2024"
                                                   << "06.05.2024"
                                                   << "07.05.2024";
        QTest::newRow("one day onto a Friday") << "1 day"
                                               << "06.05.2024"
                                               << "06.05.2024"
                                               << "10.05.2024"
                                               << "10.05.2024";
        QTest::newRow("milestone") << "0 days"
                                   << "08.05.2024"
                                   << "08.05.2024"
                                   << "14.05.2024"
                                   << "14.05.2024";
    }
    void moveKeepsDurationOnTheWorkingWeek()
    {
        QFETCH(QString, duration);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, newStart);
        QFETCH(QString, newEnd);
        ChartFixture f;
        f.task(1, duration, start, end);
        f.settle();
        const std::optional<TaskDates> shown = MovedTaskDates(f.project, 1, Day(newStart));
        QVERIFY(MoveTask(f.project, f.host, 1, Day(newStart)));
        QCOMPARE(f.cell(ColStart, 1), newStart);
        QCOMPARE(f.cell(ColEnd, 1), newEnd);
        QCOMPARE(f.cell(ColDuration, 1), duration);
        QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));
        QVERIFY(f.host.messages.isEmpty());
        // What the ghost showed while dragging is what the drop gave.
        QVERIFY(shown);
        QCOMPARE(DateToStr(shown->start), newStart);
        QCOMPARE(DateToStr(shown->end), newEnd);
        QCOMPARE(shown->days, DurationDays(duration));
    }

    void moveBeforeProjectStartAsks_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("projectStart");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("yes: the project starts earlier") << true << "02.05.2024"
                                                         << "02.05.2024"
                                                         << "03.05.2024";
        QTest::newRow("no: the task starts with the project") << false << "06.05.2024"
                                                              << "06.05.2024"
                                                              << "07.05.2024";
    }
    void moveBeforeProjectStartAsks()
    {
        QFETCH(bool, yes);
        QFETCH(QString, projectStart);
        QFETCH(QString, start);
        QFETCH(QString, end);
        ChartFixture f;
        f.task(1, QStringLiteral("2 days"), QStringLiteral("08.05.2024"),
               QStringLiteral("09.05.2024"));
        f.settle();
        f.host.answers = {yes ? MsgAnswer::Yes : MsgAnswer::No};
        QVERIFY(MoveTask(f.project, f.host, 1, Day(QStringLiteral("02.05.2024"))));
        QCOMPARE(f.host.messages.size(), 1);
        QCOMPARE(f.host.messages[0].title, QStringLiteral("Confirm"));
        QCOMPARE(f.host.messages[0].text,
                 QStringLiteral("The 'Start' date is earlier than the project start date\n"
                                "Change the project start date?"));
        QCOMPARE(f.project.settings().startDate(), projectStart);
        QCOMPARE(f.cell(ColStart, 1), start);
        QCOMPARE(f.cell(ColEnd, 1), end);
    }

    // The schedule is recalculated as after typing a Start: successors are pushed, and a
    // task moved before its predecessor's End goes back behind it.
    void moveIsFollowedByTheSchedule_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("newStart");
        QTest::addColumn<QStringList>("dates"); // Start and End of rows 1 and 2
        QTest::newRow("predecessor later: successor pushed")
            << 1 << "07.05.2024"
            << QStringList{"07.05.2024", "09.05.2024", "10.05.2024", "13.05.2024"};
        QTest::newRow("successor before its predecessor's end: pushed back")
            << 2 << "06.05.2024"
            << QStringList{"06.05.2024", "08.05.2024", "09.05.2024", "10.05.2024"};
        QTest::newRow("successor a week later: stays")
            << 2 << "16.05.2024"
            << QStringList{"06.05.2024", "08.05.2024", "16.05.2024", "17.05.2024"};
    }
    void moveIsFollowedByTheSchedule()
    {
        QFETCH(int, row);
        QFETCH(QString, newStart);
        QFETCH(QStringList, dates);
        ChartFixture f;
        f.task(1, QStringLiteral("3 days"), QStringLiteral("06.05.2024"),
               QStringLiteral("08.05.2024"));
        f.task(2, QStringLiteral("2 days"), QStringLiteral("09.05.2024"),
               QStringLiteral("10.05.2024"), QStringLiteral(" 1;"));
        f.settle();
        QVERIFY(MoveTask(f.project, f.host, row, Day(newStart)));
        QCOMPARE((QStringList{f.cell(ColStart, 1), f.cell(ColEnd, 1), f.cell(ColStart, 2),
                              f.cell(ColEnd, 2)}),
                 dates);
        QVERIFY(f.host.chartRepaints > 0);
    }

    void newEndChangesTheDuration_data()
    {
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("newEnd");
        QTest::addColumn<QString>("end2");
        QTest::addColumn<QString>("duration2");
        QTest::newRow("two days longer") << "3 days"
                                         << "06.05.2024"
                                         << "08.05.2024"
                                         << "10.05.2024"
                                         << "10.05.2024"
                                         << "5 days";
        QTest::newRow("over the weekend") << "3 days"
                                          << "06.05.2024"
                                          << "08.05.2024"
                                          << "13.05.2024"
                                          << "13.05.2024"
                                          << "6 days";
        QTest::newRow("onto a Saturday: ends on the Friday") << "3 days"
                                                             << "06.05.2024"
                                                             << "08.05.2024"
                                                             << "11.05.2024"
                                                             << "10.05.2024"
                                                             << "5 days";
        QTest::newRow("down to one day") << "3 days"
                                         << "06.05.2024"
                                         << "08.05.2024"
                                         << "06.05.2024"
                                         << "06.05.2024"
                                         << "1 day";
        QTest::newRow("before its Start: one day") << "3 days"
                                                   << "07.05.2024"
                                                   << "09.05.2024"
                                                   << "01.05.2024"
                                                   << "07.05.2024"
                                                   << "1 day";
        QTest::newRow("Saturday Start: one day ends on Monday") << "2 days"
                                                                << "11.05.2024"
                                                                << "14.05.2024"
                                                                << "11.05.2024"
                                                                << "13.05.2024"
                                                                << "1 day";
    }
    void newEndChangesTheDuration()
    {
        QFETCH(QString, duration);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, newEnd);
        QFETCH(QString, end2);
        QFETCH(QString, duration2);
        ChartFixture f;
        f.task(1, duration, start, end);
        f.settle();
        const std::optional<TaskDates> shown = StretchedTaskDates(f.project, 1, Day(newEnd));
        QVERIFY(ChangeTaskEnd(f.project, f.host, 1, Day(newEnd)));
        QCOMPARE(f.cell(ColStart, 1), start);
        QCOMPARE(f.cell(ColEnd, 1), end2);
        QCOMPARE(f.cell(ColDuration, 1), duration2);
        QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));
        QVERIFY(f.host.messages.isEmpty());
        QVERIFY(shown);
        QCOMPARE(DateToStr(shown->end), end2);
        QCOMPARE(shown->days, DurationDays(duration2));
    }

    // With Wednesday and Thursday 8-9 May holidays and Saturday 11 May worked, a drag
    // counts the days the calendar counts, in the outline and in the cells.
    void dragsFollowHolidaysAndExtraDays_data()
    {
        QTest::addColumn<bool>("move"); // else the End is dragged
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("start2");
        QTest::addColumn<QString>("end2");
        QTest::addColumn<QString>("duration2");
        QTest::newRow("moved across the holidays onto the worked Saturday") << true << "3 days"
                                                                            << "06.05.2024"
                                                                            << "08.05.2024"
                                                                            << "07.05.2024"
                                                                            << "07.05.2024"
                                                                            << "11.05.2024"
                                                                            << "3 days";
        QTest::newRow("moved onto a holiday: counted from the next working day") << true << "2 days"
                                                                                 << "06.05.2024"
                                                                                 << "07.05.2024"
                                                                                 << "08.05.2024"
                                                                                 << "08.05.2024"
                                                                                 << "11.05.2024"
                                                                                 << "2 days";
        QTest::newRow("stretched over the holidays") << false << "1 day"
                                                     << "06.05.2024"
                                                     << "06.05.2024"
                                                     << "10.05.2024"
                                                     << "06.05.2024"
                                                     << "10.05.2024"
                                                     << "3 days";
        QTest::newRow("stretched onto a holiday: ends on the working day before")
            << false << "1 day"
            << "06.05.2024"
            << "06.05.2024"
            << "09.05.2024"
            << "06.05.2024"
            << "07.05.2024"
            << "2 days";
        QTest::newRow("stretched onto the worked Saturday") << false << "1 day"
                                                            << "06.05.2024"
                                                            << "06.05.2024"
                                                            << "11.05.2024"
                                                            << "06.05.2024"
                                                            << "11.05.2024"
                                                            << "4 days";
    }
    void dragsFollowHolidaysAndExtraDays()
    {
        QFETCH(bool, move);
        QFETCH(QString, duration);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, to);
        QFETCH(QString, start2);
        QFETCH(QString, end2);
        QFETCH(QString, duration2);
        ChartFixture f;
        SetCalendarExceptions(f.project, QStringLiteral("08.05.2024-09.05.2024"),
                              QStringLiteral("11.05.2024"));
        f.task(1, duration, start, end);
        f.settle();
        const std::optional<TaskDates> shown = move ? MovedTaskDates(f.project, 1, Day(to))
                                                    : StretchedTaskDates(f.project, 1, Day(to));
        QVERIFY(move ? MoveTask(f.project, f.host, 1, Day(to))
                     : ChangeTaskEnd(f.project, f.host, 1, Day(to)));
        QCOMPARE(f.cell(ColStart, 1), start2);
        QCOMPARE(f.cell(ColEnd, 1), end2);
        QCOMPARE(f.cell(ColDuration, 1), duration2);
        QVERIFY(f.host.messages.isEmpty());
        QVERIFY(shown);
        QCOMPARE(DateToStr(shown->end), end2);
        QCOMPARE(shown->days, DurationDays(duration2));
    }

    // Rows a gesture cannot change: nothing is written, not even "Modify".
    void tasksThatTakeNoDragStayAsTheyAre_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("edit");
        QTest::newRow("group task moved") << "group"
                                          << "move";
        QTest::newRow("group task stretched") << "group"
                                              << "stretch";
        QTest::newRow("milestone stretched") << "milestone"
                                             << "stretch";
        QTest::newRow("row past the last task moved") << "past"
                                                      << "move";
        QTest::newRow("task without dates moved") << "no dates"
                                                  << "move";
        QTest::newRow("unreadable Duration stretched") << "bad duration"
                                                       << "stretch";
    }
    void tasksThatTakeNoDragStayAsTheyAre()
    {
        QFETCH(QString, what);
        QFETCH(QString, edit);
        ChartFixture f;
        f.task(1, QStringLiteral("2 days"), QStringLiteral("06.05.2024"),
               QStringLiteral("07.05.2024"));
        f.task(2, QStringLiteral("2 days"), QStringLiteral("06.05.2024"),
               QStringLiteral("07.05.2024"));
        if (what == QLatin1String("group")) {
            f.table.setCell(ColVeha, 1, QStringLiteral("v"));
            f.table.setCell(ColLevel, 2, QStringLiteral("2"));
        } else if (what == QLatin1String("milestone")) {
            f.task(1, QStringLiteral("0 days"), QStringLiteral("07.05.2024"),
                   QStringLiteral("07.05.2024"));
        } else if (what == QLatin1String("past")) {
            f.project.LastTaskRow = 0;
        } else if (what == QLatin1String("no dates")) {
            f.table.setCell(ColStart, 1, QString());
            f.table.setCell(ColEnd, 1, QString());
        } else {
            f.table.setCell(ColDuration, 1, QStringLiteral("2x"));
        }
        f.settle();
        const QStringList before = f.cells();
        const TDateTime day = Day(QStringLiteral("09.05.2024"));
        const bool changed = edit == QLatin1String("move")
                                 ? MoveTask(f.project, f.host, 1, day)
                                 : ChangeTaskEnd(f.project, f.host, 1, day);
        QVERIFY(!changed);
        QCOMPARE(f.cells(), before);
        QVERIFY(f.host.messages.isEmpty());
    }

    // Rows 1 -> 2 -> 3 are linked; row 4 is a group task with row 5 as its sub-task.
    void linksAreAddedOrRefused_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("s");
        QTest::addColumn<QString>("list");  // the successor's list after; empty: refused
        QTest::addColumn<QString>("start"); // the successor's Start after
        QTest::newRow("added to a list") << 1 << 3 << " 2; 1;"
                                         << "10.05.2024";
        QTest::newRow("pushes its successor") << 1 << 5 << " 1;"
                                              << "08.05.2024";
        QTest::newRow("group to another task") << 4 << 3 << " 2; 4;"
                                               << "10.05.2024";
        QTest::newRow("to itself") << 2 << 2 << ""
                                   << "";
        QTest::newRow("listed already") << 1 << 2 << ""
                                        << "";
        QTest::newRow("closes a cycle of two") << 2 << 1 << ""
                                               << "";
        QTest::newRow("closes a cycle of three") << 3 << 1 << ""
                                                 << "";
        QTest::newRow("group to its sub-task") << 4 << 5 << ""
                                               << "";
        QTest::newRow("sub-task to its group") << 5 << 4 << ""
                                               << "";
        QTest::newRow("to a row without a task") << 1 << 6 << ""
                                                 << "";
    }
    void linksAreAddedOrRefused()
    {
        QFETCH(int, p);
        QFETCH(int, s);
        QFETCH(QString, list);
        QFETCH(QString, start);
        ChartFixture f;
        f.task(1, QStringLiteral("2 days"), QStringLiteral("06.05.2024"),
               QStringLiteral("07.05.2024"));
        f.task(2, QStringLiteral("2 days"), QStringLiteral("08.05.2024"),
               QStringLiteral("09.05.2024"), QStringLiteral(" 1;"));
        f.task(3, QStringLiteral("2 days"), QStringLiteral("10.05.2024"),
               QStringLiteral("13.05.2024"), QStringLiteral(" 2;"));
        f.task(4, QStringLiteral("2 days"), QStringLiteral("06.05.2024"),
               QStringLiteral("07.05.2024"));
        f.task(5, QStringLiteral("2 days"), QStringLiteral("06.05.2024"),
               QStringLiteral("07.05.2024"));
        f.table.setCell(ColVeha, 4, QStringLiteral("v"));
        f.table.setCell(ColLevel, 5, QStringLiteral("2"));
        f.settle();
        const QStringList before = f.cells();

        const bool added = LinkTasks(f.project, f.host, p, BarEnd::End, s, BarEnd::Start);
        if (list.isEmpty()) {
            QVERIFY(!added);
            QCOMPARE(f.host.texts(), QStringList{LinkErrorMessage(p, s)});
            QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
            QCOMPARE(f.host.messages[0].icon, MsgIcon::Error);
            QCOMPARE(f.cells(), before);
            return;
        }
        QVERIFY(added);
        QVERIFY2(f.host.messages.isEmpty(), qPrintable(f.host.texts().join('\n')));
        QCOMPARE(f.cell(ColForerunner, s), list);
        QCOMPARE(f.cell(ColStart, s), start);
        QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));
    }

    // A drawn link's ends choose its type; it is written in the list form the table
    // uses, whatever form the list was in.
    void drawnLinkTypeFollowsItsEnds_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("list");
        QTest::newRow("finish to start") << int(BarEnd::End) << int(BarEnd::Start) << " 2; 1;";
        QTest::newRow("start to start") << int(BarEnd::Start) << int(BarEnd::Start) << " 2; 1SS;";
        QTest::newRow("finish to finish") << int(BarEnd::End) << int(BarEnd::End) << " 2; 1FF;";
        QTest::newRow("start to finish") << int(BarEnd::Start) << int(BarEnd::End) << " 2; 1SF;";
    }
    void drawnLinkTypeFollowsItsEnds()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, list);
        ChartFixture f;
        f.task(1, QStringLiteral("2 days"), QStringLiteral("06.05.2024"),
               QStringLiteral("07.05.2024"));
        f.task(2, QStringLiteral("1 day"), QStringLiteral("06.05.2024"),
               QStringLiteral("06.05.2024"));
        f.task(3, QStringLiteral("1 day"), QStringLiteral("06.05.2024"),
               QStringLiteral("06.05.2024"), QStringLiteral(" 2"));
        f.settle();
        QVERIFY(LinkTasks(f.project, f.host, 1, BarEnd(from), 3, BarEnd(to)));
        QCOMPARE(f.cell(ColForerunner, 3), list);
        if (BarEnd(from) == BarEnd::End && BarEnd(to) == BarEnd::Start)
            QCOMPARE(f.cell(ColStart, 3), QStringLiteral("08.05.2024"));
        // A link of another type to a task the list names already is refused.
        QVERIFY(!LinkTasks(f.project, f.host, 1, BarEnd::End, 3, BarEnd::Start));
        QCOMPARE(f.cell(ColForerunner, 3), list);
    }
};

QTEST_GUILESS_MAIN(TestChartEdits)
#include "test_chart_edits.moc"
