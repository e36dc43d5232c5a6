#include "gantt_chart.h"

#include "views/canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace morvaine {

GanttChart::GanttChart(Project &project, QWidget *parent)
    : QAbstractScrollArea(parent), m_project(project), m_index(project)
{
    setObjectName(QStringLiteral("DrawGrid1"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setRange(1, Rows - 1);
    horizontalScrollBar()->setRange(0, Columns - 1);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int row) { emit topRowChanged(row); });
    // A cell the chart draws from repaints it, so that a bar shows as soon as its task
    // has one; the index itself hears the same writes and reads those rows again.
    m_cellListener = m_project.taskTable.addListener([this](int column, int, const QString &,
                                                            const QString &) {
        // A recalculation writes thousands of cells: one request is enough.
        if (!m_repaintAsked && column != ColTask && column != ColResource && column != ColLevel) {
            m_repaintAsked = true;
            viewport()->update();
        }
    });
}

GanttChart::~GanttChart()
{
    m_project.taskTable.removeListener(m_cellListener);
}

int GanttChart::topRow() const
{
    return verticalScrollBar()->value();
}

void GanttChart::setTopRow(int row)
{
    verticalScrollBar()->setValue(row);
}

int GanttChart::leftColumn() const
{
    return horizontalScrollBar()->value();
}

void GanttChart::setLeftColumn(int column)
{
    horizontalScrollBar()->setValue(column);
}

int GanttChart::visibleRowCount() const
{
    return qMax(1, (viewport()->height() - RowHeight) / RowHeight);
}

int GanttChart::visibleColumnCount() const
{
    return qMax(1, viewport()->width() / ColumnWidth);
}

QRect GanttChart::cellRect(int column, int row) const
{
    const int x = (column - leftColumn()) * ColumnWidth;
    const int y = row == 0 ? 0 : (row - topRow() + 1) * RowHeight;
    return QRect(x, y, ColumnWidth, RowHeight);
}

QPoint GanttChart::cellAt(const QPoint &position) const
{
    if (position.x() < 0 || position.y() < 0)
        return QPoint(-1, -1);
    const int column = leftColumn() + position.x() / ColumnWidth;
    const int line = position.y() / RowHeight;
    const int row = line == 0 ? 0 : topRow() + line - 1;
    if (column >= Columns || row >= Rows)
        return QPoint(-1, -1);
    return QPoint(column, row);
}

void GanttChart::projectChanged()
{
    // The index hears every cell written and reads those rows again at the next paint.
    viewport()->update();
}

void GanttChart::setScale(int scale)
{
    m_project.GanttScale = scale;
    projectChanged();
}

std::optional<int> GanttChart::zoom(int step)
{
    const std::optional<int> scale = ZoomedScale(m_project.GanttScale, step);
    if (scale)
        setScale(*scale);
    return scale;
}

const GanttIndex &GanttChart::index()
{
    return m_index.current();
}

void GanttChart::setGhost(const GanttGhost &ghost)
{
    if (ghost == m_ghost)
        return;
    const TimeAxis &axis = index().axis();
    // Chart pixels to the viewport's, for the task rows scrolled into view.
    const QPoint shift(-leftColumn() * ColumnWidth, (1 - topRow()) * RowHeight);
    viewport()->update(GhostBounds(m_ghost, axis).translated(shift));
    m_ghost = ghost;
    viewport()->update(GhostBounds(m_ghost, axis).translated(shift));
}

void GanttChart::paintEvent(QPaintEvent *event)
{
    m_repaintAsked = false;
    QPainter painter(viewport());
    Canvas canvas(painter);
    const GanttIndex &cells = index();
    const QRect dirty = event->rect();
    const int firstColumn = leftColumn() + qMax(0, dirty.left()) / ColumnWidth;
    const int lastColumn = qMin(Columns - 1, leftColumn() + dirty.right() / ColumnWidth);
    const int lastLine = dirty.bottom() / RowHeight;
    for (int line = qMax(0, dirty.top()) / RowHeight; line <= lastLine; ++line) {
        const int row = line == 0 ? 0 : topRow() + line - 1;
        if (row >= Rows) {
            // Below the last row lies the window's own colour, as beside any grid.
            canvas.setBrushColor(palette().color(QPalette::Window));
            canvas.fillRect(QRect(0, line * RowHeight, viewport()->width(), RowHeight));
            continue;
        }
        for (int column = firstColumn; column <= lastColumn; ++column) {
            DrawGanttCell(m_project, cells, column, row, canvas, cellRect(column, row));
            if (!m_ghost.isEmpty())
                DrawGanttGhost(m_ghost, cells.axis(), column, row, canvas, cellRect(column, row));
        }
    }
}

void GanttChart::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

void GanttChart::scrollContentsBy(int, int)
{
    viewport()->update();
}

void GanttChart::updateScrollRanges()
{
    // Like a grid, the chart never scrolls past its last row or column.
    QScrollBar *rows = verticalScrollBar();
    rows->setRange(1, qMax(1, Rows - visibleRowCount()));
    rows->setPageStep(visibleRowCount());
    QScrollBar *columns = horizontalScrollBar();
    columns->setRange(0, qMax(0, Columns - visibleColumnCount()));
    columns->setPageStep(visibleColumnCount());
}

} // namespace morvaine
