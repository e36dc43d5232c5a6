#include "calendar.h"

#include "date_list.h"
#include "date_text.h"
#include <QCoreApplication>

#include <algorithm>

namespace morvaine {

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

} // namespace

namespace {

// The rare Duration that is no plain number, read apart so that the common path
// stays small.
Q_NEVER_INLINE int durationRestAt(const QString &rest, int row)
{
    try {
        return StrToInt(rest);
    } catch (const ConversionError &error) {
        throw ConversionError(CellErrorMessage(error.message(), ColDuration, row));
    }
}

} // namespace

int DurationDays(const QString &text, int row)
{
    if (int days = 0; QuickDurationDays(text, days))
        return days;
    const qsizetype unit = text.indexOf(QLatin1String(" day"));
    QStringView rest = unit >= 0 ? QStringView(text).left(unit) : QStringView(text);
    while (!rest.isEmpty() && isBlankOrControl(rest.front()))
        rest = rest.mid(1);
    while (!rest.isEmpty() && isBlankOrControl(rest.back()))
        rest.chop(1);
    if (rest.isEmpty())
        return -1;
    // Plain digits are by far the common case; everything else goes through StrToInt.
    if (rest.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (QChar c : rest) {
            if (c.unicode() < '0' || c.unicode() > '9') {
                digits = false;
                break;
            }
            value = value * 10 + (c.unicode() - '0');
        }
        if (digits)
            return value;
    }
    return row <= 0 ? StrToInt(rest.toString()) : durationRestAt(rest.toString(), row);
}

QString TooLongDurationMessage(const QString &durationText)
{
    return QCoreApplication::translate(
               "Schedule", "'%1' is not a valid duration: the End would fall after the year 9999")
        .arg(durationText);
}

WorkWeek::WorkWeek(const QString &mask)
{
    for (int i = 0; i < 7; ++i) {
        m_work[i] = i < mask.size() && mask.at(i) == QLatin1Char('Y');
        m_perWeek += m_work[i] ? 1 : 0;
    }
    for (int k = 0; k < 14; ++k)
        m_prefix[k + 1] = m_prefix[k] + (m_work[k % 7] ? 1 : 0);
    for (int i = 0; i < 7; ++i) {
        int j = 0;
        for (int offset = 0; offset < 7; ++offset)
            if (m_work[(i + offset) % 7])
                m_offset[i][j++] = offset;
    }
}

int WorkWeek::weekday(std::int64_t day)
{
    return (mondayIndex(day) + 1) % 7 + 1;
}

std::int64_t WorkWeek::maskCount(std::int64_t first, std::int64_t last) const
{
    if (last < first)
        return isMaskWorkingDay(first) ? 1 : 0;
    const std::int64_t days = last - first + 1;
    const int start = mondayIndex(first);
    const int rest = static_cast<int>(days % 7);
    return days / 7 * m_perWeek + (m_prefix[start + rest] - m_prefix[start]);
}

// The exceptions as disjoint segments sorted by day: a holiday range (every day off)
// or an extra-working range with the holidays taken out (every day worked). delta
// holds, for the segments before index i, how many working days they add to (or take
// from) the mask's count, so a count over many segments is one subtraction.
struct WorkWeek::Exceptions {
    std::vector<std::int64_t> firsts;
    std::vector<std::int64_t> lasts;
    std::vector<signed char> kinds;  // +1 worked, -1 off
    std::vector<std::int64_t> delta; // one more entry than segments
};

