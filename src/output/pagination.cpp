#include "output/pagination.h"

#include "model/project.h"
#include "schedule/calendar.h"
#include "views/canvas.h"
#include "views/time_axis.h"

#include <algorithm>
#include <cmath>

namespace morvaine {

namespace {

int Trunc(double value)
{
    return static_cast<int>(std::trunc(value));
}

// Printer pixels per millimetre, in single precision as the page layout uses it.
float PixelsPerMm(int dpi)
{
    return float(dpi) * float(1.0 / 254) * 10.0f;
}

// Cuts sizes into strips no larger than room: a size that does not fit starts the next
// strip, one that fills it exactly stays. Returns the first index of each strip and
// leaves the room used on the last strip in used. A single size larger than the room
// gets a strip of its own instead of leaving an empty one before it.
template <typename Size>
std::vector<int> CutStrips(int first, int last, Size size, float ratio, int room, int &used)
{
    std::vector<int> starts{first};
    int acc = 0;
    for (int i = first; i <= last; ++i) {
        acc = Trunc(size(i) * double(ratio) + acc);
        if (acc > room && i > starts.back()) {
            starts.push_back(i);
            acc = Trunc(size(i) * double(ratio));
        }
    }
    used = acc;
    return starts;
}

} // namespace

int GridGeometry::printedTableWidth() const
{
    int width = 0;
    for (int column = 0; column <= lastPrintedColumn(); ++column)
        width += columnWidths[column];
    return width;
}

Pagination::Pagination(const PageSetup &setup, int lastTaskRow, int chartColumns)
    : m_setup(setup), m_lastTaskRow(lastTaskRow), m_chartColumns(chartColumns)
{
    const GridGeometry &grid = setup.grid;
    const float p = setup.pixelRatio();
    const float mm = PixelsPerMm(setup.dpi);
    const int ml = Trunc(setup.marginsMm[0] * double(mm));
    const int mt = Trunc(setup.marginsMm[1] * double(mm));
    const int mr = Trunc(setup.marginsMm[2] * double(mm));
    const int mb = Trunc(setup.marginsMm[3] * double(mm));
    const int usableWidth = setup.pageWidth - ml - mr;
    const int usableHeight = setup.pageHeight - mt - mb;

    int unused = 0;
    m_rowStripStarts = CutStrips(
        0, lastTaskRow, [&](int) { return grid.rowHeight; }, p, usableHeight, unused);
    int lastStripWidth = 0;
    m_tableStripStarts = CutStrips(
        0, grid.lastPrintedColumn(), [&](int c) { return grid.columnWidths[c]; }, p, usableWidth,
        lastStripWidth);

    if (chartColumns <= 0)
        return;
    const double columnWidth = grid.chartColumnWidth * double(p);
    // A table wider than the page leaves no room beside it rather than a negative one.
    m_beside = std::max(0, Trunc((usableWidth - lastStripWidth) / columnWidth));
    if (m_beside >= chartColumns)
        return;
    // A page narrower than one chart column still holds one, cut at its edge.
    m_perPage = std::max(1, Trunc(usableWidth / columnWidth));
    m_chartStrips = (chartColumns - m_beside + m_perPage - 1) / m_perPage;
}

PageContent Pagination::page(int n) const
{
    const int rowStripCount = rowStrips();
    const int columnStrip = (n + rowStripCount - 1) / rowStripCount;
    const int rowStrip = n - (columnStrip - 1) * rowStripCount;

    PageContent page;
    page.firstRow = m_rowStripStarts[rowStrip - 1];
    page.lastRow = rowStrip < rowStripCount ? m_rowStripStarts[rowStrip] - 1 : m_lastTaskRow;

    const int tableStripCount = tableStrips();
    if (columnStrip <= tableStripCount) {
        page.firstColumn = m_tableStripStarts[columnStrip - 1];
        page.lastColumn = columnStrip < tableStripCount ? m_tableStripStarts[columnStrip] - 1
                                                        : m_setup.grid.lastPrintedColumn();
        if (columnStrip == tableStripCount)
            page.chartColumns = std::min(m_beside, m_chartColumns);
    } else {
        page.firstChartColumn = m_beside + m_perPage * (columnStrip - tableStripCount - 1);
        page.chartColumns = std::min(m_perPage, m_chartColumns - page.firstChartColumn);
    }
    return page;
}

int CountChartColumns(const Project &project)
{
    if (project.LastTaskRow == 0)
        return 0;
    const TDateTime start = StrToDate(project.settings().startDate());
    const TDateTime end = std::max(ProjectEndDate(project), start);
    // Through the column holding the project's end.
    const TimeAxis axis(project.GanttScale, qint64(start));
    return int(axis.columnOf(qint64(end)) + 1);
}

namespace {

// Lays out the rows of one pass down the page: each row's height scaled, one pixel more
// while vertical slack lasts, stopping before a row that would reach into the bottom
// margin.
class RowWalker {
public:
    RowWalker(int top, int rowHeight, float x, int slack, int bottomLimit)
        : m_top(top), m_height(Trunc(rowHeight * double(x))), m_slack(slack),
          m_bottomLimit(bottomLimit)
    {
    }
    int top() const { return m_top; }
    int bottom() const { return m_top + m_height + (m_slack > 0 ? 1 : 0); }
    /// Moves to the next row; false when it would not fit.
    bool next()
    {
        m_top = bottom();
        if (m_slack > 0)
            --m_slack;
        return bottom() <= m_bottomLimit;
    }

private:
    int m_top;
    int m_height;
    int m_slack;
    int m_bottomLimit;
};

} // namespace

const QImage &SharedPictures::share(const QImage &picture)
{
    const std::size_t key = qHashBits(picture.constBits(), std::size_t(picture.sizeInBytes()),
                                      std::size_t(picture.width()));
    const auto [first, last] = m_pictures.equal_range(key);
    for (auto it = first; it != last; ++it)
        if (it->second == picture)
            return it->second;
    // A shallow copy: the bitmap drawn into next detaches from it, so it stays as it is.
    return m_pictures.emplace(key, picture)->second;
}

void DrawPage(const Pagination &pages, int n, Canvas &canvas, const QRect &target, float x,
              PageCellPainter &cells, SharedPictures *pictures)
{
    if (n < 1 || n > pages.pageCount())
        return;
    const PageSetup &setup = pages.setup();
    const GridGeometry &grid = setup.grid;
    const PageContent page = pages.page(n);
    cells.prepareRows(page.firstRow, page.lastRow);

    // The margins shrink with the target against the printed page.
    const float k = float(target.width()) / float(setup.pageWidth);
    const auto margin = [&](int mm) {
        return Trunc(mm * double(setup.dpi) * (1.0 / 254) * 10 * double(k));
    };
    const int ml = margin(setup.marginsMm[0]);
    const int mt = margin(setup.marginsMm[1]);
    const int mr = margin(setup.marginsMm[2]);
    const int mb = margin(setup.marginsMm[3]);

    // Rows of a strip that does not end the table stretch to fill the page's height.
    int slack = 0;
    if (page.lastRow < pages.lastTaskRow()) {
        const int h = Trunc(grid.rowHeight * double(x));
        const int room = target.height() - mt - mb;
        const int rows = page.lastRow - page.firstRow + 1;
        if (h > 0 && room / h != rows)
            slack = room - h * rows;
    }

    const int top = target.top() + mt;
    const int bottomLimit = target.height() - mb + target.top();
    const int rightLimit = target.width() - mr + target.left();
    int chartLeft = target.left() + ml;

    if (page.hasTable()) {
        RowWalker rows(top, grid.rowHeight, x, slack, bottomLimit);
        for (int row = page.firstRow; row <= page.lastRow; ++row) {
            int left = target.left() + ml;
            for (int column = page.firstColumn; column <= page.lastColumn; ++column) {
                const int width = grid.columnWidths[column];
                if (width == 0)
                    continue;
                const int right = left + Trunc(width * double(x));
                if (right > rightLimit)
                    break;
                cells.drawTableCell(
                    column, row, canvas,
                    QRect(left, rows.top(), right - left, rows.bottom() - rows.top()));
                left = right;
            }
            if (row < page.lastRow && !rows.next())
                break;
        }
        for (int column = page.firstColumn; column <= page.lastColumn; ++column)
            chartLeft += Trunc(grid.columnWidths[column] * double(x));
    }

    if (page.chartColumns <= 0)
        return;
    // Task-row chart cells are laid out for their on-screen size: each is painted at that
    // size and stretched; the timescale sets its text at the target size itself.
    Bitmap cell(grid.chartColumnWidth, grid.chartRowHeight);
    const QRect cellRect(0, 0, grid.chartColumnWidth, grid.chartRowHeight);
    RowWalker rows(top, grid.chartRowHeight, x, slack, bottomLimit);
    for (int row = page.firstRow; row <= page.lastRow; ++row) {
        int left = chartLeft;
        for (int i = 0; i < page.chartColumns; ++i) {
            const int right = left + Trunc(grid.chartColumnWidth * double(x));
            if (right > rightLimit)
                break;
            const QRect rect(left, rows.top(), right - left, rows.bottom() - rows.top());
            const int column = page.firstChartColumn + i;
            if (row == 0) {
                cells.drawChartCell(column, row, canvas, rect);
            } else {
                cells.drawChartCell(column, row, cell.canvas(), cellRect);
                canvas.stretchDraw(rect, pictures ? pictures->share(cell.image()) : cell.image());
            }
            left = right;
        }
        if (row < page.lastRow && !rows.next())
            break;
    }
}

} // namespace morvaine
