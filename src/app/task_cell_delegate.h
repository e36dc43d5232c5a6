#pragma once
// Paints the task grid's cells through the grid and gives them a plain line editor
// that reports every change of its text.

#include <QStyledItemDelegate>

namespace morvaine {

class TaskGrid;

class TaskCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TaskCellDelegate(TaskGrid *grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    TaskGrid *m_grid;
};

} // namespace morvaine
