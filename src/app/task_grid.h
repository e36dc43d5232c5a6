#pragma once
// The task grid StringGrid1: the task table shown with one fixed header row and one
// fixed row-number column. The grid reports what the editing rules need (a cell
// about to be selected, the editor's text after each change) and paints every cell,
// headers included, through one routine.

#include "model/host.h"
#include "model/project.h"

#include <QTableView>

namespace morvaine {

class TaskTableModel;

class TaskGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int RowHeight = 17;

    explicit TaskGrid(Project &project, QWidget *parent = nullptr);

    TaskTableModel *tableModel() const { return m_model; }
    /// The window the cell painter reports to (repaints, errors).
    void setHost(Host *host) { m_host = host; }

    /// The first task row shown below the header row.
    int topRow() const;
    /// Scrolls so that row is the first task row shown.
    void setTopRow(int row);
    /// Task rows that fit wholly below the header row.
    int visibleRowCount() const;

    int currentColumn() const;
    int currentRow() const;
    /// Makes (column, row) the current cell; selectCell is reported first.
    void selectCell(int column, int row);
    /// The rectangle of a cell in the coordinates of the grid's viewport.
    QRect cellRect(int column, int row) const;

    /// Switches typing into cells on or off.
    void setEditing(bool on);
    bool isEditing() const { return m_editing; }

    /// Paints one cell of the task table, header row and row numbers included.
    void paintTaskCell(QPainter &painter, int column, int row, const QRect &rect);

    /// Stores the in-cell editor's text in the cell, then reports it.
    void storeEditorText(int column, int row, const QString &text);
    /// Closes an open in-cell editor, keeping its text in the cell.
    void finishEditing();

signals:
    /// Another cell is about to become the current one; the current cell is still
    /// the old one while this is delivered.
    void selectCellRequested(int column, int row);
    /// The in-cell editor's text after each change and when the editor closes; the
    /// cell already holds it.
    void editTextChanged(int column, int row, const QString &text);
    /// A mouse button went down over the grid, before the grid handles it.
    void mouseDown(Qt::MouseButton button, const QPoint &position);
    /// The first task row shown changed.
    void topRowChanged(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void reportPaintError(const QString &message);

    Project &m_project;
    Host *m_host = nullptr;
    TaskTableModel *m_model;
    QString m_lastPaintError;
    bool m_paintErrorPending = false;
    bool m_editing = true;
    int m_reportedTopRow = 1;
};

} // namespace morvaine
