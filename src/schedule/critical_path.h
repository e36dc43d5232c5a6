#pragma once
// Group tasks and the critical path.

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Switches the critical path on or off (tool button and menu item).
void ToggleCriticalPath(Project &project, Host &host);

} // namespace morvaine
