#pragma once
// Schedule recalculation: one row's Duration, Start and End, and the whole schedule.

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Brings row into agreement after a change of its Duration (2), Start (3) or End (4);
/// any other column does nothing. May ask the two project-start questions.
void RecalcRow(Project &project, Host &host, int column, int row);

/// Refits group tasks, pushes successors behind their predecessors, reports bad
/// links, sets the critical marks and asks for the chart to be repainted.
void RecalcSchedule(Project &project, Host &host);

} // namespace morvaine
