// Exporting and importing a 9,999-task plan with 20,000 links as MS Project XML, each
// against the project file's own save or open of the same plan in the same run.

#include "bench_support.h"

#include "exchange/ms_project_xml.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "schedule/calendar.h"
#include "schedule/recalc.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace morvaine;
using bench::QuietHost;

namespace {

struct BigPlan {
    Project project;
    QuietHost host{true};
    QTemporaryDir dir;
    QString xmlPath;
    BigPlan()
    {
        InitNewProject(project, host);
        project.settings().setValue(SettingsBlock::StartDate, bench::DateText(2026, 12, 7));
        TaskTable &t = project.taskTable;
        int links = 0;
        for (int row = 1; row <= 9999; ++row) {
            // Groups of ten: a group task over nine sub-tasks.
            const bool group = row % 10 == 1 && row < 9991;
            t.setCell(ColTask, row, QStringLiteral("Task number %1 of the plan").arg(row));
            t.setCell(ColLevel, row,
                      group || row >= 9991 || row % 10 == 1 ? QStringLiteral("1")
                                                            : QStringLiteral("2"));
            t.setCell(ColVeha, row, group ? QStringLiteral("v") : QString());
            t.setCell(ColDuration, row, QStringLiteral("%1 days").arg(row % 5 + 1));
            t.setCell(ColStart, row, bench::DateText(2026, 12, 7));
            CalcEndDate(project, row);
            QString forerunners;
            for (int p : {row - 1, row - 2})
                if (p >= 1 && !(p % 10 == 1 && p < 9991) && !group) {
                    forerunners += QStringLiteral(" %1;").arg(p);
                    ++links;
                }
            t.setCell(ColForerunner, row, forerunners);
            t.setCell(ColResource, row, QStringLiteral(" Anna; Bob;"));
            t.setCell(ColCompletion, row, QStringLiteral("%1 %").arg(row % 101));
        }
        // Top up to 20,000 links with links from the first task.
        for (int row = 3; links < 20000; ++row)
            if (t.cell(ColVeha, row).isEmpty() && !t.cell(ColForerunner, row).contains(" 2;")) {
                t.setCell(ColForerunner, row, t.cell(ColForerunner, row) + QStringLiteral(" 2;"));
                ++links;
            }
        project.resourceTable.setCell(ResColName, 1, QStringLiteral("Anna"));
        project.resourceTable.setCell(ResColCost, 1, QStringLiteral("25"));
        project.resourceTable.setCell(ResColName, 2, QStringLiteral("Bob"));
        project.resourceTable.setCell(ResColCost, 2, QStringLiteral("12.5"));
        project.LastTaskRow = 9999;
        RecalcSchedule(project, host);
        host.path = dir.filePath(QStringLiteral("big.mrv"));
        xmlPath = dir.filePath(QStringLiteral("big.xml"));
        SaveProject(project, host, QStringLiteral("SaveAs"));
        ExportMsProjectXml(project, host, xmlPath);
    }
};

BigPlan &big()
{
    static BigPlan b;
    return b;
}

// "vs_save" is the export's time over SaveProject's, both measured alternately.
void BM_ExportMsProjectXml(benchmark::State &state)
{
    BigPlan &b = big();
    double exportTime = 0;
    double saveTime = 0;
    for (auto _ : state) {
        exportTime += bench::SecondsOf([&] { ExportMsProjectXml(b.project, b.host, b.xmlPath); });
        saveTime +=
            bench::SecondsOf([&] { SaveProject(b.project, b.host, QStringLiteral("Save")); });
    }
    state.counters["export_ms"] = 1000 * exportTime / double(state.iterations());
    state.counters["save_ms"] = 1000 * saveTime / double(state.iterations());
    state.counters["vs_save"] = exportTime / saveTime;
    // The two documents' sizes, in megabytes.
    state.counters["xml_mb"] = double(QFileInfo(b.xmlPath).size()) / 1e6;
    state.counters["mrv_mb"] = double(QFileInfo(b.host.path).size()) / 1e6;
}

// "vs_load" is the import's time over LoadProject's, each into a new project.
void BM_ImportMsProjectXml(benchmark::State &state)
{
    BigPlan &b = big();
    double importTime = 0;
    double loadTime = 0;
    for (auto _ : state) {
        importTime += bench::SecondsOf([&] {
            Project imported;
            InitNewProject(imported, b.host);
            ImportMsProjectXml(imported, b.host, b.xmlPath);
            benchmark::DoNotOptimize(imported.LastTaskRow);
        });
        loadTime += bench::SecondsOf([&] {
            Project loaded;
            InitNewProject(loaded, b.host);
            LoadProject(loaded, b.host, b.host.path);
            benchmark::DoNotOptimize(loaded.LastTaskRow);
        });
    }
    state.counters["import_ms"] = 1000 * importTime / double(state.iterations());
    state.counters["load_ms"] = 1000 * loadTime / double(state.iterations());
    state.counters["vs_load"] = importTime / loadTime;
}

BENCHMARK(BM_ExportMsProjectXml)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ImportMsProjectXml)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    return bench::RunBenchmarks<QCoreApplication>(argc, argv);
}