WorkWeek::WorkWeek(const QString &mask, const DayRanges &holidays, const DayRanges &extraDays)
    : WorkWeek(mask)
{
    if (holidays.empty() && extraDays.empty())
        return;
    struct Segment {
        std::int64_t first, last;
        signed char kind;
    };
    std::vector<Segment> segments;
    for (const DayRange &range : holidays)
        segments.push_back({range.first, range.last, -1});
    // Extra working days that are also holidays stay holidays.
    std::size_t h = 0;
    for (const DayRange &range : extraDays) {
        std::int64_t from = range.first;
        while (h < holidays.size() && holidays[h].last < from)
            ++h;
        for (std::size_t k = h; k < holidays.size() && holidays[k].first <= range.last; ++k) {
            if (holidays[k].first > from)
                segments.push_back({from, holidays[k].first - 1, 1});
            from = std::max(from, holidays[k].last + 1);
        }
        if (from <= range.last)
            segments.push_back({from, range.last, 1});
    }
    std::sort(segments.begin(), segments.end(),
              [](const Segment &a, const Segment &b) { return a.first < b.first; });
    auto exceptions = std::make_shared<Exceptions>();
    exceptions->delta.push_back(0);
    for (const Segment &segment : segments) {
        exceptions->firsts.push_back(segment.first);
        exceptions->lasts.push_back(segment.last);
        exceptions->kinds.push_back(segment.kind);
        const std::int64_t masked = maskCount(segment.first, segment.last);
        const std::int64_t worked = segment.kind > 0 ? segment.last - segment.first + 1 : 0;
        exceptions->delta.push_back(exceptions->delta.back() + worked - masked);
    }
    m_exceptions = std::move(exceptions);
}

int WorkWeek::exceptionAt(std::int64_t day) const
{
    if (!m_exceptions)
        return 0;
    const Exceptions &e = *m_exceptions;
    const auto k = std::upper_bound(e.firsts.begin(), e.firsts.end(), day) - e.firsts.begin() - 1;
    return k >= 0 && e.lasts[std::size_t(k)] >= day ? e.kinds[std::size_t(k)] : 0;
}

bool WorkWeek::exceptionalIsWorkingDay(std::int64_t day) const
{
    const int exception = exceptionAt(day);
    return exception == 0 ? isMaskWorkingDay(day) : exception > 0;
}

std::size_t WorkWeek::segmentFrom(std::int64_t day) const
{
    const std::vector<std::int64_t> &lasts = m_exceptions->lasts;
    const std::size_t size = lasts.size();
    const auto fits = [&](std::size_t k) {
        return (k == size || lasts[k] >= day) && (k == 0 || lasts[k - 1] < day);
    };
    for (std::size_t k : {m_segmentHint, m_segmentHint + 1})
        if (k <= size && fits(k))
            return m_segmentHint = k;
    return m_segmentHint =
               std::size_t(std::lower_bound(lasts.begin(), lasts.end(), day) - lasts.begin());
}

std::int64_t WorkWeek::rangeCount(std::int64_t first, std::int64_t last) const
{
    const Exceptions &e = *m_exceptions;
    std::int64_t total = maskCount(first, last);
    const std::size_t i =
        std::size_t(std::lower_bound(e.lasts.begin(), e.lasts.end(), first) - e.lasts.begin());
    const std::size_t end =
        std::size_t(std::upper_bound(e.firsts.begin(), e.firsts.end(), last) - e.firsts.begin());
    if (i >= end)
        return total;
    total += e.delta[end] - e.delta[i];
    // The parts of the two outer segments that lie outside first..last.
    const auto part = [&](std::size_t k, std::int64_t a, std::int64_t b) {
        return (e.kinds[k] > 0 ? b - a + 1 : 0) - maskCount(a, b);
    };
    if (e.firsts[i] < first)
        total -= part(i, e.firsts[i], first - 1);
    if (e.lasts[end - 1] > last)
        total -= part(end - 1, last + 1, e.lasts[end - 1]);
    return total;
}

std::int64_t WorkWeek::exceptionalCount(std::int64_t first, std::int64_t last) const
{
    if (last < first)
        return isWorkingDay(first) ? 1 : 0;
    return rangeCount(first, last);
}

