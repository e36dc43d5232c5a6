#pragma once
// Putting an imported plan in place of the open project.

#include "model/host.h"
#include "model/project.h"

namespace morvaine::msp {

/// Puts the new project in place of the open one, as opening a file would; fresh is
/// left without its task and resource texts.
void ReplaceProject(Project &project, Host &host, Project &&fresh);

} // namespace morvaine::msp
