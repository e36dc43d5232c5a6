#pragma once
// The task grid: the task table shown with one fixed header row and one
// fixed row-number column. The grid reports what the editing rules need (a cell
// about to be selected, the editor's text after each change, Enter, the mouse
// buttons) and paints every cell, headers included, through one routine.

#include "model/host.h"
#include "model/project.h"

#include <QTableView>

class QKeyEvent;
class QLineEdit;

namespace morvaine {

class TaskTableModel;

class TaskGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int RowHeight = 17;

    explicit TaskGrid(Project &project, QWidget *parent = nullptr);

    /// The window that completing the cells shown reports to (repaints, errors).
    void setHost(Host *host) { m_host = host; }

    /// The first task row shown below the header row.
    int topRow() const;
    /// Scrolls so that row is the first task row shown.
    void setTopRow(int row);
    /// Task rows that fit wholly below the header row.
    int visibleRowCount() const;

    int currentColumn() const;
    int currentRow() const;
    /// Makes (column, row) the current cell; selectCellRequested is emitted first.
    void selectCell(int column, int row);
    /// Called while selectCellRequested is delivered: the selection stays where it is.
    void refuseSelection() { m_selectionRefused = true; }
    /// The rectangle of a cell in the coordinates of the grid's viewport.
    QRect cellRect(int column, int row) const;
    /// The cell under a point of the viewport, -1 for a coordinate outside every cell.
    QPoint cellAt(const QPoint &position) const;

    /// The task commands' shortcuts (Ctrl+Ins, Ctrl+Del), which the grid's editors and
    /// the date picker leave to the window instead of copying or deleting a word.
    static bool isTaskShortcut(const QKeyEvent *key);

    /// Switches typing into cells on or off.
    void setEditing(bool on);

    /// Paints one cell of the task table, header row and row numbers included.
    void paintTaskCell(QPainter &painter, int column, int row, const QRect &rect);

    /// The open in-cell editor, or null.
    QLineEdit *cellEditor() const;
    /// Stores the in-cell editor's text in the cell, then reports it.
    void storeEditorText(int column, int row, const QString &text);
    /// Shows text in the editor open on (column, row), if any, when it differs from
    /// the editor's own.
    void showEditorText(int column, int row, const QString &text);
    /// Closes an open in-cell editor, keeping its text in the cell.
    void finishEditing();
    /// Closes an open in-cell editor and gives the cell back the text it had when the
    /// editor opened.
    void cancelEditing();

signals:
    /// Another cell is about to become the current one; the current cell is still
    /// the old one while this is delivered. A receiver may refuse it (refuseSelection).
    void selectCellRequested(int column, int row);
    /// The in-cell editor's text after each change and when the editor closes; the
    /// cell already holds it.
    void editTextChanged(int column, int row, const QString &text);
    /// finishEditing() is about to store the editor's text: an editor that stands over
    /// the grid without being the grid's own (the date picker) stores its text now.
    void editsFinishing();
    /// Enter or Return in the grid or in its editor.
    void enterPressed();
    /// Delete or Backspace in the grid while no editor is open.
    void clearPressed();
    /// A mouse button went down over cell (column, row), before the grid handles it:
    /// the header row is row 0, the row numbers column 0, and -1 means no cell.
    void mouseDown(Qt::MouseButton button, int column, int row);
    /// The context menu was asked for, by mouse or keyboard, at a global position.
    void contextMenuWanted(const QPoint &globalPosition);
    /// Cells moved on the screen: scrolled, resized or columns resized.
    void cellsMoved();
    /// The first task row shown changed.
    void topRowChanged(int row);

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyboardSearch(const QString &search) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    bool viewportEvent(QEvent *event) override;

private:
    friend class CellSelectionModel;
    /// Reports a coming selection; false when a receiver refused it.
    bool askToSelect(int column, int row);
    /// Completes the cells under region of the viewport (CompleteRows), all but the one
    /// being typed into; run before that region is painted.
    void completeCells(const QRegion &region);
    void reportPaintError(const QString &message);
    /// Keeps the first row shown whole when scrolled to the end.
    void keepWholeTopRow();

    Project &m_project;
    Host *m_host = nullptr;
    TaskTableModel *m_model;
    QWidget *m_corner = nullptr;
    QString m_lastPaintError;
    bool m_paintErrorPending = false;
    bool m_selectionRefused = false;
    int m_reportedTopRow = 1;
};

} // namespace morvaine
