#include "recalc.h"

#include "schedule_engine.h"

namespace morvaine {

void RecalcSchedule(Project &project, Host &host)
{
    ScheduleEngine(project, host, nullptr).recalcSchedule();
}

void RecalcSchedule(Project &project, Host &host, RecalcStats &stats)
{
    stats = RecalcStats();
    ScheduleEngine(project, host, &stats).recalcSchedule();
}

void RecalcGroupTasks(Project &project, Host &host)
{
    ScheduleEngine(project, host, nullptr).recalcGroupTasks();
}

bool LinkAllowed(const Project &project, int p, int s)
{
    const TaskTable &table = project.taskTable;
    if (table.cell(ColDuration, s).isEmpty() || p == s)
        return false;
    auto holds = [&](int group, int row) {
        const int level = StrToInt(table.cell(ColLevel, group));
        for (int c = group + 1; c <= project.LastTaskRow; ++c) {
            if (StrToInt(table.cell(ColLevel, c)) <= level)
                break;
            if (c == row)
                return true;
        }
        return false;
    };
    const QLatin1String mark("v");
    if (table.cell(ColVeha, p) == mark && p < s && holds(p, s))
        return false;
    if (table.cell(ColVeha, s) == mark && s < p && holds(s, p))
        return false;
    return true;
}

} // namespace morvaine
