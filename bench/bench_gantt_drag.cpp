// Dragging in the Gantt chart of a 9,999-task plan with about 20,000 links, on the
// screen at row 9,950 (the timescale row and 39 task rows by 16 day columns).
//
// One frame of a drag, as the chart runs it at each step of the mouse: the hit test at
// the pointer, the dates the drop would give (a move) or the bar under the pointer (a
// link), the new ghost, and the repaint of the cells the old and the new ghost cover
// (the chart paints the bounding rectangle of both). Goal: at most 2 ms. Baseline: a
// repaint of the whole screen, measured in the same run ("vs_screen").
//
// The drop: the edit with its recalculation, bringing the chart's index up to date and
// painting one screen. Goal: at most 16 ms. Baseline: the same drop with a new index
// built whole ("vs_fresh_index"), as the chart did before it followed the cells written.

#include "bench_support.h"
#include "gantt_bench_project.h"

#include "app/chart_hit_test.h"
#include "edit/chart_edits.h"
#include "views/canvas.h"
#include "views/fonts.h"
#include "views/gantt_ghost.h"
#include "views/gantt_painter.h"
#include "views/live_gantt_index.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

using namespace morvaine;

namespace {

const int ScreenRows = 40; // the timescale row and 39 task rows
const int ScreenColumns = 16;
const int FirstTaskRow = 9950;

struct Screen {
    std::unique_ptr<Project> project = MakeGanttBenchProject(TaskTable::LastRow);
    int firstColumn = 0;
    QImage image{ScreenColumns * GanttCellWidth, ScreenRows *GanttCellHeight, QImage::Format_RGB32};

    Screen()
    {
        const GanttIndex index(*project);
        const qint64 start = qint64(StrToDate(project->taskTable.cell(ColStart, FirstTaskRow)));
        firstColumn = int(index.axis().columnOf(start)) - 2;
    }

    // The viewport rectangle of a rectangle of chart pixels.
    QRect toScreen(const QRect &chart) const
    {
        return chart.translated(-firstColumn * GanttCellWidth,
                                (1 - FirstTaskRow) * GanttCellHeight);
    }
    QPoint toChart(int column, int row, int x, int y) const
    {
        return QPoint(column * GanttCellWidth + x, row * GanttCellHeight + y);
    }

