// Putting an imported plan in place of the open project.

#include "ms_project_target.h"

#include "model/new_project.h"

namespace morvaine::msp {

// Puts the new project in place of the open one, as opening a file would.
void ReplaceProject(Project &project, Host &host, const Project &fresh)
{
    ClearProject(project, true);
    InitNewProject(project, host);
    for (int column = ColTask; column <= ColVeha; ++column)
        for (int row = 1; row <= fresh.LastTaskRow; ++row)
            project.taskTable.setCell(column, row, fresh.taskTable.cell(column, row));
    for (int row = 1; row <= 24; ++row) // the settings, holidays and extra working days
        project.taskTable.setCell(ColSettings, row, fresh.taskTable.cell(ColSettings, row));
    for (int row = 1; row < ResourceTable::Rows; ++row) {
        if (fresh.resourceTable.cell(ResColName, row).isEmpty())
            break;
        for (int column = ResColName; column <= ResColAddress; ++column)
            project.resourceTable.setCell(column, row, fresh.resourceTable.cell(column, row));
    }
    project.LastTaskRow = fresh.LastTaskRow;
    project.CriticalChain = fresh.CriticalChain;
    // An imported plan has not been saved as a project file yet.
    project.settings().markModified();
    host.RepaintTaskGrid();
    host.RepaintChart();
}

} // namespace morvaine::msp
