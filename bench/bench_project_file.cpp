// Saving and opening a 9,999-task project, against a plain QDataStream round trip of
// the same texts (the cost of moving the bytes at all).

#include "bench_support.h"

#include "model/new_project.h"
#include "model/project_file.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

using namespace morvaine;
using bench::QuietHost;

namespace {

struct BigProject {
    Project project;
    QuietHost host{true};
    QTemporaryDir dir;
    BigProject()
    {
        InitNewProject(project, host);
        TaskTable &t = project.taskTable;
        for (int row = 1; row <= 9999; ++row) {
            t.setCell(ColTask, row, QStringLiteral("Task number %1 of the plan").arg(row));
            t.setCell(ColDuration, row, QStringLiteral("%1 days").arg(row % 20 + 2));
            t.setCell(ColStart, row, bench::DateText(2026, 12, 7));
            t.setCell(ColEnd, row, bench::DateText(2026, 12, 18));
            if (row > 1)
                t.setCell(ColForerunner, row, QStringLiteral(" %1;").arg(row - 1));
            t.setCell(ColResource, row, QStringLiteral(" Anna; Bob;"));
            t.setCell(ColCompletion, row, QStringLiteral("%1 %").arg(row % 101));
        }
        project.LastTaskRow = 9999;
        host.path = dir.filePath(QStringLiteral("big.mrv"));
    }
};

BigProject &big()
{
    static BigProject b;
    return b;
}

void saveAndOpen(BigProject &b)
{
    SaveProject(b.project, b.host, QStringLiteral("SaveAs"));
    Project loaded;
    InitNewProject(loaded, b.host);
    LoadProject(loaded, b.host, b.host.path);
    benchmark::DoNotOptimize(loaded.LastTaskRow);
}

// The baseline: the same cells through QDataStream, written and read back.
void dataStreamRoundTrip(BigProject &b)
{
    const QString path = b.dir.filePath(QStringLiteral("plain.bin"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        QDataStream out(&file);
        for (int column = 1; column < TaskTable::Columns; ++column)
            for (int row = 1; row < TaskTable::Rows; ++row)
                out << b.project.taskTable.cell(column, row);
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QDataStream in(&file);
    TaskTable table;
    QString text;
    for (int column = 1; column < TaskTable::Columns; ++column)
        for (int row = 1; row < TaskTable::Rows; ++row) {
            in >> text;
            table.setCell(column, row, text);
        }
    benchmark::DoNotOptimize(table.cell(1, 9999));
}

double secondsOf(void (*work)(BigProject &), BigProject &b)
{
    const auto began = std::chrono::steady_clock::now();
    work(b);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
}

// Saves and opens the project; "vs_datastream" is its time over the baseline's,
// both measured alternately in the same iterations.
void BM_SaveAndOpenProject(benchmark::State &state)
{
    BigProject &b = big();
    double project = 0;
    double baseline = 0;
    for (auto _ : state) {
        project += secondsOf(saveAndOpen, b);
        baseline += secondsOf(dataStreamRoundTrip, b);
    }
    state.counters["project_ms"] = 1000 * project / double(state.iterations());
    state.counters["datastream_ms"] = 1000 * baseline / double(state.iterations());
    state.counters["vs_datastream"] = project / baseline;
}

BENCHMARK(BM_SaveAndOpenProject)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    return bench::RunBenchmarks<QCoreApplication>(argc, argv);
}
