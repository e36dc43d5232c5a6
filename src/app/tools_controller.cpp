#include "tools_controller.h"

#include "command_actions.h"
#include "dialogs/report_window.h"
#include "dialogs/resource_dialog.h"
#include "dialogs/settings_dialog.h"
#include "task_grid.h"

namespace morvaine {

ToolsController::ToolsController(Project &project, Host &host, TaskGrid *grid, QWidget *window,
                                 CommandActions &actions)
    : QObject(window), m_taskGrid(grid),
      m_settingsDialog(new SettingsDialog(project, host, window)),
      m_resourceDialog(new ResourceDialog(project, host, window)),
      m_reportWindow(new ReportWindow(project, host, window))
{
    actions.bind("Resource1", this, &ToolsController::onResource);
    actions.bind("Settings1", this, &ToolsController::onSettings);
    actions.bind("TotalReport1", this, &ToolsController::onTotalReport);
}

ToolsController::~ToolsController()
{
    // The dialogs work on the project, which may go before the window deletes its
    // children.
    delete m_reportWindow;
    delete m_resourceDialog;
    delete m_settingsDialog;
}

void ToolsController::onResource()
{
    // A cell being typed into is stored first: its resource list may be what the
    // dialog renames or deletes.
    m_taskGrid->finishEditing();
    m_resourceDialog->exec();
}

void ToolsController::onSettings()
{
    // A date being typed counts before the working days may move it.
    m_taskGrid->finishEditing();
    m_settingsDialog->runModal();
}

void ToolsController::onTotalReport()
{
    // The report reads the cells, the one being typed into included.
    m_taskGrid->finishEditing();
    m_reportWindow->showReport();
}

} // namespace morvaine
