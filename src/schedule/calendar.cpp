#include "calendar.h"

#include "date_text.h"

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
    // The common texts, "5" and "5 days", read in one pass: digits cannot hold " day",
    // so the unit found after them is its first occurrence.
    {
        const char16_t *s = reinterpret_cast<const char16_t *>(text.constData());
        const char16_t *const end = s + text.size();
        int value = 0, digits = 0;
        for (; s != end && static_cast<unsigned>(*s - u'0') <= 9u && digits < 10; ++s, ++digits)
            value = value * 10 + (*s - u'0');
        if (digits > 0 && digits <= 9 &&
            (s == end ||
             (end - s >= 4 && s[0] == u' ' && s[1] == u'd' && s[2] == u'a' && s[3] == u'y')))
            return value;
    }
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
    return QStringLiteral("'%1' is not a valid duration: the End would fall after the year 9999")
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

std::int64_t WorkWeek::count(std::int64_t first, std::int64_t last) const
{
    if (last < first)
        return isWorkingDay(first) ? 1 : 0;
    const std::int64_t days = last - first + 1;
    const int start = mondayIndex(first);
    const int rest = static_cast<int>(days % 7);
    return days / 7 * m_perWeek + (m_prefix[start + rest] - m_prefix[start]);
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
    const auto moved = WorkWeek(project.settings().workingDays())
                           .moveWorkingDays(static_cast<std::int64_t>(date), k);
    if (!moved)
        return std::nullopt;
    return static_cast<TDateTime>(*moved);
}

int CountWorkingDays(const Project &project, TDateTime first, TDateTime last)
{
    return static_cast<int>(
        WorkWeek(project.settings().workingDays())
            .count(static_cast<std::int64_t>(first), static_cast<std::int64_t>(last)));
}

QString CellErrorMessage(const QString &message, int column, int row)
{
    static const char *const names[] = {"Task",     "Duration",   "Start", "End",  "Forerunner",
                                        "Resource", "Completion", "Level", "Veha", "Settings"};
    const QString name = column >= ColTask && column <= ColSettings
                             ? QLatin1String(names[column - ColTask])
                             : QString::number(column);
    return QStringLiteral("%1\nRow %2, %3.").arg(message).arg(row).arg(name);
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
    const WorkWeek week(project.settings().workingDays());
    // Without any working day there is no n-th one: the End stays as it is.
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
