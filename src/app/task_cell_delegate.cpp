#include "task_cell_delegate.h"

#include "model/project_file.h"
#include "task_grid.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace morvaine {

namespace {

const char OriginalTextProperty[] = "morvaineOriginalText";

} // namespace

TaskCellDelegate::TaskCellDelegate(TaskGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

QString TaskCellDelegate::originalText(const QWidget *editor)
{
    return editor->property(OriginalTextProperty).toString();
}

void TaskCellDelegate::showText(QLineEdit *editor, const QString &text)
{
    if (editor->text() == text)
        return;
    const int cursor = editor->cursorPosition();
    editor->setText(text);
    editor->setCursorPosition(qMin(cursor, int(text.size())));
}

void TaskCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    // The cell painter ignores selection and focus; the grid then marks the current
    // cell with a dotted focus frame inside its lines, so a user moving with the
    // keyboard sees where typing will go.
    painter->save();
    m_grid->paintTaskCell(*painter, index.column(), index.row(), option.rect);
    painter->restore();
    if (index == m_grid->currentIndex()) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -3, -3));
        painter->restore();
    }
}

QWidget *TaskCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    // The typing filter, not the editor, cuts a text too long for a cell, and says so.
    editor->setMaxLength(MaxCellBytes + 1);
    editor->setProperty(OriginalTextProperty, index.data(Qt::EditRole).toString());
    const int column = index.column();
    const int row = index.row();
    connect(editor, &QLineEdit::textEdited, m_grid,
            [grid = m_grid, column, row](const QString &text) {
                grid->storeEditorText(column, row, text);
            });
    return editor;
}

void TaskCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    // Also called when the cell is rewritten while being edited (a typing filter):
    // the editor then shows the corrected text.
    showText(static_cast<QLineEdit *>(editor), index.data(Qt::EditRole).toString());
}

void TaskCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *,
                                    const QModelIndex &index) const
{
    m_grid->storeEditorText(index.column(), index.row(), static_cast<QLineEdit *>(editor)->text());
}

void TaskCellDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &) const
{
    editor->setGeometry(option.rect.adjusted(1, 0, -1, 0));
}

bool TaskCellDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        TaskGrid::isTaskShortcut(static_cast<QKeyEvent *>(event))) {
        // Not taken by the editor: the shortcut runs its command.
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit m_grid->enterPressed();
            return true;
        case Qt::Key_Escape:
            m_grid->cancelEditing();
            return true;
        default:
            break;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

} // namespace morvaine