std::optional<std::int64_t> WorkWeek::exceptionalNthWorkingDay(std::int64_t start,
                                                               std::int64_t n) const
{
    const Exceptions &e = *m_exceptions;
    const std::size_t size = e.firsts.size();
    const std::size_t i = segmentFrom(start);
    // The common case: no exception between the start and the mask's answer.
    const std::optional<std::int64_t> plain = maskNthWorkingDay(start, n);
    if (i == size || (plain && e.firsts[i] > *plain))
        return plain;
    // The first segment by whose end n working days are reached: before it the mask
    // rules alone, so the answer lies in the gap before it or inside it.
    std::size_t lo = i, hi = size;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (rangeCount(start, e.lasts[mid]) >= n)
            hi = mid;
        else
            lo = mid + 1;
    }
    const std::size_t k = lo;
    std::int64_t cursor = start, remaining = n;
    if (k > i) {
        cursor = e.lasts[k - 1] + 1;
        remaining = n - rangeCount(start, e.lasts[k - 1]);
    }
    if (k == size)
        return maskNthWorkingDay(cursor, remaining);
    const std::int64_t gapEnd = e.firsts[k] - 1;
    const std::int64_t gap = cursor <= gapEnd ? maskCount(cursor, gapEnd) : 0;
    if (gap >= remaining)
        return maskNthWorkingDay(cursor, remaining);
    // Reached inside segment k, which therefore is one of worked days.
    return std::max(cursor, e.firsts[k]) + (remaining - gap) - 1;
}

std::optional<std::int64_t> WorkWeek::moveWorkingDays(std::int64_t day, std::int64_t k) const
{
    if (k == 0)
        return day;
    if (m_perWeek == 0)
        return std::nullopt;
    // The working days counted between the day and a candidate, in the direction of k:
    // they never fall as the candidate moves away, so the first candidate that reaches
    // |k| is found by widening the reach, then halving it.
    const std::int64_t n = k < 0 ? -k : k;
    const auto counted = [&](std::int64_t reach) {
        return k > 0 ? count(day + 1, day + reach) : count(day - reach, day - 1);
    };
    constexpr std::int64_t MaxReach = std::int64_t(1) << 24; // beyond any date
    std::int64_t low = 0;                                    // counts fewer than n
    std::int64_t high = (n / m_perWeek + 1) * 7;             // counts n or more
    while (counted(high) < n) {
        low = high;
        high *= 2;
        if (high > MaxReach)
            return std::nullopt;
    }
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        (counted(middle) < n ? low : high) = middle;
    }
    return k > 0 ? day + high : day - high;
}

std::optional<TDateTime> MoveWorkingDays(const Project &project, TDateTime date, int k)
{
    const auto moved = ProjectCalendar(project).moveWorkingDays(static_cast<std::int64_t>(date), k);
    if (!moved)
        return std::nullopt;
    return static_cast<TDateTime>(*moved);
}

int CountWorkingDays(const Project &project, TDateTime first, TDateTime last)
{
    return static_cast<int>(ProjectCalendar(project).count(static_cast<std::int64_t>(first),
                                                           static_cast<std::int64_t>(last)));
}

namespace {

// The calendar of the last plan asked for, kept per thread: the rules ask for it once
// per operation, and reading the lists anew each time would cost more than the rule.
struct CalendarCache {
    QString mask, holidays, extraDays, format;
    std::optional<WorkWeek> week;
};

bool SameText(const QString &a, const QString &b)
{
    return a.isSharedWith(b) || a == b;
}

WorkWeek ReadCalendar(const Project &project, bool tolerant)
{
    const TaskTable &table = project.taskTable;
    const QString &mask = project.settings().workingDays();
    const QString &holidays = table.cell(ColSettings, HolidaysRow);
    const QString &extraDays = table.cell(ColSettings, ExtraDaysRow);
    if (holidays.isEmpty() && extraDays.isEmpty())
        return WorkWeek(mask);
    thread_local CalendarCache cache;
    const QString format = ShortDateFormat();
    if (cache.week && SameText(cache.mask, mask) && SameText(cache.holidays, holidays) &&
        SameText(cache.extraDays, extraDays) && SameText(cache.format, format))
        return *cache.week;
    DayRanges off, on;
    try {
        off = ReadDateList(holidays, HolidaysRow);
        on = ReadDateList(extraDays, ExtraDaysRow);
    } catch (const ConversionError &) {
        if (tolerant)
            return WorkWeek(mask);
        throw;
    }
    cache.week.emplace(mask, off, on);
    cache.mask = mask;
    cache.holidays = holidays;
    cache.extraDays = extraDays;
    cache.format = format;
    return *cache.week;
}

} // namespace

