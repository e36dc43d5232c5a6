#pragma once
// What the Gantt chart shows of a mouse gesture under way: a task's bar outlined at the
// days it would take, and the line of a link being drawn with the bar it would reach.
// The chart draws it over its cells from this value alone; the cells themselves stay as
// the project says until the gesture is dropped.
//
// Places on the chart are given in chart pixels: x from the left edge of column 0, y
// from the top edge of row 0 (the timescale row), each cell 60 x 17 pixels, whatever
// part of the chart is scrolled into view.

#include "views/time_axis.h"

#include <QPoint>
#include <QRect>

namespace morvaine {

class Canvas;

inline constexpr int GanttCellWidth = 60;
inline constexpr int GanttCellHeight = 17;

/// The chart x where a day begins. A column's width is shared evenly among the days of
/// its period, so at day scale a day is its whole column and at week and month scale a
/// few pixels of it.
qint64 DayLeftX(const TimeAxis &axis, qint64 day);
/// The day whose share of its column holds chart x.
qint64 DayAtX(const TimeAxis &axis, qint64 x);

struct GanttGhost {
    /// An outline on a task row around days first to last; a milestone's is a diamond
    /// at the right end of day first. Row 0: none.
    struct Outline {
        int row = 0;
        qint64 first = 0;
        qint64 last = 0;
        bool milestone = false;
        bool operator==(const Outline &) const = default;
    };
    /// The bar being moved or stretched, or the bar a link being drawn would reach.
    Outline outline;
    /// The link being drawn, from one chart pixel to another, when hasLine.
    bool hasLine = false;
    QPoint lineFrom;
    QPoint lineTo;

    bool isEmpty() const { return outline.row <= 0 && !hasLine; }
    bool operator==(const GanttGhost &) const = default;
};

/// The chart pixels the ghost draws on (empty for an empty ghost): the cells under it
/// are the ones to repaint when it comes, moves or goes.
QRect GhostBounds(const GanttGhost &ghost, const TimeAxis &axis);

/// Draws the part of the ghost that falls into cell (column, row), painted into rect on
/// canvas after DrawGanttCell. Draws nothing in the timescale row; writes nothing.
void DrawGanttGhost(const GanttGhost &ghost, const TimeAxis &axis, qint64 column, int row,
                    Canvas &canvas, const QRect &rect);

} // namespace morvaine
