#pragma once
// The working calendar: day values, durations and working days.

#include "model/convert.h"
#include "model/project.h"

namespace morvaine {

/// Working days of a Duration text ("5", "5 days", "1 day"); -1 for an empty text.
/// Throws ConversionError when the rest is not an integer.
int DurationDays(const QString &text);

/// Whether the day is a working day of the project's working-days mask.
bool IsWorkingDay(const Project &project, TDateTime date);

/// Working days from first to last, both included (first is always examined).
int CountWorkingDays(const Project &project, TDateTime first, TDateTime last);

/// Writes the End of a task row from its Start and Duration.
void CalcEndDate(Project &project, int row);

/// Writes the Duration of a task row from its Start and End, as a bare number.
void CalcDuration(Project &project, int row);

/// The latest End of all tasks, or the project start date when none is later.
TDateTime ProjectEndDate(const Project &project);

} // namespace morvaine
