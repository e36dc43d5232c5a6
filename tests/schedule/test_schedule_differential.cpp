// The engine against a slow reference implementation, recursive and day by day, on
// random projects.
#include "literal_schedule.h"
#include "schedule/calendar.h"
#include "schedule/recalc.h"
#include "schedule_fixture.h"

#include <QRandomGenerator>
#include <QTest>

using namespace morvaine;

class TestScheduleDifferential : public QObject {
    Q_OBJECT
private slots:
    void randomProjects_data();
    void randomProjects();
};

namespace {

// With typed, links of every type with lags and leads (from a generator of their own).
void randomProject(ScheduleFixture &f, QRandomGenerator &random, QRandomGenerator &extra,
                   QRandomGenerator *typed = nullptr)
{
    const int rows = 3 + random.bounded(12);
    QString mask;
    for (int i = 0; i < 7; ++i)
        mask += random.bounded(4) == 0 ? QLatin1Char('N') : QLatin1Char('Y');
    if (!mask.contains(QLatin1Char('Y')))
        mask[random.bounded(7)] = QLatin1Char('Y');
    f.settings().setValue(SettingsBlock::WorkingDays,
                          random.bounded(3) ? QStringLiteral("YYYYYNN") : mask);
    f.project.CriticalPathOn = random.bounded(2);
    f.host.firstVisibleRow = random.bounded(4) ? 1 : 1 + random.bounded(rows);
    // Links follow an order of the rows, so no link closes a cycle by itself; in row
    // order not even through group tasks.
    QList<int> order;
    const bool shuffled = random.bounded(5) < 2;
    for (int row = 1; row <= rows; ++row)
        order.insert(shuffled ? random.bounded(order.size() + 1) : order.size(), row);
    int level = 1;
    static const char *durations[] = {"0", "1 day", "1", "2", "3 days", "4", "7", "12 days", ""};
    for (int row = 1; row <= rows; ++row) {
        const QString duration =
            QLatin1String(durations[random.bounded(random.bounded(5) ? 8 : 9)]);
        const int start = random.bounded(random.bounded(3) ? 4 : 15);
        f.task(row, duration, start, start, {}, level);
        if (DurationDays(duration) > 0 && random.bounded(5))
            CalcEndDate(f.project, row);
        else if (DurationDays(duration) != 0)
            f.table().setCell(ColEnd, row, MonText(start + random.bounded(9)));
        QString forerunner;
        const int position = order.indexOf(row);
        const int links = position == 0 ? 0 : random.bounded(4);
        for (int i = 0; i < links; ++i) {
            int pred = order[random.bounded(position)];
            if (random.bounded(40) == 0)
                pred = row; // a self-link
            QString kind;
            if (typed) {
                static const char *types[] = {"", "SS", "FF", "SF"};
                kind = QLatin1String(types[typed->bounded(4)]);
                if (const int lag = typed->bounded(3) ? 0 : typed->bounded(11) - 5)
                    kind += QStringLiteral("%1%2").arg(lag > 0 ? "+" : "").arg(lag);
            }
            forerunner += QStringLiteral(" %1%2;").arg(pred).arg(kind);
        }
        f.table().setCell(ColForerunner, row, forerunner);
        if (random.bounded(150) == 0) // a cell that does not read
            f.table().setCell(ColStart + random.bounded(3), row, QStringLiteral("x;"));
        level = std::max(1, level + random.bounded(3) - 1);
    }
    f.markGroups();
    // Now and then a Level that is no number, or one below the outline's top, once the
    // group marks are set: the outline must end its walks and parents there.
    if (random.bounded(12) == 0) {
        static const char *levels[] = {"x", "0", "-1", " 2"};
        f.table().setCell(ColLevel, 1 + random.bounded(rows),
                          QLatin1String(levels[random.bounded(4)]));
    }
    // From a generator of their own, so the projects above stay as they were: a group
    // mark that may head no deeper row, and a link back against the order (a cycle,
    // reached from a root or not).
    if (extra.bounded(10) == 0)
        f.table().setCell(ColVeha, 1 + extra.bounded(rows), QStringLiteral("v"));
    if (extra.bounded(8) == 0) {
        const int a = 1 + extra.bounded(rows), b = 1 + extra.bounded(rows);
        f.table().setCell(ColForerunner, order[std::min(a, b) - 1],
                          f.cell(ColForerunner, order[std::min(a, b) - 1]) +
                              QStringLiteral(" %1;").arg(order[std::max(a, b) - 1]));
    }
}

// Holidays and extra working days over the weeks a random project covers, from a
// generator of their own: single days and ranges, overlapping now and then.
void randomExceptions(ScheduleFixture &f, QRandomGenerator &random)
{
    for (int row : {22, 24}) {
        QStringList items;
        const int count = random.bounded(5);
        for (int i = 0; i < count; ++i) {
            const int first = random.bounded(-2, 40);
            const int length = random.bounded(3) ? 0 : random.bounded(1, 6);
            items << (length == 0 ? MonText(first)
                                  : MonText(first) + u'-' + MonText(first + length));
        }
        f.table().setCell(ColSettings, row, items.join(QStringLiteral("; ")));
    }
    f.table().setCell(ColSettings, 21, QStringLiteral("Holidays"));
    f.table().setCell(ColSettings, 23, QStringLiteral("Extra working days"));
}

// A plan as people build them, small: group tasks of up to ten rows over two or three
// levels, each task linked to one to three earlier tasks nearby, everything typed on
// the project start. Now and then a link leads from or to a group task; with
// groupLinks, most group tasks wait for the task before them or one further back.
void realisticProject(ScheduleFixture &f, QRandomGenerator &random, bool groupLinks = false)
{
    const int rows = 6 + random.bounded(22);
    const int levels = random.bounded(4) ? 2 : 3;
    f.settings().setValue(SettingsBlock::WorkingDays, random.bounded(4)
                                                          ? QStringLiteral("YYYYYNN")
                                                          : QStringLiteral("YNYYYNY"));
    f.project.CriticalPathOn = random.bounded(2);
    f.host.firstVisibleRow = random.bounded(6) ? 1 : 1 + random.bounded(rows);
    QList<int> level;
    const auto add = [&](auto &&self, int l) -> void {
        if (level.size() >= rows)
            return;
        level << l;
        if (l < levels)
            for (int i = 1 + random.bounded(9); i > 0; --i)
                self(self, l + 1);
    };
    while (level.size() < rows)
        add(add, 1);
    static const char *durations[] = {"1 day", "2", "3 days", "5", "1", "0"};
    QList<int> tasks, groups, before; // before: the tasks before each group task
    for (int row = 1; row <= rows; ++row) {
        const bool group = row < rows && level[row] > level[row - 1];
        if (group) {
            f.task(row, QStringLiteral("1"), 0, 0, {}, level[row - 1]);
            groups << row;
            before << static_cast<int>(tasks.size());
            continue;
        }
        QList<int> preds;
        for (int i = tasks.isEmpty() ? 0 : 1 + random.bounded(3); i > 0; --i) {
            const int reach = std::min<int>(tasks.size(), preds.isEmpty() ? 3 : 8);
            const int p = tasks[tasks.size() - 1 - random.bounded(reach)];
            if (!preds.contains(p))
                preds << p;
        }
        f.task(row, QLatin1String(durations[random.bounded(random.bounded(8) ? 5 : 6)]), 0, 0,
               preds, level[row - 1]);
        CalcEndDate(f.project, row);
        tasks << row;
    }
    f.markGroups();
    if (!groups.isEmpty() && random.bounded(8) == 0) { // a link from a group task
        const int g = groups[random.bounded(groups.size())];
        const int later = g + 1 + random.bounded(rows - g);
        f.table().setCell(ColForerunner, later,
                          f.cell(ColForerunner, later) + QStringLiteral(" %1;").arg(g));
    }
    if (!groups.isEmpty() && random.bounded(10) == 0) { // a link to a group task
        const int g = groups[random.bounded(groups.size())];
        const int earlier = 1 + random.bounded(g);
        if (earlier < g && f.cell(ColVeha, earlier).isEmpty())
            f.table().setCell(ColForerunner, g, QStringLiteral(" %1;").arg(earlier));
    }
    for (int i = 0; groupLinks && i < groups.size(); ++i) {
        if (before[i] == 0 || random.bounded(4) == 0)
            continue;
        const int g = groups[i];
        const int p = tasks[before[i] - 1 - random.bounded(std::min(before[i], 3))];
        if (!f.cell(ColForerunner, g).contains(QStringLiteral(" %1;").arg(p)))
            f.table().setCell(ColForerunner, g,
                              f.cell(ColForerunner, g) + QStringLiteral(" %1;").arg(p));
    }
}

QString chainText(const QList<int> &chain)
{
    QStringList rows;
    for (int row : chain)
        rows << QString::number(row);
    return rows.join(' ');
}

QStringList firstAppearances(const QStringList &texts)
{
    QStringList once;
    for (const QString &text : texts)
        if (!once.contains(text))
            once << text;
    return once;
}

} // namespace

