// Painting one screen of the task grid (the header row and 39 task rows by the 8 visible
// columns, each cell through its own Canvas as the grid's delegate does) for a 9,999-task
// project scrolled to its end, against the same screen of a 50-task project at its top.
// The screen must not grow dearer with the project (at most 1.2x): "vs_50_tasks" is the ratio.
// The screen's cells are completed once before the timing; painting itself only reads.

#include "bench_support.h"

#include "edit/cell_completion.h"
#include "model/convert.h"
#include "model/host.h"
#include "model/new_project.h"
#include "model/project.h"
#include "views/canvas.h"
#include "views/fonts.h"
#include "views/task_grid_painter.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

using namespace morvaine;
using bench::QuietHost;

namespace {

const int ColumnWidths[] = {40, 178, 64, 85, 86, 70, 75, 71};
const int VisibleColumns = 8;
const int ScreenRows = 40;
const int RowHeight = 17;

const QString Names[] = {QStringLiteral("Inspect the site"),
                         QStringLiteral("Building works"),
                         QStringLiteral("Dig the foundation"),
                         QStringLiteral("Pour concrete"),
                         QStringLiteral("Raise the walls"),
                         QStringLiteral("Roof timbers"),
                         QStringLiteral("Tiles and gutters"),
                         QStringLiteral("Windows and doors"),
                         QStringLiteral("Wiring"),
                         QStringLiteral("Plumbing")};

// Groups of ten: a level-1 group task over nine level-2 tasks linked in a chain, each
// with duration, dates, a resource and a completion, as a filled-in plan looks.
std::unique_ptr<Project> MakeProject(int tasks, Host &host)
{
    auto project = std::make_unique<Project>();
    InitNewProject(*project, host);
    TaskTable &table = project->taskTable;
    const TDateTime start = StrToDate(project->settings().startDate());
    for (int row = 1; row <= tasks; ++row) {
        const bool group = row % 10 == 1;
        table.setCell(ColTask, row, Names[row % 10]);
        table.setCell(ColDuration, row, QStringLiteral("%1 days").arg(row % 7 + 2));
        table.setCell(ColStart, row, DateToStr(start + row));
        table.setCell(ColEnd, row, DateToStr(start + row + row % 7 + 1));
        if (!group && row > 1)
            table.setCell(ColForerunner, row, QStringLiteral(" %1;").arg(row - 1));
        table.setCell(ColResource, row, QStringLiteral(" Anna; Bob;"));
        table.setCell(ColCompletion, row, QStringLiteral("%1 %").arg(row % 101));
        table.setCell(ColLevel, row, group ? QStringLiteral("1") : QStringLiteral("2"));
    }
    project->LastTaskRow = tasks;
    return project;
}

void PaintScreen(const Project &project, int firstTaskRow, QImage &image)
{
    const TaskGridView view{RowHeight, RowHeight};
    QPainter painter(&image);
    int top = 0;
    for (int i = 0; i < ScreenRows; ++i) {
        const int row = i == 0 ? 0 : firstTaskRow + i - 1;
        int left = 0;
        for (int column = 0; column < VisibleColumns; ++column) {
            Canvas canvas(painter);
            DrawTaskCell(project, view, column, row, canvas,
                         QRect(left, top, ColumnWidths[column], RowHeight));
            left += ColumnWidths[column];
        }
        top += RowHeight;
    }
}

double g_baselineSeconds = 0; // per screen, 50 tasks

void Run(benchmark::State &state, int tasks, int firstTaskRow, bool baseline)
{
    QuietHost host;
    const std::unique_ptr<Project> project = MakeProject(tasks, host);
    QImage image(669, ScreenRows * RowHeight, QImage::Format_RGB32);
    CompleteRows(*project, host, firstTaskRow, firstTaskRow + ScreenRows - 2);

    // Processor time of this thread, so that other load on the machine does not skew
    // the ratio.
    const double began = bench::ThreadSeconds();
    for (auto _ : state) {
        PaintScreen(*project, firstTaskRow, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    const double seconds = (bench::ThreadSeconds() - began) / double(state.iterations());
    state.counters["cpu_us_per_screen"] = seconds * 1e6;
    if (baseline)
        g_baselineSeconds = seconds;
    else if (g_baselineSeconds > 0)
        state.counters["vs_50_tasks"] = seconds / g_baselineSeconds;
}

void BM_TaskGridScreen_50Tasks(benchmark::State &state)
{
    Run(state, 50, 1, true);
}

void BM_TaskGridScreen_9999TasksAtEnd(benchmark::State &state)
{
    Run(state, TaskTable::LastRow, TaskTable::LastRow - (ScreenRows - 2), false);
}

} // namespace

BENCHMARK(BM_TaskGridScreen_50Tasks)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TaskGridScreen_9999TasksAtEnd)->Unit(benchmark::kMicrosecond);

// Fonts need a QGuiApplication, which benchmark's own main would not make.
int main(int argc, char **argv)
{
    return bench::RunBenchmarks<QGuiApplication>(argc, argv, InstallFontSubstitutions);
}
