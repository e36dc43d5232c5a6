#pragma once
// Cells of the Gantt chart painted into images, for the painter's tests.

#include "gantt_fixture.h"
#include "image_probe.h"

#include "views/gantt_painter.h"

#include <QDate>
#include <QImage>
#include <QPoint>

namespace morvaine {

// Day `day` counted from 1 January 2008 (32 is 1 February).
inline QDate Jan(int day)
{
    return QDate(2008, 1, 1).addDays(day - 1);
}

// One cell of row `row` in the column that holds day.
inline QImage PaintCell(const Project &project, const QDate &day, int row)
{
    const GanttIndex index(project);
    const int column = static_cast<int>(index.axis().columnOf(DayOf(day)));
    return PaintCells(column, 1, row, 1, [&](int c, int r, Canvas &canvas, const QRect &rect) {
        DrawGanttCell(project, index, c, r, canvas, rect);
    });
}

inline bool IsBlack(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

// A pixel of one cell that must be black, or must not.
struct Probe {
    int row;
    QDate day;
    QPoint at;
    bool black;
};

} // namespace morvaine
