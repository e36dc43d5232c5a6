#pragma once
// Undo and Redo in the Edit menu. Every user command is one step of the project's undo
// history: the step opens when the command begins and closes when it ends, named after
// the command ("Undo Insert New Task"; commands typed into the grid are "Typing").

#include "edit/command_guard.h"
#include "edit/undo_history.h"
#include "model/host.h"
#include "model/project.h"

#include <QObject>

namespace morvaine {

class CommandActions;
class TaskGrid;

class HistoryController : public QObject, public CommandListener {
    Q_OBJECT
public:
    HistoryController(Project &project, Host &host, TaskGrid *grid, CommandActions &actions,
                      QObject *parent);

    /// The history, for tests.
    const UndoHistory &history() const { return m_history; }

    /// Undo: puts the cells of the last step back and selects the cell where it happened.
    void onUndo();
    /// Redo: replays the step undone last.
    void onRedo();
    /// A new or opened project: nothing to undo, the present state is the one on disk.
    void documentReplaced();
    /// The project was saved: the present state is the one on disk.
    void documentSaved();

    void commandBegins() override;
    void commandEnds() override;

private:
    void showStep(std::pair<int, int> cell);
    void updateActions();

    Project &m_project;
    Host &m_host;
    TaskGrid *m_taskGrid;
    CommandActions &m_actions;
    UndoHistory m_history;
};

} // namespace morvaine
