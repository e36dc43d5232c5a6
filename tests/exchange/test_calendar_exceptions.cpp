// Holidays and extra working days in MS Project XML: the exceptions of the project
// calendar read (recurring ones expanded), and written back as MS Project writes them.

#include "test_classes.h"

#include "exchange/ms_project_calendar.h"
#include "exchange_fixture.h"
#include "schedule/date_list.h"

#include <QRegularExpression>
#include <QTest>

using namespace morvaine;

namespace {

qint64 day(int year, int month, int dayOfMonth)
{
    return msp::DayOf(QDate(year, month, dayOfMonth));
}

QByteArray fixture()
{
    // MS Project 2016's own file (the open-source MPXJ library's test data): 27
    // exceptions of every kind of recurrence, which MS Project also lists day by day
    // as 2003-style week days of type 0.
    QFile file(fixturePath(QStringLiteral("ms_project/recurring_exceptions.xml")));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no fixture");
    return file.readAll();
}

// A document with one calendar holding the given exceptions, and one task.
QString documentWith(const QString &exceptions, const QString &start)
{
    return msProjectDocument(
        QStringLiteral("<StartDate>%1T08:00:00</StartDate><CalendarUID>1</CalendarUID>"
                       "<Calendars><Calendar><UID>1</UID><IsBaseCalendar>1</IsBaseCalendar>"
                       "<Exceptions>%2</Exceptions></Calendar></Calendars>"
                       "<Tasks><Task><UID>1</UID><ID>1</ID><Name>A</Name><Start>%1T08:00:00"
                       "</Start><Duration>PT16H0M0S</Duration></Task></Tasks>")
            .arg(start, exceptions));
}

QString exception(const QString &from, const QString &to, const QString &rest)
{
    return QStringLiteral("<Exception><TimePeriod><FromDate>%1T00:00:00</FromDate><ToDate>%2"
                          "T23:59:00</ToDate></TimePeriod>%3</Exception>")
        .arg(from, to, rest);
}

} // namespace

void TestMsProjectCalendar::init()
{
    SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
}

// The recurrences expanded from the <Exceptions> element give exactly the days MS
// Project listed itself as week days of type 0.
void TestMsProjectCalendar::recurrencesAsMsProjectExpandsThem()
{
    const QByteArray bytes = fixture();
    const QString text = QString::fromUtf8(bytes);
    const QString withoutWeekDays =
        QString(text).remove(QRegularExpression(QStringLiteral("<WeekDay>\\s*<DayType>0</DayType>"
                                                               ".*?</WeekDay>"),
                                                QRegularExpression::DotMatchesEverythingOption));
    const QString withoutExceptions =
        QString(text).remove(QRegularExpression(QStringLiteral("<Exceptions>.*</Exceptions>"),
                                                QRegularExpression::DotMatchesEverythingOption));
    QVERIFY(withoutWeekDays.size() < text.size() && withoutExceptions.size() < text.size());
    const qint64 first = day(1999, 1, 1), last = day(2011, 12, 31);
    const msp::CalendarExceptions expanded =
        msp::ReadCalendarExceptions(withoutWeekDays.toUtf8(), 1, first, last);
    const msp::CalendarExceptions listed =
        msp::ReadCalendarExceptions(withoutExceptions.toUtf8(), 1, first, last);
    const msp::CalendarExceptions both = msp::ReadCalendarExceptions(bytes, 1, first, last);
    QCOMPARE(WriteDateList(expanded.holidays), WriteDateList(listed.holidays));
    QCOMPARE(WriteDateList(expanded.extraDays), WriteDateList(listed.extraDays));
    QCOMPARE(WriteDateList(both.holidays), WriteDateList(listed.holidays));
    // 138 week days of type 0: 135 non-working (one of them 1-3 January 2000, the
    // others single days), 3 working Saturdays of 2010.
    qint64 days = 0;
    for (const DayRange &range : listed.holidays)
        days += range.last - range.first + 1;
    QCOMPARE(days, 137);
    QCOMPARE(WriteDateList(listed.extraDays), QStringLiteral("02.01.2010; 06.02.2010; 06.03.2010"));
    QCOMPARE(both.leftOut, 0);
}

// Imported, the plan takes the exceptions of its own years and one on either side.
void TestMsProjectCalendar::realFileImportsWithItsExceptions()
{
    QByteArray bytes = fixture();
    bytes.replace("2017-", "2004-"); // the plan moved into the years of the exceptions
    ExchangeFixture f;
    f.import(f.write(QStringLiteral("recurring.xml"), bytes));
    QCOMPARE(f.host.texts(), QStringList());
    const msp::CalendarExceptions expected =
        msp::ReadCalendarExceptions(bytes, 1, day(2003, 1, 1), day(2005, 12, 31));
    QVERIFY(!expected.holidays.empty());
    QCOMPARE(f.cell(ColSettings, HolidaysRow), WriteDateList(expected.holidays));
    QVERIFY(f.cell(ColSettings, HolidaysRow).startsWith(QLatin1String("01.01.2003")));
    QVERIFY(f.cell(ColSettings, ExtraDaysRow).isEmpty());
    QCOMPARE(f.cell(ColSettings, HolidaysKeyRow), QStringLiteral("Holidays"));
}

