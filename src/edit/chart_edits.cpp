#include "edit/chart_edits.h"

#include "edit/cell_completion.h"
#include "edit/list_normalize.h"
#include "schedule/calendar.h"
#include "schedule/forerunner.h"
#include "schedule/recalc.h"

#include <QCoreApplication>
#include <vector>

namespace morvaine {

namespace {

bool IsGroupTask(const TaskTable &table, int row)
{
    return table.cell(ColVeha, row) == QLatin1String("v");
}

bool ReadDate(const QString &text, TDateTime &day)
{
    try {
        day = StrToDate(text);
        return true;
    } catch (const ConversionError &) {
        return false;
    }
}

bool InDateRange(TDateTime day)
{
    return day >= MinDateValue() && day <= MaxDateValue();
}

// The working days of a row's Duration; -1 when it is empty or does not read.
int DurationOf(const TaskTable &table, int row)
{
    try {
        return DurationDays(table.cell(ColDuration, row));
    } catch (const ConversionError &) {
        return -1;
    }
}

// The predecessor rows a Forerunner list links to, of whatever type.
std::vector<int> NamedPredecessors(const QString &list)
{
    std::vector<int> rows;
    for (const LinkItem &link : ParseLinks(list).links)
        rows.push_back(link.row);
    return rows;
}

int LevelOf(const TaskTable &table, int row)
{
    return table.cell(ColLevel, row).toInt();
}

// Whether row lies among the sub-tasks of the group task on row group.
bool IsSubTaskOf(const TaskTable &table, int row, int group)
{
    if (!IsGroupTask(table, group) || row <= group)
        return false;
    const int level = LevelOf(table, group);
    for (int r = group + 1; r <= row; ++r)
        if (LevelOf(table, r) <= level)
            return false;
    return true;
}

// Whether successor is already, through links, a predecessor of predecessor, so that a
// link from predecessor to successor would close a cycle.
bool ClosesCycle(const Project &project, int predecessor, int successor)
{
    const TaskTable &table = project.taskTable;
    std::vector<bool> seen(TaskTable::Rows, false);
    std::vector<int> open{predecessor};
    seen[predecessor] = true;
    while (!open.empty()) {
        const int row = open.back();
        open.pop_back();
        for (int p : NamedPredecessors(table.cell(ColForerunner, row))) {
            if (p == successor)
                return true;
            if (p >= 1 && p <= project.LastTaskRow && !seen[p]) {
                seen[p] = true;
                open.push_back(p);
            }
        }
    }
    return false;
}

bool LinkRefused(const Project &project, int predecessor, int successor)
{
    const TaskTable &table = project.taskTable;
    const auto isTaskRow = [&](int row) { return row >= 1 && row <= project.LastTaskRow; };
    if (!isTaskRow(predecessor) || !isTaskRow(successor) || predecessor == successor)
        return true;
    if (table.cell(ColDuration, successor).isEmpty())
        return true;
    for (int p : NamedPredecessors(table.cell(ColForerunner, successor)))
        if (p == predecessor)
            return true; // listed already
    if (IsSubTaskOf(table, successor, predecessor) || IsSubTaskOf(table, predecessor, successor))
        return true;
    return ClosesCycle(project, predecessor, successor);
}

} // namespace

bool CanDragTask(const Project &project, int row)
{
    if (row < 1 || row > project.LastTaskRow)
        return false;
    const TaskTable &table = project.taskTable;
    TDateTime day = 0;
    return !IsGroupTask(table, row) && DurationOf(table, row) >= 0 &&
           ReadDate(table.cell(ColStart, row), day) && ReadDate(table.cell(ColEnd, row), day);
}

std::optional<TaskDates> MovedTaskDates(const Project &project, int row, TDateTime start)
{
    if (!CanDragTask(project, row) || !InDateRange(start))
        return std::nullopt;
    const TaskTable &table = project.taskTable;
    const int days = DurationOf(table, row);
    TaskDates dates{start, start, days};
    if (days > 0) {
        // As CalcEndDate counts: from the first working day on or after the Start.
        const WorkWeek week = ProjectCalendar(project);
        const auto end = week.nthWorkingDay(static_cast<std::int64_t>(start), days);
        if (!end)
            return std::nullopt;
        dates.end = static_cast<TDateTime>(*end);
    }
    if (!InDateRange(dates.end))
        return std::nullopt;
    return dates;
}

std::optional<TaskDates> StretchedTaskDates(const Project &project, int row, TDateTime end)
{
    if (!CanDragTask(project, row) || DurationOf(project.taskTable, row) == 0 || !InDateRange(end))
        return std::nullopt;
    TaskDates dates;
    dates.start = StrToDate(project.taskTable.cell(ColStart, row));
    const WorkWeek week = ProjectCalendar(project);
    // Whole working days, at least one; the End lands on the last of them, as the
    // Duration's End is counted (a Start on a day off counts from the next working day).
    dates.days = static_cast<int>(qMax<std::int64_t>(
        1, week.count(static_cast<std::int64_t>(dates.start), static_cast<std::int64_t>(end))));
    const auto last = week.nthWorkingDay(static_cast<std::int64_t>(dates.start), dates.days);
    if (!last || !InDateRange(static_cast<TDateTime>(*last)))
        return std::nullopt;
    dates.end = static_cast<TDateTime>(*last);
    return dates;
}

bool MoveTask(Project &project, Host &host, int row, TDateTime start)
{
    if (!MovedTaskDates(project, row, start))
        return false;
    project.taskTable.setCell(ColStart, row, DateToStr(start));
    project.settings().markModified();
    RecalcRow(project, host, ColStart, row);
    RecalcSchedule(project, host);
    return true;
}

bool ChangeTaskEnd(Project &project, Host &host, int row, TDateTime end)
{
    const std::optional<TaskDates> dates = StretchedTaskDates(project, row, end);
    if (!dates)
        return false;
    project.taskTable.setCell(ColEnd, row, DateToStr(dates->end));
    project.settings().markModified();
    RecalcRow(project, host, ColEnd, row);
    // The Duration counted anew, in the form the table shows it.
    CompleteRows(project, host, row, row, ColDuration, ColDuration);
    RecalcSchedule(project, host);
    return true;
}

QString DrawnLinkItem(int predecessor, BarEnd from, BarEnd to)
{
    LinkItem link{predecessor, LinkType::FS, 0};
    if (from == BarEnd::Start)
        link.type = to == BarEnd::Start ? LinkType::SS : LinkType::SF;
    else if (to == BarEnd::End)
        link.type = LinkType::FF;
    return QLatin1Char(' ') + LinkItemText(link) + QLatin1Char(';');
}

bool LinkTasks(Project &project, Host &host, int predecessor, BarEnd from, int successor, BarEnd to)
{
    if (LinkRefused(project, predecessor, successor)) {
        host.MessageBox(QCoreApplication::translate("Messages", "Error"),
                        LinkErrorMessage(predecessor, successor), MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    TaskTable &table = project.taskTable;
    QString list = table.cell(ColForerunner, successor).trimmed();
    if (!list.isEmpty() && !list.endsWith(QLatin1Char(';')))
        list += QLatin1Char(';');
    table.setCell(ColForerunner, successor, list + DrawnLinkItem(predecessor, from, to));
    NormalizeForerunnerList(project, host, successor);
    project.settings().markModified();
    RecalcSchedule(project, host);
    return true;
}

} // namespace morvaine
