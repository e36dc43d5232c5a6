#pragma once
// The plan the Gantt chart benchmarks draw: tasks of one to three days from 1 January
// 2008, each following the one above it and, from row 3 on, one random earlier task of
// the 60 rows above (for 9,999 tasks: 9,998 + 9,997 links, about 20,000), starting the
// day after the later of its predecessors' ends, so that every link is drawn.

#include "model/convert.h"
#include "model/project.h"

#include <QRandomGenerator>

#include <memory>
#include <vector>

namespace morvaine {

inline std::unique_ptr<Project> MakeGanttBenchProject(int tasks)
{
    auto project = std::make_unique<Project>();
    TaskTable &table = project->taskTable;
    const TDateTime start = 39448; // 1 January 2008
    project->settings().setValue(SettingsBlock::StartDate, DateToStr(start));
    project->settings().setValue(SettingsBlock::WorkingDays, QStringLiteral("YYYYYNN"));
    QRandomGenerator random(9999);
    std::vector<TDateTime> ends(tasks + 1, start - 1);
    for (int row = 1; row <= tasks; ++row) {
        const int days = 1 + row % 3;
        QString forerunner;
        TDateTime first = start;
        if (row >= 2) {
            forerunner = QStringLiteral(" %1;").arg(row - 1);
            first = ends[row - 1] + 1;
        }
        if (row >= 3) {
            const int p = qMax(1, row - 2 - random.bounded(59));
            forerunner += QStringLiteral(" %1;").arg(p);
            first = qMax(first, ends[p] + 1);
        }
        ends[row] = first + days - 1;
        table.setCell(ColTask, row, QStringLiteral("Task %1").arg(row));
        table.setCell(ColDuration, row,
                      days == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(days));
        table.setCell(ColStart, row, DateToStr(first));
        table.setCell(ColEnd, row, DateToStr(ends[row]));
        table.setCell(ColForerunner, row, forerunner);
        table.setCell(ColCompletion, row, QStringLiteral("%1 %").arg(row % 101));
        table.setCell(ColLevel, row, QStringLiteral("1"));
    }
    project->LastTaskRow = tasks;
    project->GanttScale = 1;
    return project;
}

} // namespace morvaine
