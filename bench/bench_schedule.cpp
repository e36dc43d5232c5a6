// RecalcSchedule on large projects, each beside a bare topological pass (Kahn's walk
// over an adjacency list parsed from the same Forerunner cells) measured in the same
// iterations: at most 3x ("vs_kahn"). The shapes: a chain, random forward links, a
// lattice, a chain inside fifty groups, each with every task on the project start; and
// plans as people build them (realistic_plan.h: groups of ten over two or four levels,
// one or two predecessors per task, or three, or links into one group task in three),
// settled and then recalculated after the first task grew five days longer, which moves
// every later task; and the plan with links into group tasks with every task still on
// the project start. A link that moves a group task pushes every row inside it onto the
// Start the link allows, and the group then spans its rows: a row there starts at the
// latest of its own links' bounds and its group's new Start, whatever the order of the
// steps, so that plan too takes the walk in order. (The depth-first walk moves a task
// again each time a longer path reaches it: from the project start, over 3,000 moves a
// task on average, its work growing with the square of the rows.) And CalcEndDate of a
// long task beside a short one.

#include "bench_support.h"
#include "realistic_plan.h"

#include "model/convert.h"
#include "model/new_project.h"
#include "schedule/calendar.h"
#include "schedule/date_list.h"
#include "schedule/forerunner_scan.h"
#include "schedule/recalc.h"

#include <QCoreApplication>
#include <QDate>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <deque>
#include <functional>

using namespace morvaine;
using bench::QuietHost;

namespace {

TDateTime projectStart()
{
    return static_cast<TDateTime>(QDate(1899, 12, 30).daysTo(QDate(2024, 1, 1)));
}

struct Scenario {
    Project project;
    QuietHost host;
    std::vector<QString> cells; // Duration, Start, End of every row, as built

