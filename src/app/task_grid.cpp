#include "task_grid.h"

#include "edit/cell_completion.h"
#include "edit/command_guard.h"
#include "task_cell_delegate.h"
#include "task_table_model.h"
#include "views/canvas.h"
#include "views/task_grid_painter.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

namespace morvaine {

namespace {

// Stands in for the window while none is set: completing cells then asks nothing.
class SilentHost : public Host {
public:
    MsgAnswer MessageBox(const QString &, const QString &, MsgIcon, MsgButtons) override
    {
        return MsgAnswer::Cancel;
    }
} s_silentHost;

// Design widths of the visible columns 0-7; columns 8-10 are hidden.
constexpr int DesignWidths[] = {40, 178, 64, 85, 86, 70, 75, 71};

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

// Reports a new current cell before it becomes current, whoever moves it: a click,
// a key or the program. A refused cell does not become current.
class CellSelectionModel : public QItemSelectionModel {
public:
    CellSelectionModel(QAbstractItemModel *model, TaskGrid *grid)
        : QItemSelectionModel(model, grid), m_grid(grid)
    {
    }

    void setCurrentIndex(const QModelIndex &index,
                         QItemSelectionModel::SelectionFlags command) override
    {
        if (index.isValid() && index != currentIndex() &&
            !m_grid->askToSelect(index.column(), index.row()))
            return;
        QItemSelectionModel::setCurrentIndex(index, command);
    }

private:
    TaskGrid *m_grid;
};

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

    // The corner above the row numbers is cell (0, 0); it selects nothing.
    m_corner = findChild<QAbstractButton *>();
    if (m_corner)
        m_corner->installEventFilter(this);
    // Right clicks on the headers are clicks on row 0 and column 0.
    horizontalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);

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

int TaskGrid::visibleRowCount() const
{
    return qMax(1, viewport()->height() / RowHeight);
}

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

bool TaskGrid::askToSelect(int column, int row)
{
    m_selectionRefused = false;
    emit selectCellRequested(column, row);
    const bool refused = m_selectionRefused;
    m_selectionRefused = false;
    return !refused;
}

QRect TaskGrid::cellRect(int column, int row) const
{
    return visualRect(m_model->index(row, column));
}

QPoint TaskGrid::cellAt(const QPoint &position) const
{
    return QPoint(columnAt(position.x()), rowAt(position.y()));
}

bool TaskGrid::isTaskShortcut(const QKeyEvent *key)
{
    return key->modifiers() == Qt::ControlModifier &&
           (key->key() == Qt::Key_Insert || key->key() == Qt::Key_Delete);
}

void TaskGrid::setEditing(bool on)
{
    setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed
                       : QAbstractItemView::NoEditTriggers);
}

void TaskGrid::paintTaskCell(QPainter &painter, int column, int row, const QRect &rect)
{
    Canvas canvas(painter);
    DrawTaskCell(m_project, TaskGridView{RowHeight, horizontalHeader()->height()}, column, row,
                 canvas, rect);
}

void TaskGrid::completeCells(const QRegion &region)
{
    // The cell under the editor keeps what the user is typing ("5" stays "5" until the
    // editor closes and the cell is shown again).
    const QModelIndex current = currentIndex();
    const bool typing = indexWidget(current) != nullptr;
    const int editedRow = current.row();
    const int editedColumn = current.column();
    Host &host = m_host ? *m_host : s_silentHost;

    // A cell that cannot be completed fails again each time it is shown: its error is
    // shown after the paint, and only once.
    class AfterPaint : public Prompts {
    public:
        explicit AfterPaint(TaskGrid *grid) : m_grid(grid) {}
        MsgAnswer MessageBox(const QString &, const QString &text, MsgIcon, MsgButtons) override
        {
            m_grid->reportPaintError(text);
            return MsgAnswer::Ok;
        }

    private:
        TaskGrid *m_grid;
    } prompts(this);

    // What painting completes follows from earlier commands: it is no step to undo.
    RunCommand(
        prompts,
        [&] {
            const auto complete = [&](int firstRow, int lastRow, int firstColumn, int lastColumn) {
                if (firstRow <= lastRow && firstColumn <= lastColumn)
                    CompleteRows(m_project, host, firstRow, lastRow, firstColumn, lastColumn);
            };
            // The cells of each rectangle as the view paints them: from the row and column
            // under its top left corner to those under its bottom right, or to the last.
            for (const QRect &rect : region) {
                const int firstRow = rowAt(rect.top());
                const int firstColumn = columnAt(rect.left());
                if (firstRow < 0 || firstColumn < 0)
                    continue;
                int lastRow = rowAt(rect.bottom());
                int lastColumn = columnAt(rect.right());
                if (lastRow < 0)
                    lastRow = TaskTable::LastRow;
                if (lastColumn < 0)
                    lastColumn = TaskTable::Columns - 1;
                if (!typing || editedRow < firstRow || editedRow > lastRow ||
                    editedColumn < firstColumn || editedColumn > lastColumn) {
                    complete(firstRow, lastRow, firstColumn, lastColumn);
                    continue;
                }
                complete(firstRow, editedRow - 1, firstColumn, lastColumn);
                complete(editedRow, editedRow, firstColumn, editedColumn - 1);
                complete(editedRow, editedRow, editedColumn + 1, lastColumn);
                complete(editedRow + 1, lastRow, firstColumn, lastColumn);
            }
        },
        CommandKind::Completion);
}

