#pragma once
// The Gantt chart: 65535 columns by 10000 rows of virtual cells with a
// fixed timescale row at the top. It holds no data; it paints the visible cells
// only, through the chart painter, and scrolls by whole cells.

#include "model/project.h"
#include "views/gantt_ghost.h"
#include "views/gantt_painter.h"
#include "views/live_gantt_index.h"

#include <QAbstractScrollArea>

#include <optional>

namespace morvaine {

class GanttChart : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int Columns = 65535;
    static constexpr int Rows = 10000;
    static constexpr int ColumnWidth = 60;
    static constexpr int RowHeight = 17;

    explicit GanttChart(Project &project, QWidget *parent = nullptr);
    ~GanttChart() override;

    /// The first row shown below the timescale row.
    int topRow() const;
    void setTopRow(int row);
    /// The first column shown.
    int leftColumn() const;
    void setLeftColumn(int column);
    /// Rows below the timescale row, and columns, that are wholly visible.
    int visibleRowCount() const;
    int visibleColumnCount() const;

    /// The rectangle of a cell in viewport coordinates (row 0 is the timescale row).
    QRect cellRect(int column, int row) const;
    /// The cell under a viewport point, or (-1, -1).
    QPoint cellAt(const QPoint &position) const;

    /// The project changed (a recalculation, the critical path, New, Open, the working
    /// days): the whole chart repaints from fresh data. A written cell that the chart
    /// draws from (dates, Duration, links, Completion, group mark, settings) repaints
    /// it as well.
    void projectChanged();
    /// Shows the chart at scale 1 (days), 2 (weeks) or 3 (months) and repaints it whole.
    void setScale(int scale);
    /// Gantt Zoom In (step -1) or Zoom Out (step +1): the new scale, shown and repainted;
    /// nothing, and no repaint, when the scale is already at that end.
    std::optional<int> zoom(int step);
    /// The index the chart paints from, brought up to date with the project first.
    const GanttIndex &index();
    /// Shows a gesture's ghost over the cells (an empty one: none), repainting the cells
    /// under the ghost it replaces and under the new one.
    void setGhost(const GanttGhost &ghost);
    const GanttGhost &ghost() const { return m_ghost; }

signals:
    /// The first row shown changed.
    void topRowChanged(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollRanges();

    Project &m_project;
    LiveGanttIndex m_index;
    GanttGhost m_ghost;
    bool m_repaintAsked = false; // a cell written asked for a whole repaint not yet done
    int m_cellListener = 0;
};

} // namespace morvaine