void TestMsProjectCalendar::recurrences_data()
{
    QTest::addColumn<QString>("exceptions");
    QTest::addColumn<QString>("start"); // of the plan
    QTest::addColumn<QString>("holidays");
    QTest::addColumn<QString>("extraDays");
    QTest::newRow("one day") << exception("2026-12-24", "2026-12-24", "<Type>1</Type>")
                             << "2026-12-01"
                             << "24.12.2026"
                             << "";
    QTest::newRow("a range, working")
        << exception("2026-12-19", "2026-12-20",
                     "<Occurrences>1</Occurrences><Type>1</Type><DayWorking>1</DayWorking>")
        << "2026-12-01"
        << ""
        << "19.12.2026-20.12.2026";
    QTest::newRow("yearly over thirty years, the plan's years and one on either side")
        << exception("2000-12-25", "2030-12-25",
                     "<Occurrences>31</Occurrences><Type>2</Type><Month>11</Month>"
                     "<MonthDay>25</MonthDay><DayWorking>0</DayWorking>")
        << "2026-06-01"
        << "25.12.2025; 25.12.2026; 25.12.2027"
        << "";
    QTest::newRow("yearly by occurrences")
        << exception("2025-01-01", "2049-01-01",
                     "<EnteredByOccurrences>1</EnteredByOccurrences><Occurrences>2</Occurrences>"
                     "<Type>2</Type><Month>0</Month><MonthDay>1</MonthDay>")
        << "2026-06-01"
        << "01.01.2025; 01.01.2026"
        << "";
    QTest::newRow("last Monday of May, yearly")
        << exception("2025-01-01", "2028-12-31",
                     "<Type>3</Type><Month>4</Month><MonthItem>4</MonthItem>"
                     "<MonthPosition>4</MonthPosition>")
        << "2026-06-01"
        << "26.05.2025; 25.05.2026; 31.05.2027"
        << "";
    QTest::newRow("every second week, Friday and Saturday, working")
        << exception("2026-12-01", "2026-12-31",
                     "<Type>6</Type><Period>2</Period><DaysOfWeek>96</DaysOfWeek>"
                     "<DayWorking>1</DayWorking>")
        << "2026-12-01"
        << ""
        << "04.12.2026-05.12.2026; 18.12.2026-19.12.2026";
    QTest::newRow("the 31st of every month that has one")
        << exception("2026-01-01", "2026-06-30",
                     "<Type>4</Type><Period>1</Period>"
                     "<MonthDay>31</MonthDay>")
        << "2026-03-01"
        << "31.01.2026; 31.03.2026; 31.05.2026"
        << "";
    QTest::newRow("first weekday of every third month")
        << exception("2026-01-01", "2026-12-31",
                     "<Type>5</Type><Period>3</Period>"
                     "<MonthItem>1</MonthItem><MonthPosition>0</MonthPosition>")
        << "2026-03-01"
        << "01.01.2026; 01.04.2026; 01.07.2026; 01.10.2026"
        << "";
    QTest::newRow("every third day, four times")
        << exception("2026-03-02", "2026-03-20",
                     "<EnteredByOccurrences>1</EnteredByOccurrences><Occurrences>4</Occurrences>"
                     "<Type>7</Type><Period>3</Period>")
        << "2026-03-01"
        << "02.03.2026; 05.03.2026; 08.03.2026; 11.03.2026"
        << "";
    // Months a file may name that no year has: no day, and no date read out of range.
    for (const char *month : {"12", "-1", "2147483647"})
        QTest::addRow("last Monday of month %s", month)
            << exception("2025-01-01", "2028-12-31",
                         QStringLiteral("<Type>3</Type><Month>%1</Month><MonthItem>4</MonthItem>"
                                        "<MonthPosition>4</MonthPosition>")
                             .arg(QLatin1String(month)))
            << "2026-06-01"
            << ""
            << "";
    QTest::newRow("a day both ways is a holiday")
        << exception("2026-12-24", "2026-12-24", "<Type>1</Type><DayWorking>1</DayWorking>") +
               exception("2026-12-24", "2026-12-24", "<Type>1</Type><DayWorking>0</DayWorking>")
        << "2026-12-01"
        << "24.12.2026"
        << "";
}

