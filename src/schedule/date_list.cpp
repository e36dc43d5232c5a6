#include "date_list.h"

#include "date_text.h"

#include <QCoreApplication>

#include <algorithm>

namespace morvaine {

DayRanges MergeDayRanges(DayRanges ranges)
{
    std::sort(ranges.begin(), ranges.end(),
              [](const DayRange &a, const DayRange &b) { return a.first < b.first; });
    DayRanges merged;
    for (const DayRange &range : ranges) {
        if (!merged.empty() && range.first <= merged.back().last + 1)
            merged.back().last = std::max(merged.back().last, range.last);
        else
            merged.push_back(range);
    }
    return merged;
}

std::optional<DayRanges> SplitDateList(const QString &text, const DateReader &read,
                                       QString *badItem)
{
    DayRanges ranges;
    for (const QString &part : text.split(QLatin1Char(';'))) {
        const QString item = part.trimmed();
        if (item.isEmpty())
            continue;
        if (const auto day = read(item)) {
            ranges.push_back({*day, *day});
            continue;
        }
        // A range: some '-' with a date on either side. A format that writes '-'
        // itself (yyyy-MM-dd) has several; only one of them splits into two dates.
        bool found = false;
        for (qsizetype at = item.indexOf(QLatin1Char('-')); at > 0 && !found;
             at = item.indexOf(QLatin1Char('-'), at + 1)) {
            const auto from = read(item.left(at).trimmed());
            const auto to = from ? read(item.mid(at + 1).trimmed()) : std::nullopt;
            if (from && to) {
                ranges.push_back({std::min(*from, *to), std::max(*from, *to)});
                found = true;
            }
        }
        if (!found) {
            if (badItem)
                *badItem = item;
            return std::nullopt;
        }
    }
    return ranges;
}

DayRanges ReadDateList(const QString &text, int settingsRow)
{
    if (text.trimmed().isEmpty())
        return {};
    const DateCodec dates;
    QString bad;
    const std::optional<DayRanges> ranges = SplitDateList(
        text,
        [&dates](const QString &item) -> std::optional<std::int64_t> {
            TDateTime day = 0;
            if (!dates.tryRead(item, day))
                return std::nullopt;
            return static_cast<std::int64_t>(day);
        },
        &bad);
    if (!ranges)
        throw ConversionError(CellErrorMessage(
            QCoreApplication::translate("Conversion", "'%1' is not a valid date").arg(bad),
            ColSettings, settingsRow));
    return MergeDayRanges(*ranges);
}

QString WriteDateList(const DayRanges &ranges,
                      const std::function<QString(std::int64_t day)> &writeDay)
{
    QStringList items;
    for (const DayRange &range : ranges) {
        QString item = writeDay(range.first);
        if (range.last != range.first)
            item += QLatin1Char('-') + writeDay(range.last);
        items << item;
    }
    return items.join(QStringLiteral("; "));
}

QString WriteDateList(const DayRanges &ranges)
{
    const DateCodec dates;
    return WriteDateList(
        ranges, [&dates](std::int64_t day) { return dates.write(static_cast<TDateTime>(day)); });
}

void SetCalendarExceptions(Project &project, const QString &holidays, const QString &extraDays)
{
    TaskTable &table = project.taskTable;
    const bool any = !holidays.isEmpty() || !extraDays.isEmpty();
    table.setCell(ColSettings, HolidaysKeyRow, any ? QStringLiteral("Holidays") : QString());
    table.setCell(ColSettings, HolidaysRow, holidays);
    table.setCell(ColSettings, ExtraDaysKeyRow,
                  any ? QStringLiteral("Extra working days") : QString());
    table.setCell(ColSettings, ExtraDaysRow, extraDays);
}

} // namespace morvaine
