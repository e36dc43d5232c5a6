// Holidays and extra working days: the calendar with exceptions, their date lists in
// the settings column, and the rules and the recalculation over them.

#include "literal_schedule.h"
#include "schedule/calendar.h"
#include "schedule/date_list.h"
#include "schedule/recalc.h"
#include "schedule_fixture.h"

#include <QRandomGenerator>
#include <QTest>

#include <set>

using namespace morvaine;

namespace {

QString D(int year, int month, int day)
{
    return DateToStr(DayOf(year, month, day));
}

// Christmas 2024: Monday 23 December to Wednesday 1 January.
const QString Christmas = QStringLiteral("24.12.2024-26.12.2024");

} // namespace

class TestHolidays : public QObject {
    Q_OBJECT

private slots:
    void calcEndDate_data();
    void calcEndDate();
    void calcDuration_data();
    void calcDuration();
    void closedFormEqualsDayByDay();
    void dateLists_data();
    void dateLists();
    void badDateNamesTheRow();
    void linksGroupsAndReportOverChristmas();
    void settingRowsStayEmptyWithoutExceptions();
};

void TestHolidays::calcEndDate_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("holidays");
    QTest::addColumn<QString>("extraDays");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("end");
    const QString week = QStringLiteral("YYYYYNN");
    QTest::newRow("no exceptions") << week << ""
                                   << "" << D(2024, 12, 23) << "5" << D(2024, 12, 27);
    QTest::newRow("across Christmas")
        << week << Christmas << "" << D(2024, 12, 23) << "5 days" << D(2025, 1, 1);
    QTest::newRow("Christmas as single days") << week << "24.12.2024; 25.12.2024 ;26.12.2024;"
                                              << "" << D(2024, 12, 23) << "5" << D(2025, 1, 1);
    QTest::newRow("start on a holiday")
        << week << Christmas << "" << D(2024, 12, 24) << "1 day" << D(2024, 12, 27);
    QTest::newRow("milestone on a holiday")
        << week << Christmas << "" << D(2024, 12, 25) << "0 days" << D(2024, 12, 25);
    QTest::newRow("extra working Saturday")
        << week << ""
        << "28.12.2024" << D(2024, 12, 27) << "2" << D(2024, 12, 28);
    QTest::newRow("start on an extra Saturday")
        << week << ""
        << "28.12.2024" << D(2024, 12, 28) << "1" << D(2024, 12, 28);
    QTest::newRow("holiday on a day off") << week << "28.12.2024-29.12.2024"
                                          << "" << D(2024, 12, 27) << "2" << D(2024, 12, 30);
    QTest::newRow("holiday and extra day on the same day")
        << week << "28.12.2024"
        << "28.12.2024" << D(2024, 12, 27) << "2" << D(2024, 12, 30);
    QTest::newRow("extra days inside a holiday range")
        << week << "23.12.2024-03.01.2025"
        << "21.12.2024-29.12.2024" << D(2024, 12, 20) << "5" << D(2025, 1, 7);
    QTest::newRow("range written backwards") << week << "26.12.2024-24.12.2024"
                                             << "" << D(2024, 12, 23) << "5" << D(2025, 1, 1);
    QTest::newRow("overlapping ranges") << week << "23.12.2024-25.12.2024; 24.12.2024-27.12.2024"
                                        << "" << D(2024, 12, 20) << "2" << D(2024, 12, 30);
    QTest::newRow("holidays before and after the task")
        << week << "01.12.2024; 10.01.2025"
        << "" << D(2024, 12, 23) << "5" << D(2024, 12, 27);
    QTest::newRow("a week without working days but an extra Sunday")
        << "NNNNNNN"
        << ""
        << "29.12.2024; 05.01.2025" << D(2024, 12, 23) << "2" << D(2025, 1, 5);
    QTest::newRow("not enough working days") << "NNNNNNN"
                                             << ""
                                             << "29.12.2024" << D(2024, 12, 23) << "2"
                                             << "";
    QTest::newRow("long task over many holidays")
        << week << "01.01.2024-05.01.2024; 29.03.2024; 01.04.2024; 25.12.2024-26.12.2024"
        << "06.04.2024" << D(2024, 1, 1) << "250" << D(2024, 12, 23);
}

