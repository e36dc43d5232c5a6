#include "critical_path.h"

#include "calendar.h"
#include "date_text.h"
#include "recalc.h"

#include <algorithm>

namespace morvaine {

void MarkCriticalPath(Project &project)
{
    const DateCodec dates;
    const TaskTable &table = project.taskTable;
    const TDateTime end = ProjectEndDate(project);
    const TDateTime start = dates.read(project.settings().startDate());
    std::vector<int> &marks = project.CriticalMarks;
    if (project.CriticalPathOn) {
        std::fill(marks.begin(), marks.end(), -1);
        for (int row = 1; row <= project.LastTaskRow; ++row)
            if (!table.cell(ColStart, row).isEmpty() &&
                dates.read(table.cell(ColStart, row)) == start &&
                dates.read(table.cell(ColEnd, row)) == end)
                marks[row] = 1;
    }
    QList<int> &chain = project.CriticalChain;
    if (!chain.isEmpty() && dates.read(table.cell(ColEnd, chain.last())) != end)
        chain.clear();
    if (project.CriticalPathOn)
        for (int row : chain)
            marks[row] = 1;
}

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
