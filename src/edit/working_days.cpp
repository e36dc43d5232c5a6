#include "edit/working_days.h"

#include "schedule/calendar.h"
#include "schedule/recalc.h"

namespace morvaine {

void ApplyWorkingDays(Project &project, Host &host, const QString &mask)
{
    SettingsBlock settings = project.settings();
    if (settings.workingDays() == mask)
        return;
    settings.setValue(SettingsBlock::WorkingDays, mask);
    for (int row = 1; row <= project.LastTaskRow; ++row)
        if (!project.taskTable.cell(ColDuration, row).isEmpty())
            CalcEndDate(project, row);
    RecalcSchedule(project, host);
    host.RepaintChart();
}

} // namespace morvaine
