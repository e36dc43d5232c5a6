#include "recalc.h"

#include "calendar.h"
#include <QCoreApplication>

namespace morvaine {

namespace {

const QString OneDay = QStringLiteral("1 day");

// Asks whether a date before the project start should move the project start; on
// No the edited cell falls back to the project start date.
void confirmNotBeforeProjectStart(Project &project, Host &host, int column, int row,
                                  const QString &question)
{
    TaskTable &table = project.taskTable;
    SettingsBlock settings = project.settings();
    const TDateTime date = CellDate(table, column, row);
    const TDateTime projectStart = StrToDate(settings.startDate());
    if (!(date < projectStart))
        return;
    if (host.MessageBox(QCoreApplication::translate("Messages", "Confirm"), question,
                        MsgIcon::Warning, MsgButtons::YesNo) == MsgAnswer::Yes) {
        settings.setValue(SettingsBlock::StartDate, table.cell(column, row));
    } else {
        host.SetPickerDate(projectStart);
        table.setCell(column, row, settings.startDate());
    }
}

} // namespace

void RecalcRow(Project &project, Host &host, int column, int row)
{
    TaskTable &table = project.taskTable;
    auto empty = [&](int col) { return table.cell(col, row).isEmpty(); };

    switch (column) {
    case ColDuration:
        if (empty(ColStart) && empty(ColEnd)) {
            table.setCell(ColStart, row, project.settings().startDate());
            CalcEndDate(project, row);
        }
        if (!empty(ColStart) && !empty(ColEnd))
            CalcEndDate(project, row);
        break;
    case ColStart:
        confirmNotBeforeProjectStart(
            project, host, ColStart, row,
            QCoreApplication::translate("Schedule",
                                        "The 'Start' date is earlier than the project start date\n"
                                        "Change the project start date?"));
        if (empty(ColDuration) && empty(ColEnd)) {
            table.setCell(ColDuration, row, OneDay);
            CalcEndDate(project, row);
        }
        if (!empty(ColDuration) && !empty(ColEnd))
            CalcEndDate(project, row);
        break;
    case ColEnd:
        confirmNotBeforeProjectStart(
            project, host, ColEnd, row,
            QCoreApplication::translate(
                "Schedule", "The 'End' (and 'Start') date is earlier than the project start "
                            "date.\nChange the project start date?"));
        if (empty(ColDuration) && empty(ColStart)) {
            table.setCell(ColStart, row, table.cell(ColEnd, row));
            table.setCell(ColDuration, row, OneDay);
            CalcEndDate(project, row);
        }
        if (!empty(ColDuration) && !empty(ColStart)) {
            if (!(CellDate(table, ColEnd, row) < CellDate(table, ColStart, row))) {
                CalcDuration(project, row);
            } else {
                table.setCell(ColStart, row, table.cell(ColEnd, row));
                table.setCell(ColDuration, row, OneDay);
                CalcEndDate(project, row);
            }
        }
        break;
    default:
        break;
    }
}

} // namespace morvaine
