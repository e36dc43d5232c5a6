#pragma once
// The task structure commands of the Task menu, the task grid's popup menu and the
// tool buttons: insert, delete, indent and outdent the current task.

#include "model/host.h"
#include "model/project.h"

#include <QObject>

class QMenu;

namespace morvaine {

class CommandActions;
class TaskGrid;

class TaskController : public QObject {
    Q_OBJECT
public:
    /// popup: the task grid's popup menu, opened by this controller.
    TaskController(Project &project, Host &host, TaskGrid *grid, QMenu *popup,
                   CommandActions &actions, QObject *parent);

    /// Inserts an empty task at the current row.
    void onInsertTask();
    /// Deletes the task of the current row.
    void onDeleteTask();
    /// Moves the current task one outline level up.
    void onOutdent();
    /// Moves the current task one outline level deeper.
    void onIndent();
    /// Enables the popup menu's items before it opens.
    void enablePopupItems();

private:
    Project &m_project;
    Host &m_host;
    TaskGrid *m_taskGrid;
    CommandActions &m_actions;
};

} // namespace morvaine
