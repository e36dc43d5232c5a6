// Putting an imported plan in place of the open project.

#include "ms_project_target.h"

#include "model/new_project.h"

namespace morvaine::msp {

// Puts the new project in place of the open one, as opening a file would. The cells
// are written one by one, so that the windows and the undo history hear of each change
// as of any other write; their texts are moved over, not copied.
void ReplaceProject(Project &project, Host &host, Project &&fresh)
{
    ClearProject(project, true);
    InitNewProject(project, host);
    for (int column = ColTask; column <= ColVeha; ++column)
        for (int row = 1; row <= fresh.LastTaskRow; ++row)
            project.taskTable.takeCell(column, row, fresh.taskTable);
    for (int row = 1; row <= 24; ++row) // the settings, holidays and extra working days
        project.taskTable.takeCell(ColSettings, row, fresh.taskTable);
    for (int row = 1; row < ResourceTable::Rows; ++row) {
        if (fresh.resourceTable.cell(ResColName, row).isEmpty())
            break;
        for (int column = ResColName; column <= ResColAddress; ++column)
            project.resourceTable.takeCell(column, row, fresh.resourceTable);
    }
    project.LastTaskRow = fresh.LastTaskRow;
    project.CriticalChain = std::move(fresh.CriticalChain);
    // An imported plan has not been saved as a project file yet.
    project.settings().markModified();
    host.RepaintTaskGrid();
    host.RepaintChart();
}

} // namespace morvaine::msp
