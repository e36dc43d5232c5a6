#include "edit/cell_completion.h"

#include "model/convert.h"
#include "schedule/calendar.h"
#include "schedule/recalc.h"

#include <algorithm>
#include <optional>

namespace morvaine {

namespace {

const QString GroupMark = QStringLiteral("v");
const QString TopLevel = QStringLiteral("1");

// The whole-number value of a Level text; nothing for a text that is not one, which
// then takes no part in group marking.
std::optional<int> LevelOf(const QString &text)
{
    try {
        return StrToInt(text);
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}

void CompleteTaskName(Project &project, Host &host, int row)
{
    TaskTable &table = project.taskTable;
    if (table.cell(ColTask, row).isEmpty()) {
        table.setCell(ColLevel, row, TopLevel);
        // This empty row ends the group above. A row above standing below level 1 would
        // at once be marked again against this row's level 1, so it keeps its mark
        // rather than flip on every repaint.
        if (row > 1 && !table.cell(ColTask, row - 1).isEmpty() &&
            table.cell(ColVeha, row - 1) == GroupMark) {
            const std::optional<int> above = LevelOf(table.cell(ColLevel, row - 1));
            if (!above || *above >= 1) {
                table.setCell(ColVeha, row - 1, QString());
                host.RepaintTaskGrid();
            }
        }
        return;
    }
    // The last row has no next row, so it never heads a group.
    if (row >= TaskTable::LastRow || table.cell(ColVeha, row) == GroupMark)
        return;
    const std::optional<int> level = LevelOf(table.cell(ColLevel, row));
    if (!level)
        return;
    const std::optional<int> next = LevelOf(table.cell(ColLevel, row + 1));
    if (next && *next > *level) {
        table.setCell(ColVeha, row, GroupMark);
        host.RepaintTaskGrid();
    }
}

void CompleteDuration(Project &project, Host &host, int row)
{
    TaskTable &table = project.taskTable;
    const QString &text = table.cell(ColDuration, row);
    if (text.isEmpty() || text.contains(QLatin1String("day")))
        return;
    try {
        // Only a number is a duration: anything else gets neither dates nor a unit.
        DurationDays(text);
        RecalcRow(project, host, ColDuration, row);
    } catch (const ConversionError &) {
        // What does not read is shown as it stands; an error box from here would come
        // back every time the cell is shown.
        return;
    }
    const QString now = table.cell(ColDuration, row);
    if (!now.isEmpty() && !now.contains(QLatin1String("day")))
        table.setCell(
            ColDuration, row,
            now + (now == QLatin1String("1") ? QLatin1String(" day") : QLatin1String(" days")));
}

void CompleteCompletion(Project &project, int row)
{
    TaskTable &table = project.taskTable;
    const QString text = table.cell(ColCompletion, row);
    if (!text.isEmpty() && !text.contains(QLatin1Char('%')))
        table.setCell(ColCompletion, row, text + QLatin1String(" %"));
}

} // namespace

void CompleteRows(Project &project, Host &host, int firstRow, int lastRow, int firstColumn,
                  int lastColumn)
{
    // Row 0 holds the headers; only the task, duration and completion columns complete.
    firstRow = std::max(firstRow, 1);
    lastRow = std::min(lastRow, TaskTable::LastRow);
    firstColumn = std::max(firstColumn, int(ColTask));
    lastColumn = std::min(lastColumn, int(ColCompletion));
    for (int row = firstRow; row <= lastRow; ++row) {
        if (firstColumn <= ColTask && ColTask <= lastColumn)
            CompleteTaskName(project, host, row);
        if (firstColumn <= ColDuration && ColDuration <= lastColumn)
            CompleteDuration(project, host, row);
        if (firstColumn <= ColCompletion && ColCompletion <= lastColumn)
            CompleteCompletion(project, row);
    }
}

} // namespace morvaine
