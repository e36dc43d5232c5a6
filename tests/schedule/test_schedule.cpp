// Working calendar, RecalcRow, RecalcSchedule, group tasks and the critical path.

#include "literal_schedule.h"
#include "schedule/calendar.h"
#include "schedule/critical_path.h"
#include "schedule/date_text.h"
#include "schedule/recalc.h"
#include "schedule_fixture.h"

#include <QTest>

using namespace morvaine;

class TestSchedule : public QObject {
    Q_OBJECT

private slots:
    void durationDays_data();
    void durationDays();
    void calcEndDate_data();
    void calcEndDate();
    void closedFormEqualsDayByDay();
    void calcDuration_data();
    void calcDuration();
    void endAfterYear9999IsAnError();
    void projectEndDateFallsBackToProjectStart();
    void dateTextsEqualQtsConversion_data();
    void dateTextsEqualQtsConversion();

    void recalcRowQuestions_data();
    void recalcRowQuestions();
    void recalcRowFillsTheRow_data();
    void recalcRowFillsTheRow();
    void recalcRowErrorNamesTheCell_data();
    void recalcRowErrorNamesTheCell();

    void linkScenarios_data();
    void linkScenarios();
    void successorDoesNotMoveBackWhenPredecessorShrinks();
    void badLinksAreReportedOncePerRecalculation();
    void cycleIsReportedOnceAndSkipped();
    void unreachedCycleLinksAreReported_data();
    void unreachedCycleLinksAreReported();
    void conversionErrorKeepsWrittenCells();
    void conversionErrorNamesTheCell_data();
    void conversionErrorNamesTheCell();

    void groupSpansItsSubTasks();
    void staleGroupMarkIsNoGroup_data();
    void staleGroupMarkIsNoGroup();
    void groupBelowTheVisibleTopIsLeftAlone();
    void linkedGroupCarriesItsSubTasks();
    void nestedGroupsRefitUpwardsAndPushSuccessors();

    void criticalPath_data();
    void criticalPath();
    void toggleCriticalPath();

    void longChainsRunOnAnExplicitStack_data();
    void longChainsRunOnAnExplicitStack();
};

void TestSchedule::durationDays_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("days"); // -2: conversion error
    QTest::newRow("bare") << "5" << 5;
    QTest::newRow("with unit") << "5 days" << 5;
    QTest::newRow("leading blank") << " 5 days" << 5;
    QTest::newRow("one day") << "1 day" << 1;
    QTest::newRow("milestone") << "0 days" << 0;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("blanks") << "   " << -1;
    QTest::newRow("no blank before unit") << "5days" << -2;
}

void TestSchedule::durationDays()
{
    QFETCH(QString, text);
    QFETCH(int, days);
    if (days == -2) {
        try {
            DurationDays(text);
            QFAIL("no conversion error");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), QStringLiteral("'5days' is not a valid integer value"));
        }
        return;
    }
    QCOMPARE(DurationDays(text), days);
}

void TestSchedule::dateTextsEqualQtsConversion_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("padded") << "dd.MM.yyyy";
    QTest::newRow("unpadded") << "d/M/yyyy";
    QTest::newRow("year first") << "yyyy-MM-dd";
    QTest::newRow("month names") << "d MMM yyyy";
}

