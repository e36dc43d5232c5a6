#pragma once
// The plan's holidays and extra working days as the settings column stores them: a
// list of dates in the short date format, "; "-separated, where an item may be a range
// "FROM-TO" (24.12.2026-26.12.2026; 01.01.2027).

#include "calendar.h"

#include <functional>
#include <optional>

namespace morvaine {

/// Settings rows of the calendar exceptions: the key on the odd row, the list below.
/// A plan without exceptions leaves all four empty.
enum CalendarExceptionRow : int {
    HolidaysKeyRow = 21,
    HolidaysRow = 22,
    ExtraDaysKeyRow = 23,
    ExtraDaysRow = 24,
};

/// Sorts ranges and merges those that overlap or touch.
DayRanges MergeDayRanges(DayRanges ranges);

/// Reads a date with the given rule, or nothing when the text is no date.
using DateReader = std::function<std::optional<std::int64_t>(const QString &text)>;

/// The items of a date list in the order written (a range written backwards is turned
/// round). Blanks around items and empty items are skipped. On an item that does not
/// read, returns nothing and puts that item's text into badItem.
std::optional<DayRanges> SplitDateList(const QString &text, const DateReader &read,
                                       QString *badItem = nullptr);

/// The ranges of a list in the short date format, sorted and merged. An item that does
/// not read throws ConversionError "'%s' is not a valid date" naming the settings row.
DayRanges ReadDateList(const QString &text, int settingsRow);

/// The list text of ranges in the short date format, in the order given: "; " between
/// items, "FROM-TO" for a range of more than one day.
QString WriteDateList(const DayRanges &ranges);
/// The same with another writer for single dates.
QString WriteDateList(const DayRanges &ranges,
                      const std::function<QString(std::int64_t day)> &writeDay);

/// Stores the two lists into the settings column (keys and values); with both empty
/// all four cells are emptied, so a plan without exceptions is stored as before.
void SetCalendarExceptions(Project &project, const QString &holidays, const QString &extraDays);

} // namespace morvaine
