#pragma once
// A slow reference painter of Gantt chart task rows: every cell reads the texts it needs
// and walks every predecessor list of the project, computing column periods with QDate.
// The real painter must draw the same pixels from its parsed index.

#include "model/project.h"
#include "views/canvas.h"

namespace morvaine {

/// Background, bar piece and connectors of task-row cell (column, row >= 1).
void ReferenceGanttCell(const Project &project, int column, int row, Canvas &canvas,
                        const QRect &rect);

} // namespace morvaine
