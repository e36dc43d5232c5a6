// Undo and redo of a recalculation that moved every task of a 9,999-task chain, beside
// that recalculation itself, measured in the same iterations; and the memory a long
// session of such edits holds, which stays flat once the history reaches its bound.

#include "bench_support.h"

#include "edit/undo_history.h"
#include "model/convert.h"
#include "model/new_project.h"
#include "schedule/recalc.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>

#include <malloc.h>

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

// A 9,999-task chain, each task two days after the one before, recalculated.
void MakeChain(Project &project, Host &host)
{
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
}

// The first task grows by a day: every task after it moves a day later (a task that
// shrinks leaves its successors where they are).
void GrowFirstTask(Project &project, Host &host, int days)
{
    project.taskTable.setCell(ColDuration, 1, QStringLiteral("%1 days").arg(days));
    RecalcRow(project, host, ColDuration, 1);
}

void BM_UndoRedoOfWholeChainMove(benchmark::State &state)
{
    Project project;
    QuietHost host;
    MakeChain(project, host);
    UndoHistory history(project);

    double recalc = 0, undoRedo = 0;
    std::size_t cells = 0;
    int days = 2;
    for (auto _ : state) {
        history.begin(QStringLiteral("Typing"), ColDuration, 1);
        GrowFirstTask(project, host, ++days);
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

double HeapMegabytes()
{
    return double(mallinfo2().uordblks) / (1 << 20);
}

// Edits that each move the whole chain, kept in a history bounded at 64 MiB (the
// program's bound is 256 MiB; a smaller one reaches it sooner and shows the same):
// the heap in use once the bound is reached and after as many edits again. Without
// the bound the heap grows with every edit: "heap_mb_per_edit" before it.
void BM_LongSessionMemory(benchmark::State &state)
{
    constexpr std::size_t Limit = std::size_t(64) << 20;
    double atBound = 0, after = 0, kept = 0, perEdit = 0;
    for (auto _ : state) {
        Project project;
        QuietHost host;
        MakeChain(project, host);
        UndoHistory history(project);
        history.setMemoryLimit(Limit);
        const double atStart = HeapMegabytes();
        int days = 2;
        int edits = 0;
        const auto edit = [&] {
            history.begin(QStringLiteral("Typing"), ColDuration, 1);
            GrowFirstTask(project, host, ++days);
            RecalcSchedule(project, host);
            history.end();
            ++edits;
        };
        edit();
        // One edit more than the bound holds, so the oldest has gone.
        const int toBound = int(Limit / history.recordedBytes()) + 1;
        while (edits < toBound)
            edit();
        atBound = HeapMegabytes();
        perEdit = (atBound - atStart) / toBound;
        for (int i = 0; i < toBound; ++i)
            edit();
        after = HeapMegabytes();
        std::size_t steps = 0;
        while (history.canUndo()) {
            history.undo();
            ++steps;
        }
        kept = double(steps);
        state.counters["edits"] = edits;
    }
    state.counters["heap_mb_per_edit"] = perEdit;
    state.counters["heap_mb_at_bound"] = atBound;
    state.counters["heap_mb_after_2x"] = after;
    state.counters["growth_after_bound"] = after / atBound;
    state.counters["steps_kept"] = kept;
}
BENCHMARK(BM_LongSessionMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return bench::RunBenchmarks<QCoreApplication>(argc, argv);
}
