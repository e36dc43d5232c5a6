#include "task_controller.h"

#include "command_actions.h"
#include "edit/task_structure.h"
#include "task_grid.h"

#include <QAction>
#include <QMenu>

namespace morvaine {

TaskController::TaskController(Project &project, Host &host, TaskGrid *grid, QMenu *popup,
                               CommandActions &actions, QObject *parent)
    : QObject(parent), m_project(project), m_host(host), m_taskGrid(grid), m_actions(actions)
{
    // The Task menu and the popup menu share the four commands.
    for (const char *id : {"InsertNewTask1", "InsertRow1"})
        actions.bind(id, this, &TaskController::onInsertTask);
    for (const char *id : {"DeleteTask1", "DeleteRow1"})
        actions.bind(id, this, &TaskController::onDeleteTask);
    for (const char *id : {"Outdent1", "Outdent2"})
        actions.bind(id, this, &TaskController::onOutdent);
    for (const char *id : {"Indent1", "Indent2"})
        actions.bind(id, this, &TaskController::onIndent);

    connect(grid, &TaskGrid::contextMenuWanted, popup,
            [popup](const QPoint &at) { popup->popup(at); });
    connect(popup, &QMenu::aboutToShow, this, &TaskController::enablePopupItems);
}

void TaskController::onInsertTask()
{
    m_taskGrid->finishEditing();
    InsertTask(m_project, m_host);
}

void TaskController::onDeleteTask()
{
    m_taskGrid->finishEditing();
    DeleteTask(m_project, m_host);
}

void TaskController::onOutdent()
{
    m_taskGrid->finishEditing();
    OutdentTask(m_project, m_host);
}

void TaskController::onIndent()
{
    m_taskGrid->finishEditing();
    IndentTask(m_project, m_host);
}

void TaskController::enablePopupItems()
{
    const PopupMenuItems items = EnabledPopupItems(m_project);
    m_actions.action(QStringLiteral("InsertRow1"))->setEnabled(items.insertTask);
    m_actions.action(QStringLiteral("DeleteRow1"))->setEnabled(items.deleteTask);
    m_actions.action(QStringLiteral("Outdent2"))->setEnabled(items.outdent);
    m_actions.action(QStringLiteral("Indent2"))->setEnabled(items.indent);
}

} // namespace morvaine
