#pragma once
// The painter of the task table: one cell at a time, on any canvas, at any size.

#include "model/host.h"
#include "model/project.h"

#include <QRect>

namespace morvaine {

class Canvas;

/// Paints cell (column, row) of the task table into rect on canvas, filling the whole rect
/// and ignoring selection and focus. Offsets and the font grow with rect's height against
/// the row's on-screen height (Host::TaskGridRowHeight), so one call serves screen, paper
/// and picture. While painting it completes the cells of the row it shows: an empty task
/// row gets Level "1", group marks are set or cleared (asking host to repaint the task
/// grid, which must therefore only schedule a repaint), a bare Duration gets its dates and
/// " day"/" days", a bare Completion gets " %". A cell is written only when its text
/// changes, and a completed cell is never written again, so painting settles at once.
void DrawTaskCell(Project &project, Host &host, int column, int row, Canvas &canvas,
                  const QRect &rect);

} // namespace morvaine
