#pragma once
// A filled-in plan for the output benchmarks: groups of ten (a level-1 group task over
// nine level-2 tasks), each task with a duration, dates within a span of days, two
// predecessors, resources and a completion.

#include "model/convert.h"
#include "model/host.h"
#include "model/new_project.h"
#include "model/project.h"

#include <ctime>
#include <memory>

namespace morvaine {

class QuietHost : public Host {
public:
    int errors = 0;
    MsgAnswer MessageBox(const QString &, const QString &, MsgIcon icon, MsgButtons) override
    {
        if (icon == MsgIcon::Error)
            ++errors;
        return MsgAnswer::Ok;
    }
};

/// tasks rows whose dates lie within spanDays days from the project start.
inline std::unique_ptr<Project> MakeOutputProject(int tasks, int spanDays, Host &host)
{
    auto project = std::make_unique<Project>();
    InitNewProject(*project, host);
    TaskTable &table = project->taskTable;
    const TDateTime start = StrToDate(project->settings().startDate());
    for (int row = 1; row <= tasks; ++row) {
        const bool group = row % 10 == 1;
        const int length = row % 5 + 1;
        const int first = row % (spanDays - length);
        table.setCell(ColTask, row, QStringLiteral("Task %1 of the plan").arg(row));
        table.setCell(ColDuration, row, QStringLiteral("%1 days").arg(length));
        table.setCell(ColStart, row, DateToStr(start + first));
        table.setCell(ColEnd, row, DateToStr(start + first + length - 1));
        if (row > 2)
            table.setCell(ColForerunner, row, QStringLiteral(" %1; %2;").arg(row - 2).arg(row - 1));
        table.setCell(ColResource, row, QStringLiteral(" Anna; Bob;"));
        table.setCell(ColCompletion, row, QStringLiteral("%1 %").arg(row % 101));
        table.setCell(ColLevel, row, group ? QStringLiteral("1") : QStringLiteral("2"));
    }
    project->LastTaskRow = tasks;
    return project;
}

/// Processor time of this thread, so that other load on the machine does not skew ratios.
inline double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

} // namespace morvaine
