#include "chart_hit_test.h"

#include "model/project.h"
#include "views/gantt_ghost.h"

namespace morvaine {

QPoint ChartPointAt(const QPoint &viewportPoint, int leftColumn, int topRow)
{
    const int x = leftColumn * GanttCellWidth + viewportPoint.x();
    // The timescale row stays at the top; the task rows below it scroll.
    const int y = viewportPoint.y() < GanttCellHeight
                      ? viewportPoint.y()
                      : viewportPoint.y() + (topRow - 1) * GanttCellHeight;
    return QPoint(x, y);
}

ChartHit HitTestChart(const GanttIndex &index, int lastTaskRow, const QPoint &chartPoint)
{
    ChartHit hit;
    const TimeAxis &axis = index.axis();
    if (!axis.isValid() || chartPoint.y() < GanttCellHeight)
        return hit;
    const int row = chartPoint.y() / GanttCellHeight;
    if (row > lastTaskRow || row > TaskTable::LastRow)
        return hit;
    const GanttIndex::Row &task = index.row(row);
    if (!task.startRead || !task.endRead || task.end < task.start)
        return hit;
    const qint64 x = chartPoint.x();
    if (task.zeroDays) {
        // The diamond stands at the right end of its day's column.
        const qint64 edge = (axis.columnOf(task.start) + 1) * GanttCellWidth;
        if (x < edge - 9 - MilestoneMargin || x >= edge + MilestoneMargin)
            return hit;
        hit.left = edge - 9;
        hit.right = edge;
        hit.milestone = true;
        hit.part = BarPart::Body;
    } else {
        if (task.kind == GanttIndex::Row::Other)
            return hit; // a row with a mark of its own draws no bar
        // Bars fill whole columns, from the Start's column to the End's.
        hit.left = axis.columnOf(task.start) * GanttCellWidth;
        hit.right = (axis.columnOf(task.end) + 1) * GanttCellWidth;
        if (x < hit.left || x >= hit.right)
            return hit;
        hit.group = task.kind == GanttIndex::Row::Group;
        hit.part = hit.group                         ? BarPart::Body
                   : x < hit.left + BarHandleWidth   ? BarPart::StartHandle
                   : x >= hit.right - BarHandleWidth ? BarPart::End
                                                     : BarPart::Body;
    }
    hit.row = row;
    return hit;
}

} // namespace morvaine
