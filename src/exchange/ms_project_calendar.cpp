#include "ms_project_calendar.h"

#include "schedule/date_list.h"

#include <QBuffer>
#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace morvaine::msp {

namespace {

// 0 = Sunday .. 6 = Saturday.
int sundayIndex(qint64 day)
{
    return WorkWeek::weekday(day) - 1;
}

// The day of a month that a position and an item name ("the last weekday", "the second
// Tuesday"); -1 when there is none.
qint64 positionalDay(int year, int month, int item, int position)
{
    const QDate firstDate(year, month, 1);
    if (year < 1 || year > 9999 || !firstDate.isValid())
        return -1;
    const qint64 first = DayOf(firstDate);
    const int length = firstDate.daysInMonth();
    std::vector<qint64> matching;
    for (int i = 0; i < length; ++i) {
        const int weekday = sundayIndex(first + i);
        const bool weekend = weekday == 0 || weekday == 6;
        if (item == 0 || (item == 1 && !weekend) || (item == 2 && weekend) ||
            (item >= 3 && item <= 9 && weekday == item - 3))
            matching.push_back(first + i);
    }
    if (matching.empty())
        return -1;
    if (position >= 4)
        return matching.back();
    return position >= 0 && position < int(matching.size()) ? matching[std::size_t(position)] : -1;
}

qint64 dayOfMonth(int year, int month, int day)
{
    const QDate date(year, month, day);
    return year >= 1 && year <= 9999 && date.isValid() ? DayOf(date) : -1;
}

// The days of an exception within lo..hi, handed to add. Each candidate costs one unit
// of budget; false when the budget ran out.
bool expand(const CalendarException &e, qint64 lo, qint64 hi,
            const std::function<void(qint64)> &add, qint64 &budget)
{
    if (e.from < 0)
        return true;
    const qint64 to = e.to >= e.from ? e.to : e.from;
    const qint64 end = std::min(to, hi);
    const int limit = e.byOccurrences && e.occurrences > 0 ? e.occurrences : INT_MAX;
    int count = 0;
    // Takes a candidate day; false once the pattern has ended.
    const auto take = [&](qint64 day) {
        if (--budget < 0)
            return false;
        if (day < e.from)
            return true;
        if (day > end || count >= limit)
            return false;
        ++count;
        if (day >= lo)
            add(day);
        return true;
    };
    const QDate start = DateOf(e.from);
    switch (e.type) {
    case 2: // yearly on a date
    case 3: // yearly on a position
        for (int year = start.year(); year <= 9999; ++year) {
            // A month no year has (0: none) gives no day.
            const int month = e.month >= 0 && e.month <= 11 ? e.month + 1 : 0;
            const qint64 day = e.type == 2
                                   ? dayOfMonth(year, month, e.monthDay)
                                   : positionalDay(year, month, e.monthItem, e.monthPosition);
            if (day >= 0 && !take(day))
                return budget >= 0;
            if (day < 0 && (--budget < 0 || DayOf(QDate(year, 1, 1)) > end))
                return budget >= 0;
        }
        return true;
    case 4: // monthly on a date
    case 5: // monthly on a position
        for (qint64 months = 0;; months += e.period) {
            const qint64 index = start.year() * 12LL + (start.month() - 1) + months;
            const int year = int(index / 12), month = int(index % 12) + 1;
            if (year > 9999)
                return true;
            const qint64 day = e.type == 4
                                   ? dayOfMonth(year, month, e.monthDay)
                                   : positionalDay(year, month, e.monthItem, e.monthPosition);
            if (day >= 0 && !take(day))
                return budget >= 0;
            if (day < 0 && (--budget < 0 || DayOf(QDate(year, month, 1)) > end))
                return budget >= 0;
        }
    case 6: { // weekly on days of the week
        const int days = e.daysOfWeek & 0x7F;
        if (days == 0)
            return true;
        for (qint64 week = e.from - sundayIndex(e.from);; week += 7LL * e.period)
            for (int i = 0; i < 7; ++i)
                if ((days >> i & 1) && !take(week + i))
                    return budget >= 0;
    }
    case 8: // every weekday
        for (qint64 day = e.from;; ++day) {
            const int weekday = sundayIndex(day);
            if (weekday != 0 && weekday != 6 && !take(day))
                return budget >= 0;
        }
    default: { // daily, every period days
        const qint64 step = std::max(1, e.period);
        qint64 day = e.from;
        if (limit == INT_MAX && day < lo) // jump to the first day within the window
            day += (lo - day) / step * step;
        for (; take(day); day += step) {
        }
        return budget >= 0;
    }
    }
}

// The calendar the plan follows and those it derives from, nearest first.
std::vector<const Calendar *> projectCalendars(const std::vector<Calendar> &calendars, int uid)
{
    const Calendar *calendar = nullptr;
    for (const Calendar &c : calendars)
        if (c.uid == uid)
            calendar = &c;
    if (!calendar)
        for (const Calendar &c : calendars)
            if (c.isBase) {
                calendar = &c;
                break;
            }
    std::vector<const Calendar *> chain;
    while (calendar && chain.size() < 16 &&
           std::find(chain.begin(), chain.end(), calendar) == chain.end()) {
        chain.push_back(calendar);
        const Calendar *base = nullptr;
        for (const Calendar &c : calendars)
            if (calendar->baseUid >= 0 && c.uid == calendar->baseUid)
                base = &c;
        calendar = base;
    }
    return chain;
}

DayRanges rangesOf(const std::vector<qint64> &days)
{
    DayRanges ranges;
    for (qint64 day : days)
        ranges.push_back({day, day});
    return MergeDayRanges(std::move(ranges));
}

} // namespace

