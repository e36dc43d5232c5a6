#include "output/project_pages.h"

#include "edit/cell_completion.h"
#include "views/canvas.h"
#include "views/task_grid_painter.h"

#include <algorithm>

namespace morvaine {

ProjectCells::ProjectCells(Project &project, Host &host)
    : m_project(project), m_host(host),
      m_cellListener(project.taskTable.addListener(
          [this](int, int, const QString &, const QString &) { m_indexStale = true; }))
{
}

ProjectCells::~ProjectCells()
{
    m_project.taskTable.removeListener(m_cellListener);
}

void ProjectCells::prepareRows(int firstRow, int lastRow)
{
    CompleteRows(m_project, m_host, firstRow, lastRow);
}

void ProjectCells::drawTableCell(int column, int row, Canvas &canvas, const QRect &rect)
{
    DrawTaskCell(m_project, TaskGridView(), column, row, canvas, rect);
}

void ProjectCells::drawChartCell(int column, int row, Canvas &canvas, const QRect &rect)
{
    if (m_indexStale || !m_index.isCurrent(m_project)) {
        m_index = GanttIndex(m_project);
        m_indexStale = false;
    }
    DrawGanttCell(m_project, m_index, column, row, canvas, rect);
}

ProjectPages::ProjectPages(Project &project, Host &host, std::function<PageSetup()> setup)
    : m_project(project), m_setup(std::move(setup)), m_cells(project, host)
{
}

Pagination ProjectPages::layout() const
{
    return Pagination(m_setup(), m_project.LastTaskRow, CountChartColumns(m_project));
}

void ProjectPages::DrawPage(int n, Canvas &canvas, const QRect &target, float x)
{
    DrawPage(layout(), n, canvas, target, x);
}

void ProjectPages::prepare(const Pagination &layout, int first, int last)
{
    // Pages N apart hold the same rows, so the first N pages of the range hold them all.
    const int strips = layout.rowStrips();
    for (int n = std::max(first, 1); n <= std::min({last, first + strips - 1, layout.pageCount()});
         ++n) {
        const PageContent page = layout.page(n);
        m_cells.prepareRows(page.firstRow, page.lastRow);
    }
}

void ProjectPages::DrawPage(const Pagination &layout, int n, Canvas &canvas, const QRect &target,
                            float x, SharedPictures *pictures)
{
    morvaine::DrawPage(layout, n, canvas, target, x, m_cells, pictures);
}

} // namespace morvaine
