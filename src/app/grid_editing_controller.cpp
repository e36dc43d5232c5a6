#include "grid_editing_controller.h"

#include "edit/cell_editing.h"
#include "edit/command_guard.h"
#include "edit/date_picker.h"
#include "gantt_chart.h"
#include "task_grid.h"

#include "widgets/date_field.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace morvaine {

namespace {

const QDate &epoch()
{
    static const QDate day(1899, 12, 30);
    return day;
}

} // namespace

GridEditingController::GridEditingController(Project &project, Host &host, TaskGrid *grid,
                                             GanttChart *chart, QObject *parent)
    : QObject(parent), m_project(project), m_host(host), m_taskGrid(grid), m_ganttChart(chart)
{
    // The in-grid date picker lives on the task grid, hidden until a date cell is
    // selected. A typed date counts once the user finishes it (Enter, Tab, leaving the
    // cell, a command, the calendar); a half-typed one is no date anybody meant.
    m_datePicker = new DateField(grid->viewport());
    m_datePicker->setObjectName(QStringLiteral("DateTimePicker1"));
    // Over an 85-pixel cell the whole date shows beside the drop-down button.
    m_datePicker->lineEdit()->setFrame(false);
    m_datePicker->hide();
    m_datePicker->lineEdit()->installEventFilter(this);
    grid->installEventFilter(this);
    connect(m_datePicker, &DateField::dateChosen, this,
            &GridEditingController::onPickerDateChanged);
    connect(m_datePicker, &DateField::calendarAboutToShow, this,
            &GridEditingController::onPickerDropDown);
    connect(m_datePicker, &DateField::calendarHidden, this,
            &GridEditingController::onPickerCloseUp);

    connect(grid, &TaskGrid::selectCellRequested, this, [this](int column, int row) {
        if (!onSelectCell(column, row))
            m_taskGrid->refuseSelection();
    });
    connect(grid, &TaskGrid::editTextChanged, this, &GridEditingController::onEditText);
    // Whatever stores the grid's editor first (moving on, saving, a dialog, undo) stores
    // a date typed into the picker too.
    connect(grid, &TaskGrid::editsFinishing, this, &GridEditingController::commitTypedDate);
    connect(grid->model(), &QAbstractItemModel::dataChanged, this,
            &GridEditingController::onCellsChanged);
    connect(grid, &TaskGrid::enterPressed, this, &GridEditingController::onEnterPressed);
    connect(grid, &TaskGrid::clearPressed, this, &GridEditingController::onClearPressed);
    connect(grid, &TaskGrid::mouseDown, this, &GridEditingController::onMouseDown);
    connect(grid, &TaskGrid::cellsMoved, this, &GridEditingController::placeDatePicker);
    connect(grid, &TaskGrid::topRowChanged, this, &GridEditingController::onGridScrolled);
    connect(chart, &GanttChart::topRowChanged, this, &GridEditingController::onChartScrolled);
}

void GridEditingController::showDatePicker(int column, int row)
{
    const bool focus = gridHasFocus();
    m_pickerColumn = column;
    m_pickerRow = row;
    placeDatePicker();
    m_datePicker->raise();
    // Only while the user works in the grid: the picker never takes the keyboard
    // from a dialog or another part of the window.
    if (focus && m_datePicker->isVisible())
        m_datePicker->setFocus();
}

void GridEditingController::hideDatePicker()
{
    m_pickerColumn = m_pickerRow = -1;
    placeDatePicker();
}

void GridEditingController::setPickerDate(TDateTime date)
{
    // A date set by the program is not a change made by the user: the field tells
    // nothing of it.
    m_datePicker->setDate(epoch().addDays(static_cast<qint64>(date)));
}

void GridEditingController::placeDatePicker()
{
    const QRect rect =
        m_pickerColumn < 0 ? QRect() : m_taskGrid->cellRect(m_pickerColumn, m_pickerRow);
    // Scrolled out of sight, the picker hides until its cell comes back.
    const bool visible = rect.isValid() && m_taskGrid->viewport()->rect().intersects(rect);
    if (visible) {
        m_datePicker->setGeometry(rect);
        m_datePicker->show();
        return;
    }
    // The keyboard stays in the grid rather than moving on to the next widget.
    if (m_datePicker->isAncestorOf(QApplication::focusWidget()) || m_datePicker->hasFocus())
        m_taskGrid->setFocus();
    m_datePicker->hide();
}

bool GridEditingController::gridHasFocus() const
{
    const QWidget *focus = m_taskGrid->window()->focusWidget();
    return focus && (focus == m_taskGrid || m_taskGrid->isAncestorOf(focus));
}

bool GridEditingController::commitTypedDate()
{
    if (m_pickerColumn < 0 || !m_datePicker->isVisible())
        return true;
    // A new date reaches the cell through dateChosen.
    if (m_datePicker->finishTyping() != DateField::Finished::Refused)
        return true;
    const QString typed = m_datePicker->lineEdit()->text();
    m_host.MessageBox(
        tr("Error"),
        QCoreApplication::translate("Conversion", "'%1' is not a valid date").arg(typed),
        MsgIcon::Error, MsgButtons::Ok);
    m_datePicker->revert();
    return false;
}

bool GridEditingController::onSelectCell(int column, int row)
{
    // The rules see the editor's or the picker's final text in the cell being left.
    m_taskGrid->finishEditing();
    // After an error the selection moves all the same: the rules tracked the new cell.
    bool allowed = true;
    RunCommand(m_host, [&] { allowed = CommitAndSelectCell(m_project, m_host, column, row); });
    return allowed;
}

