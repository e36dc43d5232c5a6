#include "task_cell_delegate.h"

#include "task_grid.h"

#include <QLineEdit>
#include <QPainter>

namespace morvaine {

TaskCellDelegate::TaskCellDelegate(TaskGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void TaskCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    // The cell painter ignores selection and focus; the grid marks those itself.
    painter->save();
    m_grid->paintTaskCell(*painter, index.column(), index.row(), option.rect);
    painter->restore();
}

QWidget *TaskCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
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
    auto *line = static_cast<QLineEdit *>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (line->text() != text)
        line->setText(text);
}

void TaskCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *,
                                    const QModelIndex &index) const
{
    m_grid->storeEditorText(index.column(), index.row(),
                            static_cast<QLineEdit *>(editor)->text());
}

void TaskCellDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &) const
{
    editor->setGeometry(option.rect.adjusted(1, 0, -1, 0));
}

} // namespace morvaine
