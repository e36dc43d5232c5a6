#pragma once
// The working time of the settings dialog, shown as "8 hours per day" and stepped
// between 1 and 24 hours by its spinner.

#include <QString>

namespace morvaine {

/// "1 hour per day" for 1, otherwise the number followed by " hours per day".
QString WorkingTimeText(int hours);

/// The number at the front of a working time text: its first character when the
/// second is a blank, otherwise its first two characters. Throws ConversionError.
int WorkingTimeNumber(const QString &text);

/// The text after one step of the spinner up or down; 24 hours up and 1 hour down
/// stay as they are.
QString StepWorkingTime(const QString &text, bool up);

} // namespace morvaine