void TestScheduleDifferential::randomProjects_data()
{
    // Numeric formats are read and written by the engine itself, others through Qt.
    QTest::addColumn<QString>("format"); // empty: the system's
    QTest::addColumn<int>("projects");
    QTest::addColumn<bool>("realistic");  // groups of ten and fan-in, as people plan
    QTest::addColumn<bool>("exceptions"); // random holidays and extra working days
    QTest::addColumn<bool>("typed");      // links of every type, with lags and leads
    QTest::addColumn<bool>("groupLinks"); // realistic, with links into most group tasks
    QTest::newRow("system format") << QString() << 4000 << false << false << false << false;
    QTest::newRow("month names") << QStringLiteral("d MMM yyyy") << 1000 << false << false << false
                                 << false;
    QTest::newRow("unpadded numbers")
        << QStringLiteral("M/d/yyyy") << 1000 << false << false << false << false;
    QTest::newRow("holidays") << QString() << 1500 << false << true << false << false;
    QTest::newRow("holidays, month names")
        << QStringLiteral("d MMM yyyy") << 300 << false << true << false << false;
    QTest::newRow("realistic plans") << QString() << 3000 << true << false << false << false;
    QTest::newRow("realistic plans, unpadded")
        << QStringLiteral("M/d/yyyy") << 500 << true << false << false << false;
    QTest::newRow("realistic plans, holidays")
        << QString() << 500 << true << true << false << false;
    QTest::newRow("link types and lags") << QString() << 3000 << false << false << true << false;
    QTest::newRow("link types and lags, holidays")
        << QString() << 1000 << false << true << true << false;
    QTest::newRow("links into group tasks") << QString() << 2500 << true << false << false << true;
    QTest::newRow("links into group tasks, holidays")
        << QString() << 600 << true << true << false << true;
}