// The recalculation's own date conversion (written texts kept across calls, a format
// of fixed width read by position) against Qt's, also after the format changed.
void TestSchedule::dateTextsEqualQtsConversion()
{
    QFETCH(QString, format);
    const QString saved = ShortDateFormat();
    for (const QString &used : {QStringLiteral("dd.MM.yyyy"), format}) {
        SetShortDateFormat(used);
        const DateCodec dates;
        const TDateTime first = DayOf(2023, 12, 25);
        for (TDateTime day = first; day < first + 800; day += 1) {
            const QString text = DateToStr(day);
            QCOMPARE(dates.write(day), text);
            QCOMPARE(dates.read(text), day);
        }
        // Far from the dates written so far, in the first and last readable years, and
        // around the leap days of century years.
        for (TDateTime day : {DayOf(1000, 3, 1), DayOf(1899, 12, 30), DayOf(1900, 3, 1),
                              DayOf(2000, 2, 29), DayOf(2100, 3, 1), DayOf(9999, 12, 31)}) {
            QCOMPARE(dates.write(day), DateToStr(day));
            QCOMPARE(dates.read(DateToStr(day)), day);
        }
        // Texts the format does not write read as Qt reads them, or not at all.
        const QStringList variants = {
            DateToStr(first).prepend(' '), QStringLiteral("1.1.2024"), QStringLiteral("01.13.2024"),
            QStringLiteral("31.02.2024"), QStringLiteral("2024-1-5"), QStringLiteral("5 Jan 2024"),
            QStringLiteral("05 Jan 2024"), QString(), QStringLiteral("x"),
            // Characters next to the digits, and digits of other scripts, in the places
            // of a ten-character text.
            QStringLiteral("0/.01.2024"), QStringLiteral("01.0:.2024"),
            QStringLiteral("01.01.202/"), QStringLiteral("01.01.202:"),
            QStringLiteral("01-01-2024"), QStringLiteral("2024.01.01"),
            QString::fromUtf16(u"01.01.20\uFF124"), QString::fromUtf16(u"\u0661\u0662.01.2024"),
            QString::fromUtf16(u"01.01\u30002024"), QString::fromUtf16(u"01.01.202\u0134"),
            QString::fromUtf16(u"01\u012E01.2024")};
        for (const QString &text : variants) {
            bool qtReads = true;
            TDateTime qtDay = 0, day = 0;
            try {
                qtDay = StrToDate(text);
            } catch (const ConversionError &) {
                qtReads = false;
            }
            QCOMPARE(dates.tryRead(text, day), qtReads);
            if (qtReads)
                QCOMPARE(day, qtDay);
        }
    }
    SetShortDateFormat(saved);
}

void TestSchedule::calcEndDate_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<int>("end"); // offset from Monday; -1: End left empty
    QTest::newRow("wednesday one day") << "YYYYYNN" << 2 << "1 day" << 2;
    QTest::newRow("monday five days") << "YYYYYNN" << 0 << "5 days" << 4;
    QTest::newRow("friday two days") << "YYYYYNN" << 4 << "2" << 7;
    QTest::newRow("saturday one day") << "YYYYYNN" << 5 << "1 day" << 7;
    QTest::newRow("sunday milestone") << "YYYYYNN" << 6 << "0 days" << 6;
    QTest::newRow("no duration") << "YYYYYNN" << 0 << "" << -1;
    QTest::newRow("every day, saturday 3") << "YYYYYYY" << 5 << "3" << 7;
    QTest::newRow("short mask") << "YY" << 2 << "3" << 14;
    QTest::newRow("no working day") << "NNNNNNN" << 0 << "3" << -1;
}

void TestSchedule::calcEndDate()
{
    QFETCH(QString, mask);
    QFETCH(int, start);
    QFETCH(QString, duration);
    QFETCH(int, end);
    ScheduleFixture f;
    f.settings().setValue(SettingsBlock::WorkingDays, mask);
    f.task(1, duration, start, -1);
    CalcEndDate(f.project, 1);
    QCOMPARE(f.cell(ColEnd, 1), end < 0 ? QString() : MonText(end));
}

void TestSchedule::closedFormEqualsDayByDay()
{
    // Every mask with a working day, every weekday, durations across several weeks.
    ScheduleFixture f;
    f.task(1, "1", 0, -1);
    for (int bits = 1; bits < 128; ++bits) {
        QString mask;
        for (int i = 0; i < 7; ++i)
            mask += bits & (1 << i) ? QLatin1Char('Y') : QLatin1Char('N');
        f.settings().setValue(SettingsBlock::WorkingDays, mask);
        for (int start = 0; start < 7; ++start) {
            for (int n = 1; n <= 23; n += 1 + n / 4) {
                f.table().setCell(ColStart, 1, MonText(start));
                f.table().setCell(ColDuration, 1, QString::number(n));
                CalcEndDate(f.project, 1);
                const QString fast = f.cell(ColEnd, 1);
                literal::CalcEndDate(f.project, 1);
                QCOMPARE(fast, f.cell(ColEnd, 1));
            }
            for (int span = -3; span <= 30; span += 3)
                QCOMPARE(CountWorkingDays(f.project, Mon(start), Mon(start + span)),
                         literal::CountWorkingDays(f.project, Mon(start), Mon(start + span)));
        }
    }
}

