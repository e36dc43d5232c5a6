#pragma once
// Paints the task grid's cells through the grid and gives them a plain line editor
// that reports every change of its text. Enter, Escape and the task shortcuts typed
// in the editor go to the grid, as they would without an editor.

#include <QStyledItemDelegate>

class QLineEdit;

namespace morvaine {

class TaskGrid;

class TaskCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TaskCellDelegate(TaskGrid *grid);

    /// The cell's text when editor opened, given back when the editing is cancelled.
    static QString originalText(const QWidget *editor);
    /// Puts text into editor when it differs, keeping the cursor where it was or at the
    /// end when the text got shorter.
    static void showText(QLineEdit *editor, const QString &text);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TaskGrid *m_grid;
};

} // namespace morvaine