WorkWeek ProjectCalendar(const Project &project)
{
    return ReadCalendar(project, false);
}

WorkWeek ProjectCalendarForPainting(const Project &project)
{
    return ReadCalendar(project, true);
}

QString CellErrorMessage(const QString &message, int column, int row)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("TaskTable", "Task"),       QT_TRANSLATE_NOOP("TaskTable", "Duration"),
        QT_TRANSLATE_NOOP("TaskTable", "Start"),      QT_TRANSLATE_NOOP("TaskTable", "End"),
        QT_TRANSLATE_NOOP("TaskTable", "Forerunner"), QT_TRANSLATE_NOOP("TaskTable", "Resource"),
        QT_TRANSLATE_NOOP("TaskTable", "Completion"), QT_TRANSLATE_NOOP("TaskTable", "Level"),
        QT_TRANSLATE_NOOP("TaskTable", "Veha"),       QT_TRANSLATE_NOOP("TaskTable", "Settings")};
    const QString name = column >= ColTask && column <= ColSettings
                             ? QCoreApplication::translate("TaskTable", names[column - ColTask])
                             : QString::number(column);
    return QCoreApplication::translate("Schedule", "%1\nRow %2, %3.")
        .arg(message)
        .arg(row)
        .arg(name);
}

TDateTime CellDate(const TaskTable &table, int column, int row)
{
    try {
        return StrToDate(table.cell(column, row));
    } catch (const ConversionError &error) {
        throw ConversionError(CellErrorMessage(error.message(), column, row));
    }
}

void CalcEndDate(Project &project, int row)
{
    TaskTable &table = project.taskTable;
    const QString duration = table.cell(ColDuration, row);
    const int n = DurationDays(duration, row);
    if (n == 0) {
        table.setCell(ColEnd, row, table.cell(ColStart, row));
        return;
    }
    if (n < 0)
        return;
    const TDateTime start = CellDate(table, ColStart, row);
    const WorkWeek week = ProjectCalendar(project);
    // Without enough working days there is no n-th one: the End stays as it is.
    const auto end = week.nthWorkingDay(static_cast<std::int64_t>(start), n);
    if (!end)
        return;
    if (static_cast<TDateTime>(*end) > MaxDateValue())
        throw ConversionError(CellErrorMessage(TooLongDurationMessage(duration), ColDuration, row));
    table.setCell(ColEnd, row, DateToStr(static_cast<TDateTime>(*end)));
}

void CalcDuration(Project &project, int row)
{
    TaskTable &table = project.taskTable;
    const TDateTime start = CellDate(table, ColStart, row);
    const TDateTime end = CellDate(table, ColEnd, row);
    table.setCell(ColDuration, row, QString::number(CountWorkingDays(project, start, end)));
}

TDateTime ProjectEndDate(const Project &project)
{
    const DateCodec dates;
    TDateTime result = dates.read(project.settings().startDate());
    for (int row = 1; row <= project.LastTaskRow; ++row) {
        const QString &end = project.taskTable.cell(ColEnd, row);
        if (end.isEmpty())
            continue;
        const TDateTime day = dates.read(end);
        if (day > result)
            result = day;
    }
    return result;
}

} // namespace morvaine
