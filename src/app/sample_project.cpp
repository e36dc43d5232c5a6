// The sample project, a small house-building plan, made through the program's own
// operations: the tasks are typed into the table, scheduled by the recalculation and
// saved by the project file writer. Dates are written in the short date format of the
// locale it runs under, as the program always does.

#include "sample_project.h"

#include "model/convert.h"
#include "schedule/recalc.h"

#include <QDate>

namespace morvaine {

namespace {

struct Task {
    const char *name;
    int level;
    int days; // -1: a group task, its dates come from its sub-tasks
    const char *forerunners;
    const char *resources;
    const char *completion;
};

// Row n of the table is entry n - 1.
const Task Plan[] = {
    {"House", 1, -1, "", "", ""},
    {"Site and shell", 2, -1, "", "", ""},
    {"Survey and permits", 3, 5, "", " Anna;", "100"},
    {"Excavation", 3, 3, " 3;", " Bob;", "100"},
    {"Foundation", 3, 6, " 4;", " Bob; Carl;", "60"},
    {"Walls", 3, 12, " 5;", " Carl;", "10"},
    {"Roof", 3, 8, " 6;", " Carl; Bob;", ""},
    {"Shell complete", 3, 0, " 7;", " Anna;", ""},
    {"Interior", 2, -1, "", "", ""},
    {"Plumbing", 3, 6, " 8;", " Dana;", ""},
    {"Electrics", 3, 5, " 8;", " Eli;", ""},
    {"Plaster and paint", 3, 8, " 10; 11;", " Dana; Eli;", ""},
    {"Flooring", 3, 4, " 12;", " Carl;", ""},
    {"Handover", 1, 0, " 13;", " Anna;", ""},
};

struct Resource {
    const char *name;
    const char *cost;
    const char *address;
};

const Resource Resources[] = {
    {"Anna", "45", "Site manager, 12 Harbour Lane"},
    {"Bob", "60", "Excavation crew, 3 Quarry Road"},
    {"Carl", "38.5", "Mason, 7 Mill Street"},
    {"Dana", "42", "Plumber and painter, 21 Elm Court"},
    {"Eli", "44", "Electrician, 5 Station Square"},
};

QString durationText(int days)
{
    return QString::number(days) + (days == 1 ? QLatin1String(" day") : QLatin1String(" days"));
}

} // namespace

void BuildSampleProject(Project &project, Host &host)
{
    SettingsBlock settings = project.settings();
    settings.setValue(SettingsBlock::ProjectName, QStringLiteral("Family house"));
    settings.setValue(SettingsBlock::Author, QStringLiteral("Morvaine sample"));
    // A Monday, so the plan starts with a full working week.
    const QDate start(2025, 3, 3);
    settings.setValue(SettingsBlock::StartDate,
                      DateToStr(static_cast<TDateTime>(QDate(1899, 12, 30).daysTo(start))));

    TaskTable &table = project.taskTable;
    const int rows = static_cast<int>(std::size(Plan));
    for (int row = 1; row <= rows; ++row) {
        const Task &task = Plan[row - 1];
        table.setCell(ColTask, row, QLatin1String(task.name));
        table.setCell(ColLevel, row, QString::number(task.level));
        table.setCell(ColForerunner, row, QLatin1String(task.forerunners));
        table.setCell(ColResource, row, QLatin1String(task.resources));
        if (*task.completion)
            table.setCell(ColCompletion, row, QLatin1String(task.completion) + QLatin1String(" %"));
        // A group task starts as the one-day task its typed name makes; the
        // recalculation then fits it to its sub-tasks.
        if (task.days < 0)
            table.setCell(ColVeha, row, QStringLiteral("v"));
        table.setCell(ColDuration, row, durationText(task.days < 0 ? 1 : task.days));
    }
    project.LastTaskRow = rows;
    for (int row = 1; row <= rows; ++row)
        RecalcRow(project, host, ColDuration, row);
    RecalcSchedule(project, host);

    const int resources = static_cast<int>(std::size(Resources));
    ResourceTable &people = project.resourceTable;
    people.setCell(ResColName, 0, QStringLiteral("Name"));
    people.setCell(ResColCost, 0, QStringLiteral("Cost/Hour"));
    people.setCell(ResColAddress, 0, QStringLiteral("Address"));
    for (int row = 1; row <= resources; ++row) {
        people.setCell(ResColName, row, QLatin1String(Resources[row - 1].name));
        people.setCell(ResColCost, row, QLatin1String(Resources[row - 1].cost));
        people.setCell(ResColAddress, row, QLatin1String(Resources[row - 1].address));
    }
}

} // namespace morvaine