void TestSchedule::calcDuration_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("duration");
    QTest::newRow("monday to friday") << 0 << 4 << "5";
    QTest::newRow("friday to monday") << 4 << 7 << "2";
    QTest::newRow("weekend") << 5 << 6 << "0";
    QTest::newRow("end before working start") << 2 << 1 << "1";
    QTest::newRow("end before free start") << 5 << 4 << "0";
}

void TestSchedule::calcDuration()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, duration);
    ScheduleFixture f;
    f.task(1, "9 days", start, end);
    CalcDuration(f.project, 1);
    QCOMPARE(f.cell(ColDuration, 1), duration);
}

void TestSchedule::endAfterYear9999IsAnError()
{
    ScheduleFixture f;
    f.task(1, "100", -1, -1);
    f.table().setCell(ColStart, 1, DateToStr(DayOf(9999, 12, 1)));
    f.table().setCell(ColEnd, 1, QStringLiteral("kept"));
    for (const QString &duration : {QStringLiteral("100"), QStringLiteral("2000000000 days")}) {
        f.table().setCell(ColDuration, 1, duration);
        try {
            CalcEndDate(f.project, 1);
            QFAIL("no error");
        } catch (const ConversionError &error) {
            QCOMPARE(error.message(), TooLongDurationMessage(duration) + "\nRow 1, Duration.");
        }
        QCOMPARE(f.cell(ColEnd, 1), QStringLiteral("kept"));
    }
    f.table().setCell(ColDuration, 1, QStringLiteral("21"));
    CalcEndDate(f.project, 1);
    QCOMPARE(f.cell(ColEnd, 1), DateToStr(DayOf(9999, 12, 29)));
}

void TestSchedule::projectEndDateFallsBackToProjectStart()
{
    ScheduleFixture f;
    QCOMPARE(ProjectEndDate(f.project), Mon());
    f.task(1, "1", -7, -7);
    f.task(2, "", -1, -1);
    QCOMPARE(ProjectEndDate(f.project), Mon());
    f.task(3, "1", 9, 9);
    QCOMPARE(ProjectEndDate(f.project), Mon(9));
}

void TestSchedule::recalcRowQuestions_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("yes");
    QTest::newRow("start, yes") << int(ColStart) << true;
    QTest::newRow("start, no") << int(ColStart) << false;
    QTest::newRow("end, yes") << int(ColEnd) << true;
    QTest::newRow("end, no") << int(ColEnd) << false;
}

void TestSchedule::recalcRowQuestions()
{
    QFETCH(int, column);
    QFETCH(bool, yes);
    ScheduleFixture f;
    f.task(1, "", -1, -1);
    f.table().setCell(column, 1, MonText(-3)); // the Friday before the project start
    f.host.answers = {yes ? MsgAnswer::Yes : MsgAnswer::No};
    RecalcRow(f.project, f.host, column, 1);
    QCOMPARE(f.host.messages.size(), 1);
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Confirm"));
    QCOMPARE(f.host.messages[0].buttons, MsgButtons::YesNo);
    QCOMPARE(f.host.messages[0].icon, MsgIcon::Warning);
    QCOMPARE(f.host.messages[0].text,
             column == ColStart
                 ? QStringLiteral("The 'Start' date is earlier than the project start date\n"
                                  "Change the project start date?")
                 : QStringLiteral("The 'End' (and 'Start') date is earlier than the project "
                                  "start date.\nChange the project start date?"));
    const int day = yes ? -3 : 0;
    QCOMPARE(f.settings().startDate(), MonText(yes ? -3 : 0));
    if (!yes)
        QCOMPARE(f.host.pickerDate, Mon());
    // The row becomes a one-day task on that day.
    QCOMPARE(f.cell(ColDuration, 1),
             column == ColStart ? QStringLiteral("1 day") : QStringLiteral("1"));
    QCOMPARE(f.cell(ColStart, 1), MonText(day));
    QCOMPARE(f.cell(ColEnd, 1), MonText(day));
}

