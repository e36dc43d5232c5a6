#include "task_structure.h"

#include "cell_editing.h"
#include "schedule/forerunner.h"
#include "schedule/recalc.h"

namespace morvaine {

namespace {

// Columns that travel with a task when rows move; the row number and the settings stay.
constexpr int FirstTaskColumn = ColTask;
constexpr int LastTaskColumn = ColVeha;

struct ForerunnerItem {
    QString text; // between the item's first character and its ";"
    int number;   // the predecessor's row; -1 when it has none that reads
    bool plain;   // a number as StrToInt reads it
};

bool isPlainNumber(const QString &text)
{
    try {
        StrToInt(text);
        return true;
    } catch (const ConversionError &) {
        return false;
    }
}

// The digits an item begins with (after blanks), -1 when there are none or too many.
int leadingNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() && trimmed[end] >= QLatin1Char('0') &&
           trimmed[end] <= QLatin1Char('9'))
        ++end;
    return end > 0 && end <= 9 ? trimmed.left(end).toInt() : -1;
}

// Reads a Forerunner list item by item: the number sits between an item's first
// character and its semicolon, perhaps followed by a link type and lag. Throws
// ConversionError for an item that has no task number.
QList<ForerunnerItem> readForerunner(const QString &text)
{
    QList<ForerunnerItem> items;
    QString rest = text;
    qsizetype semicolon;
    while ((semicolon = rest.indexOf(QLatin1Char(';'))) >= 0) {
        const QString itemText = semicolon > 1 ? rest.mid(1, semicolon - 1) : QString();
        LinkItem link;
        QString why;
        switch (ReadLinkItem(itemText, link, why)) {
        case LinkItemKind::NotNumber:
            StrToInt(itemText); // throws the conversion error of a plain list
            break;
        case LinkItemKind::Link:
            items.append({itemText, link.row, isPlainNumber(itemText)});
            break;
        case LinkItemKind::Malformed:
            // Still a task's number: it moves with the task, the rest stays as typed.
            items.append({itemText, leadingNumber(itemText), false});
            break;
        }
        rest.remove(0, semicolon + 1);
    }
    return items;
}

// The item with its task number moved by delta: a plain number is written afresh, a link
// of another type or with a lag keeps what follows its number.
QString movedItem(const ForerunnerItem &item, int delta)
{
    const QString number = QString::number(item.number + delta);
    if (item.plain)
        return number;
    const QString text = item.text.trimmed();
    qsizetype digitsEnd = 0;
    while (digitsEnd < text.size() && text[digitsEnd] >= QLatin1Char('0') &&
           text[digitsEnd] <= QLatin1Char('9'))
        ++digitsEnd;
    return number + text.mid(digitsEnd);
}

// Renumbers every Forerunner of rows 1..LastTaskRow: item numbers from `first` on move
// by `delta`, the others keep their text. Links of other types or with a lag that name
// `deleted` go with that task.
void renumberForerunners(Project &project, int first, int delta, int deleted = 0)
{
    TaskTable &table = project.taskTable;
    for (int row = 1; row <= project.LastTaskRow; ++row) {
        const QString &text = table.cell(ColForerunner, row);
        if (text.isEmpty())
            continue;
        QString list;
        for (const ForerunnerItem &item : readForerunner(text)) {
            if (deleted > 0 && item.number == deleted && !item.plain)
                continue;
            const QString number = item.number >= first ? movedItem(item, delta) : item.text;
            list += QLatin1Char(' ') + number + QLatin1Char(';');
        }
        table.setCell(ColForerunner, row, list);
    }
}

QString forerunnerItem(int row)
{
    return QLatin1Char(' ') + QString::number(row) + QLatin1Char(';');
}

void moveRow(TaskTable &table, int from, int to)
{
    for (int column = FirstTaskColumn; column <= LastTaskColumn; ++column)
        table.setCell(column, to, table.cell(column, from));
}

void emptyRow(TaskTable &table, int row)
{
    for (int column = FirstTaskColumn; column <= LastTaskColumn; ++column)
        table.setCell(column, row, QString());
    table.setCell(ColLevel, row, QStringLiteral("1"));
}

bool holdsTaskData(const TaskTable &table, int row)
{
    for (int column = ColTask; column <= ColCompletion; ++column)
        if (!table.cell(column, row).isEmpty())
            return true;
    return false;
}

// Outline level of a row; the row past the end of the table counts as an empty row.
int levelOf(const TaskTable &table, int row)
{
    if (row > TaskTable::LastRow)
        return 1;
    return StrToInt(table.cell(ColLevel, row));
}

void setLevel(TaskTable &table, int row, int level)
{
    table.setCell(ColLevel, row, QString::number(level));
}

void setGroupMark(TaskTable &table, int row, bool group)
{
    table.setCell(ColVeha, row, group ? QStringLiteral("v") : QString());
}

// Selects the tracked cell afresh once its row holds another task: the date picker
// shows that task's date, and a group task's cells refuse typing.
void reselectTrackedCell(Project &project, Host &host)
{
    if (RetrackCell(project))
        CommitAndSelectCell(project, host, project.Edit.TrackedCol, project.Edit.TrackedRow);
}

bool isTaskRow(int row)
{
    return row >= 1 && row <= TaskTable::LastRow;
}

} // namespace

void InsertTask(Project &project, Host &host)
{
    CommitEditedCell(project, host);
    InsertTask(project, host, host.CurrentRow());
}

