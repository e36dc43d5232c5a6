#pragma once
// The painter of the total report: one cell of the report grid at a time, on any canvas.

#include "report/total_report.h"

#include <QRect>

namespace morvaine {

class Canvas;

} // namespace morvaine

class QPainter;

namespace morvaine {

/// Paints cell (column, row) of the report grid into rect: the title across columns 1 to
/// 7 of row 1, the light blue section bands with their titles, the labels, the figures in
/// grey and the frames around the three sections. The title and band titles are drawn
/// over their whole band from any of its cells, so cells may be painted in any order and
/// any number of times. Pen, brush and font are set as needed and not restored, except
/// the brush after a band fill and the font colour after a figure.
void DrawReportCell(const ReportGrid &grid, int column, int row, Canvas &canvas, const QRect &rect);

/// The rectangle of cell (column, row) of a grid drawn with its top-left corner at origin.
QRect ReportCellRect(const ReportGrid &grid, int column, int row, QPoint origin = {});

/// Paints every cell of the grid, row by row, each on a canvas of its own over painter,
/// with the grid's top-left corner at origin.
void DrawReport(const ReportGrid &grid, QPainter &painter, QPoint origin = {});

} // namespace morvaine