void TestSchedule::recalcRowFillsTheRow_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("newDuration");
    QTest::addColumn<int>("newStart");
    QTest::addColumn<int>("newEnd");
    QTest::newRow("duration on an empty row") << 2 << "3" << -1 << -1 << "3" << 0 << 2;
    QTest::newRow("duration with both dates") << 2 << "2" << 3 << 9 << "2" << 3 << 4;
    QTest::newRow("duration with only a start") << 2 << "2" << 3 << -1 << "2" << 3 << -1;
    QTest::newRow("start on an empty row") << 3 << "" << 2 << -1 << "1 day" << 2 << 2;
    QTest::newRow("start moves the end") << 3 << "2 days" << 4 << 1 << "2 days" << 4 << 7;
    QTest::newRow("end sets the duration") << 4 << "1" << 0 << 9 << "8" << 0 << 9;
    QTest::newRow("end before the start") << 4 << "3" << 7 << 2 << "1 day" << 2 << 2;
    QTest::newRow("end on saturday before start") << 4 << "3" << 9 << 5 << "1 day" << 5 << 7;
    QTest::newRow("other column") << 5 << "3" << 1 << -1 << "3" << 1 << -1;
}

void TestSchedule::recalcRowFillsTheRow()
{
    QFETCH(int, column);
    QFETCH(QString, duration);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, newDuration);
    QFETCH(int, newStart);
    QFETCH(int, newEnd);
    ScheduleFixture f;
    f.task(1, duration, start, end);
    RecalcRow(f.project, f.host, column, 1);
    QVERIFY(f.host.messages.isEmpty());
    QCOMPARE(f.cell(ColDuration, 1), newDuration);
    QCOMPARE(f.cell(ColStart, 1), newStart < 0 ? QString() : MonText(newStart));
    QCOMPARE(f.cell(ColEnd, 1), newEnd < 0 ? QString() : MonText(newEnd));
}

void TestSchedule::recalcRowErrorNamesTheCell_data()
{
    QTest::addColumn<int>("column"); // changed
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("message");
    QTest::newRow("start") << int(ColStart) << "1"
                           << "x"
                           << "'x' is not a valid date\nRow 1, Start.";
    QTest::newRow("duration") << int(ColDuration) << "2x" << MonText()
                              << "'2x' is not a valid integer value\nRow 1, Duration.";
}

void TestSchedule::recalcRowErrorNamesTheCell()
{
    QFETCH(int, column);
    QFETCH(QString, duration);
    QFETCH(QString, start);
    QFETCH(QString, message);
    ScheduleFixture f;
    f.task(1, duration, -1, 2);
    f.table().setCell(ColStart, 1, start);
    try {
        RecalcRow(f.project, f.host, column, 1);
        QFAIL("no conversion error");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(), message);
    }
}

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
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.host.texts(), QStringList({self, group, empty}));
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(f.host.messages[0].icon, MsgIcon::Error);
    QCOMPARE(f.host.messages[0].buttons, MsgButtons::Ok);
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.host.messages.size(), 6);
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
    QStringList expected;
    for (const QString &link : links)
        expected << QStringLiteral("Link error (Task #%1 -> Task #%2)\nThis link will be ignored.")
                        .arg(link.section(' ', 0, 0), link.section(' ', 1, 1));
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
    QCOMPARE(f.project.CriticalChain, QList<int>({1, 2}));
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

void TestSchedule::staleGroupMarkIsNoGroup_data()
{
    QTest::addColumn<int>("marked");
    QTest::addColumn<int>("levelOfRow2");
    QTest::newRow("last row") << 2 << 1;
    QTest::newRow("next row not deeper") << 1 << 1;
    QTest::newRow("next row shallower") << 2 << 2;
}

void TestSchedule::staleGroupMarkIsNoGroup()
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

void TestSchedule::groupSpansItsSubTasks()
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

void TestSchedule::groupBelowTheVisibleTopIsLeftAlone()
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

void TestSchedule::linkedGroupCarriesItsSubTasks()
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

void TestSchedule::nestedGroupsRefitUpwardsAndPushSuccessors()
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
    QTest::newRow("gap after friday") << "5,0,4,;2,7,8,1" << QList<int>{} << QList<int>{};
    QTest::newRow("chain through three")
        << "1,0,0,;1,1,1,1;2,2,3,2;1,0,0," << QList<int>{1, 2, 3} << QList<int>{1, 2, 3};
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
