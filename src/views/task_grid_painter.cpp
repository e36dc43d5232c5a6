#include "views/task_grid_painter.h"

#include "model/convert.h"
#include "views/canvas.h"
#include "views/view_style.h"

#include <QCoreApplication>
#include <cmath>

namespace morvaine {

namespace {

const QString GroupMark = QStringLiteral("v");

// The indentation of a Level text; a text that is not a whole number indents as level 1.
int LevelOf(const QString &text)
{
    try {
        return StrToInt(text);
    } catch (const ConversionError &) {
        return 1;
    }
}

int ScaledX(int left, double offset)
{
    return static_cast<int>(std::trunc(left + offset));
}

void DrawTaskName(const TaskTable &table, int row, Canvas &canvas, const QRect &rect, float scale,
                  const QString &name)
{
    if (table.cell(ColVeha, row) == GroupMark)
        canvas.setFontStyle(FontStyle::Bold);
    if (name.isEmpty() || rect.width() <= 0)
        return;
    const double indent = 10.0 * scale + 15.0 * scale * (LevelOf(table.cell(ColLevel, row)) - 1);
    canvas.textOut(ScaledX(rect.x(), indent), rect.y(), name);
}

void DrawVerticalLine(Canvas &canvas, int x, int top, int bottom)
{
    canvas.moveTo(x, top);
    canvas.lineTo(x, bottom);
}

} // namespace

void DrawTaskCell(const Project &project, const TaskGridView &view, int column, int row,
                  Canvas &canvas, const QRect &rect)
{
    const TaskTable &table = project.taskTable;
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

    const QString &text = table.cell(column, row);

    canvas.setFontColor(TextColor);
    canvas.setFontStyle(FontStyle::Regular);
    canvas.setFontName(ViewFontFace());
    canvas.setFontHeight(ViewFontHeight(rect.height()));

    const int rowHeight = row == 0 ? view.headerHeight : view.rowHeight;
    const float scale = rowHeight > 0 ? float(rect.height()) / float(rowHeight) : 1.0f;
    const int leftTextX = ScaledX(left, 5.0 * scale);

    if (row == 0) {
        // The header row shows its caption only, in the UI language; the file keeps the
        // English caption.
        canvas.textRect(rect, QCoreApplication::translate("TaskTable", text.toUtf8().constData()),
                        TextAlign::Center);
    } else {
        switch (column) {
        case ColTask:
            DrawTaskName(table, row, canvas, rect, scale, text);
            break;
        case ColResource:
        case ColSettings:
            if (!text.isEmpty() && rect.width() > 0)
                canvas.textOut(leftTextX, top, text);
            break;
        default: // row number, Duration, Start, End, Forerunner, Completion, Level, mark
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
