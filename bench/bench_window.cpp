// An edit in the real main window of the realistic 9,999-task plan (groups of ten over
// two levels, one or two predecessors per task, two resources, settled): a new Duration
// typed into the first task and Enter, which moves every later task, until the window
// has settled (the commit, the recalculation, the undo step, the grid and the chart
// repainted). The figure is the thread's processor time; it must stay within 50 ms.
// Beside it, the recalculation alone of the same edit, measured in the same run. The
// same again for the plan in which one group task in three also waits for the task
// before it.

#include "bench_support.h"
#include "realistic_plan.h"

#include "app/main_window.h"
#include "model/new_project.h"
#include "schedule/calendar.h"
#include "schedule/recalc.h"
#include "views/fonts.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace morvaine;

namespace {

struct Plan {
    std::unique_ptr<MainWindow> window;
    int firstTask = 0;
    QString longer;               // the Duration typed, five days more
    std::vector<QString> settled; // Duration, Start and End of every row
};

void restore(Project &project, const std::vector<QString> &settled)
{
    const CellBatch batch; // the windows hear of each cell once
    std::size_t i = 0;
    for (int row = 1; row <= project.LastTaskRow; ++row)
        for (int column = ColDuration; column <= ColEnd; ++column)
            project.taskTable.setCell(column, row, settled[i++]);
}

// Lets the window handle everything the edit started, repaints included.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

Plan &plan(int groupLinks)
{
    static std::map<int, Plan> plans;
    Plan &built = plans[groupLinks];
    if (built.window)
        return built;
    built.window = std::make_unique<MainWindow>();
    MainWindow &window = *built.window;
    window.show();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
    Project &project = window.project();
    bench::QuietHost quiet(true);
    {
        const CellBatch batch;
        bench::RealisticShape shape;
        shape.groupLinks = groupLinks;
        bench::BuildRealisticPlan(project, shape);
        RecalcSchedule(project, quiet);
    }
    for (int row = 1; row <= project.LastTaskRow && built.firstTask == 0; ++row)
        if (project.taskTable.cell(ColVeha, row).isEmpty() &&
            project.taskTable.cell(ColForerunner, row).isEmpty())
            built.firstTask = row;
    built.longer =
        QString::number(DurationDays(project.taskTable.cell(ColDuration, built.firstTask)) + 5);
    for (int row = 1; row <= project.LastTaskRow; ++row)
        for (int column = ColDuration; column <= ColEnd; ++column)
            built.settled.push_back(project.taskTable.cell(column, row));
    settle();
    return built;
}

void editMovingEveryTask(benchmark::State &state, int groupLinks)
{
    Plan &p = plan(groupLinks);
    MainWindow &window = *p.window;
    Project &project = window.project();
    double edit = 0, recalc = 0;
    for (auto _ : state) {
        restore(project, p.settled);
        window.SelectCell(ColDuration, p.firstTask);
        settle();
        edit += bench::SecondsOf([&] {
            // The first key opens the cell's editor, which takes the keyboard.
            for (const QChar ch : p.longer) {
                QTest::keyClicks(QApplication::focusWidget(), QString(ch));
                settle();
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            settle();
        });
        if (project.taskTable.cell(ColStart, project.LastTaskRow) ==
            p.settled[p.settled.size() - 2])
            state.SkipWithError("the edit moved nothing");
        // The same edit, recalculated alone.
        restore(project, p.settled);
        settle();
        project.taskTable.setCell(ColDuration, p.firstTask, p.longer);
        bench::QuietHost quiet(true);
        RecalcRow(project, quiet, ColDuration, p.firstTask);
        recalc += bench::SecondsOf([&] {
            const CellBatch batch;
            RecalcSchedule(project, quiet);
        });
        settle();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["window_ms"] = 1000 * edit / n;
    state.counters["recalc_ms"] = 1000 * recalc / n;
    state.counters["vs_recalc"] = edit / recalc;
}
void BM_EditMovingEveryTask(benchmark::State &state)
{
    editMovingEveryTask(state, 0);
}
void BM_EditMovingEveryTaskLinksToGroups(benchmark::State &state)
{
    editMovingEveryTask(state, 3);
}
BENCHMARK(BM_EditMovingEveryTask)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_EditMovingEveryTaskLinksToGroups)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home; // recent files and recovery copies of the bench's own
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    return bench::RunBenchmarks<QApplication>(argc, argv, [] {
        InstallFontSubstitutions();
        InitResources();
    });
}
