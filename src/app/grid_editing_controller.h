#pragma once
// Typing into the task grid: the grid's events and the in-grid date picker, forwarded
// to the editing rules, each as one user command. Also keeps the two grids on the same
// top row.

#include "model/host.h"
#include "model/project.h"

#include <QObject>

class QDate;
class QModelIndex;

namespace morvaine {

class DateField;
class GanttChart;
class TaskGrid;

class GridEditingController : public QObject {
    Q_OBJECT
public:
    /// Places a hidden date picker on the task grid and listens to both grids.
    GridEditingController(Project &project, Host &host, TaskGrid *grid, GanttChart *chart,
                          QObject *parent);

    /// The date picker over the task grid's Start and End cells.
    DateField *datePicker() const { return m_datePicker; }

    /// Shows the date picker over a cell of the task grid.
    void showDatePicker(int column, int row);
    /// Hides the date picker.
    void hideDatePicker();
    /// Sets the picker's date without counting it as the user's change.
    void setPickerDate(TDateTime date);

    /// Before the selection moves; false keeps it where it is.
    bool onSelectCell(int column, int row);
    /// The editor's text changed; returns the text the typing filter left.
    QString onEditText(int column, int row, const QString &text);
    /// Enter in the grid or its editor: on to the next row.
    void onEnterPressed();
    /// Delete or Backspace on a cell with no editor open: the cell is cleared.
    void onClearPressed();
    /// A mouse button went down over a cell (-1: none); a right click selects it.
    void onMouseDown(Qt::MouseButton button, int column, int row);
    /// The user picked a date.
    void onPickerDateChanged(const QDate &date);
    /// The picker's calendar opened.
    void onPickerDropDown();
    /// The picker's calendar closed.
    void onPickerCloseUp();
    /// A key typed in the picker; true when it was used.
    bool onPickerKey(int key);
    /// The task grid scrolled: the chart follows to the same top row.
    void onGridScrolled();
    /// The chart scrolled: the task grid follows.
    void onChartScrolled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Keeps the picker over its cell while the grid scrolls or resizes.
    void placeDatePicker();
    /// Shows the date of the picker's cell (the project start for an empty cell).
    void showCellDate();
    /// Cells of the task table changed: the picker shows its cell's date again once
    /// the command that changed them is over.
    void onCellsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    /// Queues showCellDate() once.
    void showCellDateSoon();
    /// Takes the date typed into the picker as the user's change, if it is one. A text
    /// that is no date is refused with a message and the picker shows its cell's date
    /// again; returns false then.
    bool commitTypedDate();
    /// Whether the keyboard is in the task grid, its editor or the picker.
    bool gridHasFocus() const;

    Project &m_project;
    Host &m_host;
    TaskGrid *m_taskGrid;
    GanttChart *m_ganttChart;
    DateField *m_datePicker;
    // The cell the picker stands over; -1 while it is hidden.
    int m_pickerColumn = -1;
    int m_pickerRow = -1;
    bool m_cellDateDue = false; // showCellDate() is queued
};

} // namespace morvaine
