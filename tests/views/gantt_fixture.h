#pragma once
// A small project for Gantt chart tests, with helpers to type tasks and links and to
// paint chart cells into a QImage.

#include "model/convert.h"
#include "model/project.h"
#include "views/canvas.h"

#include <QDate>
#include <QImage>
#include <QPainter>

#include <functional>

namespace morvaine {

inline qint64 DayOf(const QDate &date)
{
    return QDate(1899, 12, 30).daysTo(date);
}

struct GanttFixture {
    Project project;

    explicit GanttFixture(const QDate &start = QDate(2008, 1, 2), int scale = 1)
    {
        project.GanttScale = scale;
        project.settings().setValue(SettingsBlock::StartDate, DateToStr(DayOf(start)));
        project.settings().setValue(SettingsBlock::WorkingDays, QStringLiteral("YYYYYNN"));
    }

    /// A task from first to last with a Duration text, a Completion text and a
    /// Forerunner list; an invalid date leaves its cell empty.
    void task(int row, const QDate &first, const QDate &last, const QString &duration,
              const QString &completion = QString(), const QString &forerunner = QString())
    {
        TaskTable &table = project.taskTable;
        table.setCell(ColTask, row, QStringLiteral("Task %1").arg(row));
        table.setCell(ColDuration, row, duration);
        table.setCell(ColStart, row, first.isValid() ? DateToStr(DayOf(first)) : QString());
        table.setCell(ColEnd, row, last.isValid() ? DateToStr(DayOf(last)) : QString());
        table.setCell(ColCompletion, row, completion);
        table.setCell(ColForerunner, row, forerunner);
        table.setCell(ColLevel, row, QStringLiteral("1"));
        project.LastTaskRow = qMax(project.LastTaskRow, row);
    }
};

/// Paints cells (firstColumn.., 0..rows-1) through paint into one image, 60 x 17 per
/// cell, row after row as the chart does.
inline QImage PaintCells(int firstColumn, int columns, int firstRow, int rows,
                         const std::function<void(int, int, Canvas &, const QRect &)> &paint)
{
    QImage image(columns * 60, rows * 17, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0x00, 0xFF));
    QPainter painter(&image);
    Canvas canvas(painter);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            paint(firstColumn + c, firstRow + r, canvas, QRect(c * 60, r * 17, 60, 17));
    painter.end();
    return image;
}

} // namespace morvaine
