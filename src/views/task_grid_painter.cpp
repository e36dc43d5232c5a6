#include "views/task_grid_painter.h"

#include "model/convert.h"
#include "schedule/calendar.h"
#include "schedule/recalc.h"
#include "views/canvas.h"
#include "views/view_style.h"

#include <cmath>
#include <optional>

namespace morvaine {

namespace {

const QString GroupMark = QStringLiteral("v");
const QString TopLevel = QStringLiteral("1");

// The whole-number value of a Level text; nothing for a text that is not one, which
// then neither indents nor takes part in group marking.
std::optional<int> LevelOf(const QString &text)
{
    try {
        return StrToInt(text);
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}

int ScaledX(int left, double offset)
{
    return static_cast<int>(std::trunc(left + offset));
}

void DrawTaskName(Project &project, Host &host, int row, Canvas &canvas, const QRect &rect,
                  float scale, const QString &name)
{
    TaskTable &table = project.taskTable;
    if (table.cell(ColVeha, row) == GroupMark)
        canvas.setFontStyle(FontStyle::Bold);
    const std::optional<int> level = LevelOf(table.cell(ColLevel, row));
    if (!name.isEmpty() && rect.width() > 0) {
        const double indent = 10.0 * scale + 15.0 * scale * (level.value_or(1) - 1);
        canvas.textOut(ScaledX(rect.x(), indent), rect.y(), name);
    }

    if (name.isEmpty()) {
        if (table.cell(ColLevel, row) != TopLevel)
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
    if (row >= TaskTable::LastRow || table.cell(ColVeha, row) == GroupMark || !level)
        return;
    const std::optional<int> next = LevelOf(table.cell(ColLevel, row + 1));
    if (next && *next > *level) {
        table.setCell(ColVeha, row, GroupMark);
        host.RepaintTaskGrid();
    }
}

// A bare number gets the row's dates and its unit; returns the text to show.
QString CompleteDuration(Project &project, Host &host, int row, const QString &text)
{
    TaskTable &table = project.taskTable;
    if (text.isEmpty() || text.contains(QLatin1String("day")))
        return text;
    try {
        // Only a number is a duration: anything else gets neither dates nor a unit.
        DurationDays(text);
        RecalcRow(project, host, ColDuration, row);
    } catch (const ConversionError &) {
        // What does not read is shown as it stands; an error box from inside painting
        // would come back with every repaint.
        return table.cell(ColDuration, row);
    }
    const QString now = table.cell(ColDuration, row);
    if (!now.isEmpty() && !now.contains(QLatin1String("day")))
        table.setCell(
            ColDuration, row,
            now + (now == QLatin1String("1") ? QLatin1String(" day") : QLatin1String(" days")));
    return table.cell(ColDuration, row);
}

void DrawVerticalLine(Canvas &canvas, int x, int top, int bottom)
{
    canvas.moveTo(x, top);
    canvas.lineTo(x, bottom);
}

} // namespace

void DrawTaskCell(Project &project, Host &host, int column, int row, Canvas &canvas,
                  const QRect &rect)
{
    TaskTable &table = project.taskTable;
    if (column < 0 || column >= TaskTable::Columns || row < 0 || row > TaskTable::LastRow)
        return;
    const int left = rect.x();
    const int top = rect.y();
    const int right = rect.x() + rect.width();
    const int bottom = rect.y() + rect.height();

    const bool banded =
        column == ColNumber || (row >= 1 && row <= project.LastTaskRow && row % 2 == 0);
    canvas.setBrushColor(banded ? BandColor : CellColor);
    canvas.fillRect(rect);

    // Drawn as read here, before any completion below rewrites the cell.
    const QString text = table.cell(column, row);

    canvas.setFontColor(TextColor);
    canvas.setFontStyle(FontStyle::Regular);
    canvas.setFontName(ViewFontFace());
    canvas.setFontHeight(ViewFontHeight(rect.height()));

    const int rowHeight = host.TaskGridRowHeight(row);
    const float scale = rowHeight > 0 ? float(rect.height()) / float(rowHeight) : 1.0f;
    const int leftTextX = ScaledX(left, 5.0 * scale);

    if (row == 0) {
        // The header row shows its caption only; no cell completion applies to it.
        canvas.textRect(rect, text, TextAlign::Center);
    } else {
        switch (column) {
        case ColTask:
            DrawTaskName(project, host, row, canvas, rect, scale, text);
            break;
        case ColDuration:
            canvas.textRect(rect, CompleteDuration(project, host, row, text), TextAlign::Center);
            break;
        case ColCompletion:
            if (!text.isEmpty() && !text.contains(QLatin1Char('%')))
                table.setCell(ColCompletion, row, text + QLatin1String(" %"));
            canvas.textRect(rect, table.cell(ColCompletion, row), TextAlign::Center);
            break;
        case ColResource:
        case ColSettings:
            if (!text.isEmpty() && rect.width() > 0)
                canvas.textOut(leftTextX, top, text);
            break;
        default: // row number, Start, End, Forerunner, Level, group mark
            canvas.textRect(rect, text, TextAlign::Center);
            break;
        }
    }

    canvas.setPenColor(LineColor);
    if (row == 0) {
        canvas.moveTo(left, bottom - 1);
        canvas.lineTo(right, bottom - 1);
    }
    switch (column) {
    case ColDuration:
        DrawVerticalLine(canvas, left, top, bottom);
        DrawVerticalLine(canvas, right - 1, top, bottom);
        break;
    case ColNumber:
    case ColStart:
    case ColEnd:
    case ColForerunner:
    case ColResource:
    case ColCompletion:
        DrawVerticalLine(canvas, right - 1, top, bottom);
        break;
    default: // the task name is closed by its neighbours' lines; hidden columns have none
        break;
    }
    canvas.setPenColor(TextColor);
}

} // namespace morvaine
