#pragma once
// A change of the working week, as the settings dialog makes it.

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Stores mask (seven 'Y'/'N' letters, Monday first) as the project's working days.
/// When it differs from the stored one, every task row with a Duration gets its End
/// counted again over the new week, then the schedule is recalculated and the chart
/// repainted; an unchanged mask writes and recalculates nothing.
void ApplyWorkingDays(Project &project, Host &host, const QString &mask);

} // namespace morvaine