void InsertTask(Project &project, Host &host, int row)
{
    TaskTable &table = project.taskTable;
    if (row < 1 || row > project.LastTaskRow)
        return;
    // Moving the last task down would push it off the end of the table.
    if (project.LastTaskRow >= TaskTable::LastRow) {
        host.Beep();
        return;
    }
    // Every list is read before anything moves, so a bad list stops the command whole.
    for (int r = 1; r <= project.LastTaskRow; ++r)
        readForerunner(table.cell(ColForerunner, r));

    for (int r = project.LastTaskRow; r >= row; --r)
        moveRow(table, r, r + 1);
    emptyRow(table, row);
    ++project.LastTaskRow;
    renumberForerunners(project, row, +1);
    RetrackCell(project);

    project.settings().markModified();
    host.RepaintTaskGrid();
    RecalcSchedule(project, host);
    reselectTrackedCell(project, host);
}

void DeleteTask(Project &project, Host &host)
{
    CommitEditedCell(project, host);
    DeleteTask(project, host, host.CurrentRow());
}

void DeleteTask(Project &project, Host &host, int row)
{
    TaskTable &table = project.taskTable;
    if (row < 1 || row > project.LastTaskRow)
        return;
    const QString deletedItem = forerunnerItem(row);
    for (int r = 1; r <= project.LastTaskRow; ++r)
        if (r != row)
            readForerunner(QString(table.cell(ColForerunner, r)).remove(deletedItem));

    for (int r = row + 1; r <= project.LastTaskRow; ++r)
        moveRow(table, r, r - 1);
    if (row < project.LastTaskRow) {
        --project.LastTaskRow;
        emptyRow(table, project.LastTaskRow + 1);
    } else {
        // The last task went: the list now ends at the last row still holding task data.
        int last = row - 1;
        while (last > 0 && !holdsTaskData(table, last))
            --last;
        project.LastTaskRow = last;
        for (int r = last + 1; r <= row; ++r)
            emptyRow(table, r);
    }

    if (row > 1)
        setGroupMark(table, row - 1, levelOf(table, row - 1) < levelOf(table, row));
    setGroupMark(table, row, levelOf(table, row) < levelOf(table, row + 1));

    for (int r = 1; r <= project.LastTaskRow; ++r)
        table.setCell(ColForerunner, r, QString(table.cell(ColForerunner, r)).remove(deletedItem));
    renumberForerunners(project, row + 1, -1, row);
    RetrackCell(project);

    project.settings().markModified();
    host.RepaintTaskGrid();
    RecalcSchedule(project, host);
    reselectTrackedCell(project, host);
}

void IndentTask(Project &project, Host &host)
{
    CommitEditedCell(project, host);
    IndentTask(project, host, host.CurrentColumn(), host.CurrentRow());
}

void IndentTask(Project &project, Host &host, int column, int row)
{
    TaskTable &table = project.taskTable;
    if (column != ColTask || !isTaskRow(row) || table.cell(ColTask, row).isEmpty())
        return;

    const int deeper = levelOf(table, row) + 1;
    if (row > 1 && !table.cell(ColTask, row - 1).isEmpty() &&
        deeper > levelOf(table, row - 1) + 1) {
        host.Beep();
    } else {
        setLevel(table, row, deeper);
        host.RepaintTaskGrid();
    }

    const int level = levelOf(table, row);
    if (row > 1) {
        const int above = levelOf(table, row - 1);
        if (above < level && !table.cell(ColDuration, row - 1).isEmpty())
            setGroupMark(table, row - 1, true);
        else if (above == level)
            setGroupMark(table, row - 1, false);
    }
    const int below = levelOf(table, row + 1);
    if (below > level)
        setGroupMark(table, row, true);
    else if (below == level)
        setGroupMark(table, row, false);

    project.settings().markModified();
    RecalcSchedule(project, host);
}

void OutdentTask(Project &project, Host &host)
{
    CommitEditedCell(project, host);
    OutdentTask(project, host, host.CurrentColumn(), host.CurrentRow());
}

void OutdentTask(Project &project, Host &host, int column, int row)
{
    TaskTable &table = project.taskTable;
    if (column != ColTask || !isTaskRow(row) || table.cell(ColTask, row).isEmpty())
        return;
    const int level = levelOf(table, row) - 1;
    if (level < 1)
        return;

    setLevel(table, row, level);
    host.RepaintTaskGrid();
    project.settings().markModified();

    if (row > 1 && table.cell(ColTask, row - 1).isEmpty()) {
        RecalcSchedule(project, host);
        return;
    }
    if (row > 1) {
        const int above = levelOf(table, row - 1);
        if (above < level)
            setGroupMark(table, row - 1, true);
        else if (above == level)
            setGroupMark(table, row - 1, false);
    }
    // Row 1 too: it may now head the tasks below it, and its dates must follow theirs.
    const int below = levelOf(table, row + 1);
    if (below > level)
        setGroupMark(table, row, true);
    else if (below == level)
        setGroupMark(table, row, false);
    RecalcSchedule(project, host);
}

PopupMenuItems EnabledPopupItems(const Project &project)
{
    PopupMenuItems items;
    items.insertTask = !project.Edit.HeaderRightClick;
    items.deleteTask = !project.Edit.HeaderRightClick;
    return items;
}

} // namespace morvaine