void TestHolidays::calcEndDate()
{
    QFETCH(QString, mask);
    QFETCH(QString, holidays);
    QFETCH(QString, extraDays);
    QFETCH(QString, start);
    QFETCH(QString, duration);
    QFETCH(QString, end);
    ScheduleFixture f;
    f.settings().setValue(SettingsBlock::WorkingDays, mask);
    SetCalendarExceptions(f.project, holidays, extraDays);
    f.task(1, duration, 0, -1);
    f.table().setCell(ColStart, 1, start);
    CalcEndDate(f.project, 1);
    QCOMPARE(f.cell(ColEnd, 1), end);
    QCOMPARE(f.cell(ColStart, 1), start);
    if (!end.isEmpty()) {
        literal::CalcEndDate(f.project, 1);
        QCOMPARE(f.cell(ColEnd, 1), end);
    }
}

void TestHolidays::calcDuration_data()
{
    QTest::addColumn<QString>("holidays");
    QTest::addColumn<QString>("extraDays");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("duration");
    QTest::newRow("Christmas week") << Christmas << "" << D(2024, 12, 23) << D(2024, 12, 27) << "2";
    QTest::newRow("only holidays") << Christmas << "" << D(2024, 12, 24) << D(2024, 12, 26) << "0";
    QTest::newRow("extra Saturday") << ""
                                    << "28.12.2024" << D(2024, 12, 23) << D(2024, 12, 29) << "6";
    QTest::newRow("end before a holiday start")
        << Christmas << "" << D(2024, 12, 24) << D(2024, 12, 23) << "0";
    QTest::newRow("end before an extra-day start")
        << ""
        << "28.12.2024" << D(2024, 12, 28) << D(2024, 12, 27) << "1";
    QTest::newRow("inside a range") << "20.12.2024-10.01.2025"
                                    << "" << D(2024, 12, 23) << D(2025, 1, 3) << "0";
}

void TestHolidays::calcDuration()
{
    QFETCH(QString, holidays);
    QFETCH(QString, extraDays);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, duration);
    ScheduleFixture f;
    SetCalendarExceptions(f.project, holidays, extraDays);
    f.task(1, "9 days", 0, 0);
    f.table().setCell(ColStart, 1, start);
    f.table().setCell(ColEnd, 1, end);
    CalcDuration(f.project, 1);
    QCOMPARE(f.cell(ColDuration, 1), duration);
}

// The prefix counts and the search over segments against the rule read day by day,
// for random masks and random lists of single days and (overlapping) ranges.
void TestHolidays::closedFormEqualsDayByDay()
{
    QRandomGenerator random(2712);
    for (int round = 0; round < 300; ++round) {
        QString mask;
        for (int i = 0; i < 7; ++i)
            mask += random.bounded(3) ? QLatin1Char('Y') : QLatin1Char('N');
        DayRanges lists[2];
        std::set<std::int64_t> days[2];
        for (int k = 0; k < 2; ++k) {
            const int count = random.bounded(12);
            for (int i = 0; i < count; ++i) {
                const std::int64_t first = 45000 + random.bounded(120);
                const std::int64_t last = first + (random.bounded(3) ? 0 : random.bounded(15));
                lists[k].push_back({first, last});
                for (std::int64_t d = first; d <= last; ++d)
                    days[k].insert(d);
            }
            lists[k] = MergeDayRanges(lists[k]);
        }
        const WorkWeek week(mask, lists[0], lists[1]);
        const WorkWeek plain(mask);
        const auto working = [&](std::int64_t d) {
            return (plain.isWorkingDay(d) || days[1].count(d)) && !days[0].count(d);
        };
        for (std::int64_t first = 44990; first < 45140; first += 1 + random.bounded(4)) {
            QCOMPARE(week.isWorkingDay(first), working(first));
            std::int64_t n = 0;
            for (std::int64_t last = first; last < first + 90; ++last) {
                n += working(last) ? 1 : 0;
                QCOMPARE(week.count(first, last), n);
                if (working(last))
                    QCOMPARE(week.nthWorkingDay(first, n), std::optional<std::int64_t>(last));
            }
            QCOMPARE(week.count(first, first - 3), working(first) ? 1 : 0);
        }
    }
}