    // Paints the cells under the dirty viewport rectangle, as the chart's paint event does.
    int paint(const GanttIndex &index, const GanttGhost &ghost, const QRect &dirty)
    {
        const QRect area = dirty.intersected(image.rect());
        if (area.isEmpty())
            return 0;
        QPainter painter(&image);
        Canvas canvas(painter);
        int cells = 0;
        for (int line = area.top() / GanttCellHeight; line <= area.bottom() / GanttCellHeight;
             ++line) {
            const int row = line == 0 ? 0 : FirstTaskRow + line - 1;
            for (int c = area.left() / GanttCellWidth; c <= area.right() / GanttCellWidth; ++c) {
                const QRect rect(c * GanttCellWidth, line * GanttCellHeight, GanttCellWidth,
                                 GanttCellHeight);
                DrawGanttCell(*project, index, firstColumn + c, row, canvas, rect);
                if (!ghost.isEmpty())
                    DrawGanttGhost(ghost, index.axis(), firstColumn + c, row, canvas, rect);
                ++cells;
            }
        }
        return cells;
    }
    int paintAll(const GanttIndex &index) { return paint(index, GanttGhost(), image.rect()); }
};

double g_screenSeconds = 0;

void BM_Screen(benchmark::State &state)
{
    Screen screen;
    const GanttIndex index(*screen.project);
    const double began = bench::ThreadSeconds();
    for (auto _ : state)
        benchmark::DoNotOptimize(screen.paintAll(index));
    g_screenSeconds = (bench::ThreadSeconds() - began) / double(state.iterations());
    state.counters["cpu_ms_per_screen"] = g_screenSeconds * 1e3;
}

// One frame: the pointer has moved by one day (a move) or a few pixels (a link).
void RunFrames(benchmark::State &state, bool link)
{
    Screen screen;
    Project &project = *screen.project;
    const GanttIndex index(project);
    screen.paintAll(index);
    const TimeAxis &axis = index.axis();
    // A task near the top left of the screen, so that six days later it is still on it.
    const int row = FirstTaskRow + 1;
    const qint64 startColumn =
        axis.columnOf(qint64(StrToDate(project.taskTable.cell(ColStart, row))));
    const QPoint press = screen.toChart(int(startColumn), row, 30, 8);
    const TDateTime start = StrToDate(project.taskTable.cell(ColStart, row));
    GanttGhost ghost;
    long long cells = 0, frames = 0;
    const double began = bench::ThreadSeconds();
    for (auto _ : state) {
        // A move sweeps one day at a time to the right and back; a link heads down and to
        // the right across 24 rows and 5 columns and back, its line's rectangle growing to
        // a quarter of the screen.
        const int step = int(frames % 12) < 6 ? int(frames % 6) : 6 - int(frames % 6);
        const QPoint pointer = link ? press + QPoint(step * 50, step * 4 * GanttCellHeight + 3)
                                    : press + QPoint(step * GanttCellWidth, 0);
        const ChartHit hit = HitTestChart(index, project.LastTaskRow, pointer);
        GanttGhost next;
        if (link) {
            next.hasLine = true;
            next.lineFrom = press;
            next.lineTo = pointer;
            if (hit.row > 0 && hit.row != row) {
                const GanttIndex::Row &target = index.row(hit.row);
                next.outline = {hit.row, target.start, target.end, target.zeroDays};
            }
        } else {
            const qint64 days = DayAtX(axis, pointer.x()) - DayAtX(axis, press.x());
            const std::optional<TaskDates> dates = MovedTaskDates(project, row, start + days);
            if (dates)
                next.outline = {row, qint64(dates->start), qint64(dates->end), dates->days == 0};
        }
        const QRect dirty = screen.toScreen(GhostBounds(ghost, axis) | GhostBounds(next, axis));
        ghost = next;
        cells += screen.paint(index, ghost, dirty);
        ++frames;
    }
    const double seconds = (bench::ThreadSeconds() - began) / double(frames);
    if (cells == 0)
        state.SkipWithError("the frames painted no cell: the ghost is off the screen");
    state.counters["cpu_ms_per_frame"] = seconds * 1e3;
    state.counters["cells_per_frame"] = double(cells) / double(frames);
    if (g_screenSeconds > 0)
        state.counters["vs_screen"] = seconds / g_screenSeconds;
}

void BM_FrameMovingABar(benchmark::State &state)
{
    RunFrames(state, false);
}

void BM_FrameDrawingALink(benchmark::State &state)
{
    RunFrames(state, true);
}

enum class Drop { MoveNearTheEnd, StretchNearTheEnd, LinkNearTheEnd, MoveTheFirstTask };

double g_freshIndexSeconds[4] = {};

// A drop: the edit and its recalculation, the index brought up to date, one screen.
void RunDrop(benchmark::State &state, Drop drop, bool freshIndex)
{
    Screen screen;
    Project &project = *screen.project;
    bench::QuietHost host(true);
    LiveGanttIndex live(project);
    TaskTable &table = project.taskTable;
    std::vector<QString> original;
    for (int row = 0; row < TaskTable::Rows; ++row)
        for (int column = ColTask; column <= ColVeha; ++column)
            original.push_back(table.cell(column, row));
    const auto restore = [&] {
        std::size_t i = 0;
        for (int row = 0; row < TaskTable::Rows; ++row)
            for (int column = ColTask; column <= ColVeha; ++column)
                table.setCell(column, row, original[i++]);
    };
    const int row = drop == Drop::MoveTheFirstTask ? 1 : FirstTaskRow + 10;
    const TDateTime start = StrToDate(table.cell(ColStart, row));
    const TDateTime end = StrToDate(table.cell(ColEnd, row));
    // A successor 20 to 30 rows further down that does not name the task yet.
    int successor = row + 20;
    while (table.cell(ColForerunner, successor).contains(QStringLiteral(" %1;").arg(row)))
        ++successor;
    live.current();
    GanttIndex fresh;

    double edit = 0, index = 0, paint = 0;
    long long drops = 0;
    for (auto _ : state) {
        restore();
        live.current(); // the restore is no part of the drop
        double t0 = bench::ThreadSeconds();
        switch (drop) {
        case Drop::MoveNearTheEnd:
        case Drop::MoveTheFirstTask:
            MoveTask(project, host, row, start + 1);
            break;
        case Drop::StretchNearTheEnd:
            ChangeTaskEnd(project, host, row, end + 1);
            break;
        case Drop::LinkNearTheEnd:
            LinkTasks(project, host, row, BarEnd::End, successor, BarEnd::Start);
            break;
        }
        double t1 = bench::ThreadSeconds();
        const GanttIndex *current = nullptr;
        if (freshIndex) {
            fresh = GanttIndex(project);
            current = &fresh;
        } else {
            current = &live.current();
        }
        double t2 = bench::ThreadSeconds();
        screen.paintAll(*current);
        double t3 = bench::ThreadSeconds();
        edit += t1 - t0;
        index += t2 - t1;
        paint += t3 - t2;
        ++drops;
    }
    const double total = (edit + index + paint) / double(drops);
    state.counters["cpu_ms_per_drop"] = total * 1e3;
    state.counters["edit_and_recalc_ms"] = edit / double(drops) * 1e3;
    state.counters["index_ms"] = index / double(drops) * 1e3;
    state.counters["screen_ms"] = paint / double(drops) * 1e3;
    if (freshIndex)
        g_freshIndexSeconds[int(drop)] = total;
    else if (g_freshIndexSeconds[int(drop)] > 0)
        state.counters["vs_fresh_index"] = total / g_freshIndexSeconds[int(drop)];
}

void BM_DropMoveNearTheEnd_FreshIndex(benchmark::State &state)
{
    RunDrop(state, Drop::MoveNearTheEnd, true);
}
void BM_DropMoveNearTheEnd(benchmark::State &state)
{
    RunDrop(state, Drop::MoveNearTheEnd, false);
}
void BM_DropStretchNearTheEnd_FreshIndex(benchmark::State &state)
{
    RunDrop(state, Drop::StretchNearTheEnd, true);
}
void BM_DropStretchNearTheEnd(benchmark::State &state)
{
    RunDrop(state, Drop::StretchNearTheEnd, false);
}
void BM_DropLinkNearTheEnd_FreshIndex(benchmark::State &state)
{
    RunDrop(state, Drop::LinkNearTheEnd, true);
}
void BM_DropLinkNearTheEnd(benchmark::State &state)
{
    RunDrop(state, Drop::LinkNearTheEnd, false);
}
// Every task after the first follows it: the drop moves all 9,999.
void BM_DropMoveTheFirstTask_FreshIndex(benchmark::State &state)
{
    RunDrop(state, Drop::MoveTheFirstTask, true);
}
void BM_DropMoveTheFirstTask(benchmark::State &state)
{
    RunDrop(state, Drop::MoveTheFirstTask, false);
}

} // namespace

BENCHMARK(BM_Screen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameMovingABar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameDrawingALink)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DropMoveNearTheEnd_FreshIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DropMoveNearTheEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DropStretchNearTheEnd_FreshIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DropStretchNearTheEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DropLinkNearTheEnd_FreshIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DropLinkNearTheEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DropMoveTheFirstTask_FreshIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DropMoveTheFirstTask)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::RunBenchmarks<QGuiApplication>(argc, argv, InstallFontSubstitutions);
}
