#pragma once
// Typing into the task grid: the per-keystroke filter, the commit of a cell when the
// selection leaves it, the Enter key and the right mouse button.

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// The in-cell editor's whole text for (column, row) after a change, or when the editor
/// closes. Stores the filtered text in the cell and returns it; the editor shows the
/// returned text when it differs from its own. Beeps for a refused Forerunner character.
/// A text longer than a project file holds in a cell is cut to fit, with a message.
QString FilterTypedText(Project &project, Host &host, int column, int row, const QString &text);

/// Runs before the task grid's selection moves to (column, row), by mouse, key or program:
/// places or hides the date picker, switches editing, commits the cell being left and
/// starts tracking the new one. Returns false, doing nothing, for a cell that cannot be
/// selected (the fixed row and column, the hidden columns 8-10).
/// Throws ConversionError when the commit meets a text that is not a number or a date;
/// the tracking has moved on to the new cell all the same. An unreadable date in the cell
/// entered is thrown after every step, with the picker hidden so the text can be retyped.
bool CommitAndSelectCell(Project &project, Host &host, int column, int row);

/// Takes the tracked cell's text afresh after the program, not the user, changed it
/// (rows moved, a file opened), so that leaving the cell commits nothing. Returns
/// whether a task cell is being tracked.
bool RetrackCell(Project &project);

/// Commits the cell being edited as leaving it would, without moving the selection.
void CommitEditedCell(Project &project, Host &host);

/// Delete or Backspace on the current cell (column, row) while no editor is open: the
/// cell is emptied as if its text had been typed away and committed at once, as leaving
/// it would commit it. Dates (which change through the picker) and a group task's
/// derived cells stay. Returns whether the cell was cleared.
bool ClearCell(Project &project, Host &host, int column, int row);

/// A key typed in the task grid while no editor is open (key is a Qt::Key value).
/// Enter selects the next row in the same column; returns whether it did.
bool MoveDownOnEnter(Host &host, int key);

/// The right mouse button went down over cell (column, row) of the task grid; column or
/// row -1 when no cell lies under the mouse. Selects the cell (column 1 for the number
/// column) or records a click on the header row; the popup menu opens afterwards.
void SelectRightClickedCell(Project &project, Host &host, int column, int row);

} // namespace morvaine
