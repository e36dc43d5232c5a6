#include "task_grid.h"

#include "task_cell_delegate.h"
#include "task_table_model.h"
#include "command_guard.h"
#include "views/canvas.h"
#include "views/task_grid_painter.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

namespace morvaine {

namespace {

// Stands in for the window while none is set: painting then asks nothing.
class SilentHost : public Host {
public:
    MsgAnswer MessageBox(const QString &, const QString &, MsgIcon, MsgButtons) override
    {
        return MsgAnswer::Cancel;
    }
} s_silentHost;

// Design widths of the visible columns 0-7; columns 8-10 are hidden.
constexpr int DesignWidths[] = {40, 178, 64, 85, 86, 70, 75, 71};

// Reports a new current cell before it becomes current, whoever moves it: a click,
// a key or the program.
class CellSelectionModel : public QItemSelectionModel {
public:
    CellSelectionModel(QAbstractItemModel *model, TaskGrid *grid)
        : QItemSelectionModel(model, grid), m_grid(grid)
    {
    }

    void setCurrentIndex(const QModelIndex &index,
                         QItemSelectionModel::SelectionFlags command) override
    {
        if (index.isValid() && index != currentIndex())
            emit m_grid->selectCellRequested(index.column(), index.row());
        QItemSelectionModel::setCurrentIndex(index, command);
    }

private:
    TaskGrid *m_grid;
};

// The fixed header row and row-number column, painted by the grid's cell painter.
class TaskGridHeader : public QHeaderView {
public:
    TaskGridHeader(Qt::Orientation orientation, TaskGrid *grid)
        : QHeaderView(orientation, grid), m_grid(grid)
    {
    }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        painter->save();
        if (orientation() == Qt::Horizontal)
            m_grid->paintTaskCell(*painter, logicalIndex, 0, rect);
        else
            m_grid->paintTaskCell(*painter, 0, logicalIndex, rect);
        painter->restore();
    }

private:
    TaskGrid *m_grid;
};

} // namespace

TaskGrid::TaskGrid(Project &project, QWidget *parent)
    : QTableView(parent), m_project(project), m_model(new TaskTableModel(project.taskTable, this))
{
    setObjectName(QStringLiteral("StringGrid1"));
    setHorizontalHeader(new TaskGridHeader(Qt::Horizontal, this));
    setVerticalHeader(new TaskGridHeader(Qt::Vertical, this));
    setModel(m_model);
    QItemSelectionModel *defaultSelection = selectionModel();
    setSelectionModel(new CellSelectionModel(m_model, this));
    delete defaultSelection;
    setItemDelegate(new TaskCellDelegate(this));

    QFont gridFont(QStringLiteral("MS Sans Serif"));
    gridFont.setPixelSize(11);
    setFont(gridFont);

    // Row 0 and column 0 are shown by the headers, not as cells.
    setRowHidden(0, true);
    setColumnHidden(0, true);

    QHeaderView *rows = verticalHeader();
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(RowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setFixedWidth(DesignWidths[0]);
    rows->setSectionsClickable(false);

    QHeaderView *columns = horizontalHeader();
    columns->setMinimumSectionSize(0);
    columns->setFixedHeight(RowHeight);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    for (int column = ColTask; column <= ColCompletion; ++column)
        setColumnWidth(column, DesignWidths[column]);

    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setEditing(true);

    // The corner above the row numbers is cell (0, 0).
    if (auto *corner = findChild<QAbstractButton *>())
        corner->installEventFilter(this);

    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        const int row = topRow();
        if (row != m_reportedTopRow) {
            m_reportedTopRow = row;
            emit topRowChanged(row);
        }
    });
}

int TaskGrid::topRow() const
{
    const int row = rowAt(0);
    return row < 1 ? 1 : row;
}

void TaskGrid::setTopRow(int row)
{
    // Scrolling is by rows; hidden row 0 does not count as a scroll step.
    verticalScrollBar()->setValue(qMax(0, row - 1));
}

int TaskGrid::visibleRowCount() const { return qMax(1, viewport()->height() / RowHeight); }

int TaskGrid::currentColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : ColTask;
}

int TaskGrid::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : 1;
}

void TaskGrid::selectCell(int column, int row)
{
    const QModelIndex index = m_model->index(row, column);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

QRect TaskGrid::cellRect(int column, int row) const
{
    return visualRect(m_model->index(row, column));
}

void TaskGrid::setEditing(bool on)
{
    m_editing = on;
    setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed
                       : QAbstractItemView::NoEditTriggers);
}

void TaskGrid::paintTaskCell(QPainter &painter, int column, int row, const QRect &rect)
{
    Canvas canvas(painter);
    try {
        if (m_host)
            DrawTaskCell(m_project, *m_host, column, row, canvas, rect);
        else
            DrawTaskCell(m_project, s_silentHost, column, row, canvas, rect);
    } catch (...) {
        reportPaintError(ErrorMessage(std::current_exception()));
    }
}

void TaskGrid::reportPaintError(const QString &message)
{
    // A cell that cannot be completed fails again at every repaint: its message is
    // shown once, after the painting, not in a loop.
    if (m_paintErrorPending || message == m_lastPaintError || !m_host)
        return;
    m_paintErrorPending = true;
    m_lastPaintError = message;
    QTimer::singleShot(0, this, [this, message] {
        m_host->MessageBox(QStringLiteral("Error"), message, MsgIcon::Error, MsgButtons::Ok);
        m_paintErrorPending = false;
    });
}

void TaskGrid::storeEditorText(int column, int row, const QString &text)
{
    m_lastPaintError.clear();
    m_project.taskTable.setCell(column, row, text);
    emit editTextChanged(column, row, text);
}

void TaskGrid::finishEditing()
{
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TaskGrid::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(event->button(), event->position().toPoint());
    QTableView::mousePressEvent(event);
}

bool TaskGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched->parent() == this &&
        qobject_cast<QAbstractButton *>(watched)) {
        auto *corner = static_cast<QWidget *>(watched);
        QPainter painter(corner);
        paintTaskCell(painter, 0, 0, corner->rect());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void TaskGrid::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);

    // The cells are painted alike whether selected or not; the grid shows the
    // selected range and the current cell on top.
    QPainter painter(viewport());
    QColor highlight = palette().color(QPalette::Highlight);
    highlight.setAlpha(50);
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange &range : selection) {
        const QRect area = visualRect(range.topLeft()).united(visualRect(range.bottomRight()));
        painter.fillRect(area.intersected(viewport()->rect()), highlight);
    }
    const QModelIndex current = currentIndex();
    if (current.isValid() && !indexWidget(current)) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
        painter.drawRect(visualRect(current).adjusted(0, 0, -1, -1));
    }
}

} // namespace morvaine
