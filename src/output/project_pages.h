#pragma once
// The printed pages and the cell painters of the open project, bound together for the
// print job, the preview and the command line.

#include "model/host.h"
#include "model/project.h"
#include "output/pagination.h"
#include "views/gantt_painter.h"

#include <functional>

namespace morvaine {

/// The task-table and chart painters of a project. Before rows are painted it completes
/// the cells that painting them implies, as the screen does. The chart's index of the
/// project is built once and again only after a task cell changed.
class ProjectCells : public PageCellPainter {
public:
    ProjectCells(Project &project, Host &host);
    ~ProjectCells() override;
    ProjectCells(const ProjectCells &) = delete;
    ProjectCells &operator=(const ProjectCells &) = delete;

    void prepareRows(int firstRow, int lastRow) override;
    void drawTableCell(int column, int row, Canvas &canvas, const QRect &rect) override;
    void drawChartCell(int column, int row, Canvas &canvas, const QRect &rect) override;

private:
    Project &m_project;
    Host &m_host;
    GanttIndex m_index;
    bool m_indexStale = true;
    int m_cellListener;
};

/// The pages of a project as the printer would print them now: the layout is taken
/// afresh at every use, so a change of printer, grid or project shows at once.
class ProjectPages {
public:
    /// setup tells the printer's and the grids' values at the moment of asking.
    ProjectPages(Project &project, Host &host, std::function<PageSetup()> setup);

    PageSetup setup() const { return m_setup(); }
    /// The layout for the current setup and project.
    Pagination layout() const;
    /// CountPages.
    int CountPages() const { return layout().pageCount(); }
    /// DrawPage with the project's painters; nothing for a page beyond the count.
    void DrawPage(int n, Canvas &canvas, const QRect &target, float x);
    /// Completes the rows of pages first..last of layout, each row strip once.
    void prepare(const Pagination &layout, int first, int last);
    /// Draws pages with one layout, so that a long job lays out the project once; a job
    /// that keeps pictures draws identical chart cells as one image.
    void DrawPage(const Pagination &layout, int n, Canvas &canvas, const QRect &target, float x,
                  SharedPictures *pictures = nullptr);

private:
    Project &m_project;
    std::function<PageSetup()> m_setup;
    ProjectCells m_cells;
};

} // namespace morvaine
