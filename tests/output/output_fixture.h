#pragma once
// A small project for page and picture tests, and cell painters that draw it: the real
// task-table painter, and chart cells of a colour per column and row.

#include "recording_host.h"

#include "edit/cell_completion.h"
#include "model/convert.h"
#include "model/new_project.h"
#include "model/project.h"
#include "output/pagination.h"
#include "views/canvas.h"
#include "views/task_grid_painter.h"

#include <QDate>

namespace morvaine {

inline TDateTime DayOf(const QDate &date)
{
    return QDate(1899, 12, 30).daysTo(date);
}

/// A project starting on 2 January 2008 with tasks rows 1..tasks, each of them one day
/// on successive days, wrapping after `days` days.
struct OutputProject {
    Project project;
    RecordingHost host;

    explicit OutputProject(int tasks, int days = 30)
    {
        InitNewProject(project, host);
        const QDate start(2008, 1, 2);
        project.settings().setValue(SettingsBlock::StartDate, DateToStr(DayOf(start)));
        for (int row = 1; row <= tasks; ++row) {
            const QString day = DateToStr(DayOf(start.addDays((row - 1) % days)));
            project.taskTable.setCell(ColTask, row, QStringLiteral("Task %1").arg(row));
            project.taskTable.setCell(ColDuration, row, QStringLiteral("1 day"));
            project.taskTable.setCell(ColStart, row, day);
            project.taskTable.setCell(ColEnd, row, day);
            project.taskTable.setCell(ColLevel, row, QStringLiteral("1"));
        }
        project.LastTaskRow = tasks;
    }
};

/// The task table through its painter; chart cells of a colour per column and row with
/// a black top-left pixel, so that a copy shows where it came from.
class TestCells : public PageCellPainter {
public:
    TestCells(Project &project, Host &host) : m_project(project), m_host(host) {}
    int painted = 0;

    void prepareRows(int firstRow, int lastRow) override
    {
        CompleteRows(m_project, m_host, firstRow, lastRow);
    }
    void drawTableCell(int column, int row, Canvas &canvas, const QRect &rect) override
    {
        ++painted;
        DrawTaskCell(m_project, TaskGridView(), column, row, canvas, rect);
    }
    void drawChartCell(int column, int row, Canvas &canvas, const QRect &rect) override
    {
        ++painted;
        canvas.setBrushColor(QColor(column * 10 % 256, row * 10 % 256, 200));
        canvas.fillRect(rect);
        canvas.setBrushColor(Qt::black);
        canvas.fillRect(QRect(rect.topLeft(), QSize(1, 1)));
    }

private:
    Project &m_project;
    Host &m_host;
};

} // namespace morvaine
