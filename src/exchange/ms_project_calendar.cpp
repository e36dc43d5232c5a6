#include "ms_project_calendar.h"

#include "schedule/date_list.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <climits>

namespace morvaine::msp {

namespace {

// An exception as the document states it, before it is expanded into days.
struct ExceptionRecord {
    qint64 from = -1;
    qint64 to = -1;
    int type = 1; // 1 daily, 2 yearly by date, 3 yearly by position, 4 monthly by date,
                  // 5 monthly by position, 6 weekly, 7 by day count, 8 by weekday count
    int period = 1;
    int occurrences = 0;
    bool byOccurrences = false;
    int daysOfWeek = 0;    // bit 0 Sunday .. bit 6 Saturday
    int monthItem = 0;     // 0 day, 1 weekday, 2 weekend day, 3 Sunday .. 9 Saturday
    int monthPosition = 0; // 0 first .. 3 fourth, 4 last
    int month = 0;         // 0 January .. 11 December
    int monthDay = 1;
    bool working = false;
};

struct CalendarRecord {
    int uid = -1;
    int baseUid = -1;
    bool isBase = false;
    std::vector<ExceptionRecord> exceptions;
};

int toInt(const QString &text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

qint64 toDay(const QString &text)
{
    const std::optional<DateTime> value = ParseDateTime(text);
    return value ? DayOf(value->date) : -1;
}

// The calendars of the document, read from its <Calendars> element only.
std::vector<CalendarRecord> readCalendars(const QByteArray &bytes)
{
    std::vector<CalendarRecord> calendars;
    QXmlStreamReader xml(bytes);
    QStringList path;
    QString text;
    ExceptionRecord current;
    int dayType = -1;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            const QString name = xml.name().toString();
            if (path.size() == 1 && name == QLatin1String("Tasks"))
                return calendars; // the calendars come before the tasks
            path << name;
            text.clear();
            if (path.size() == 3 && name == QLatin1String("Calendar"))
                calendars.emplace_back();
            else if (path.size() == 5 &&
                     (name == QLatin1String("Exception") || name == QLatin1String("WeekDay"))) {
                current = ExceptionRecord();
                dayType = -1;
            }
            break;
        }
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::EndElement: {
            if (path.isEmpty())
                break;
            const QString name = path.takeLast();
            if (path.size() < 2 || path.at(1) != QLatin1String("Calendars") || calendars.empty()) {
                if (path.size() == 1 && name == QLatin1String("Calendars"))
                    return calendars;
                break;
            }
            CalendarRecord &calendar = calendars.back();
            const int depth = path.size(); // of the element that ended, counted from 0
            if (depth == 3) {
                if (name == QLatin1String("UID"))
                    calendar.uid = toInt(text, -1);
                else if (name == QLatin1String("BaseCalendarUID"))
                    calendar.baseUid = toInt(text, -1);
                else if (name == QLatin1String("IsBaseCalendar"))
                    calendar.isBase = toInt(text, 0) != 0;
                break;
            }
            if (depth < 4 || (path.at(3) != QLatin1String("Exceptions") &&
                              path.at(3) != QLatin1String("WeekDays")))
                break;
            const bool weekDay = path.at(3) == QLatin1String("WeekDays");
            if (depth == 4) {
                // A week day of type 0 with a time period is an exception of MS Project
                // 2003: its days, every one of them.
                if (!weekDay || dayType == 0)
                    calendar.exceptions.push_back(current);
            } else if (depth == 6 && path.at(5) == QLatin1String("TimePeriod")) {
                if (name == QLatin1String("FromDate"))
                    current.from = toDay(text);
                else if (name == QLatin1String("ToDate"))
                    current.to = toDay(text);
            } else if (depth == 5) {
                const int value = toInt(text, -1);
                if (name == QLatin1String("DayWorking"))
                    current.working = value == 1;
                else if (weekDay && name == QLatin1String("DayType"))
                    dayType = value;
                else if (weekDay)
                    break;
                else if (name == QLatin1String("Type"))
                    current.type = value;
                else if (name == QLatin1String("Period"))
                    current.period = std::max(1, value);
                else if (name == QLatin1String("Occurrences"))
                    current.occurrences = value;
                else if (name == QLatin1String("EnteredByOccurrences"))
                    current.byOccurrences = value == 1;
                else if (name == QLatin1String("DaysOfWeek"))
                    current.daysOfWeek = value;
                else if (name == QLatin1String("MonthItem"))
                    current.monthItem = value;
                else if (name == QLatin1String("MonthPosition"))
                    current.monthPosition = value;
                else if (name == QLatin1String("Month"))
                    current.month = value;
                else if (name == QLatin1String("MonthDay"))
                    current.monthDay = value;
            }
            break;
        }
        default:
            break;
        }
    }
    return calendars;
}

