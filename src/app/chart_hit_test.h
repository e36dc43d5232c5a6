#pragma once
// What lies under the mouse on the Gantt chart: which task's bar, and which part of it
// (its body, its right end, the handle at its start). Bars are found where the chart
// draws them, through its time axis, at every scale and wherever it is scrolled.

#include "views/gantt_painter.h"

#include <QPoint>

namespace morvaine {

/// The part of a bar a point lies on, and so what pressing there starts: the body moves
/// the task (or, pulled up or down, links it), the right end stretches it, the start
/// handle links it.
enum class BarPart { None, Body, End, StartHandle };

/// Pixels at each end of a bar that are its start handle and its right end.
inline constexpr int BarHandleWidth = 6;
/// Pixels beside a milestone's diamond that still count as on it.
inline constexpr int MilestoneMargin = 3;

struct ChartHit {
    int row = 0; ///< the task row; 0 when no bar lies under the point
    BarPart part = BarPart::None;
    bool group = false;     ///< a group task's bracket (fitted to its sub-tasks)
    bool milestone = false; ///< a milestone's diamond
    qint64 left = 0;        ///< the bar's first chart pixel column
    qint64 right = 0;       ///< one past its last
};

/// The chart pixel (see gantt_ghost.h) under a point of the chart's viewport when the
/// chart shows leftColumn first and task row topRow below its timescale row.
QPoint ChartPointAt(const QPoint &viewportPoint, int leftColumn, int topRow);

/// The bar of a task row up to lastTaskRow under a chart pixel, as index draws it;
/// rows without a bar, and the timescale row, hold none.
ChartHit HitTestChart(const GanttIndex &index, int lastTaskRow, const QPoint &chartPoint);

} // namespace morvaine
