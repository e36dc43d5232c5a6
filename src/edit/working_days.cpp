#include "edit/working_days.h"

#include "schedule/calendar.h"
#include "schedule/date_list.h"
#include "schedule/recalc.h"

namespace morvaine {

void ApplyWorkingDays(Project &project, Host &host, const QString &mask)
{
    const TaskTable &table = project.taskTable;
    ApplyCalendar(project, host, mask, table.cell(ColSettings, HolidaysRow),
                  table.cell(ColSettings, ExtraDaysRow));
}

void ApplyCalendar(Project &project, Host &host, const QString &mask, const QString &holidays,
                   const QString &extraDays)
{
    SettingsBlock settings = project.settings();
    const TaskTable &table = project.taskTable;
    if (settings.workingDays() == mask && table.cell(ColSettings, HolidaysRow) == holidays &&
        table.cell(ColSettings, ExtraDaysRow) == extraDays)
        return;
    settings.setValue(SettingsBlock::WorkingDays, mask);
    SetCalendarExceptions(project, holidays, extraDays);
    for (int row = 1; row <= project.LastTaskRow; ++row)
        if (!project.taskTable.cell(ColDuration, row).isEmpty())
            CalcEndDate(project, row);
    RecalcSchedule(project, host);
    host.RepaintChart();
}

} // namespace morvaine
