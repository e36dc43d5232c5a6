#pragma once
// What the MS Project XML reader and writer share: the namespace and the text forms of
// dates, times and durations.

#include <QDate>
#include <QString>

#include <optional>

namespace morvaine::msp {

inline constexpr const char *Namespace = "http://schemas.microsoft.com/project";

/// The day value (days since 30 December 1899) of a date.
qint64 DayOf(const QDate &date);
/// The date of a day value.
QDate DateOf(qint64 day);

/// A dateTime "2026-12-07T08:00:00" read into its day and minutes after midnight;
/// nothing for a text that is not one. The date may lie outside the years 1 to 9999:
/// the caller decides.
struct DateTime {
    QDate date;
    int minutes = 0;
};
std::optional<DateTime> ParseDateTime(QStringView text);

/// "08:00:00" from minutes after midnight (1440 is written as "00:00:00").
QString FormatTime(int minutes);

/// The minutes of an ISO 8601 duration "PT40H0M0S" ("P2D" counts minutesPerDay per
/// day and "P1W" five days); nothing for a text that is not a duration.
std::optional<double> ParseDurationMinutes(QStringView text, int minutesPerDay);
/// "PT40H0M0S" from whole hours.
QString FormatDurationHours(qint64 hours);

} // namespace morvaine::msp
