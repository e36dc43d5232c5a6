#include "views/gantt_ghost.h"

#include "views/canvas.h"
#include "views/view_style.h"

#include <algorithm>

namespace morvaine {

namespace {

qint64 FloorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The outline frames the bar's rows (4 to 12 of the cell) one pixel outside them.
constexpr int OutlineTop = 3;
constexpr int OutlineBottom = 13;
// A milestone's outline: a diamond of this radius around the diamond the chart draws.
constexpr int DiamondRadius = 6;
// The outline's long sides are dashed, so that it reads as a shadow, not a bar.
constexpr int Dash = 3;

// Plots chart pixels that fall into one cell, on the canvas.
class CellPlotter {
public:
    CellPlotter(Canvas &canvas, const QRect &rect, qint64 column, int row)
        : m_canvas(canvas), m_rect(rect), m_left(column * GanttCellWidth),
          m_top(static_cast<qint64>(row) * GanttCellHeight)
    {
    }
    qint64 left() const { return m_left; }
    qint64 right() const { return m_left + GanttCellWidth - 1; }
    qint64 top() const { return m_top; }
    qint64 bottom() const { return m_top + GanttCellHeight - 1; }

    void plot(qint64 x, qint64 y)
    {
        if (x < left() || x > right() || y < top() || y > bottom())
            return;
        m_canvas.fillRect(QRect(m_rect.x() + static_cast<int>(x - m_left),
                                m_rect.y() + static_cast<int>(y - m_top), 1, 1));
    }

private:
    Canvas &m_canvas;
    QRect m_rect;
    qint64 m_left;
    qint64 m_top;
};

void DrawOutline(const GanttGhost::Outline &outline, const TimeAxis &axis, CellPlotter &cell)
{
    const qint64 rowTop = static_cast<qint64>(outline.row) * GanttCellHeight;
    if (outline.milestone) {
        const qint64 cx = DayLeftX(axis, outline.first + 1) - 5;
        const qint64 cy = rowTop + 8;
        for (int dx = -DiamondRadius; dx <= DiamondRadius; ++dx) {
            const int dy = DiamondRadius - (dx < 0 ? -dx : dx);
            cell.plot(cx + dx, cy - dy);
            cell.plot(cx + dx, cy + dy);
        }
        return;
    }
    const qint64 x0 = DayLeftX(axis, outline.first);
    const qint64 x1 = std::max(x0 + 1, DayLeftX(axis, outline.last + 1)); // exclusive
    const qint64 y0 = rowTop + OutlineTop, y1 = rowTop + OutlineBottom;
    for (qint64 x = std::max(x0, cell.left()); x < x1 && x <= cell.right(); ++x) {
        if ((x - x0) / Dash % 2 == 0 || x == x1 - 1) {
            cell.plot(x, y0);
            cell.plot(x, y1);
        }
    }
    for (qint64 y = y0; y <= y1; ++y) {
        cell.plot(x0, y);
        cell.plot(x1 - 1, y);
    }
}

// A one-pixel line from `from` to `to`, both ends included, each pixel placed by the
// line's own slope whichever cell draws it, so that the pieces of neighbouring cells join.
void DrawLine(QPoint from, QPoint to, CellPlotter &cell)
{
    const bool steep = qAbs(to.y() - from.y()) > qAbs(to.x() - from.x());
    if (steep) {
        from = from.transposed();
        to = to.transposed();
    }
    if (from.x() > to.x())
        std::swap(from, to);
    const qint64 dx = to.x() - from.x(), dy = to.y() - from.y();
    const qint64 low = steep ? cell.top() : cell.left();
    const qint64 high = steep ? cell.bottom() : cell.right();
    for (qint64 u = std::max<qint64>(from.x(), low); u <= std::min<qint64>(to.x(), high); ++u) {
        const qint64 v =
            dx == 0 ? from.y() : from.y() + FloorDiv(2 * (u - from.x()) * dy + dx, 2 * dx);
        if (steep)
            cell.plot(v, u);
        else
            cell.plot(u, v);
    }
}

} // namespace

qint64 DayLeftX(const TimeAxis &axis, qint64 day)
{
    const qint64 column = axis.columnOf(day);
    const ColumnPeriod period = axis.period(column);
    const qint64 days = period.last - period.first + 1;
    // Rounded up, so that DayAtX of a day's first pixel is that day.
    return column * GanttCellWidth + ((day - period.first) * GanttCellWidth + days - 1) / days;
}

qint64 DayAtX(const TimeAxis &axis, qint64 x)
{
    const qint64 column = FloorDiv(x, GanttCellWidth);
    const ColumnPeriod period = axis.period(column);
    const qint64 days = period.last - period.first + 1;
    return period.first + (x - column * GanttCellWidth) * days / GanttCellWidth;
}

QRect GhostBounds(const GanttGhost &ghost, const TimeAxis &axis)
{
    QRect bounds;
    const GanttGhost::Outline &outline = ghost.outline;
    if (outline.row > 0 && axis.isValid()) {
        const int rowTop = outline.row * GanttCellHeight;
        if (outline.milestone) {
            const int cx = static_cast<int>(DayLeftX(axis, outline.first + 1)) - 5;
            bounds = QRect(cx - DiamondRadius, rowTop + 8 - DiamondRadius, 2 * DiamondRadius + 1,
                           2 * DiamondRadius + 1);
        } else {
            const int x0 = static_cast<int>(DayLeftX(axis, outline.first));
            const int x1 = std::max(x0 + 1, static_cast<int>(DayLeftX(axis, outline.last + 1)));
            bounds = QRect(x0, rowTop + OutlineTop, x1 - x0, OutlineBottom - OutlineTop + 1);
        }
    }
    if (ghost.hasLine) {
        const QPoint &a = ghost.lineFrom, &b = ghost.lineTo;
        bounds |= QRect(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())),
                        QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y())));
    }
    return bounds;
}

void DrawGanttGhost(const GanttGhost &ghost, const TimeAxis &axis, qint64 column, int row,
                    Canvas &canvas, const QRect &rect)
{
    if (row <= 0 || ghost.isEmpty() || !axis.isValid())
        return;
    canvas.setBrushColor(TextColor);
    CellPlotter cell(canvas, rect, column, row);
    if (ghost.outline.row == row)
        DrawOutline(ghost.outline, axis, cell);
    if (ghost.hasLine)
        DrawLine(ghost.lineFrom, ghost.lineTo, cell);
}

} // namespace morvaine
