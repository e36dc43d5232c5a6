// Undo and redo of a recalculation that moved every task of a 9,999-task chain, beside
// that recalculation itself, measured in the same iterations.

#include "bench_support.h"

#include "edit/undo_history.h"
#include "model/convert.h"
#include "model/new_project.h"
#include "schedule/recalc.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

using namespace morvaine;
using bench::QuietHost;

namespace {

double seconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void BM_UndoRedoOfWholeChainMove(benchmark::State &state)
{
    Project project;
    QuietHost host;
    InitNewProject(project, host);
    const QString start =
        DateToStr(static_cast<TDateTime>(QDate(1899, 12, 30).daysTo(QDate(2024, 1, 1))));
    project.settings().setValue(SettingsBlock::StartDate, start);
    project.CriticalPathOn = true;
    TaskTable &t = project.taskTable;
    for (int row = 1; row <= TaskTable::LastRow; ++row) {
        t.setCell(ColTask, row, QStringLiteral("Task %1").arg(row));
        t.setCell(ColDuration, row, QStringLiteral("2 days"));
        t.setCell(ColStart, row, start);
        t.setCell(ColEnd, row, start);
        if (row > 1)
            t.setCell(ColForerunner, row, QStringLiteral(" %1;").arg(row - 1));
    }
    project.LastTaskRow = TaskTable::LastRow;
    RecalcSchedule(project, host);
    UndoHistory history(project);

    double recalc = 0, undoRedo = 0;
    std::size_t cells = 0;
    int days = 2;
    for (auto _ : state) {
        // The first task grows by a day: every task after it moves a day later (a task
        // that shrinks leaves its successors where they are).
        history.begin(QStringLiteral("Typing"), ColDuration, 1);
        t.setCell(ColDuration, 1, QStringLiteral("%1 days").arg(++days));
        RecalcRow(project, host, ColDuration, 1);
        recalc += seconds([&] { RecalcSchedule(project, host); });
        history.end();
        cells = history.recordedCells();
        undoRedo += seconds([&] {
            history.undo();
            history.redo();
        });
        history.clear();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["recalc_ms"] = 1000 * recalc / n;
    state.counters["undo_redo_ms"] = 1000 * undoRedo / n;
    state.counters["vs_recalc"] = undoRedo / recalc;
    state.counters["cells"] = static_cast<double>(cells);
}
BENCHMARK(BM_UndoRedoOfWholeChainMove)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char **argv)
{
    return bench::RunBenchmarks<QCoreApplication>(argc, argv);
}
