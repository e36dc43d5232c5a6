#pragma once
// Predecessor links between MS Project XML and Forerunner items: the link types
// (MS Project's Type 0 FF, 1 FS, 2 SF, 3 SS) and lags (LinkLag in tenths of a minute,
// or whole percent of the predecessor's duration, as LagFormat says).

#include "ms_project_reader.h"

#include "schedule/forerunner.h"

#include <QString>

namespace morvaine::msp {

/// MS Project's LagFormat for days of working time.
inline constexpr int LagFormatDays = 7;

/// What reading links into whole working days changed, for the import's message.
struct LinkChanges {
    int changed = 0;     // links whose type or lag is not what the file says
    int elapsed = 0;     // lags in elapsed time, taken as working days
    int percent = 0;     // lags in percent of the predecessor's duration
    int partDay = 0;     // working-time lags that were no whole number of days
    int beyond = 0;      // lags cut to the largest the planner keeps
    int unknownType = 0; // types the file gives that MS Project does not have
};

/// The Forerunner link of a file's link to predecessorRow. A working-time lag becomes
/// whole working days of minutesPerDay, rounded to the nearest, at least one when it is
/// not zero; an elapsed lag counts calendar days and takes the working days among them
/// (workingDaysPerWeek of 7); a percent lag is that share of predecessorDays. Changes
/// are counted in changes.
LinkItem LinkItemOf(const Link &link, int predecessorRow, int predecessorDays, int minutesPerDay,
                    int workingDaysPerWeek, LinkChanges &changes);

/// One line saying how many of links were changed and how, or the empty text.
QString LinkChangesText(const LinkChanges &changes, int links);

/// What the export writes for a link: Type, LinkLag (tenths of a minute of working time)
/// and LagFormat (days).
struct ExportedLink {
    int type = FinishToStart;
    qint64 lag = 0;
    int lagFormat = LagFormatDays;
};
ExportedLink ExportedLinkOf(const LinkItem &link, int minutesPerDay);

} // namespace morvaine::msp
