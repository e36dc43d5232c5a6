#pragma once
// A new project starting on Monday 6 May 2024, with helpers to write tasks and resources.

#include "model/new_project.h"
#include "recording_host.h"

#include <memory>

namespace morvaine {

struct ReportFixture {
    std::unique_ptr<Project> owned = std::make_unique<Project>();
    Project &project = *owned;
    RecordingHost host;

    ReportFixture()
    {
        SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        InitNewProject(project, host);
        project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("06.05.2024"));
        project.settings().setValue(SettingsBlock::Currency, QStringLiteral("$"));
    }

    /// A task row with its Duration, dates, Resource list and Completion.
    void task(int row, const QString &duration, const QString &start, const QString &end,
              const QString &resources = {}, const QString &completion = {})
    {
        TaskTable &t = project.taskTable;
        t.setCell(ColTask, row, QStringLiteral("Task %1").arg(row));
        t.setCell(ColDuration, row, duration);
        t.setCell(ColStart, row, start);
        t.setCell(ColEnd, row, end);
        t.setCell(ColResource, row, resources);
        t.setCell(ColCompletion, row, completion);
        project.LastTaskRow = qMax(project.LastTaskRow, row);
    }

    void resource(int row, const QString &name, const QString &cost = {},
                  const QString &address = {})
    {
        ResourceTable &r = project.resourceTable;
        r.setCell(ResColName, row, name);
        r.setCell(ResColCost, row, cost);
        r.setCell(ResColAddress, row, address);
    }

    const QString &resourceCell(int column, int row) const
    {
        return project.resourceTable.cell(column, row);
    }
    const QString &taskCell(int column, int row) const
    {
        return project.taskTable.cell(column, row);
    }
};

} // namespace morvaine