    Scenario()
    {
        InitNewProject(project, host);
        project.settings().setValue(SettingsBlock::StartDate, DateToStr(projectStart()));
        project.CriticalPathOn = true;
    }
    // Every task two working days long, all starting on the project start date.
    void task(int row, QList<int> preds, int level = 1)
    {
        TaskTable &t = project.taskTable;
        t.setCell(ColTask, row, QStringLiteral("Task %1").arg(row));
        t.setCell(ColDuration, row, QStringLiteral("2 days"));
        t.setCell(ColStart, row, DateToStr(projectStart()));
        t.setCell(ColEnd, row, DateToStr(projectStart() + 1));
        QString forerunner;
        for (int p : preds)
            forerunner += QStringLiteral(" %1;").arg(p);
        t.setCell(ColForerunner, row, forerunner);
        t.setCell(ColLevel, row, QString::number(level));
        project.LastTaskRow = std::max(project.LastTaskRow, row);
    }
    void finish()
    {
        TaskTable &t = project.taskTable;
        for (int row = 1; row < TaskTable::LastRow; ++row)
            if (!t.cell(ColTask, row).isEmpty() &&
                t.cell(ColLevel, row + 1).toInt() > t.cell(ColLevel, row).toInt())
                t.setCell(ColVeha, row, QStringLiteral("v"));
        for (int row = 1; row <= TaskTable::LastRow; ++row)
            for (int column = ColDuration; column <= ColEnd; ++column)
                cells.push_back(t.cell(column, row));
    }
    void restore()
    {
        TaskTable &t = project.taskTable;
        std::size_t i = 0;
        for (int row = 1; row <= TaskTable::LastRow; ++row)
            for (int column = ColDuration; column <= ColEnd; ++column)
                t.setCell(column, row, cells[i++]);
    }
};

constexpr int N = TaskTable::LastRow;

Scenario *chain(bool reversed)
{
    auto *s = new Scenario;
    for (int row = 1; row <= N; ++row) {
        const bool head = reversed ? row == N : row == 1;
        s->task(row, head ? QList<int>{} : QList<int>{reversed ? row + 1 : row - 1});
    }
    s->finish();
    return s;
}

Scenario *randomLinks()
{
    auto *s = new Scenario;
    QRandomGenerator random(7);
    std::vector<QList<int>> preds(N + 1);
    for (int i = 0; i < 20000; ++i) {
        const int succ = 2 + random.bounded(N - 1);
        const int pred = 1 + random.bounded(succ - 1);
        if (!preds[succ].contains(pred))
            preds[succ] << pred;
    }
    for (int row = 1; row <= N; ++row)
        s->task(row, preds[row]);
    s->finish();
    return s;
}

// The random forward links of randomLinks, each of a random type (FS, SS, FF, SF) with
// a lag or lead of up to five working days one time in two.
Scenario *randomTypedLinks()
{
    auto *s = new Scenario;
    QRandomGenerator random(7), kinds(11);
    std::vector<QList<int>> preds(N + 1);
    for (int i = 0; i < 20000; ++i) {
        const int succ = 2 + random.bounded(N - 1);
        const int pred = 1 + random.bounded(succ - 1);
        if (!preds[succ].contains(pred))
            preds[succ] << pred;
    }
    static const char *types[] = {"", "SS", "FF", "SF"};
    for (int row = 1; row <= N; ++row) {
        s->task(row, {});
        QString forerunner;
        for (int p : preds[row]) {
            QString kind = QLatin1String(types[kinds.bounded(4)]);
            if (const int lag = kinds.bounded(2) ? 0 : kinds.bounded(11) - 5)
                kind += QStringLiteral("%1%2").arg(lag > 0 ? "+" : "").arg(lag);
            forerunner += QStringLiteral(" %1%2;").arg(p).arg(kind);
        }
        s->project.taskTable.setCell(ColForerunner, row, forerunner);
    }
    s->finish();
    return s;
}

// 100 x 100 nodes, each linked to its right and lower neighbour; the corner node that
// would be row 10000 is left out.
Scenario *lattice()
{
    auto *s = new Scenario;
    for (int row = 1; row <= N; ++row) {
        const int i = (row - 1) / 100, j = (row - 1) % 100;
        QList<int> preds;
        if (j > 0)
            preds << row - 1;
        if (i > 0)
            preds << row - 100;
        s->task(row, preds);
    }
    s->finish();
    return s;
}

// 50 nested group tasks, the chain inside the innermost.
Scenario *nestedChain()
{
    auto *s = new Scenario;
    for (int g = 1; g <= 50; ++g)
        s->task(g, {}, g);
    for (int row = 51; row <= N; ++row)
        s->task(row, row == 51 ? QList<int>{} : QList<int>{row - 1}, 51);
    s->finish();
    return s;
}

// The realistic shapes: groups of ten over two or four levels, one or two (or three)
// predecessors per task.
Scenario *realistic(int levels, int minPreds, int maxPreds, int groupLinks = 0)
{
    auto *s = new Scenario;
    bench::RealisticShape shape{levels, minPreds, maxPreds};
    shape.groupLinks = groupLinks;
    bench::BuildRealisticPlan(s->project, shape);
    s->finish();
    return s;
}

// The baseline: successors parsed from the Forerunner cells (by the scanner the engine
// uses), then Kahn's walk.
int topologicalPass(const Project &project)
{
    const int last = project.LastTaskRow;
    std::vector<int> indegree(last + 2, 0);
    std::vector<std::vector<int>> successors(last + 2);
    for (int s = 1; s <= last; ++s) {
        const QString &forerunner = project.taskTable.cell(ColForerunner, s);
        if (forerunner.isEmpty())
            continue;
        QString error;
        ScanForerunner(
            forerunner,
            [&](int p) {
                if (p >= 1 && p <= last) {
                    successors[p].push_back(s);
                    ++indegree[s];
                }
            },
            error);
    }
    std::deque<int> ready;
    for (int row = 1; row <= last; ++row)
        if (indegree[row] == 0)
            ready.push_back(row);
    int seen = 0;
    while (!ready.empty()) {
        const int p = ready.front();
        ready.pop_front();
        ++seen;
        for (int s : successors[p])
            if (--indegree[s] == 0)
                ready.push_back(s);
    }
    return seen;
}

// The thread's processor time: the machine is shared, and waiting for a core would
// weigh on the two sides of a ratio unevenly.
double seconds(const std::function<void()> &work)
{
    return bench::SecondsOf(work);
}

// A settled plan whose first task becomes five days longer: every later task moves.
struct Edited {
    Scenario *plan;
    int firstTask;
    std::vector<QString> settled;
    QString longer;
};

Edited *settle(Scenario *s)
{
    auto *e = new Edited{s, 0, {}, {}};
    TaskTable &t = s->project.taskTable;
    RecalcSchedule(s->project, s->host);
    for (int row = 1; row <= N && !e->firstTask; ++row)
        if (t.cell(ColVeha, row).isEmpty() && t.cell(ColForerunner, row).isEmpty())
            e->firstTask = row;
    e->longer = QString::number(DurationDays(t.cell(ColDuration, e->firstTask)) + 5);
    for (int row = 1; row <= N; ++row)
        for (int column = ColDuration; column <= ColEnd; ++column)
            e->settled.push_back(t.cell(column, row));
    return e;
}

void restoreEdited(Edited &e)
{
    TaskTable &t = e.plan->project.taskTable;
    std::size_t i = 0;
    for (int row = 1; row <= N; ++row)
        for (int column = ColDuration; column <= ColEnd; ++column)
            t.setCell(column, row, e.settled[i++]);
    t.setCell(ColDuration, e.firstTask, e.longer);
    RecalcRow(e.plan->project, e.plan->host, ColDuration, e.firstTask);
}

void runEdited(benchmark::State &state, Scenario *(*make)())
{
    static std::map<Scenario *(*)(), Edited *> built;
    Edited *&e = built[make];
    if (!e)
        e = settle(make());
    Scenario *s = e->plan;
    double engine = 0, baseline = 0;
    for (auto _ : state) {
        restoreEdited(*e);
        engine += seconds([&] { RecalcSchedule(s->project, s->host); });
        baseline += seconds([&] { benchmark::DoNotOptimize(topologicalPass(s->project)); });
    }
    RecalcStats stats;
    restoreEdited(*e);
    RecalcSchedule(s->project, s->host, stats);
    const double n = static_cast<double>(state.iterations());
    state.counters["recalc_ms"] = 1000 * engine / n;
    state.counters["kahn_ms"] = 1000 * baseline / n;
    state.counters["vs_kahn"] = engine / baseline;
    state.counters["links"] = static_cast<double>(stats.linksFollowed);
    state.counters["in_order"] = stats.walkedInOrder;
}

void runScenario(benchmark::State &state, Scenario *(*make)())
{
    static std::map<Scenario *(*)(), Scenario *> built;
    Scenario *&s = built[make];
    if (!s)
        s = make();
    double engine = 0, baseline = 0;
    for (auto _ : state) {
        s->restore();
        engine += seconds([&] { RecalcSchedule(s->project, s->host); });
        baseline += seconds([&] { benchmark::DoNotOptimize(topologicalPass(s->project)); });
    }
    // The program's own entry point is timed; the counting one runs once, untimed.
    RecalcStats stats;
    s->restore();
    RecalcSchedule(s->project, s->host, stats);
    const double n = static_cast<double>(state.iterations());
    state.counters["recalc_ms"] = 1000 * engine / n;
    state.counters["kahn_ms"] = 1000 * baseline / n;
    state.counters["vs_kahn"] = engine / baseline;
    state.counters["links"] = static_cast<double>(stats.linksFollowed);
    state.counters["skipped"] = static_cast<double>(stats.revisitsSkipped);
    state.counters["in_order"] = stats.walkedInOrder;
}

Scenario *realisticTwoLevels()
{
    return realistic(2, 1, 2);
}
Scenario *realisticFourLevels()
{
    return realistic(4, 1, 2);
}
Scenario *realisticThreePredecessors()
{
    return realistic(2, 3, 3);
}
// One group task in three also waits for the task before it: a link that moves a group
// task pushes the rows inside it onto the group's new Start.
Scenario *realisticGroupLinks()
{
    return realistic(2, 1, 2, 3);
}
// Each plan shape recalculated as it was built (runScenario), or after a Duration change
// of the first task of the settled plan, which moves every later task (runEdited). The
// realistic plans "from the project start" have every task still on the project start,
// as a plan typed or imported without dates.
struct Shape {
    const char *name;
    Scenario *(*make)();
    void (*run)(benchmark::State &, Scenario *(*)());
};
const Shape Shapes[] = {
    {"BM_ChainInRowOrder", [] { return chain(false); }, runScenario},
    {"BM_ChainInReversedRowOrder", [] { return chain(true); }, runScenario},
    {"BM_RandomForwardLinks", randomLinks, runScenario},
    {"BM_RandomTypedLinksWithLags", randomTypedLinks, runScenario},
    {"BM_LatticeOfDiamonds", lattice, runScenario},
    {"BM_ChainInFiftyGroups", nestedChain, runScenario},
    {"BM_RealisticEdited", realisticTwoLevels, runEdited},
    {"BM_RealisticFourLevelsEdited", realisticFourLevels, runEdited},
    {"BM_RealisticThreePredecessorsEdited", realisticThreePredecessors, runEdited},
    {"BM_RealisticFromProjectStart", realisticTwoLevels, runScenario},
    {"BM_RealisticLinksToGroupsEdited", realisticGroupLinks, runEdited},
    {"BM_RealisticLinksToGroupsFromProjectStart", realisticGroupLinks, runScenario},
};
const bool shapesRegistered = [] {
    for (const Shape &shape : Shapes)
        benchmark::RegisterBenchmark(shape.name, shape.run, shape.make)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(1.0);
    return true;
}();

// CalcEndDate of a 1,000-day task beside a 10-day one, alternately.
void BM_CalcEndDateLongVsShort(benchmark::State &state)
{
    Scenario s;
    s.task(1, {});
    s.task(2, {});
    s.project.taskTable.setCell(ColDuration, 1, QStringLiteral("1000 days"));
    s.project.taskTable.setCell(ColDuration, 2, QStringLiteral("10 days"));
    constexpr int Calls = 2000;
    double longTask = 0, shortTask = 0;
    for (auto _ : state) {
        longTask += seconds([&] {
            for (int i = 0; i < Calls; ++i)
                CalcEndDate(s.project, 1);
        });
        shortTask += seconds([&] {
            for (int i = 0; i < Calls; ++i)
                CalcEndDate(s.project, 2);
        });
    }
    const double n = static_cast<double>(state.iterations()) * Calls;
    state.counters["long_us"] = 1e6 * longTask / n;
    state.counters["short_us"] = 1e6 * shortTask / n;
    state.counters["vs_short"] = longTask / shortTask;
}
BENCHMARK(BM_CalcEndDateLongVsShort)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// 100 holidays on working days, one every `step` calendar days from the project start.
QString hundredHolidays(int step)
{
    QStringList days;
    for (int i = 0; i < 100; ++i) {
        TDateTime day = projectStart() + 3 + i * step;
        while (WorkWeek::weekday(static_cast<std::int64_t>(day)) == 1 ||
               WorkWeek::weekday(static_cast<std::int64_t>(day)) == 7)
            day += 1;
        days << DateToStr(day);
    }
    return days.join(QStringLiteral("; "));
}

// CalcEndDate of a 1,000-day task with 100 holidays inside its span (one every two
// weeks) beside the same without exceptions, alternately.
void BM_CalcEndDateWithHolidays(benchmark::State &state)
{
    Scenario plain, holidays;
    for (Scenario *s : {&plain, &holidays}) {
        s->task(1, {});
        s->project.taskTable.setCell(ColDuration, 1, QStringLiteral("1000 days"));
    }
    SetCalendarExceptions(holidays.project, hundredHolidays(14), QString());
    constexpr int Calls = 2000;
    double withHolidays = 0, without = 0;
    for (auto _ : state) {
        without += bench::SecondsOf([&] {
            for (int i = 0; i < Calls; ++i)
                CalcEndDate(plain.project, 1);
        });
        withHolidays += bench::SecondsOf([&] {
            for (int i = 0; i < Calls; ++i)
                CalcEndDate(holidays.project, 1);
        });
    }
    if (plain.project.taskTable.cell(ColEnd, 1) == holidays.project.taskTable.cell(ColEnd, 1))
        state.SkipWithError("the holidays moved nothing");
    const double n = static_cast<double>(state.iterations()) * Calls;
    state.counters["holidays_us"] = 1e6 * withHolidays / n;
    state.counters["plain_us"] = 1e6 * without / n;
    state.counters["vs_plain"] = withHolidays / without;
}
BENCHMARK(BM_CalcEndDateWithHolidays)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The 9,999-task chain recalculated with 100 holidays spread over its span (one every
// 280 days) beside the same chain without exceptions, alternately.
void BM_ChainWithHolidays(benchmark::State &state)
{
    static Scenario *plain = chain(false);
    static Scenario *holidays = [] {
        Scenario *s = chain(false);
        SetCalendarExceptions(s->project, hundredHolidays(280), QString());
        return s;
    }();
    double withHolidays = 0, without = 0;
    for (auto _ : state) {
        plain->restore();
        without += bench::SecondsOf([&] { RecalcSchedule(plain->project, plain->host); });
        holidays->restore();
        withHolidays +=
            bench::SecondsOf([&] { RecalcSchedule(holidays->project, holidays->host); });
    }
    if (plain->project.taskTable.cell(ColEnd, N) == holidays->project.taskTable.cell(ColEnd, N))
        state.SkipWithError("the holidays moved nothing");
    const double n = static_cast<double>(state.iterations());
    state.counters["holidays_ms"] = 1000 * withHolidays / n;
    state.counters["plain_ms"] = 1000 * without / n;
    state.counters["vs_plain"] = withHolidays / without;
}
BENCHMARK(BM_ChainWithHolidays)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    return bench::RunBenchmarks<QCoreApplication>(argc, argv);
}
