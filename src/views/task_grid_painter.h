#pragma once
// The painter of the task table: one cell at a time, on any canvas, at any size.

#include "model/project.h"

#include <QRect>

namespace morvaine {

class Canvas;

/// What the task painter reads of the on-screen grid: the heights it scales from.
struct TaskGridView {
    /// Height in pixels of a task row on screen.
    int rowHeight = 17;
    /// Height in pixels of the header row (row 0) on screen.
    int headerHeight = 17;
};

/// Paints cell (column, row) of the task table into rect on canvas, filling the whole rect
/// and ignoring selection and focus. Offsets and the font grow with rect's height against
/// the row's on-screen height in view, so one call serves screen, paper and picture.
/// Cells are drawn as they stand: their completion (CompleteRows) runs before.
void DrawTaskCell(const Project &project, const TaskGridView &view, int column, int row,
                  Canvas &canvas, const QRect &rect);

} // namespace morvaine