void TestHolidays::dateLists_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written"); // sorted and merged, as the dialog writes it
    QTest::newRow("one date") << "dd.MM.yyyy"
                              << "01.01.2027"
                              << "01.01.2027";
    QTest::newRow("blanks and an empty trailing item") << "dd.MM.yyyy"
                                                       << "  24.12.2026 - 26.12.2026 ;01.01.2027;  "
                                                       << "24.12.2026-26.12.2026; 01.01.2027";
    QTest::newRow("unsorted, touching and overlapping")
        << "dd.MM.yyyy"
        << "01.01.2027; 27.12.2026; 24.12.2026-26.12.2026; 25.12.2026"
        << "24.12.2026-27.12.2026; 01.01.2027";
    QTest::newRow("empty") << "dd.MM.yyyy"
                           << " ; "
                           << "";
    QTest::newRow("a format writing dashes") << "yyyy-MM-dd"
                                             << "2026-12-24-2026-12-26; 2027-01-01"
                                             << "2026-12-24-2026-12-26; 2027-01-01";
    QTest::newRow("month names") << "d MMM yyyy"
                                 << "24 Dec 2026-26 Dec 2026"
                                 << "24 Dec 2026-26 Dec 2026";
}

void TestHolidays::dateLists()
{
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(QString, written);
    const QString saved = ShortDateFormat();
    SetShortDateFormat(format);
    const QString result = WriteDateList(ReadDateList(text, HolidaysRow));
    SetShortDateFormat(saved);
    QCOMPARE(result, written);
}

void TestHolidays::badDateNamesTheRow()
{
    ScheduleFixture f;
    f.task(1, "3", 0, -1);
    SetCalendarExceptions(f.project, QStringLiteral("24.12.2024"),
                          QStringLiteral("28.12.2024; 31.02.2025"));
    try {
        CalcEndDate(f.project, 1);
        QFAIL("no conversion error");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(),
                 QStringLiteral("'31.02.2025' is not a valid date\nRow 24, Settings."));
    }
    QCOMPARE(f.cell(ColEnd, 1), QString());
    // The painter's calendar leaves the lists out instead of failing at every repaint.
    QVERIFY(!ProjectCalendarForPainting(f.project).hasExceptions());
}

// A chain across Christmas: the forerunner ends on the Monday before, the successor
// starts the calendar day after it (a holiday) and counts from the next working day;
// the group spans both, and the counted figures skip the holidays.
void TestHolidays::linksGroupsAndReportOverChristmas()
{
    ScheduleFixture f;
    f.settings().setValue(SettingsBlock::StartDate, D(2024, 12, 19));
    SetCalendarExceptions(f.project, Christmas, QString());
    f.task(1, "", -1, -1, {}, 1);
    f.task(2, "3", 0, -1, {}, 2);
    f.task(3, "2", 0, -1, {2}, 2);
    f.table().setCell(ColStart, 2, D(2024, 12, 19));
    f.table().setCell(ColStart, 3, D(2024, 12, 19));
    f.markGroups();
    CalcEndDate(f.project, 2);
    CalcEndDate(f.project, 3);
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.cell(ColEnd, 2), D(2024, 12, 23));
    QCOMPARE(f.cell(ColStart, 3), D(2024, 12, 24));
    QCOMPARE(f.cell(ColEnd, 3), D(2024, 12, 30));
    QCOMPARE(f.cell(ColStart, 1), D(2024, 12, 19));
    QCOMPARE(f.cell(ColEnd, 1), D(2024, 12, 30));
    QCOMPARE(DurationDays(f.cell(ColDuration, 1)), 5);
    QCOMPARE(CountWorkingDays(f.project, DayOf(2024, 12, 19), ProjectEndDate(f.project)), 5);
}

void TestHolidays::settingRowsStayEmptyWithoutExceptions()
{
    ScheduleFixture f;
    SetCalendarExceptions(f.project, QStringLiteral("24.12.2024"), QString());
    QCOMPARE(f.cell(ColSettings, HolidaysKeyRow), QStringLiteral("Holidays"));
    QCOMPARE(f.cell(ColSettings, ExtraDaysKeyRow), QStringLiteral("Extra working days"));
    SetCalendarExceptions(f.project, QString(), QString());
    for (int row = HolidaysKeyRow; row <= ExtraDaysRow; ++row)
        QVERIFY(f.cell(ColSettings, row).isEmpty());
    // A new project forgets the exceptions of the one before.
    SetCalendarExceptions(f.project, QString(), QStringLiteral("28.12.2024"));
    InitNewProject(f.project, f.host);
    for (int row = HolidaysKeyRow; row <= ExtraDaysRow; ++row)
        QVERIFY(f.cell(ColSettings, row).isEmpty());
}

QTEST_GUILESS_MAIN(TestHolidays)
#include "test_holidays.moc"
