#pragma once
// A change of the working calendar, as the settings dialog makes it: the working week,
// the holidays and the extra working days.

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Stores mask (seven 'Y'/'N' letters, Monday first) as the project's working days.
/// When it differs from the stored one, every task row with a Duration gets its End
/// counted again over the new week, then the schedule is recalculated and the chart
/// repainted; an unchanged mask writes and recalculates nothing.
void ApplyWorkingDays(Project &project, Host &host, const QString &mask);

/// The same for the whole calendar: the mask and the two date lists (settings rows 22
/// and 24, in the short date format; both empty leave rows 21-24 empty). When any of
/// the three changed, every End is counted again and the schedule recalculated once.
void ApplyCalendar(Project &project, Host &host, const QString &mask, const QString &holidays,
                   const QString &extraDays);

} // namespace morvaine