bool TaskGrid::viewportEvent(QEvent *event)
{
    // Painting only reads: the cells about to be shown are completed first.
    if (event->type() == QEvent::Paint)
        completeCells(static_cast<QPaintEvent *>(event)->region());
    return QTableView::viewportEvent(event);
}

void TaskGrid::reportPaintError(const QString &message)
{
    if (m_paintErrorPending || message == m_lastPaintError || !m_host)
        return;
    m_paintErrorPending = true;
    m_lastPaintError = message;
    QTimer::singleShot(0, this, [this, message] {
        m_host->MessageBox(tr("Error"), message, MsgIcon::Error, MsgButtons::Ok);
        m_paintErrorPending = false;
    });
}

void TaskGrid::storeEditorText(int column, int row, const QString &text)
{
    m_lastPaintError.clear();
    // A key typed is a command of its own, kept for the command that commits the cell.
    const CommandScope typing(CommandKind::Typing);
    m_project.taskTable.setCell(column, row, text);
    emit editTextChanged(column, row, text);
}

QLineEdit *TaskGrid::cellEditor() const
{
    return qobject_cast<QLineEdit *>(indexWidget(currentIndex()));
}

void TaskGrid::showEditorText(int column, int row, const QString &text)
{
    if (auto *editor = qobject_cast<QLineEdit *>(indexWidget(m_model->index(row, column))))
        TaskCellDelegate::showText(editor, text);
}

void TaskGrid::finishEditing()
{
    emit editsFinishing();
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TaskGrid::cancelEditing()
{
    const QModelIndex current = currentIndex();
    QWidget *editor = indexWidget(current);
    if (!editor)
        return;
    const QString original = TaskCellDelegate::originalText(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    // Written straight into the table: the text was the cell's own, no typing filter
    // applies to it. The keys typed and taken back leave nothing to undo.
    const CommandScope typing(CommandKind::Typing);
    m_project.taskTable.setCell(current.column(), current.row(), original);
}

bool TaskGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (!QTableView::edit(index, trigger, event))
        return false;
    // A typed key replaces the text, as in a spreadsheet; F2 and a double click edit
    // in place, the cursor at the end.
    if (trigger != AnyKeyPressed) {
        if (auto *editor = qobject_cast<QLineEdit *>(indexWidget(index))) {
            editor->deselect();
            editor->end(false);
        }
    }
    return true;
}

void TaskGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab and Backtab in the editor move on like Tab in the grid; the next cell opens
    // no editor of its own (it may be a date or a group task's cell).
    if (hint != QAbstractItemDelegate::EditNextItem &&
        hint != QAbstractItemDelegate::EditPreviousItem) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    const QModelIndex next = moveCursor(
        hint == QAbstractItemDelegate::EditNextItem ? MoveNext : MovePrevious, Qt::NoModifier);
    if (next.isValid())
        selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect);
}

void TaskGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
        event->modifiers() == Qt::NoModifier && !indexWidget(currentIndex())) {
        emit clearPressed();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TaskGrid::keyboardSearch(const QString &)
{
    // Typing into a cell that cannot be edited goes nowhere; it never jumps to
    // another cell.
}

void TaskGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint cell = cellAt(event->position().toPoint());
    emit mouseDown(event->button(), cell.x(), cell.y());
    // The right button selects through the editing rules, not through the view.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void TaskGrid::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard)
        at = viewport()->mapToGlobal(cellRect(currentColumn(), currentRow()).center());
    emit contextMenuWanted(at);
    event->accept();
}

bool TaskGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_corner) {
        if (event->type() == QEvent::Paint) {
            QPainter painter(m_corner);
            paintTaskCell(painter, 0, 0, m_corner->rect());
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            emit mouseDown(static_cast<QMouseEvent *>(event)->button(), 0, 0);
            return true;
        }
    }
    const bool columnHeader = watched == horizontalHeader()->viewport();
    const bool rowHeader = watched == verticalHeader()->viewport();
    if (columnHeader || rowHeader || watched == m_corner) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            const QPoint at = mouse->position().toPoint();
            if (columnHeader)
                emit mouseDown(mouse->button(), horizontalHeader()->logicalIndexAt(at), 0);
            else
                emit mouseDown(mouse->button(), 0, verticalHeader()->logicalIndexAt(at));
        } else if (event->type() == QEvent::ContextMenu) {
            emit contextMenuWanted(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}

void TaskGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    keepWholeTopRow();
    emit cellsMoved();
}

void TaskGrid::updateGeometries()
{
    QTableView::updateGeometries();
    keepWholeTopRow();
    emit cellsMoved();
}

void TaskGrid::keepWholeTopRow()
{
    // Scrolled to its end, the view would push the last row down to the bottom edge and
    // cut the top row; the grid, like the chart beside it, always starts with a whole
    // row, so that the two show their rows at the same heights.
    QScrollBar *bar = verticalScrollBar();
    if (bar->value() != bar->maximum())
        return;
    QHeaderView *rows = verticalHeader();
    const int before = rows->offset();
    rows->setOffsetToSectionPosition(bar->value());
    if (rows->offset() == before)
        return;
    viewport()->update();
    updateEditorGeometries();
}

} // namespace morvaine
