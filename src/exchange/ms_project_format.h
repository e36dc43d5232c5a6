#pragma once
// What the MS Project XML reader and writer share: the namespace and the text forms of
// dates, times and durations.

#include <QDate>
#include <QString>

#include <optional>
#include <string_view>

namespace morvaine::msp {

inline constexpr const char *Namespace = "http://schemas.microsoft.com/project";

/// text without the blanks XML allows around a value (space, tab, line ends).
std::string_view TrimmedXmlText(std::string_view text);

/// The plain digits most values are, up to nine of them; -1 for any other text.
inline int PlainDigits(std::string_view text)
{
    if (text.empty() || text.size() > 9)
        return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

/// An xsd:int or xsd:decimal value, blanks around it allowed; nothing for a text that is
/// none, or a decimal that is not finite.
std::optional<int> ParseNumber(std::string_view text);
std::optional<double> ParseDecimalNumber(std::string_view text);
inline std::optional<int> ParseInteger(std::string_view text)
{
    const int plain = PlainDigits(text);
    return plain >= 0 ? std::optional<int>(plain) : ParseNumber(text);
}
inline std::optional<double> ParseDecimal(std::string_view text)
{
    const int plain = PlainDigits(text);
    return plain >= 0 ? std::optional<double>(plain) : ParseDecimalNumber(text);
}

/// The day value (days since 30 December 1899) of a date.
qint64 DayOf(const QDate &date);
/// The date of a day value.
QDate DateOf(qint64 day);

/// A dateTime "2026-12-07T08:00:00" read into its day and minutes after midnight;
/// nothing for a text that is not one. Its year has four digits and there is no year 0,
/// so a date that reads lies in the years 1 to 9999.
struct DateTime {
    QDate date;
    int minutes = 0;
};
std::optional<DateTime> ParseDateTime(std::string_view text);

/// "08:00:00" from minutes after midnight (1440 is written as "00:00:00").
QString FormatTime(int minutes);

/// An ISO 8601 duration "PT40H0M0S" or "-P2DT4H" taken apart: how long a day or a week
/// is depends on the calendar it is counted in, so those parts stay apart from the time.
struct IsoDuration {
    double weeks = 0;
    double days = 0;
    double minutes = 0; // hours, minutes and seconds
    bool negative = false;
    /// The whole duration in minutes, a day counted as minutesPerDay and a week as
    /// daysPerWeek days.
    double totalMinutes(double minutesPerDay, double daysPerWeek) const;
};
/// Nothing for a text that is not a duration (years and months are not read: their
/// length is no fixed number of days).
std::optional<IsoDuration> ParseDuration(std::string_view text);

/// Whether a DurationFormat or LagFormat code counts elapsed time, every hour of every
/// day (elapsed minutes, hours, days, weeks, months, percent, also when estimated),
/// rather than working time.
bool IsElapsedFormat(int code);
/// "PT40H0M0S" from whole hours.
QString FormatDurationHours(qint64 hours);

} // namespace morvaine::msp
