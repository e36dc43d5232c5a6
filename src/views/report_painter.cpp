#include "views/report_painter.h"

#include "views/canvas.h"
#include "views/view_style.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace morvaine {

namespace {

const QColor SectionBandColor{0xA6, 0xCA, 0xF0};
const QColor FigureColor{0x80, 0x80, 0x80};

constexpr int TitleRow = 1;
constexpr int FooterRow = 28;
constexpr int FirstFramedColumn = 1;
constexpr int LastFramedColumn = 7;

bool isSectionTitleRow(int row)
{
    return row == 3 || row == 14 || row == 21;
}
bool isSectionBottomRow(int row)
{
    return row == 12 || row == 19 || row == 26;
}
bool isLabelRow(int row)
{
    return row == 5 || row == 9 || row == 16 || row == 23;
}
bool isFigureRow(int row)
{
    return row == 7 || row == 11 || row == 18 || row == 25;
}
bool isFramedRow(int row)
{
    return (row >= 3 && row <= 12) || (row >= 14 && row <= 19) || (row >= 21 && row <= 26);
}

// The font's height as a negative pixel count, as the font size in points gives it on
// the device drawn on.
int PointsToFontHeight(Canvas &canvas, int points)
{
    const QPaintDevice *device = canvas.painter().device();
    const int dpi = device ? device->logicalDpiY() : 96;
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

// The band from the left edge of column 1 to the right edge of column 7 in the row of
// rect, found from the cell being painted; its top moved down so that text of the given
// size sits vertically centred in the row.
QRect BandRect(const ReportGrid &grid, int column, const QRect &rect, Canvas &canvas, int points)
{
    int left = rect.left();
    for (int c = column; c < FirstFramedColumn; ++c)
        left += grid.columnWidths[c];
    for (int c = FirstFramedColumn; c < column; ++c)
        left -= grid.columnWidths[c];
    int width = 0;
    for (int c = FirstFramedColumn; c <= LastFramedColumn; ++c)
        width += grid.columnWidths[c];
    const int down = (rect.height() + PointsToFontHeight(canvas, points)) / 2;
    return QRect(left, rect.top() + down, width, rect.height() - down);
}

} // namespace

void DrawReportCell(const ReportGrid &grid, int column, int row, Canvas &canvas, const QRect &rect)
{
    canvas.setFontName(ViewFontFace());
    const QString &text = grid.cell(column, row);
    const bool framedColumn = column >= FirstFramedColumn && column <= LastFramedColumn;

    if (row == TitleRow) {
        canvas.setFontSize(12);
        canvas.setFontStyle(FontStyle::Bold);
        canvas.textRect(BandRect(grid, column, rect, canvas, 12), grid.cell(4, TitleRow),
                        TextAlign::Center);
    }
    if (isSectionTitleRow(row) && framedColumn) {
        const QColor brush = canvas.brushColor();
        canvas.setBrushColor(SectionBandColor);
        canvas.fillRect(rect);
        canvas.setBrushColor(brush);
        canvas.setFontSize(10);
        canvas.setFontStyle(FontStyle::Bold);
        canvas.textRect(BandRect(grid, column, rect, canvas, 10).adjusted(5, 0, 0, 0),
                        grid.cell(1, row), TextAlign::Left);
    }
    if (isLabelRow(row) || row == FooterRow) {
        canvas.setFontSize(8);
        canvas.setFontStyle(FontStyle::Regular);
        canvas.textRect(rect, text, TextAlign::Center);
    }
    if (isFigureRow(row)) {
        const QColor color = canvas.fontColor();
        canvas.setFontColor(FigureColor);
        canvas.setFontSize(14);
        canvas.setFontStyle(FontStyle::Bold);
        canvas.textRect(rect, text, TextAlign::Center);
        canvas.setFontColor(color);
    }

    // The frames: lines leave out their end point, so the right and bottom edges are
    // drawn on the first pixel beyond the cell.
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    if (framedColumn && isSectionTitleRow(row)) {
        canvas.moveTo(rect.left(), rect.top());
        canvas.lineTo(right, rect.top());
    }
    if (framedColumn && isSectionBottomRow(row)) {
        canvas.moveTo(rect.left(), bottom);
        canvas.lineTo(right, bottom);
    }
    if (isFramedRow(row) && column == FirstFramedColumn) {
        canvas.moveTo(rect.left(), rect.top());
        canvas.lineTo(rect.left(), bottom);
    }
    if (isFramedRow(row) && column == LastFramedColumn) {
        canvas.moveTo(right, rect.top());
        canvas.lineTo(right, bottom);
    }
}

QRect ReportCellRect(const ReportGrid &grid, int column, int row, QPoint origin)
{
    int left = origin.x();
    for (int c = 0; c < column; ++c)
        left += grid.columnWidths[c];
    int top = origin.y();
    for (int r = 0; r < row; ++r)
        top += grid.rowHeights[r];
    return QRect(left, top, grid.columnWidths[column], grid.rowHeights[row]);
}

void DrawReport(const ReportGrid &grid, QPainter &painter, QPoint origin)
{
    for (int row = 0; row < ReportGrid::Rows; ++row)
        for (int column = 0; column < ReportGrid::Columns; ++column) {
            // A canvas per cell, as a grid hands each cell to its painter afresh.
            Canvas canvas(painter);
            DrawReportCell(grid, column, row, canvas, ReportCellRect(grid, column, row, origin));
        }
}

} // namespace morvaine
