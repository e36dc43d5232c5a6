#pragma once
// A small project for schedule tests: a fixed project start on Monday 1 January 2024,
// the default mask, and helpers that write task rows by day offsets from it.

#include "model/convert.h"
#include "model/new_project.h"
#include "model/project.h"
#include "recording_host.h"

#include <QDate>

namespace morvaine {

inline TDateTime DayOf(int year, int month, int day)
{
    return static_cast<TDateTime>(QDate(1899, 12, 30).daysTo(QDate(year, month, day)));
}

/// Monday 1 January 2024 plus offset days.
inline TDateTime Mon(int offset = 0)
{
    return DayOf(2024, 1, 1) + offset;
}
inline QString MonText(int offset = 0)
{
    return DateToStr(Mon(offset));
}

struct ScheduleFixture {
    Project project;
    RecordingHost host;

    ScheduleFixture()
    {
        InitNewProject(project, host);
        settings().setValue(SettingsBlock::StartDate, MonText());
    }
    SettingsBlock settings() { return project.settings(); }
    TaskTable &table() { return project.taskTable; }
    const QString &cell(int column, int row) { return project.taskTable.cell(column, row); }

    /// A task on row: duration text, Start and End as offsets from Monday (-1 = empty),
    /// predecessor rows, outline level.
    void task(int row, const QString &duration, int start, int end, QList<int> preds = {},
              int level = 1)
    {
        TaskTable &t = table();
        t.setCell(ColTask, row, QStringLiteral("Task %1").arg(row));
        t.setCell(ColDuration, row, duration);
        t.setCell(ColStart, row, start < 0 ? QString() : MonText(start));
        t.setCell(ColEnd, row, end < 0 ? QString() : MonText(end));
        QString forerunner;
        for (int p : preds)
            forerunner += QStringLiteral(" %1;").arg(p);
        t.setCell(ColForerunner, row, forerunner);
        t.setCell(ColLevel, row, QString::number(level));
        project.LastTaskRow = std::max(project.LastTaskRow, row);
    }
    /// Sets the group marks from the levels, as the task grid keeps them.
    void markGroups()
    {
        for (int row = 1; row <= project.LastTaskRow; ++row) {
            const bool group = row < TaskTable::LastRow && !cell(ColTask, row).isEmpty() &&
                               StrToInt(cell(ColLevel, row + 1)) > StrToInt(cell(ColLevel, row));
            table().setCell(ColVeha, row, group ? QStringLiteral("v") : QString());
        }
    }
    int startOffset(int row) { return static_cast<int>(StrToDate(cell(ColStart, row)) - Mon()); }
    int endOffset(int row) { return static_cast<int>(StrToDate(cell(ColEnd, row)) - Mon()); }
};

} // namespace morvaine
