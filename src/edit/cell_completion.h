#pragma once
// The cells the task grid shows in their final form: a group task's mark, the Level of
// an empty row, a bare Duration's dates and unit, a bare Completion's percent sign.
// They are completed for the cells about to be shown (on screen, a page, a picture),
// before those are painted, so painting itself only reads. Rows never shown stay as
// they were typed.

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Completes the cells of rows firstRow..lastRow, columns firstColumn..lastColumn of the
/// task table, row after row and left to right, as a screen shows them:
/// - Task (1): an empty name gives the row Level "1" and takes the group mark from a
///   named task above it; a named task whose next row lies deeper gets the mark "v";
/// - Duration (2): a bare number gets its row's dates (RecalcRow) and " day"/" days";
///   a text that does not read, or whose dates do not, stays as it is;
/// - Completion (7): a bare number gets " %".
/// The header row and the other columns complete nothing. A cell is written only when
/// its text changes and a completed cell is never written again, so a second call over
/// the same cells writes nothing. A changed group mark asks host to repaint the task
/// grid.
void CompleteRows(Project &project, Host &host, int firstRow, int lastRow, int firstColumn = 0,
                  int lastColumn = TaskTable::Columns - 1);

} // namespace morvaine
