#pragma once
// The slow reference's reading and writing of cells and its day-by-day calendar: dates
// and Durations read with the program's own conversions, working days counted one at
// a time from the settings as they stand.

#include "model/convert.h"
#include "model/project.h"

namespace morvaine::literal {

// A conversion error from a cell names the cell on a second line.
inline const char *const ColumnNames[] = {"",      "Task",       "Duration", "Start",
                                          "End",   "Forerunner", "Resource", "Completion",
                                          "Level", "Veha",       "Settings"};

template <typename Read> auto located(int column, int row, Read &&read)
{
    try {
        return read();
    } catch (const ConversionError &error) {
        throw ConversionError(
            error.message() +
            QStringLiteral("\nRow %1, %2.").arg(row).arg(QLatin1String(ColumnNames[column])));
    }
}

TDateTime ReadDate(const QString &text);
QString WriteDate(TDateTime day);
int DurationDays(const QString &text);
bool IsWorkingDay(const Project &project, TDateTime date);
void CalcDuration(Project &project, int row);
TDateTime ProjectEndDate(const Project &project);

} // namespace morvaine::literal
