#pragma once
// The working calendar: day values, durations and working days.

#include "model/convert.h"
#include "model/project.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace morvaine {

/// Working days of a Duration text ("5", "5 days", "1 day"); -1 for an empty text.
/// Throws ConversionError when the rest is not an integer; with a row, the error names
/// the Duration cell of that task row.
int DurationDays(const QString &text, int row = 0);

/// The working days of the common Duration texts, "5" and "5 days", without throwing:
/// false for any other text (DurationDays reads those). Digits cannot hold " day", so
/// the unit found after them is its first occurrence.
inline bool QuickDurationDays(const QString &text, int &days)
{
    const char16_t *s = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *const end = s + text.size();
    int value = 0, digits = 0;
    for (; s != end && static_cast<unsigned>(*s - u'0') <= 9u && digits < 10; ++s, ++digits)
        value = value * 10 + (*s - u'0');
    if (digits > 0 && digits <= 9 &&
        (s == end ||
         (end - s >= 4 && s[0] == u' ' && s[1] == u'd' && s[2] == u'a' && s[3] == u'y'))) {
        days = value;
        return true;
    }
    return false;
}

/// The date moved on k working days of the project's calendar (WorkWeek::moveWorkingDays);
/// none when the calendar has no working day.
std::optional<TDateTime> MoveWorkingDays(const Project &project, TDateTime date, int k);

/// Working days from first to last, both included (first is always examined).
int CountWorkingDays(const Project &project, TDateTime first, TDateTime last);

/// A conversion error's message with the cell it came from on a second line:
/// "Row 3, Start." (the column as the header row names it).
QString CellErrorMessage(const QString &message, int column, int row);

/// The date of a cell of a task row; throws ConversionError naming the cell.
TDateTime CellDate(const TaskTable &table, int column, int row);

/// Writes the End of a task row from its Start and Duration. A mask without any
/// working day leaves the End unwritten; an End after the year 9999 throws
/// ConversionError (see TooLongDurationMessage).
void CalcEndDate(Project &project, int row);

/// Writes the Duration of a task row from its Start and End, as a bare number.
/// A cell that does not read throws ConversionError naming the cell.
void CalcDuration(Project &project, int row);

/// The latest End of all tasks, or the project start date when none is later.
TDateTime ProjectEndDate(const Project &project);

/// The message of a Duration whose End would fall after 31 December 9999.
QString TooLongDurationMessage(const QString &durationText);

/// Days first..last, both included (day numbers since 30 December 1899).
struct DayRange {
    std::int64_t first;
    std::int64_t last;
    friend bool operator==(const DayRange &, const DayRange &) = default;
};
/// Ranges sorted by their first day, neither overlapping nor touching.
using DayRanges = std::vector<DayRange>;

/// The working calendar read once: the seven-day mask, with the counting rules in
/// closed form, and the plan's holidays and extra working days. A day is a working
/// day when (the mask says so or it is an extra working day) and it is no holiday.
/// The exceptions are sorted day ranges with prefix counts, so no rule walks the
/// calendar day by day for them.
class WorkWeek {
public:
    explicit WorkWeek(const QString &mask);
    /// The mask with holidays and extra working days (each sorted and merged).
    WorkWeek(const QString &mask, const DayRanges &holidays, const DayRanges &extraDays);
    /// 1 = Sunday ... 7 = Saturday.
    static int weekday(std::int64_t day);
    bool isWorkingDay(std::int64_t day) const
    {
        return m_exceptions ? exceptionalIsWorkingDay(day) : m_work[mondayIndex(day)];
    }
    /// Whether the mask alone makes day a working day.
    bool isMaskWorkingDay(std::int64_t day) const { return m_work[mondayIndex(day)]; }
    /// Working days of a week by the mask alone.
    int workingDaysPerWeek() const { return m_perWeek; }
    bool hasExceptions() const { return m_exceptions != nullptr; }
    /// +1 for an extra working day, -1 for a holiday, 0 for a day the mask decides.
    int exceptionAt(std::int64_t day) const;
    /// Working days from first to last, both included; first is always examined.
    std::int64_t count(std::int64_t first, std::int64_t last) const
    {
        return m_exceptions ? exceptionalCount(first, last) : maskCount(first, last);
    }
    /// The n-th working day counted from start (n >= 1); none when there are not n
    /// working days from start on.
    std::optional<std::int64_t> nthWorkingDay(std::int64_t start, std::int64_t n) const
    {
        return m_exceptions ? exceptionalNthWorkingDay(start, n) : maskNthWorkingDay(start, n);
    }

    /// The day moved on k working days: step one day at a time (back for a negative k)
    /// and count only working days until |k| are counted (a Monday moved on 2 is the
    /// Wednesday, a Saturday moved on 1 the Monday, a Monday moved on -1 the Friday
    /// before); k = 0 leaves the day. None without working days.
    std::optional<std::int64_t> moveWorkingDays(std::int64_t day, std::int64_t k) const;

private:
    struct Exceptions;

    static int mondayIndex(std::int64_t day)
    {
        // Day 0, 30 December 1899, was a Saturday (index 5 counting from Monday).
        const std::int64_t index = (day + 5) % 7;
        return static_cast<int>(index < 0 ? index + 7 : index);
    }
    std::int64_t maskCount(std::int64_t first, std::int64_t last) const;
    std::optional<std::int64_t> maskNthWorkingDay(std::int64_t start, std::int64_t n) const
    {
        if (m_perWeek == 0)
            return std::nullopt;
        const std::int64_t k = n - 1;
        return start + k / m_perWeek * 7 + m_offset[mondayIndex(start)][k % m_perWeek];
    }
    bool exceptionalIsWorkingDay(std::int64_t day) const;
    std::int64_t exceptionalCount(std::int64_t first, std::int64_t last) const;
    std::optional<std::int64_t> exceptionalNthWorkingDay(std::int64_t start, std::int64_t n) const;
    // Working days of first..last (first <= last) with the exceptions counted in.
    std::int64_t rangeCount(std::int64_t first, std::int64_t last) const;
    // The index of the first segment that ends on or after day.
    std::size_t segmentFrom(std::int64_t day) const;

    bool m_work[7] = {}; // Monday first
    int m_perWeek = 0;
    int m_prefix[15] = {};   // working days among the first k days of a doubled week
    int m_offset[7][7] = {}; // offset of the j-th working day of a week starting at index i
    std::shared_ptr<const Exceptions> m_exceptions; // null without holidays or extra days
    // The segment found last: a recalculation asks about days in order, mostly near
    // the one asked before.
    mutable std::size_t m_segmentHint = 0;
};

/// The project's calendar: its working-days mask with its holidays and extra working
/// days (settings rows 22 and 24). A list that does not read throws ConversionError
/// naming its row.
WorkWeek ProjectCalendar(const Project &project);
/// The same for painting: a list that does not read counts as empty.
WorkWeek ProjectCalendarForPainting(const Project &project);

} // namespace morvaine
