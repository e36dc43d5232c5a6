#pragma once
// The commands that change the structure of the task list: insert, delete, indent and
// outdent a task, and the popup menu's enabled items. Rows are not objects: a task is
// the text of columns 1-9 of its row, so inserting and deleting move texts between rows
// and renumber every Forerunner list so that the links still name the same tasks.

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Commits the cell being edited, then inserts an empty task at the current row.
void InsertTask(Project &project, Host &host);
/// Inserts an empty task at row, moving row..LastTaskRow one row down. Does nothing
/// after LastTaskRow; refused with a beep when the last row of the table holds a task.
void InsertTask(Project &project, Host &host, int row);

/// Commits the cell being edited, then deletes the task of the current row.
void DeleteTask(Project &project, Host &host);
/// Deletes the task of row, moving the rows below it one row up and dropping its links.
/// Does nothing after LastTaskRow.
void DeleteTask(Project &project, Host &host, int row);

/// Commits the cell being edited, then indents the current task.
void IndentTask(Project &project, Host &host);
/// Moves the task of row one outline level deeper; only from the Task column (column 1)
/// of a named task. Refused with a beep when the task would sit more than one level
/// below the task above it.
void IndentTask(Project &project, Host &host, int column, int row);

/// Commits the cell being edited, then outdents the current task.
void OutdentTask(Project &project, Host &host);
/// Moves the task of row one outline level up; only from the Task column of a named task
/// above level 1.
void OutdentTask(Project &project, Host &host, int column, int row);

/// Which items of the task grid's popup menu are enabled.
struct PopupMenuItems {
    bool insertTask = true;
    bool deleteTask = true;
    bool outdent = true;
    bool indent = true;
};

/// Runs before the popup menu opens: inserting and deleting make no sense after a right
/// click on the header row.
PopupMenuItems EnabledPopupItems(const Project &project);

} // namespace morvaine
