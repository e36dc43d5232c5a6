// Painting one screen of the Gantt chart (the timescale row and 39 task rows by 16 day
// columns) of a 9,999-task project with 20,000 finish-to-start links, scrolled to row
// 9,950, against the same screen of a 50-task project at its top. A cell must look only
// at the links that can draw into it, so the screen must not grow dearer with the
// project (at most 1.3x): "vs_50_tasks" is the ratio. Also timed: building the index
// plus one screen, the first repaint after a recalculation.

#include "bench_support.h"
#include "gantt_bench_project.h"

#include "model/convert.h"
#include "model/project.h"
#include "views/canvas.h"
#include "views/fonts.h"
#include "views/gantt_painter.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

using namespace morvaine;

namespace {

const int ScreenRows = 40;
const int ScreenColumns = 16;
const int RowHeight = 17;
const int ColumnWidth = 60;

void PaintScreen(const Project &project, const GanttIndex &index, int firstTaskRow, int firstColumn,
                 QImage &image)
{
    QPainter painter(&image);
    Canvas canvas(painter);
    for (int i = 0; i < ScreenRows; ++i) {
        const int row = i == 0 ? 0 : firstTaskRow + i - 1;
        for (int c = 0; c < ScreenColumns; ++c)
            DrawGanttCell(project, index, firstColumn + c, row, canvas,
                          QRect(c * ColumnWidth, i * RowHeight, ColumnWidth, RowHeight));
    }
}

double g_baselineSeconds = 0; // per screen, 50 tasks

struct Screen {
    std::unique_ptr<Project> project;
    int firstTaskRow;
    int firstColumn;
};

// The screen whose first task row is firstTaskRow, its columns starting two days before
// that task.
Screen MakeScreen(int tasks, int firstTaskRow)
{
    Screen screen{MakeGanttBenchProject(tasks), firstTaskRow, 0};
    const GanttIndex index(*screen.project);
    const TDateTime start = StrToDate(screen.project->taskTable.cell(ColStart, firstTaskRow));
    screen.firstColumn = static_cast<int>(index.axis().columnOf(static_cast<qint64>(start))) - 2;
    return screen;
}

void Run(benchmark::State &state, int tasks, int firstTaskRow, bool baseline)
{
    const Screen screen = MakeScreen(tasks, firstTaskRow);
    const GanttIndex index(*screen.project);
    QImage image(ScreenColumns * ColumnWidth, ScreenRows * RowHeight, QImage::Format_RGB32);
    PaintScreen(*screen.project, index, screen.firstTaskRow, screen.firstColumn, image);

    // Processor time of this thread, so that other load on the machine does not skew
    // the ratio.
    const double began = bench::ThreadSeconds();
    for (auto _ : state) {
        PaintScreen(*screen.project, index, screen.firstTaskRow, screen.firstColumn, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    const double seconds = (bench::ThreadSeconds() - began) / double(state.iterations());
    state.counters["cpu_us_per_screen"] = seconds * 1e6;
    if (baseline)
        g_baselineSeconds = seconds;
    else if (g_baselineSeconds > 0)
        state.counters["vs_50_tasks"] = seconds / g_baselineSeconds;
}

void BM_GanttScreen_50Tasks(benchmark::State &state)
{
    Run(state, 50, 1, true);
}

void BM_GanttScreen_9999TasksAtRow9950(benchmark::State &state)
{
    Run(state, TaskTable::LastRow, 9950, false);
}

// After a recalculation the chart builds its index again before it paints.
void BM_GanttFirstRepaint_9999Tasks(benchmark::State &state)
{
    const Screen screen = MakeScreen(TaskTable::LastRow, 9950);
    QImage image(ScreenColumns * ColumnWidth, ScreenRows * RowHeight, QImage::Format_RGB32);
    const double began = bench::ThreadSeconds();
    for (auto _ : state) {
        const GanttIndex index(*screen.project);
        PaintScreen(*screen.project, index, screen.firstTaskRow, screen.firstColumn, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["cpu_ms_per_repaint"] =
        (bench::ThreadSeconds() - began) / double(state.iterations()) * 1e3;
}

} // namespace

BENCHMARK(BM_GanttScreen_50Tasks)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GanttScreen_9999TasksAtRow9950)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GanttFirstRepaint_9999Tasks)->Unit(benchmark::kMillisecond);

// Fonts need a QGuiApplication, which benchmark's own main would not make.
int main(int argc, char **argv)
{
    return bench::RunBenchmarks<QGuiApplication>(argc, argv, InstallFontSubstitutions);
}
