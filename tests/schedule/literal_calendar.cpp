#include "literal_calendar.h"
#include "literal_schedule.h"

#include <QHash>

#include <algorithm>

namespace morvaine::literal {

namespace {

// Whether a list of dates and ranges "FROM-TO" (settings row 22 or 24) holds date.
// Read afresh at every call; the formats used here write no '-' of their own.
bool InDateList(const Project &project, int row, TDateTime date)
{
    for (const QString &part : project.taskTable.cell(ColSettings, row).split(u';')) {
        const QString item = part.trimmed();
        if (item.isEmpty())
            continue;
        const qsizetype dash = item.indexOf(u'-');
        const TDateTime from = StrToDate(dash < 0 ? item : item.left(dash));
        const TDateTime to = dash < 0 ? from : StrToDate(item.mid(dash + 1));
        if (std::min(from, to) <= date && date <= std::max(from, to))
            return true;
    }
    return false;
}

} // namespace

// StrToDate and DateToStr, their results kept for the format in use: the conversions
// are Qt's own, only not repeated (the walk reads the same few dates over and over).
TDateTime ReadDate(const QString &text)
{
    static QString format;
    static QHash<QString, TDateTime> read;
    if (format != ShortDateFormat()) {
        format = ShortDateFormat();
        read.clear();
    }
    const auto known = read.constFind(text);
    if (known != read.constEnd())
        return *known;
    const TDateTime day = StrToDate(text); // throws for a text that is no date
    read.insert(text, day);
    return day;
}

QString WriteDate(TDateTime day)
{
    static QString format;
    static QHash<qint64, QString> written;
    if (format != ShortDateFormat()) {
        format = ShortDateFormat();
        written.clear();
    }
    const auto key = static_cast<qint64>(day);
    const auto known = written.constFind(key);
    if (known != written.constEnd())
        return *known;
    return *written.insert(key, DateToStr(day));
}

int DurationDays(const QString &text)
{
    const qsizetype unit = text.indexOf(QLatin1String(" day"));
    QString rest = unit >= 0 ? text.left(unit) : text;
    while (!rest.isEmpty() && rest.front().unicode() <= 0x20)
        rest.remove(0, 1);
    while (!rest.isEmpty() && rest.back().unicode() <= 0x20)
        rest.chop(1);
    if (rest.isEmpty())
        return -1;
    return StrToInt(rest);
}

int Weekday(TDateTime date) // 1 = Sunday ... 7 = Saturday
{
    long long day = static_cast<long long>(date);
    long long index = (day % 7 + 7) % 7; // day 0 is a Saturday
    return static_cast<int>((index + 6) % 7) + 1;
}

bool IsWorkingDay(const Project &project, TDateTime date)
{
    const QString mask = project.settings().workingDays();
    const int weekday = Weekday(date);
    const int position = weekday == 1 ? 7 : weekday - 1;
    const bool byMask = position <= mask.size() && mask.at(position - 1) == QLatin1Char('Y');
    return (byMask || InDateList(project, 24, date)) && !InDateList(project, 22, date);
}

void CalcDuration(Project &project, int row)
{
    TaskTable &t = project.taskTable;
    const TDateTime start = located(ColStart, row, [&] { return ReadDate(t.cell(ColStart, row)); });
    const TDateTime end = located(ColEnd, row, [&] { return ReadDate(t.cell(ColEnd, row)); });
    t.setCell(ColDuration, row, QString::number(CountWorkingDays(project, start, end)));
}

TDateTime ProjectEndDate(const Project &project)
{
    TDateTime result = ReadDate(project.settings().startDate());
    for (int row = 1; row <= project.LastTaskRow; ++row) {
        const QString &end = project.taskTable.cell(ColEnd, row);
        const auto day = [&] { return located(ColEnd, row, [&] { return ReadDate(end); }); };
        if (!end.isEmpty() && day() > result)
            result = day();
    }
    return result;
}

int CountWorkingDays(const Project &project, TDateTime first, TDateTime last)
{
    TDateTime d = first;
    int n = 0;
    do {
        if (IsWorkingDay(project, d))
            ++n;
        d = d + 1;
    } while (!(d > last));
    return n;
}

void CalcEndDate(Project &project, int row)
{
    TaskTable &t = project.taskTable;
    const int n = located(ColDuration, row, [&] { return DurationDays(t.cell(ColDuration, row)); });
    if (n == 0) {
        t.setCell(ColEnd, row, t.cell(ColStart, row));
        return;
    }
    if (n < 0)
        return;
    TDateTime d = located(ColStart, row, [&] { return ReadDate(t.cell(ColStart, row)); });
    int k = 1;
    do {
        const bool working = IsWorkingDay(project, d);
        d = d + 1;
        if (working)
            ++k;
    } while (k <= n);
    t.setCell(ColEnd, row, WriteDate(d - 1));
}

} // namespace morvaine::literal
