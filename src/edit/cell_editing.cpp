#include "cell_editing.h"

#include "list_normalize.h"
#include "model/project_file.h"
#include "schedule/forerunner.h"
#include "schedule/recalc.h"

#include <QCoreApplication>
#include <optional>

namespace morvaine {

namespace {

bool isDigit(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

bool isGroupTask(const TaskTable &table, int row)
{
    return table.cell(ColVeha, row) == QLatin1String("v");
}

bool isEditableCell(int column, int row)
{
    return column >= ColTask && column <= ColCompletion && row >= 1 && row <= TaskTable::LastRow;
}

QString filterDuration(const QString &text)
{
    const int unit = text.indexOf(QLatin1String(" day"));
    if (unit >= 0)
        return text.left(unit); // "5 days" falls back to its bare number once typed into
    if (!isDigit(text.back()))
        return text.chopped(1);
    return text;
}

QString filterCompletion(const QString &text)
{
    const qsizetype n = text.size();
    QString copy = text;
    if (!isDigit(copy.back()))
        copy.chop(1);
    if (n > 3 && copy.size() >= n)
        copy.remove(n - 1, 1);
    // Capped at every length, so that a pasted or inserted digit cannot pass 100 either;
    // a text that is no number is left for its reader to report.
    bool ok = false;
    const int percent = copy.trimmed().toInt(&ok);
    if (ok && percent > 100)
        return QStringLiteral("100");
    return copy;
}

// Leaving the tracked cell after its text changed: the new text takes effect.
void commitTrackedCell(Project &project, Host &host)
{
    const EditState &edit = project.Edit;
    TaskTable &table = project.taskTable;
    const int column = edit.TrackedCol;
    const int row = edit.TrackedRow;

    if (column == ColResource && !table.cell(column, row).trimmed().isEmpty())
        NormalizeResourceList(project, host, row);

    const bool scheduleColumn = column == ColTask || column == ColForerunner ||
                                column == ColResource || column == ColCompletion;
    // Anything typed on a row makes it a task of one day.
    if (scheduleColumn && !table.cell(column, row).isEmpty() &&
        table.cell(ColDuration, row).isEmpty()) {
        table.setCell(ColDuration, row, QStringLiteral("1"));
        RecalcRow(project, host, ColDuration, row);
    }
    if (column == ColForerunner)
        NormalizeForerunnerList(project, host, row);
    if (scheduleColumn)
        RecalcSchedule(project, host);
    if (column == ColDuration) {
        RecalcRow(project, host, ColDuration, row);
        RecalcSchedule(project, host);
    }
    // A changed Start or End commits nothing: the date picker recalculated already.
}

void track(Project &project, int column, int row)
{
    EditState &edit = project.Edit;
    edit.TrackedCol = column;
    edit.TrackedRow = row;
    edit.TrackedText = project.taskTable.cell(column, row);
}

} // namespace

QString FilterTypedText(Project &project, Host &host, int column, int row, const QString &text)
{
    if (!isEditableCell(column, row))
        return text;

    QString result = text;
    if (!text.isEmpty()) {
        if (column == ColDuration) {
            result = filterDuration(text);
        } else if (column == ColForerunner) {
            // Digits, blanks and ";" as ever, and the letters and signs of a link's type
            // and lag ("3SS+2").
            if (!IsForerunnerCharacter(text.back())) {
                result.chop(1);
                host.Beep();
            }
        } else if (column == ColCompletion) {
            result = filterCompletion(text);
        }
    }
    // A text longer than a project file holds in a cell would make the saved plan
    // unreadable: it is cut, and the user told.
    const bool cut = !FitsProjectFileCell(result);
    if (cut)
        result = CutToProjectFileCell(result);
    project.taskTable.setCell(column, row, result);
    if (!text.isEmpty())
        project.settings().markModified();
    if (cut)
        host.MessageBox(QCoreApplication::translate("Messages", "Warning"), CellCutMessage(),
                        MsgIcon::Warning, MsgButtons::Ok);
    return result;
}

bool CommitAndSelectCell(Project &project, Host &host, int column, int row)
{
    if (!isEditableCell(column, row))
        return false;

    TaskTable &table = project.taskTable;
    EditState &edit = project.Edit;

    host.SetEditing(true);

    const bool tracking = isEditableCell(edit.TrackedCol, edit.TrackedRow);
    edit.CellChanged = tracking && table.cell(edit.TrackedCol, edit.TrackedRow) != edit.TrackedText;

    if (edit.CellChanged && edit.TrackedRow > project.LastTaskRow &&
        !table.cell(edit.TrackedCol, edit.TrackedRow).isEmpty()) {
        project.LastTaskRow = edit.TrackedRow;
        // Row bands and the chart reach down to LastTaskRow.
        host.RepaintTaskGrid();
    }

    const bool group = isGroupTask(table, row);
    std::optional<ConversionError> unreadableDate;
    if (column == ColStart || column == ColEnd) {
        if (group) {
            host.HideDatePicker();
            host.SetEditing(false);
        } else {
            const QString &text = table.cell(column, row);
            try {
                const TDateTime date =
                    StrToDate(text.isEmpty() ? project.settings().startDate() : text);
                host.ShowDatePicker(column, row);
                host.SetPickerDate(date);
            } catch (const ConversionError &error) {
                // Without the picker the cell can be typed into, so the text can be mended.
                host.HideDatePicker();
                unreadableDate = error;
            }
        }
    } else {
        host.HideDatePicker();
    }

    if ((column == ColDuration || column == ColResource || column == ColCompletion) && group)
        host.SetEditing(false);

    if (edit.CellChanged) {
        try {
            commitTrackedCell(project, host);
        } catch (const ConversionError &) {
            // The bad text stays in its cell; track the new cell so the error is not
            // raised again by every later selection.
            track(project, column, row);
            throw;
        }
    }
    track(project, column, row);

    if (unreadableDate)
        throw *unreadableDate;
    return true;
}

void CommitEditedCell(Project &project, Host &host)
{
    const EditState &edit = project.Edit;
    if (isEditableCell(edit.TrackedCol, edit.TrackedRow))
        CommitAndSelectCell(project, host, edit.TrackedCol, edit.TrackedRow);
}

bool ClearCell(Project &project, Host &host, int column, int row)
{
    TaskTable &table = project.taskTable;
    if (!isEditableCell(column, row) || column == ColStart || column == ColEnd ||
        table.cell(column, row).isEmpty())
        return false;
    const bool derived = column == ColDuration || column == ColResource || column == ColCompletion;
    if (derived && isGroupTask(table, row))
        return false;
    FilterTypedText(project, host, column, row, QString());
    // An emptied cell is a change to save, though typing an empty text marks nothing.
    project.settings().markModified();
    CommitEditedCell(project, host);
    return true;
}

bool RetrackCell(Project &project)
{
    EditState &edit = project.Edit;
    edit.CellChanged = false;
    if (!isEditableCell(edit.TrackedCol, edit.TrackedRow))
        return false;
    edit.TrackedText = project.taskTable.cell(edit.TrackedCol, edit.TrackedRow);
    return true;
}

bool MoveDownOnEnter(Host &host, int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    const int row = host.CurrentRow();
    if (row >= TaskTable::LastRow)
        return false;
    host.SelectCell(host.CurrentColumn(), row + 1);
    return true;
}

void SelectRightClickedCell(Project &project, Host &host, int column, int row)
{
    if (column < 0 || row < 0)
        return;
    if (row == 0) {
        project.Edit.HeaderRightClick = true;
        return;
    }
    project.Edit.HeaderRightClick = false;
    host.SelectCell(column == ColNumber ? ColTask : column, row);
}

} // namespace morvaine