void TestMsProjectCalendar::recurrences()
{
    QFETCH(QString, exceptions);
    QFETCH(QString, start);
    QFETCH(QString, holidays);
    QFETCH(QString, extraDays);
    ExchangeFixture f;
    f.importText(documentWith(exceptions, start));
    QCOMPARE(f.host.texts(), QStringList());
    QCOMPARE(f.cell(ColSettings, HolidaysRow), holidays);
    QCOMPARE(f.cell(ColSettings, ExtraDaysRow), extraDays);
}

void TestMsProjectCalendar::moreThanAThousandDatesTellOnce()
{
    ExchangeFixture f;
    // Every day for ten years; the plan's years and one on either side hold 1,095 days.
    f.importText(
        documentWith(exception("2020-01-01", "2029-12-31", "<Type>1</Type>"), "2026-06-01"));
    QCOMPARE(f.host.messages.size(), 1);
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Info"));
    QCOMPARE(f.host.texts(),
             QStringList{"The calendar has more holidays and extra working days in the years "
                         "2025 to 2027 than a plan keeps: the first 1000 were taken, 95 left "
                         "out."});
    QCOMPARE(f.cell(ColSettings, HolidaysRow), QStringLiteral("01.01.2025-27.09.2027"));

    // Every day for 2,000 years of a plan that long: the days are not all looked at, and
    // the message says the count is a lower bound.
    ExchangeFixture g;
    g.importText(
        documentWith(exception("2025-01-01", "4025-12-31", "<Type>1</Type>"), "2026-06-01")
            .replace(QStringLiteral("</Task></Tasks>"),
                     QStringLiteral("</Task><Task><UID>2</UID><ID>2</ID><Name>B</Name><Start>"
                                    "4024-06-03T08:00:00</Start></Task></Tasks>")));
    QCOMPARE(g.host.messages.size(), 1);
    QVERIFY2(g.host.messages[0].text.startsWith(
                 "The calendar has more holidays and extra working days in the years 2025 to "
                 "4025 than a plan keeps: the first 1000 were taken, more than "),
             qPrintable(g.host.messages[0].text));
    QCOMPARE(g.cell(ColSettings, HolidaysRow), QStringLiteral("01.01.2025-27.09.2027"));
}

// Exported, the exceptions are the Standard calendar's in both forms; read back, the
// plan has the same lists and dates, the task across Christmas ending after it.
void TestMsProjectCalendar::exportAndRoundTrip()
{
    ExchangeFixture source;
    makePlan(source);
    SetCalendarExceptions(source.project, QStringLiteral("24.12.2026-26.12.2026; 01.01.2027"),
                          QStringLiteral("27.12.2026"));
    TaskTable &t = source.project.taskTable;
    t.setCell(ColStart, 5, QStringLiteral("23.12.2026"));
    t.setCell(ColForerunner, 5, QString());
    t.setCell(ColDuration, 5, QStringLiteral("3 days"));
    CalcEndDate(source.project, 5);
    RecalcSchedule(source.project, source.host);
    // Wednesday 23, the Sunday worked, Monday 28.
    QCOMPARE(source.cell(ColEnd, 5), QStringLiteral("28.12.2026"));
    const QString path = source.dir.filePath(QStringLiteral("plan.xml"));
    ExportMsProjectXml(source.project, source.host, path);
    QVERIFY(source.host.messages.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(file.readAll());
    QVERIFY(xml.contains(QLatin1String(
        "<WeekDay><DayType>0</DayType><DayWorking>0</DayWorking><TimePeriod><FromDate>"
        "2026-12-24T00:00:00</FromDate><ToDate>2026-12-26T23:59:00</ToDate></TimePeriod>"
        "</WeekDay>")));
    QVERIFY(xml.contains(QLatin1String(
        "<Exception><EnteredByOccurrences>0</EnteredByOccurrences><TimePeriod><FromDate>"
        "2026-12-27T00:00:00</FromDate><ToDate>2026-12-27T23:59:00</ToDate></TimePeriod>"
        "<Occurrences>1</Occurrences><Name>Extra working day</Name><Type>1</Type><Period>1"
        "</Period><DayWorking>1</DayWorking><WorkingTimes>")));
    // The schema's order: week days, then exceptions, in the one calendar.
    QVERIFY(xml.indexOf(QLatin1String("</WeekDays><Exceptions>")) > 0);
    QCOMPARE(xml.count(QLatin1String("<Exception>")), 3);

    ExchangeFixture copy;
    copy.import(path);
    QCOMPARE(copy.host.texts(), QStringList());
    for (int row = HolidaysKeyRow; row <= ExtraDaysRow; ++row)
        QCOMPARE(copy.cell(ColSettings, row), source.cell(ColSettings, row));
    for (int row = 1; row <= 5; ++row)
        for (int column : {int(ColStart), int(ColEnd)})
            QCOMPARE(copy.cell(column, row), source.cell(column, row));
    for (int row = 2; row <= 5; ++row)
        QCOMPARE(copy.cell(ColDuration, row), source.cell(ColDuration, row));
}
