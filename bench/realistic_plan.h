#pragma once
// A plan as people build them, for the schedule and window benchmarks: group tasks of
// ten rows (a group over nine sub-tasks, nested to a given depth), each task linked to
// one or two earlier tasks nearby (or to a fixed number of them), durations of one to
// ten days, two resources. Built from a fixed seed, every task on the project start.

#include "model/convert.h"
#include "model/project.h"
#include "schedule/calendar.h"

#include <QDate>
#include <QRandomGenerator>

#include <algorithm>
#include <vector>

namespace bench {

struct RealisticShape {
    int levels = 2; ///< outline levels: groups on levels 1..levels-1, tasks on the last
    int minPreds = 1;
    int maxPreds = 2;
    int rows = morvaine::TaskTable::LastRow;
    int groupLinks = 0; ///< one group task in this many also waits for the task before it
};

inline morvaine::TDateTime RealisticStart()
{
    return static_cast<morvaine::TDateTime>(QDate(1899, 12, 30).daysTo(QDate(2024, 1, 1)));
}

/// Fills project (fresh from InitNewProject) with the shape; every task starts on the
/// project start date and ends as its Duration says. Returns the row of the first task.
inline int BuildRealisticPlan(morvaine::Project &project, const RealisticShape &shape)
{
    using namespace morvaine;
    TaskTable &t = project.taskTable;
    const TDateTime start = RealisticStart();
    project.settings().setValue(SettingsBlock::StartDate, DateToStr(start));
    project.resourceTable.setCell(ResColName, 1, QStringLiteral("Ann"));
    project.resourceTable.setCell(ResColCost, 1, QStringLiteral("20"));
    project.resourceTable.setCell(ResColName, 2, QStringLiteral("Bob"));
    project.resourceTable.setCell(ResColCost, 2, QStringLiteral("35.5"));

    // The outline: a group on level l < levels heads nine items of level l + 1.
    std::vector<int> level;
    const auto add = [&](auto &&self, int l) -> void {
        if (static_cast<int>(level.size()) >= shape.rows)
            return;
        level.push_back(l);
        if (l < shape.levels)
            for (int i = 0; i < 9; ++i)
                self(self, l + 1);
    };
    while (static_cast<int>(level.size()) < shape.rows)
        add(add, 1);

    QRandomGenerator random(20261211);
    std::vector<int> tasks; // task rows so far
    int first = 0;
    for (int row = 1; row <= shape.rows; ++row) {
        const int l = level[static_cast<std::size_t>(row - 1)];
        const bool group = row < shape.rows && level[static_cast<std::size_t>(row)] > l;
        t.setCell(ColTask, row, QStringLiteral("Task %1").arg(row));
        t.setCell(ColLevel, row, QString::number(l));
        t.setCell(ColVeha, row, group ? QStringLiteral("v") : QString());
        t.setCell(ColStart, row, DateToStr(start));
        if (group) {
            if (shape.groupLinks > 0 && !tasks.empty() && random.bounded(shape.groupLinks) == 0)
                t.setCell(ColForerunner, row, QStringLiteral(" %1;").arg(tasks.back()));
            continue; // its End and Duration span its sub-tasks
        }
        const int days = 1 + random.bounded(10);
        t.setCell(ColDuration, row, QStringLiteral("%1 days").arg(days));
        QString forerunner;
        if (!tasks.empty()) {
            const int wanted = shape.minPreds + random.bounded(shape.maxPreds - shape.minPreds + 1);
            std::vector<int> preds;
            for (int i = 0; i < wanted && static_cast<int>(preds.size()) < int(tasks.size());) {
                // The first predecessor close by, the others a little further back.
                const int reach = std::min<int>(int(tasks.size()), preds.empty() ? 5 : 30);
                const int p = tasks[tasks.size() - 1 - std::size_t(random.bounded(reach))];
                if (std::find(preds.begin(), preds.end(), p) != preds.end()) {
                    if (reach <= int(preds.size()))
                        break;
                    continue;
                }
                preds.push_back(p);
                ++i;
            }
            std::sort(preds.begin(), preds.end());
            for (int p : preds)
                forerunner += QStringLiteral(" %1;").arg(p);
        } else {
            first = row;
        }
        t.setCell(ColForerunner, row, forerunner);
        t.setCell(ColResource, row,
                  random.bounded(3) == 0
                      ? QStringLiteral(" Ann; Bob;")
                      : (random.bounded(2) ? QStringLiteral(" Ann;") : QStringLiteral(" Bob;")));
        t.setCell(ColCompletion, row, QStringLiteral("0 %"));
        CalcEndDate(project, row);
        tasks.push_back(row);
    }
    // Groups span their sub-tasks: from the last row up, each takes the latest End.
    std::vector<TDateTime> latest(static_cast<std::size_t>(shape.levels) + 2, 0);
    for (int row = shape.rows; row >= 1; --row) {
        const int l = level[static_cast<std::size_t>(row - 1)];
        TDateTime end = 0;
        if (t.cell(ColVeha, row).isEmpty()) {
            end = StrToDate(t.cell(ColEnd, row));
        } else {
            end = latest[static_cast<std::size_t>(l) + 1];
            latest[static_cast<std::size_t>(l) + 1] = 0;
            t.setCell(ColEnd, row, DateToStr(end));
            t.setCell(ColDuration, row, QString::number(CountWorkingDays(project, start, end)));
        }
        TDateTime &mine = latest[static_cast<std::size_t>(l)];
        mine = std::max(mine, end);
    }
    project.LastTaskRow = shape.rows;
    return first;
}

} // namespace bench