void TestScheduleDifferential::randomProjects()
{
    QFETCH(QString, format);
    QFETCH(int, projects);
    QFETCH(bool, realistic);
    QFETCH(bool, exceptions);
    QFETCH(bool, typed);
    QFETCH(bool, groupLinks);
    QRandomGenerator types(20261126);
    const QString systemFormat = ShortDateFormat();
    SetShortDateFormat(format.isEmpty() ? systemFormat : format);
    struct Restore {
        QString format;
        ~Restore() { SetShortDateFormat(format); }
    } restore{systemFormat};
    QRandomGenerator random(20240101), extra(20261210), calendar(20271224);
    int compared = 0, chains = 0, skipped = 0, withSkips = 0, errors = 0, inOrder = 0, edited = 0;
    const int from = qEnvironmentVariableIntValue("FROM");
    ScheduleFixture engine, slow;
    QStringList defaults;
    for (int row = 1; row <= 24; ++row)
        defaults << engine.cell(ColSettings, row);
    for (int n = 0; n < projects; ++n) {
        // Both projects back to the fixture's state.
        for (ScheduleFixture *f : {&engine, &slow}) {
            f->table().clear(1, 7, 1, 31);
            f->table().clear(9, 9, 1, 31);
            for (int row = 1; row <= 31; ++row)
                f->table().setCell(ColLevel, row, QStringLiteral("1"));
            for (int row = 1; row <= 24; ++row)
                f->table().setCell(ColSettings, row, defaults[row - 1]);
            f->project.LastTaskRow = 0;
            std::fill(f->project.CriticalMarks.begin(), f->project.CriticalMarks.end(), -1);
            f->project.CriticalChain.clear();
            f->host = RecordingHost();
        }
        if (!realistic) {
            randomProject(engine, random, extra, typed ? &types : nullptr);
            if (exceptions)
                randomExceptions(engine, calendar);
        } else {
            realisticProject(engine, random, groupLinks);
            if (exceptions)
                randomExceptions(engine, calendar);
            // Half of them settled first, then the first task made longer: every task
            // behind it moves.
            if (random.bounded(2)) {
                RecordingHost quiet;
                quiet.firstVisibleRow = 1;
                try {
                    RecalcSchedule(engine.project, quiet);
                } catch (const ConversionError &) {
                }
                int first = 1;
                while (!engine.cell(ColVeha, first).isEmpty())
                    ++first;
                engine.table().setCell(ColDuration, first, QStringLiteral("4"));
                RecalcRow(engine.project, quiet, ColDuration, first);
                ++edited;
            }
        }
        if (n < from)
            continue;
        QStringList before;
        for (int row = 1; row <= engine.project.LastTaskRow; ++row) {
            QString line = QStringLiteral("%1:").arg(row);
            for (int column = 2; column <= 9; ++column)
                line += QStringLiteral(" [%1]").arg(engine.cell(column, row));
            before << line;
        }
        for (int row = 1; row <= engine.project.LastTaskRow + 1; ++row)
            for (int column = 1; column < TaskTable::Columns; ++column)
                slow.table().setCell(column, row, engine.cell(column, row));
        for (int row = 1; row <= 24; ++row)
            slow.table().setCell(ColSettings, row, engine.cell(ColSettings, row));
        slow.project.LastTaskRow = engine.project.LastTaskRow;
        slow.project.CriticalPathOn = engine.project.CriticalPathOn;
        slow.host.firstVisibleRow = engine.host.firstVisibleRow;

        QString slowError, engineError;
        try {
            literal::RecalcSchedule(slow.project, slow.host, 200000);
        } catch (const literal::BudgetExceeded &) {
            ++skipped; // a cycle through a group and its sub-tasks: the reference never ends
            continue;
        } catch (const ConversionError &error) {
            slowError = error.message();
        }
        // Every change the table reports must be one: a write of the text a cell
        // already holds is no change (the window would repaint and mark for nothing).
        constexpr int Watched = 32; // the rows a random project and the settings use
        int falseChanges = 0;
        const int listener = engine.table().addListener(
            [&](int, int row, const QString &oldText, const QString &newText) {
                // No write belongs below the watched rows.
                if (row >= Watched || oldText == newText)
                    ++falseChanges;
            });
        RecalcStats stats;
        QStringList engineMessages;
        try {
            RecalcSchedule(
                engine.project, engine.host.firstVisibleRow,
                [&engineMessages](const QString &message) { engineMessages << message; },
                engine.host, &stats);
        } catch (const ConversionError &error) {
            engineError = error.message();
        }
        engine.table().removeListener(listener);
        QString where = QStringLiteral("project %1").arg(n);
        if (qEnvironmentVariableIsSet("DUMP")) {
            where += QStringLiteral(" mask %1 visible %2 on %3\n")
                         .arg(engine.settings().workingDays())
                         .arg(engine.host.firstVisibleRow)
                         .arg(engine.project.CriticalPathOn) +
                     before.join('\n') + "\n";
        }
        if (qEnvironmentVariableIsSet("DUMP")) {
            where += QStringLiteral(" in order %1 ").arg(stats.walkedInOrder);
            for (int row = 1; row <= engine.project.LastTaskRow; ++row)
                where += QStringLiteral("\n%1: [%2] [%3] [%4] / [%5] [%6] [%7]")
                             .arg(row)
                             .arg(engine.cell(ColDuration, row), engine.cell(ColStart, row),
                                  engine.cell(ColEnd, row), slow.cell(ColDuration, row),
                                  slow.cell(ColStart, row), slow.cell(ColEnd, row));
            qInfo("%s", qPrintable(where));
        }
        QVERIFY2(falseChanges == 0, qPrintable(where));
        QVERIFY2(slowError == engineError,
                 qPrintable(where + ": " + slowError + " / " + engineError));
        if (!slowError.isEmpty())
            ++errors;
        for (int row = 1; row <= engine.project.LastTaskRow; ++row)
            for (int column = 1; column < TaskTable::Columns; ++column)
                QVERIFY2(engine.cell(column, row) == slow.cell(column, row),
                         qPrintable(QStringLiteral("%1 row %2 column %3: %4 / %5")
                                        .arg(where)
                                        .arg(row)
                                        .arg(column)
                                        .arg(engine.cell(column, row), slow.cell(column, row))));
        QVERIFY2(engine.settings().startDate() == slow.settings().startDate(), qPrintable(where));
        QVERIFY2(engineMessages == firstAppearances(slow.host.texts()),
                 qPrintable(where + ": " + engineMessages.join('|') + " / " +
                            firstAppearances(slow.host.texts()).join('|')));
        QCOMPARE(engine.host.chartRepaints, slow.host.chartRepaints);
        // Each row's kept-back texts are listed once: more would write past the list.
        QVERIFY2(stats.peakRowsKeptBack <= engine.project.LastTaskRow + 1, qPrintable(where));
        if (stats.revisitsSkipped > 0)
            ++withSkips;
        inOrder += stats.walkedInOrder;
        QVERIFY2(engine.project.CriticalChain == slow.project.CriticalChain,
                 qPrintable(where + ": " + chainText(engine.project.CriticalChain) + " / " +
                            chainText(slow.project.CriticalChain)));
        QVERIFY2(engine.project.CriticalMarks == slow.project.CriticalMarks,
                 qPrintable(where + " error: " + slowError));
        chains += !engine.project.CriticalChain.isEmpty();
        ++compared;
    }
    qInfo("compared %d projects (%d edited after settling, %d taken in order, %d with skipped "
          "walks, %d ending in a conversion error, %d with a chain); %d cyclic projects left out",
          compared, edited, inOrder, withSkips, errors, chains, skipped);
    QVERIFY(compared > projects * 3 / 4);
    // The shapes people plan take the walk in order, not the depth-first walk.
    if (realistic && !groupLinks)
        QVERIFY2(inOrder > compared * 3 / 4, qPrintable(QString::number(inOrder)));
    // A link that moves a group task pushes the rows inside it onto its new Start: the
    // walk in order takes that too, unless the group holds a group or lies inside one.
    if (groupLinks)
        QVERIFY2(inOrder > compared * 2 / 3, qPrintable(QString::number(inOrder)));
}

QTEST_GUILESS_MAIN(TestScheduleDifferential)
#include "test_schedule_differential.moc"
