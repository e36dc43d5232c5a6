#pragma once
// Cutting the task table and the Gantt chart into printed pages, and drawing one page
// onto any canvas. Everything is computed from plain values (the printer's resolution
// and page size, the screen's resolution, the task grid's geometry), so pages are laid
// out the same way for a printer, a PDF file, the preview and the tests.

#include <QImage>
#include <QRect>

#include <array>
#include <cstddef>
#include <unordered_map>
#include <vector>

namespace morvaine {

class Canvas;
class Project;

/// The on-screen task grid and chart, as printing and the picture read them.
struct GridGeometry {
    /// Non-fixed task-grid columns shown in full on screen, counted from the leftmost one.
    int visibleColumns = 5;
    /// On-screen widths of the task-table columns; 0 for a hidden column.
    std::array<int, 11> columnWidths{40, 178, 64, 85, 86, 70, 75, 71, 0, 0, 0};
    int rowHeight = 17;        ///< on-screen height of every task-table row
    int chartColumnWidth = 60; ///< on-screen width of a chart column
    int chartRowHeight = 17;   ///< on-screen height of every chart row

    /// The last task-table column printed: V + 1, never beyond column 10.
    int lastPrintedColumn() const { return visibleColumns + 1 < 10 ? visibleColumns + 1 : 10; }
    /// Width of the printed table columns at screen size.
    int printedTableWidth() const;
};

/// The printer, the screen and the on-screen grids, as pagination reads them.
struct PageSetup {
    int dpi = 600;                                ///< printer pixels per inch, both directions
    int pageWidth = 4961;                         ///< printer pixels
    int pageHeight = 7016;                        ///< printer pixels
    int screenPpi = 96;                           ///< screen pixels per inch
    std::array<int, 4> marginsMm{10, 10, 10, 10}; ///< left, top, right, bottom
    GridGeometry grid;

    /// Printer pixels per screen pixel, in single precision.
    float pixelRatio() const { return float(dpi) / float(screenPpi); }
};

/// What one page holds: a row strip, and table columns, chart columns or both.
struct PageContent {
    int firstRow = 0, lastRow = 0;
    int firstColumn = 0, lastColumn = -1; ///< table columns; none when lastColumn < firstColumn
    int firstChartColumn = 0, chartColumns = 0;
    bool hasTable() const { return lastColumn >= firstColumn; }
};

/// The page layout of one project on one printer: row strips down, column strips
/// across, pages numbered down the row strips first.
class Pagination {
public:
    /// Lays out rows 0..lastTaskRow and chartColumns chart columns (CountChartColumns).
    Pagination(const PageSetup &setup, int lastTaskRow, int chartColumns);

    const PageSetup &setup() const { return m_setup; }
    int lastTaskRow() const { return m_lastTaskRow; }
    int rowStrips() const { return int(m_rowStripStarts.size()); }
    int tableStrips() const { return int(m_tableStripStarts.size()); }
    int chartStrips() const { return m_chartStrips; }
    /// Chart columns beside the table on its last strip, and on a page of their own.
    int chartBesideTable() const { return m_beside; }
    int chartPerPage() const { return m_perPage; }
    /// CountPages: row strips x (table strips + chart strips).
    int pageCount() const { return rowStrips() * (tableStrips() + m_chartStrips); }
    /// The content of page n (1-based); n must lie within pageCount().
    PageContent page(int n) const;

private:
    PageSetup m_setup;
    int m_lastTaskRow;
    int m_chartColumns;
    std::vector<int> m_rowStripStarts;   // first row of each row strip
    std::vector<int> m_tableStripStarts; // first column of each table column strip
    int m_chartStrips = 0;
    int m_beside = 0;
    int m_perPage = 1;
};

/// Paints the cells a page is made of; bound to the project's table and chart painters.
class PageCellPainter {
public:
    virtual ~PageCellPainter() = default;
    /// Called before rows firstRow..lastRow are painted: completes what painting them
    /// implies (units, group marks), as the screen does before it paints.
    virtual void prepareRows(int /*firstRow*/, int /*lastRow*/) {}
    /// Paints task-table cell (column, row) into rect, scaled from its on-screen size.
    virtual void drawTableCell(int column, int row, Canvas &canvas, const QRect &rect) = 0;
    /// Paints chart cell (column, row) into rect; rect has the on-screen size except in
    /// row 0, the timescale, which is drawn at any size.
    virtual void drawChartCell(int column, int row, Canvas &canvas, const QRect &rect) = 0;
};

/// The distinct cell pictures of one print job, each kept for the whole job: a picture
/// drawn again is handed back as the image kept the first time, which a PDF stores once
/// and refers to from every place it appears.
class SharedPictures {
public:
    /// The kept picture equal to picture; picture itself is kept when it is new.
    const QImage &share(const QImage &picture);
    /// The distinct pictures kept.
    std::size_t count() const { return m_pictures.size(); }

private:
    std::unordered_multimap<std::size_t, QImage> m_pictures; // by a hash of the pixels
};

/// Chart columns the project spans: from the period before the project start to the
/// period holding the project's end; 0 without tasks.
int CountChartColumns(const Project &project);

/// Draws page n of the layout into target on canvas, cells scaled by x from screen
/// pixels to target pixels; the margins shrink with target's width against the page's.
/// Chart cells are drawn as pictures; given pictures, identical ones are drawn as one
/// image. A page beyond the page count draws nothing.
void DrawPage(const Pagination &pages, int n, Canvas &canvas, const QRect &target, float x,
              PageCellPainter &cells, SharedPictures *pictures = nullptr);

} // namespace morvaine
