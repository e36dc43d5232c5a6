#include "ms_project_format.h"

#include <charconv>
#include <cmath>

namespace morvaine::msp {

namespace {

// The Julian day of 30 December 1899, day 0 of the planner's dates.
constexpr qint64 EpochJulianDay = 2415019;

// Reads the digits at text[from, from + count) as a number; -1 when any is not a digit.
int digits(std::string_view text, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A number as from_chars reads it, after an optional "+"; nothing unless it takes the
// whole text.
template <typename Number> std::optional<Number> number(std::string_view text)
{
    std::string_view value = TrimmedXmlText(text);
    if (value.size() > 1 && value.front() == '+' && value[1] != '-')
        value.remove_prefix(1);
    Number result = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        return std::nullopt;
    return result;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

std::string_view TrimmedXmlText(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<int> ParseNumber(std::string_view text)
{
    return number<int>(text);
}

std::optional<double> ParseDecimalNumber(std::string_view text)
{
    const std::optional<double> value = number<double>(text);
    if (value && !std::isfinite(*value))
        return std::nullopt;
    return value;
}

qint64 DayOf(const QDate &date)
{
    return date.toJulianDay() - EpochJulianDay;
}

QDate DateOf(qint64 day)
{
    return QDate::fromJulianDay(day + EpochJulianDay);
}

std::optional<DateTime> ParseDateTime(std::string_view input)
{
    const std::string_view text = TrimmedXmlText(input);
    // yyyy-MM-dd, then optionally T and HH:mm[:ss[.fff]]
    if (text.size() < 10 || text[4] != '-' || text[7] != '-')
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
    if (text.size() < 16 || text[10] != 'T' || text[13] != ':')
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

double IsoDuration::totalMinutes(double minutesPerDay, double daysPerWeek) const
{
    const double total = (weeks * daysPerWeek + days) * minutesPerDay + minutes;
    return negative ? -total : total;
}

std::optional<IsoDuration> ParseDuration(std::string_view input)
{
    std::string_view text = TrimmedXmlText(input);
    IsoDuration result;
    if (!text.empty() && text.front() == '-') {
        result.negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() != 'P')
        return std::nullopt;
    text.remove_prefix(1);
    bool inTime = false;
    bool anyPart = false;
    while (!text.empty()) {
        if (text.front() == 'T') {
            if (inTime)
                return std::nullopt;
            inTime = true;
            text.remove_prefix(1);
            continue;
        }
        // A number in the C locale's form, then its unit.
        double value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                                  std::chars_format::fixed);
        if (error != std::errc() || end == text.data() || value < 0 || !std::isfinite(value) ||
            end == text.data() + text.size())
            return std::nullopt;
        const char unit = *end;
        text.remove_prefix(std::size_t(end - text.data()) + 1);
        if (inTime && unit == 'H')
            result.minutes += value * 60;
        else if (inTime && unit == 'M')
            result.minutes += value;
        else if (inTime && unit == 'S')
            result.minutes += value / 60;
        else if (!inTime && unit == 'D')
            result.days += value;
        else if (!inTime && unit == 'W')
            result.weeks += value;
        else
            return std::nullopt;
        anyPart = true;
    }
    if (!anyPart)
        return std::nullopt;
    return result;
}

bool IsElapsedFormat(int code)
{
    // em, eh, ed, ew, emo and e%; their estimated forms ("?") are 32 codes further on.
    const int plain = code > 32 ? code - 32 : code;
    return plain == 4 || plain == 6 || plain == 8 || plain == 10 || plain == 12 || plain == 20;
}

QString FormatDurationHours(qint64 hours)
{
    return QLatin1String("PT") + QString::number(hours) + QLatin1String("H0M0S");
}

} // namespace morvaine::msp
