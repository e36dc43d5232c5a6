#include "views/time_axis.h"

#include "model/project.h"
#include "schedule/calendar.h"
#include "schedule/date_text.h"
#include <QCoreApplication>

namespace morvaine {

namespace {

// 30 December 1899, day 0, counted from 1 March of year 0 of the proleptic calendar.
constexpr qint64 DayZeroFromEra = 693899;

qint64 FloorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

const char *const MonthNames[12] = {
    QT_TRANSLATE_NOOP("TimeAxis", "Jan"), QT_TRANSLATE_NOOP("TimeAxis", "Feb"),
    QT_TRANSLATE_NOOP("TimeAxis", "Mar"), QT_TRANSLATE_NOOP("TimeAxis", "Apr"),
    QT_TRANSLATE_NOOP("TimeAxis", "May"), QT_TRANSLATE_NOOP("TimeAxis", "Jun"),
    QT_TRANSLATE_NOOP("TimeAxis", "Jul"), QT_TRANSLATE_NOOP("TimeAxis", "Aug"),
    QT_TRANSLATE_NOOP("TimeAxis", "Sep"), QT_TRANSLATE_NOOP("TimeAxis", "Oct"),
    QT_TRANSLATE_NOOP("TimeAxis", "Nov"), QT_TRANSLATE_NOOP("TimeAxis", "Dec")};

// "Jan 08": the month's abbreviation and the last two digits of the year.
QString MonthAndYear(const CivilDate &date)
{
    const qint64 twoDigits = ((date.year % 100) + 100) % 100;
    return QStringLiteral("%1 %2")
        .arg(QCoreApplication::translate("TimeAxis", MonthNames[date.month - 1]))
        .arg(twoDigits, 2, 10, QLatin1Char('0'));
}

} // namespace

CivilDate CivilFromDay(qint64 day)
{
    // Years of 400 years starting on 1 March, so that the leap day ends a year.
    const qint64 z = day + DayZeroFromEra;
    const qint64 era = FloorDiv(z, 146097);
    const qint64 dayOfEra = z - era * 146097;
    const qint64 yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 mp = (5 * dayOfYear + 2) / 153;
    const int d = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yearOfEra + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

qint64 DayFromCivil(qint64 year, int month, int day)
{
    year += FloorDiv(month - 1, 12);
    month = static_cast<int>(month - 1 - FloorDiv(month - 1, 12) * 12) + 1;
    if (month <= 2)
        --year;
    const qint64 era = FloorDiv(year, 400);
    const qint64 yearOfEra = year - era * 400;
    const qint64 dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - DayZeroFromEra;
}

TimeAxis::TimeAxis(int scale, qint64 projectStart)
    : m_valid(true), m_scale(qBound(1, scale, 3)), m_start(projectStart)
{
    // Column 0 is the week before the Monday-to-Sunday week holding the start
    // (weekday 1 is Sunday, 7 Saturday).
    const int weekday = WorkWeek::weekday(projectStart);
    m_weekOrigin = weekday == 1 ? projectStart - 13 : projectStart - weekday - 5;
    // ... and the month before the start's month.
    const CivilDate start = CivilFromDay(projectStart);
    m_monthOrigin = start.year * 12 + (start.month - 1) - 1;
}

TimeAxis TimeAxis::ForProject(const Project &project)
{
    const DateCodec dates;
    TDateTime start = 0;
    if (!dates.tryRead(project.settings().startDate(), start))
        return TimeAxis();
    return TimeAxis(project.GanttScale, static_cast<qint64>(start));
}

ColumnPeriod TimeAxis::period(qint64 column) const
{
    switch (m_scale) {
    case WeekScale: {
        const qint64 first = m_weekOrigin + 7 * column;
        return {first, first + 6};
    }
    case MonthScale: {
        const qint64 month = m_monthOrigin + column;
        const qint64 year = FloorDiv(month, 12);
        const int monthOfYear = static_cast<int>(month - year * 12) + 1;
        return {DayFromCivil(year, monthOfYear, 1), DayFromCivil(year, monthOfYear + 1, 1) - 1};
    }
    default:
        return {m_start + column - 1, m_start + column - 1};
    }
}

qint64 TimeAxis::columnOf(qint64 day) const
{
    switch (m_scale) {
    case WeekScale:
        return FloorDiv(day - m_weekOrigin, 7);
    case MonthScale: {
        const CivilDate date = CivilFromDay(day);
        return date.year * 12 + (date.month - 1) - m_monthOrigin;
    }
    default:
        return day - m_start + 1;
    }
}

QString TimeAxis::label(qint64 column) const
{
    const CivilDate first = CivilFromDay(period(column).first);
    if (m_scale == MonthScale)
        return QLatin1Char(' ') + MonthAndYear(first);
    return QString::number(first.day) + QLatin1Char(' ') + MonthAndYear(first);
}

bool TimeAxis::isDayOff(qint64 column, const QString &workingDays, const WorkWeek *calendar) const
{
    if (m_scale != DayScale)
        return false;
    const qint64 day = period(column).first;
    if (const int exception = calendar ? calendar->exceptionAt(day) : 0)
        return exception < 0;
    // The mask's letters run Monday to Sunday; weekday() counts from Sunday.
    const int position = (WorkWeek::weekday(day) + 5) % 7;
    return position < workingDays.size() && workingDays.at(position) == QLatin1Char('N');
}

std::optional<int> ZoomedScale(int scale, int step)
{
    const int next = scale + step;
    if (next < DayScale || next > MonthScale)
        return std::nullopt;
    return next;
}

} // namespace morvaine
