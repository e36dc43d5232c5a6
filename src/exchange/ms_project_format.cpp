#include "ms_project_format.h"

#include <algorithm>

namespace morvaine::msp {

namespace {

// The Julian day of 30 December 1899, day 0 of the planner's dates.
constexpr qint64 EpochJulianDay = 2415019;

// Reads the digits at text[from, from + count) as a number; -1 when any is not a digit.
int digits(QStringView text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

qint64 DayOf(const QDate &date)
{
    return date.toJulianDay() - EpochJulianDay;
}

QDate DateOf(qint64 day)
{
    return QDate::fromJulianDay(day + EpochJulianDay);
}

std::optional<DateTime> ParseDateTime(QStringView input)
{
    const QStringView text = input.trimmed();
    // yyyy-MM-dd, then optionally T and HH:mm[:ss[.fff]]
    if (text.size() < 10 || text.at(4) != QLatin1Char('-') || text.at(7) != QLatin1Char('-'))
        return std::nullopt;
    const int year = digits(text, 0, 4);
    const int month = digits(text, 5, 2);
    const int day = digits(text, 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return std::nullopt;
    DateTime result;
    result.date = QDate(year, month, day);
    if (!result.date.isValid())
        return std::nullopt;
    if (text.size() == 10)
        return result;
    if (text.size() < 16 || text.at(10) != QLatin1Char('T') || text.at(13) != QLatin1Char(':'))
        return std::nullopt;
    const int hours = digits(text, 11, 2);
    const int minutes = digits(text, 14, 2);
    if (hours < 0 || hours > 24 || minutes < 0 || minutes > 59)
        return std::nullopt;
    result.minutes = hours * 60 + minutes;
    return result;
}

QString FormatTime(int minutes)
{
    minutes %= 1440;
    return twoDigits(minutes / 60) + QLatin1Char(':') + twoDigits(minutes % 60) +
           QLatin1String(":00");
}

std::optional<double> ParseDurationMinutes(QStringView input, int minutesPerDay)
{
    const QStringView text = input.trimmed();
    int i = 0;
    bool negative = false;
    if (i < text.size() && text.at(i) == QLatin1Char('-')) {
        negative = true;
        ++i;
    }
    if (i >= text.size() || text.at(i) != QLatin1Char('P'))
        return std::nullopt;
    ++i;
    bool inTime = false;
    bool anyPart = false;
    double minutes = 0;
    while (i < text.size()) {
        if (text.at(i) == QLatin1Char('T')) {
            if (inTime)
                return std::nullopt;
            inTime = true;
            ++i;
            continue;
        }
        const int from = i;
        while (i < text.size() && (text.at(i).isDigit() || text.at(i) == QLatin1Char('.')))
            ++i;
        if (i == from || i >= text.size())
            return std::nullopt;
        // Whole numbers, by far the most common, are read here; fractions by Qt.
        double value = 0;
        const QStringView number = text.mid(from, i - from);
        const bool whole =
            number.size() <= 15 && std::all_of(number.begin(), number.end(), [](QChar c) {
                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
            });
        if (whole) {
            for (const QChar digit : number)
                value = value * 10 + (digit.unicode() - u'0');
        } else {
            bool ok = false;
            value = number.toDouble(&ok);
            if (!ok)
                return std::nullopt;
        }
        const QChar unit = text.at(i++);
        if (inTime && unit == QLatin1Char('H'))
            minutes += value * 60;
        else if (inTime && unit == QLatin1Char('M'))
            minutes += value;
        else if (inTime && unit == QLatin1Char('S'))
            minutes += value / 60;
        else if (!inTime && unit == QLatin1Char('D'))
            minutes += value * minutesPerDay;
        else if (!inTime && unit == QLatin1Char('W'))
            minutes += value * 5 * minutesPerDay;
        else
            return std::nullopt;
        anyPart = true;
    }
    if (!anyPart)
        return std::nullopt;
    return negative ? -minutes : minutes;
}

QString FormatDurationHours(qint64 hours)
{
    return QLatin1String("PT") + QString::number(hours) + QLatin1String("H0M0S");
}

} // namespace morvaine::msp
