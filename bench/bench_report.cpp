// Building the total report of a 9,999-task project whose tasks each name five of 999
// resources, against one plain pass over the same Duration, Completion and Resource
// cells that reads them as the report does (working days, percent, the list's names)
// without looking any name up. "vs_plain_pass" is the ratio; the goal is at most 3x.

#include "bench_support.h"

#include "model/convert.h"
#include "model/host.h"
#include "model/new_project.h"
#include "model/project.h"
#include "report/report_figures.h"
#include "report/total_report.h"
#include "schedule/calendar.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <memory>

using namespace morvaine;
using bench::QuietHost;

namespace {

const int Resources = 999;

std::unique_ptr<Project> MakeProject()
{
    QuietHost host;
    auto project = std::make_unique<Project>();
    InitNewProject(*project, host);
    ResourceTable &resources = project->resourceTable;
    for (int row = 1; row <= Resources; ++row) {
        resources.setCell(ResColName, row, QStringLiteral("Worker %1").arg(row));
        if (row % 10 != 0)
            resources.setCell(ResColCost, row,
                              QStringLiteral("%1.%2").arg(10 + row % 40).arg(row % 100));
    }
    TaskTable &table = project->taskTable;
    const TDateTime start = StrToDate(project->settings().startDate());
    for (int row = 1; row <= TaskTable::LastRow; ++row) {
        table.setCell(ColTask, row, QStringLiteral("Task %1").arg(row));
        table.setCell(ColDuration, row, QStringLiteral("%1 days").arg(row % 7 + 1));
        table.setCell(ColStart, row, DateToStr(start + row % 300));
        table.setCell(ColEnd, row, DateToStr(start + row % 300 + row % 7));
        QString list;
        for (int i = 0; i < 5; ++i)
            list += QStringLiteral(" Worker %1;").arg((row * 7 + i * 211) % Resources + 1);
        table.setCell(ColResource, row, list);
        table.setCell(ColCompletion, row, QStringLiteral("%1 %").arg(row % 101));
    }
    project->LastTaskRow = TaskTable::LastRow;
    return project;
}

// The same cells read the way the report reads them, nothing looked up.
qint64 PlainPass(const Project &project)
{
    const TaskTable &table = project.taskTable;
    qint64 sum = 0;
    for (int row = 1; row <= project.LastTaskRow; ++row) {
        sum += DurationDays(table.cell(ColDuration, row));
        sum += CompletionPercent(table.cell(ColCompletion, row));
        QStringView rest(table.cell(ColResource, row));
        for (qsizetype end = rest.indexOf(QLatin1Char(';')); end >= 0;
             end = rest.indexOf(QLatin1Char(';'))) {
            sum += rest.left(end).trimmed().size();
            rest = rest.mid(end + 1);
        }
    }
    return sum;
}

double g_baselineSeconds = 0;

const Project &SharedProject()
{
    static const std::unique_ptr<Project> project = MakeProject();
    return *project;
}

void BM_PlainPass(benchmark::State &state)
{
    const Project &project = SharedProject();
    // Processor time of this thread, so that other load on the machine does not skew
    // the ratio.
    const double began = bench::ThreadSeconds();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainPass(project));
    g_baselineSeconds = (bench::ThreadSeconds() - began) / double(state.iterations());
    state.counters["cpu_us"] = g_baselineSeconds * 1e6;
}

void BM_BuildTotalReport(benchmark::State &state)
{
    const Project &project = SharedProject();
    ReportGrid grid;
    const double began = bench::ThreadSeconds();
    for (auto _ : state) {
        BuildTotalReport(project, grid);
        benchmark::DoNotOptimize(grid.cells[4][11].constData());
    }
    const double seconds = (bench::ThreadSeconds() - began) / double(state.iterations());
    state.counters["cpu_us"] = seconds * 1e6;
    if (g_baselineSeconds > 0)
        state.counters["vs_plain_pass"] = seconds / g_baselineSeconds;
}

} // namespace

BENCHMARK(BM_PlainPass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildTotalReport)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks<QCoreApplication>(argc, argv);
}
