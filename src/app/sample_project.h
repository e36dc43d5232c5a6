#pragma once

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Types the sample plan (a family house: groups, links, a milestone, five people)
/// into a new project and schedules it. Messages go to the host.
void BuildSampleProject(Project &project, Host &host);

} // namespace morvaine