CalendarExceptions CalendarExceptionsOf(const Document &doc, int calendarUid, qint64 firstDay,
                                        qint64 lastDay)
{
    const std::vector<Calendar> &calendars = doc.calendars;
    // A day a derived calendar states is not taken again from its base.
    std::vector<std::pair<qint64, bool>> days; // day, working
    // Every candidate day of every exception costs one unit: enough for a holiday on
    // every day of 680 years, far more than the years of any plan, while the days kept
    // for sorting stay a few megabytes whatever the file asks for.
    qint64 budget = 250'000;
    bool outOfBudget = false;
    std::vector<qint64> stated;
    for (const Calendar *calendar : projectCalendars(calendars, calendarUid)) {
        std::vector<qint64> own;
        for (const CalendarException &e : calendar->exceptions) {
            const bool done = expand(
                e, firstDay, lastDay,
                [&](qint64 day) {
                    if (!std::binary_search(stated.begin(), stated.end(), day)) {
                        days.emplace_back(day, e.working);
                        own.push_back(day);
                    }
                },
                budget);
            outOfBudget = outOfBudget || !done;
        }
        stated.insert(stated.end(), own.begin(), own.end());
        std::sort(stated.begin(), stated.end());
    }
    // The same day named twice (both forms of MS Project's file name every exception)
    // counts once; a day named both ways is a holiday.
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end(),
                           [](const auto &a, const auto &b) { return a.first == b.first; }),
               days.end());
    CalendarExceptions result;
    if (days.size() > std::size_t(MaxImportedExceptionDays)) {
        result.leftOut = qint64(days.size()) - MaxImportedExceptionDays;
        days.resize(MaxImportedExceptionDays);
    }
    if (outOfBudget) {
        result.leftOut = std::max<qint64>(result.leftOut, 1);
        result.leftOutAtLeast = true;
    }
    std::vector<qint64> off, on;
    for (const auto &[day, working] : days)
        (working ? on : off).push_back(day);
    result.holidays = rangesOf(off);
    result.extraDays = rangesOf(on);
    return result;
}

CalendarExceptions ReadCalendarExceptions(const QByteArray &bytes, int calendarUid, qint64 firstDay,
                                          qint64 lastDay)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    Document doc;
    ReadDocument(buffer, doc);
    return CalendarExceptionsOf(doc, calendarUid, firstDay, lastDay);
}

QString ImportCalendarExceptions(const Document &doc, Project &project)
{
    // The years of the plan: its start and every task's dates. The earliest and latest
    // day are found first, as a date's year takes some reckoning.
    static const qint64 FirstDay = QDate(1, 1, 1).toJulianDay();
    static const qint64 LastDay = QDate(9999, 12, 31).toJulianDay();
    qint64 earliest = LastDay + 1, latest = FirstDay - 1;
    const auto cover = [&](const QDate &date) {
        const qint64 day = date.toJulianDay();
        if (date.isValid() && day >= FirstDay && day <= LastDay) {
            earliest = std::min(earliest, day);
            latest = std::max(latest, day);
        }
    };
    if (doc.startDate)
        cover(doc.startDate->date);
    for (const Task &task : doc.tasks) {
        if (task.start)
            cover(task.start->date);
        if (task.finish)
            cover(task.finish->date);
    }
    if (earliest > latest)
        cover(QDate::currentDate());
    const int firstYear = QDate::fromJulianDay(earliest).year();
    const int lastYear = QDate::fromJulianDay(latest).year();
    const qint64 first = DayOf(QDate(std::max(1, firstYear - 1), 1, 1));
    const qint64 last = DayOf(QDate(std::min(9999, lastYear + 1), 12, 31));
    const CalendarExceptions exceptions = CalendarExceptionsOf(doc, doc.calendarUid, first, last);
    SetCalendarExceptions(project, WriteDateList(exceptions.holidays),
                          WriteDateList(exceptions.extraDays));
    if (exceptions.leftOut == 0)
        return QString();
    return (exceptions.leftOutAtLeast
                ? QCoreApplication::translate(
                      "MsProjectImport",
                      "The calendar has more holidays and extra working days in the years %1 to "
                      "%2 than a plan keeps: the first %3 were taken, more than %4 left out.")
                : QCoreApplication::translate(
                      "MsProjectImport",
                      "The calendar has more holidays and extra working days in the years %1 to "
                      "%2 than a plan keeps: the first %3 were taken, %4 left out."))
        .arg(std::max(1, firstYear - 1))
        .arg(std::min(9999, lastYear + 1))
        .arg(MaxImportedExceptionDays)
        .arg(exceptions.leftOut);
}

std::vector<ExportedException> ExceptionsForExport(const Project &project)
{
    const TaskTable &table = project.taskTable;
    std::vector<ExportedException> exceptions;
    for (const DayRange &range : ReadDateList(table.cell(ColSettings, HolidaysRow), HolidaysRow))
        exceptions.push_back({range.first, range.last, false});
    for (const DayRange &range : ReadDateList(table.cell(ColSettings, ExtraDaysRow), ExtraDaysRow))
        exceptions.push_back({range.first, range.last, true});
    std::sort(
        exceptions.begin(), exceptions.end(),
        [](const ExportedException &a, const ExportedException &b) { return a.first < b.first; });
    return exceptions;
}

} // namespace morvaine::msp
