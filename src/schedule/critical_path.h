#pragma once
// Group tasks and the critical path.

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Switches the critical path on or off (tool button and menu item). Switching on
/// recalculates the schedule; switching off clears the marks without one.
void ToggleCriticalPath(Project &project, Host &host);

/// Sets the critical marks from the finished schedule: every task from the project
/// start date to the project end date, and the recorded chain when it reaches the
/// project end (the chain is emptied otherwise).
void MarkCriticalPath(Project &project);

} // namespace morvaine
