#include "history_controller.h"

#include "command_actions.h"
#include "edit/cell_editing.h"
#include "task_grid.h"

#include <QAction>

namespace morvaine {

HistoryController::HistoryController(Project &project, Host &host, TaskGrid *grid,
                                     CommandActions &actions, QObject *parent)
    : QObject(parent), m_project(project), m_host(host), m_taskGrid(grid), m_actions(actions),
      m_history(project)
{
    actions.bind("Undo1", this, &HistoryController::onUndo);
    actions.bind("Redo1", this, &HistoryController::onRedo);
    updateActions();
}

void HistoryController::onUndo()
{
    m_taskGrid->finishEditing();
    showStep(m_history.undo());
}

void HistoryController::onRedo()
{
    m_taskGrid->finishEditing();
    showStep(m_history.redo());
}

void HistoryController::showStep(std::pair<int, int> cell)
{
    if (cell.first < 0)
        return;
    // The cell being tracked holds its restored text now: nothing was typed into it.
    RetrackCell(m_project);
    m_host.SelectCell(cell.first, cell.second);
    m_host.RepaintTaskGrid();
    m_host.RepaintChart();
}

void HistoryController::documentReplaced()
{
    m_history.clear(!m_project.settings().isModified());
    updateActions();
}

void HistoryController::documentSaved()
{
    if (!m_project.settings().isModified())
        m_history.markSaved();
}

void HistoryController::commandBegins()
{
    m_history.begin(QString(), m_host.CurrentColumn(), m_host.CurrentRow());
}

void HistoryController::commandEnds()
{
    switch (CurrentCommandKind()) {
    case CommandKind::Completion:
        m_history.discard();
        return;
    case CommandKind::Typing:
        m_history.defer();
        return;
    case CommandKind::Step:
        break;
    }
    const QString name = CommandName();
    m_history.rename(name.isEmpty() ? tr("Typing") : name);
    m_history.end();
    updateActions();
}

void HistoryController::updateActions()
{
    QAction *undo = m_actions.action(QStringLiteral("Undo1"));
    QAction *redo = m_actions.action(QStringLiteral("Redo1"));
    undo->setEnabled(m_history.canUndo());
    undo->setText(m_history.canUndo() ? tr("Undo %1").arg(m_history.undoName()) : tr("Undo"));
    redo->setEnabled(m_history.canRedo());
    redo->setText(m_history.canRedo() ? tr("Redo %1").arg(m_history.redoName()) : tr("Redo"));
}

} // namespace morvaine