// 0 = Sunday .. 6 = Saturday.
int sundayIndex(qint64 day)
{
    return WorkWeek::weekday(day) - 1;
}

// The day of a month that a position and an item name ("the last weekday", "the second
// Tuesday"); -1 when there is none.
qint64 positionalDay(int year, int month, int item, int position)
{
    if (year < 1 || year > 9999)
        return -1;
    const qint64 first = DayOf(QDate(year, month, 1));
    const int length = QDate(year, month, 1).daysInMonth();
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
bool expand(const ExceptionRecord &e, qint64 lo, qint64 hi, const std::function<void(qint64)> &add,
            qint64 &budget)
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
            const qint64 day = e.type == 2
                                   ? dayOfMonth(year, e.month + 1, e.monthDay)
                                   : positionalDay(year, e.month + 1, e.monthItem, e.monthPosition);
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
std::vector<const CalendarRecord *> projectCalendars(const std::vector<CalendarRecord> &calendars,
                                                     int uid)
{
    const CalendarRecord *calendar = nullptr;
    for (const CalendarRecord &c : calendars)
        if (c.uid == uid)
            calendar = &c;
    if (!calendar)
        for (const CalendarRecord &c : calendars)
            if (c.isBase) {
                calendar = &c;
                break;
            }
    std::vector<const CalendarRecord *> chain;
    while (calendar && chain.size() < 16 &&
           std::find(chain.begin(), chain.end(), calendar) == chain.end()) {
        chain.push_back(calendar);
        const CalendarRecord *base = nullptr;
        for (const CalendarRecord &c : calendars)
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

CalendarExceptions ReadCalendarExceptions(const QByteArray &bytes, int calendarUid, qint64 firstDay,
                                          qint64 lastDay)
{
    const std::vector<CalendarRecord> calendars = readCalendars(bytes);
    // A day a derived calendar states is not taken again from its base.
    std::vector<std::pair<qint64, bool>> days; // day, working
    qint64 budget = 20'000'000;
    bool outOfBudget = false;
    std::vector<qint64> stated;
    for (const CalendarRecord *calendar : projectCalendars(calendars, calendarUid)) {
        std::vector<qint64> own;
        for (const ExceptionRecord &e : calendar->exceptions) {
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
    if (outOfBudget)
        result.leftOut = std::max<qint64>(result.leftOut, 1);
    std::vector<qint64> off, on;
    for (const auto &[day, working] : days)
        (working ? on : off).push_back(day);
    result.holidays = rangesOf(off);
    result.extraDays = rangesOf(on);
    return result;
}

QString ImportCalendarExceptions(const QByteArray &bytes, const Document &doc, Project &project)
{
    // The years of the plan: its start and every task's dates.
    int firstYear = 9999, lastYear = 1;
    const auto cover = [&](const QDate &date) {
        if (date.isValid() && date.year() >= 1 && date.year() <= 9999) {
            firstYear = std::min(firstYear, date.year());
            lastYear = std::max(lastYear, date.year());
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
    if (firstYear > lastYear)
        cover(QDate::currentDate());
    const qint64 first = DayOf(QDate(std::max(1, firstYear - 1), 1, 1));
    const qint64 last = DayOf(QDate(std::min(9999, lastYear + 1), 12, 31));
    const CalendarExceptions exceptions =
        ReadCalendarExceptions(bytes, doc.calendarUid, first, last);
    SetCalendarExceptions(project, WriteDateList(exceptions.holidays),
                          WriteDateList(exceptions.extraDays));
    if (exceptions.leftOut == 0)
        return QString();
    return QStringLiteral("The calendar has more holidays and extra working days in the years "
                          "%1 to %2 than a plan keeps: the first %3 were taken, %4 left out.")
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
