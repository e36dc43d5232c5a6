#include "gantt_chart.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace morvaine {

GanttChart::GanttChart(Project &project, QWidget *parent)
    : QAbstractScrollArea(parent), m_project(project)
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
}

int GanttChart::topRow() const { return verticalScrollBar()->value(); }

void GanttChart::setTopRow(int row) { verticalScrollBar()->setValue(row); }

int GanttChart::leftColumn() const { return horizontalScrollBar()->value(); }

void GanttChart::setLeftColumn(int column) { horizontalScrollBar()->setValue(column); }

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

void GanttChart::paintCell(QPainter &painter, int, int row, const QRect &rect)
{
    static const QColor background(0xFF, 0xFF, 0xFF);
    static const QColor band(0xF1, 0xEF, 0xE2);
    static const QColor line(0xAC, 0xA8, 0x99);

    const bool banded = row >= 1 && row <= m_project.LastTaskRow && row % 2 == 0;
    painter.fillRect(rect, banded ? band : background);
    if (row == 0) {
        painter.setPen(line);
        painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
        painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    }
}

void GanttChart::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    const int firstColumn = leftColumn() + qMax(0, dirty.left()) / ColumnWidth;
    const int lastColumn = qMin(Columns - 1, leftColumn() + dirty.right() / ColumnWidth);
    const int lastLine = dirty.bottom() / RowHeight;
    for (int line = qMax(0, dirty.top()) / RowHeight; line <= lastLine; ++line) {
        const int row = line == 0 ? 0 : topRow() + line - 1;
        if (row >= Rows) {
            painter.fillRect(QRect(0, line * RowHeight, viewport()->width(), RowHeight),
                             palette().color(QPalette::Window));
            continue;
        }
        for (int column = firstColumn; column <= lastColumn; ++column)
            paintCell(painter, column, row, cellRect(column, row));
    }
}

void GanttChart::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

void GanttChart::scrollContentsBy(int, int) { viewport()->update(); }

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
