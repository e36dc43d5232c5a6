#include "critical_path.h"

#include "recalc.h"

#include <algorithm>

namespace morvaine {

void ToggleCriticalPath(Project &project, Host &host)
{
    if (!project.CriticalPathOn) {
        project.CriticalPathOn = true;
        host.ShowCriticalPathOn(true);
        RecalcSchedule(project, host);
    } else {
        project.CriticalPathOn = false;
        host.ShowCriticalPathOn(false);
        std::fill(project.CriticalMarks.begin(), project.CriticalMarks.end(), -1);
    }
    host.RepaintChart();
}

} // namespace morvaine