QString GridEditingController::onEditText(int column, int row, const QString &text)
{
    QString filtered = text;
    RunCommand(
        m_host, [&] { filtered = FilterTypedText(m_project, m_host, column, row, text); },
        CommandKind::Typing);
    m_taskGrid->showEditorText(column, row, filtered);
    return filtered;
}

void GridEditingController::onEnterPressed()
{
    RunCommand(m_host, [&] {
        m_taskGrid->finishEditing();
        MoveDownOnEnter(m_host, Qt::Key_Return);
    });
}

void GridEditingController::onClearPressed()
{
    RunCommand(m_host, [this] {
        ClearCell(m_project, m_host, m_taskGrid->currentColumn(), m_taskGrid->currentRow());
    });
}

void GridEditingController::onMouseDown(Qt::MouseButton button, int column, int row)
{
    if (button != Qt::RightButton)
        return;
    RunCommand(m_host, [&] {
        m_taskGrid->finishEditing();
        SelectRightClickedCell(m_project, m_host, column, row);
    });
}

void GridEditingController::onPickerDateChanged(const QDate &date)
{
    RunCommand(m_host, [&] {
        WritePickedDate(m_project, m_host, static_cast<TDateTime>(epoch().daysTo(date)));
    });
    // The picker redraws its own text once this returns; a date the rules put back (an
    // early date refused) shows after that.
    showCellDateSoon();
}

void GridEditingController::onCellsChanged(const QModelIndex &topLeft,
                                           const QModelIndex &bottomRight)
{
    if (m_cellDateDue || m_pickerColumn < 0)
        return;
    const auto covers = [&](int column, int row) {
        return topLeft.column() <= column && column <= bottomRight.column() &&
               topLeft.row() <= row && row <= bottomRight.row();
    };
    // An empty cell shows the project start, which the settings dialog may move.
    if (covers(m_pickerColumn, m_pickerRow) || covers(ColSettings, SettingsBlock::StartDate))
        showCellDateSoon();
}

void GridEditingController::showCellDateSoon()
{
    if (m_cellDateDue)
        return;
    m_cellDateDue = true;
    QTimer::singleShot(0, this, &GridEditingController::showCellDate);
}

void GridEditingController::showCellDate()
{
    m_cellDateDue = false;
    if (m_pickerColumn < 0)
        return;
    const QString text = m_project.taskTable.cell(m_pickerColumn, m_pickerRow);
    // What the user is typing stays until it is finished or taken back.
    if (m_datePicker->isEdited())
        return;
    try {
        const TDateTime date = StrToDate(text.isEmpty() ? m_project.settings().startDate() : text);
        setPickerDate(date);
    } catch (const ConversionError &) {
        // An unreadable cell keeps the picker as it is; selecting it reports the text.
    }
}

void GridEditingController::onPickerDropDown()
{
    // A date typed before the calendar opened is finished.
    commitTypedDate();
    DeferPickerRecalc(m_project);
}

void GridEditingController::onPickerCloseUp()
{
    RunCommand(m_host, [this] { RunDeferredPickerRecalc(m_project, m_host); });
}

bool GridEditingController::onPickerKey(int key)
{
    bool used = false;
    RunCommand(m_host, [&] { used = MoveDownFromPickerOnEnter(m_host, key); });
    return used;
}

void GridEditingController::onGridScrolled()
{
    if (m_ganttChart->topRow() != m_taskGrid->topRow())
        m_ganttChart->setTopRow(m_taskGrid->topRow());
}

void GridEditingController::onChartScrolled()
{
    if (m_taskGrid->topRow() != m_ganttChart->topRow())
        m_taskGrid->setTopRow(m_ganttChart->topRow());
}

bool GridEditingController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_taskGrid && event->type() == QEvent::KeyPress && m_datePicker->isVisible()) {
        // The picker covers the current date cell: typing and F2 go to it, never to
        // an editor hidden under it.
        auto *key = static_cast<QKeyEvent *>(event);
        const bool typing = !key->text().isEmpty() && key->text().front().isPrint();
        if (typing || key->key() == Qt::Key_F2) {
            // A key the picker left unused comes back here: it ends here.
            if (m_taskGrid->hasFocus()) {
                m_datePicker->setFocus(); // the whole date selected: typing replaces it
                if (typing) {
                    QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
                    QCoreApplication::sendEvent(m_datePicker->lineEdit(), &again);
                }
            }
            return true;
        }
    }
    if (watched != m_datePicker->lineEdit())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride &&
        TaskGrid::isTaskShortcut(static_cast<QKeyEvent *>(event))) {
        // Not taken by the picker: the shortcut runs its command.
        event->ignore();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A refused date keeps the cell, so that it can be typed again.
        if (commitTypedDate())
            onPickerKey(key->key());
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // Back to the grid, finishing a typed date; Tab moves on to the next cell as it
        // does there.
        if (!commitTypedDate())
            return true;
        m_taskGrid->setFocus();
        QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers());
        QCoreApplication::sendEvent(m_taskGrid, &again);
        return true;
    }
    case Qt::Key_Escape:
        // Takes back what was typed: the picker shows its cell's date, and the grid has
        // the keyboard.
        m_datePicker->revert();
        m_taskGrid->setFocus();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace morvaine
