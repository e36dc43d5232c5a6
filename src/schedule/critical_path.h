#pragma once
// Group tasks and the critical path.

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Switches the critical path on or off (tool button and menu item). Switching on
/// recalculates the schedule; switching off clears the marks without one.
void ToggleCriticalPath(Project &project, Host &host);

} // namespace morvaine
