#pragma once
// Conversions between cell texts and numbers or dates. Every date and number the
// program reads from a cell passes through here, so a bad text always fails with
// the same message.

#include <QString>
#include <stdexcept>

namespace morvaine {

/// A day count since 30 December 1899; the planner only ever stores whole days.
using TDateTime = double;

/// A cell text that does not read as a number or a date. Ends the user command in
/// progress; the command boundary shows what() in an "Error" box.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

/// Reads a decimal 32-bit integer (blanks around it allowed, a leading sign allowed);
/// throws ConversionError "'%s' is not a valid integer value".
int StrToInt(const QString &text);

/// The process-wide short date format (the system locale's, two-digit years widened).
QString ShortDateFormat();
/// Pins the short date format (tests, or a later settings choice).
void SetShortDateFormat(const QString &format);

/// Date text of a day value, in the short date format.
QString DateToStr(TDateTime date);
/// Day value of a date text; throws ConversionError "'%s' is not a valid date".
TDateTime StrToDate(const QString &text);
/// Today's date as a day value.
TDateTime Date();

/// First and last day values a date text can hold (1 January 0001, 31 December 9999).
TDateTime MinDateValue();
TDateTime MaxDateValue();

} // namespace morvaine
