// The working calendar, date texts and the per-row recalculation RecalcRow.

#include "literal_schedule.h"
#include "schedule/calendar.h"
#include "schedule/date_text.h"
#include "schedule/recalc.h"
#include "schedule_fixture.h"

#include <QTest>

using namespace morvaine;

class TestCalendar : public QObject {
    Q_OBJECT

private slots:
    void durationDays_data();
    void durationDays();
    void calcEndDate_data();
    void calcEndDate();
    void closedFormEqualsDayByDay();
    void moveWorkingDays_data();
    void moveWorkingDays();
    void moveWorkingDaysEqualsDayByDay();
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
};

void TestCalendar::durationDays_data()
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

void TestCalendar::durationDays()
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

void TestCalendar::dateTextsEqualQtsConversion_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("padded") << "dd.MM.yyyy";
    QTest::newRow("unpadded") << "d/M/yyyy";
    QTest::newRow("year first") << "yyyy-MM-dd";
    QTest::newRow("month names") << "d MMM yyyy";
    QTest::newRow("long month names") << "dd. MMMM yyyy";
}

// The recalculation's own date conversion (written texts kept across calls, a format
// of fixed width read by position) against Qt's, also after the format changed.
void TestCalendar::dateTextsEqualQtsConversion()
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
            QStringLiteral("05 Jan 2024"), QStringLiteral("5 jan 2024"),
            QStringLiteral("5 JAN 2024"), QStringLiteral("5 Janu 2024"),
            QStringLiteral("5 Ja 2024"), QStringLiteral("05. Jan 2024"),
            QStringLiteral("05. January 2024"), QStringLiteral("05. january 2024"),
            QStringLiteral("31 Feb 2024"), QStringLiteral("29 Feb 2023"), QString(),
            QStringLiteral("x"),
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

void TestCalendar::calcEndDate_data()
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

void TestCalendar::calcEndDate()
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

void TestCalendar::closedFormEqualsDayByDay()
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

namespace {

std::int64_t dayOf(const QDate &date)
{
    return QDate(1899, 12, 30).daysTo(date);
}

} // namespace

void TestCalendar::moveWorkingDays_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("k");
    QTest::addColumn<QDate>("moved"); // invalid: none
    const QString week = QStringLiteral("YYYYYNN");
    // 7 January 2008 is a Monday.
    QTest::newRow("Monday on 2 is Wednesday")
        << week << QDate(2008, 1, 7) << 2 << QDate(2008, 1, 9);
    QTest::newRow("on 0 stays") << week << QDate(2008, 1, 12) << 0 << QDate(2008, 1, 12);
    QTest::newRow("Friday on 1 is Monday") << week << QDate(2008, 1, 11) << 1 << QDate(2008, 1, 14);
    QTest::newRow("Saturday on 1 is Monday")
        << week << QDate(2008, 1, 12) << 1 << QDate(2008, 1, 14);
    QTest::newRow("Sunday on 1 is Monday") << week << QDate(2008, 1, 13) << 1 << QDate(2008, 1, 14);
    QTest::newRow("Thursday on 5 crosses a weekend")
        << week << QDate(2008, 1, 10) << 5 << QDate(2008, 1, 17);
    QTest::newRow("Monday on -1 is Friday")
        << week << QDate(2008, 1, 14) << -1 << QDate(2008, 1, 11);
    QTest::newRow("Sunday on -1 is Friday")
        << week << QDate(2008, 1, 13) << -1 << QDate(2008, 1, 11);
    QTest::newRow("Wednesday on -2 is Monday")
        << week << QDate(2008, 1, 9) << -2 << QDate(2008, 1, 7);
    QTest::newRow("Tuesday on -7 crosses two weekends")
        << week << QDate(2008, 1, 15) << -7 << QDate(2008, 1, 4);
    QTest::newRow("999 working days") << week << QDate(2008, 1, 7) << 999 << QDate(2011, 11, 4);
    QTest::newRow("one working day a week")
        << QStringLiteral("NNYNNNN") << QDate(2008, 1, 7) << 3 << QDate(2008, 1, 23);
    QTest::newRow("one working day a week, back")
        << QStringLiteral("NNYNNNN") << QDate(2008, 1, 9) << -1 << QDate(2008, 1, 2);
    QTest::newRow("no working day")
        << QStringLiteral("NNNNNNN") << QDate(2008, 1, 7) << 1 << QDate();
}

void TestCalendar::moveWorkingDays()
{
    QFETCH(QString, mask);
    QFETCH(QDate, day);
    QFETCH(int, k);
    QFETCH(QDate, moved);
    const auto result = WorkWeek(mask).moveWorkingDays(dayOf(day), k);
    QCOMPARE(result.has_value(), moved.isValid());
    if (result)
        QCOMPARE(QDate(1899, 12, 30).addDays(*result), moved);
}

// Stepping one day at a time, as the rule is worded, for every mask and many days.
void TestCalendar::moveWorkingDaysEqualsDayByDay()
{
    const std::int64_t monday = dayOf(QDate(2008, 1, 7));
    for (int bits = 1; bits < 128; ++bits) {
        QString mask;
        for (int i = 0; i < 7; ++i)
            mask += bits & (1 << i) ? QLatin1Char('Y') : QLatin1Char('N');
        const WorkWeek week(mask);
        for (std::int64_t day = monday; day < monday + 7; ++day)
            for (int k : {-23, -8, -3, -1, 1, 2, 5, 9, 30}) {
                std::int64_t expected = day;
                for (int counted = 0; counted < std::abs(k);)
                    if (week.isWorkingDay(expected += k > 0 ? 1 : -1))
                        ++counted;
                QCOMPARE(week.moveWorkingDays(day, k).value(), expected);
            }
    }
}

void TestCalendar::calcDuration_data()
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

void TestCalendar::calcDuration()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, duration);
    ScheduleFixture f;
    f.task(1, "9 days", start, end);
    CalcDuration(f.project, 1);
    QCOMPARE(f.cell(ColDuration, 1), duration);
}

void TestCalendar::endAfterYear9999IsAnError()
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

void TestCalendar::projectEndDateFallsBackToProjectStart()
{
    ScheduleFixture f;
    QCOMPARE(ProjectEndDate(f.project), Mon());
    f.task(1, "1", -7, -7);
    f.task(2, "", -1, -1);
    QCOMPARE(ProjectEndDate(f.project), Mon());
    f.task(3, "1", 9, 9);
    QCOMPARE(ProjectEndDate(f.project), Mon(9));
}

void TestCalendar::recalcRowQuestions_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("yes");
    QTest::newRow("start, yes") << int(ColStart) << true;
    QTest::newRow("start, no") << int(ColStart) << false;
    QTest::newRow("end, yes") << int(ColEnd) << true;
    QTest::newRow("end, no") << int(ColEnd) << false;
}

void TestCalendar::recalcRowQuestions()
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

void TestCalendar::recalcRowFillsTheRow_data()
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

void TestCalendar::recalcRowFillsTheRow()
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

void TestCalendar::recalcRowErrorNamesTheCell_data()
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

void TestCalendar::recalcRowErrorNamesTheCell()
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

QTEST_GUILESS_MAIN(TestCalendar)
#include "test_calendar.moc"
