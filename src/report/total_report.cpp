#include "report/total_report.h"

#include "model/convert.h"
#include "report/report_figures.h"
#include "schedule/calendar.h"
#include "schedule/recalc.h"

#include <QTextStream>

#include <QCoreApplication>
#include <numeric>
#include <optional>

namespace morvaine {

namespace {

constexpr std::array<int, ReportGrid::Columns> ColumnWidths = {12, 30,  150, 30, 150,
                                                               30, 150, 30,  10};

int RowHeight(int row)
{
    switch (row) {
    case 1:
        return 25;
    case 3:
    case 14:
    case 21:
        return 20;
    case 7:
    case 11:
    case 18:
    case 25:
        return 30;
    case 8:
    case 13:
    case 20:
        return 10;
    case 4:
    case 6:
    case 10:
    case 12:
    case 15:
    case 17:
    case 19:
    case 22:
    case 24:
    case 26:
        return 7;
    default:
        return 17;
    }
}

// The labels of the figures: each sits two rows above its figure.
struct Label {
    int column;
    int row;
    const char *text;
};
constexpr Label Labels[] = {
    {2, 5, QT_TRANSLATE_NOOP("TotalReport", "Start Date:")},
    {4, 5, QT_TRANSLATE_NOOP("TotalReport", "End Date:")},
    {6, 5, QT_TRANSLATE_NOOP("TotalReport", "Diration:")},
    {2, 9, QT_TRANSLATE_NOOP("TotalReport", "Current Cost:")},
    {4, 9, QT_TRANSLATE_NOOP("TotalReport", "Total Cost:")},
    {6, 9, QT_TRANSLATE_NOOP("TotalReport", "Completion:")},
    {2, 16, QT_TRANSLATE_NOOP("TotalReport", "Group Task:")},
    {4, 16, QT_TRANSLATE_NOOP("TotalReport", "Task:")},
    {6, 16, QT_TRANSLATE_NOOP("TotalReport", "Milestone:")},
    {2, 23, QT_TRANSLATE_NOOP("TotalReport", "Resource:")},
    {4, 23, QT_TRANSLATE_NOOP("TotalReport", "Average Cost/Hour:")},
};

QString DaysText(int days)
{
    return days == 1 ? QCoreApplication::translate("TotalReport", "1 day")
                     : QCoreApplication::translate("TotalReport", "%n days", nullptr, days);
}

} // namespace

int ReportGrid::width() const
{
    return std::accumulate(columnWidths.begin(), columnWidths.end(), 0);
}

int ReportGrid::height() const
{
    return std::accumulate(rowHeights.begin(), rowHeights.end(), 0);
}

void BuildTotalReport(const Project &project, ReportGrid &grid)
{
    for (auto &column : grid.cells)
        for (QString &cell : column)
            cell.clear();
    grid.columnWidths = ColumnWidths;
    for (int row = 0; row < ReportGrid::Rows; ++row)
        grid.rowHeights[row] = RowHeight(row);

    auto set = [&grid](int column, int row, const QString &text) {
        grid.cells[column][row] = text;
    };
    const ConstSettingsBlock settings = project.settings();
    set(4, 1,
        QCoreApplication::translate("TotalReport", "Project Report: %1")
            .arg(settings.projectName()));
    set(1, 3, QCoreApplication::translate("TotalReport", "Project Status"));
    set(1, 14, QCoreApplication::translate("TotalReport", "Task"));
    set(1, 21, QCoreApplication::translate("TotalReport", "Resource"));
    for (const Label &label : Labels)
        set(label.column, label.row, QCoreApplication::translate("TotalReport", label.text));
    set(4, 28, QCoreApplication::translate("TotalReport", "Morvaine 1.0 - Total Report"));

    // The figures, in the order a reader meets them; a conversion error stops here and
    // leaves the rest empty.
    const QString &currency = settings.currency();
    set(2, 7, settings.startDate());
    const TDateTime end = ProjectEndDate(project);
    set(4, 7, DateToStr(end));
    const TDateTime start = StrToDate(settings.startDate());
    const int days = project.LastTaskRow == 0 ? 0 : CountWorkingDays(project, start, end);
    set(6, 7, DaysText(days));

    // One pass over the tasks gathers the costs and the counts. Counting reads the
    // Duration of rows the costs pass over; an unreadable one is reported when its
    // count comes, after the figures before it.
    const TaskTable &table = project.taskTable;
    const ResourceCosts costs(project);
    double current = 0, total = 0;
    int groups = 0, tasks = 0, milestones = 0;
    int unreadableDuration = 0;
    for (int row = 1; row <= project.LastTaskRow; ++row) {
        const QString &duration = table.cell(ColDuration, row);
        std::optional<int> taskDays;
        if (!duration.isEmpty()) {
            try {
                taskDays = DurationDays(duration);
            } catch (const ConversionError &) {
                if (!unreadableDuration)
                    unreadableDuration = row;
            }
        }
        double cost = 0;
        if (!duration.isEmpty() && !table.cell(ColResource, row).isEmpty())
            cost = taskDays ? costs.TaskCost(row, *taskDays) : costs.TaskCost(row); // throws
        current += cost * CompletionPercent(table.cell(ColCompletion, row)) * 0.01;
        total += cost;

        const bool group = table.cell(ColVeha, row) == QLatin1String("v");
        groups += group;
        if (taskDays && !group)
            ++(*taskDays == 0 ? milestones : tasks);
    }
    set(2, 11, currency + FormatAmount(current));
    set(4, 11, currency + FormatAmount(total));
    set(6, 11,
        FormatAmount(ProjectCompletion(project, start, end, CriticalChainOf(project))) +
            QLatin1String(" %"));
    set(2, 18, QString::number(groups));
    if (unreadableDuration)
        DurationDays(table.cell(ColDuration, unreadableDuration)); // throws its error
    set(4, 18, QString::number(tasks));
    set(6, 18, QString::number(milestones));
    set(2, 25, QString::number(costs.count()));
    set(4, 25, currency + FormatAmount(costs.averageCost()));
}

QString TotalReportText(const Project &project)
{
    ReportGrid grid;
    BuildTotalReport(project, grid);
    QString text;
    QTextStream out(&text);
    out << grid.cell(4, 1) << '\n';
    for (const Label &label : Labels)
        out << QCoreApplication::translate("TotalReport", label.text) << ' '
            << grid.cell(label.column, label.row + 2) << '\n';
    return text;
}

} // namespace morvaine
