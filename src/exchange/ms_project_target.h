#pragma once
// Putting an imported plan in place of the open project.

#include "model/host.h"
#include "model/project.h"

namespace morvaine::msp {

/// Puts the new project in place of the open one, as opening a file would.
void ReplaceProject(Project &project, Host &host, const Project &fresh);

} // namespace morvaine::msp
