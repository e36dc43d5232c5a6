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

void randomProject(ScheduleFixture &f, QRandomGenerator &random, QRandomGenerator &extra)
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
            forerunner += QStringLiteral(" %1;").arg(pred);
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
    QTest::addColumn<bool>("exceptions"); // random holidays and extra working days
    QTest::newRow("system format") << QString() << 4000 << false;
    QTest::newRow("month names") << QStringLiteral("d MMM yyyy") << 1000 << false;
    QTest::newRow("unpadded numbers") << QStringLiteral("M/d/yyyy") << 1000 << false;
    QTest::newRow("holidays") << QString() << 1500 << true;
    QTest::newRow("holidays, month names") << QStringLiteral("d MMM yyyy") << 300 << true;
}

void TestScheduleDifferential::randomProjects()
{
    QFETCH(QString, format);
    QFETCH(int, projects);
    QFETCH(bool, exceptions);
    const QString systemFormat = ShortDateFormat();
    SetShortDateFormat(format.isEmpty() ? systemFormat : format);
    struct Restore {
        QString format;
        ~Restore() { SetShortDateFormat(format); }
    } restore{systemFormat};
    QRandomGenerator random(20240101), extra(20261210), calendar(20271224);
    int compared = 0, chainsCompared = 0, chainsDiffer = 0, skipped = 0, withSkips = 0, errors = 0;
    const int from = qEnvironmentVariableIntValue("FROM");
    ScheduleFixture engine, slow;
    QStringList defaults;
    for (int row = 1; row <= 24; ++row)
        defaults << engine.cell(ColSettings, row);
    for (int n = 0; n < projects; ++n) {
        // Both projects back to the fixture's state.
        for (ScheduleFixture *f : {&engine, &slow}) {
            f->table().clear(1, 7, 1, 16);
            f->table().clear(9, 9, 1, 16);
            for (int row = 1; row <= 16; ++row)
                f->table().setCell(ColLevel, row, QStringLiteral("1"));
            for (int row = 1; row <= 24; ++row)
                f->table().setCell(ColSettings, row, defaults[row - 1]);
            f->project.LastTaskRow = 0;
            std::fill(f->project.CriticalMarks.begin(), f->project.CriticalMarks.end(), -1);
            f->project.CriticalChain.clear();
            f->host = RecordingHost();
        }
        randomProject(engine, random, extra);
        if (exceptions)
            randomExceptions(engine, calendar);
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
        try {
            RecalcSchedule(engine.project, engine.host, stats);
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
        QVERIFY2(engine.host.texts() == firstAppearances(slow.host.texts()),
                 qPrintable(where + ": " + engine.host.texts().join('|') + " / " +
                            firstAppearances(slow.host.texts()).join('|')));
        QCOMPARE(engine.host.chartRepaints, slow.host.chartRepaints);
        // Each row's kept-back texts are listed once: more would write past the list.
        QVERIFY2(stats.peakRowsKeptBack <= engine.project.LastTaskRow + 1, qPrintable(where));
        if (stats.revisitsSkipped > 0)
            ++withSkips;
        if (stats.chainSensitiveSkips == 0) {
            QVERIFY2(engine.project.CriticalChain == slow.project.CriticalChain, qPrintable(where));
            QVERIFY2(engine.project.CriticalMarks == slow.project.CriticalMarks,
                     qPrintable(where + " error: " + slowError));
            ++chainsCompared;
        } else if (engine.project.CriticalChain != slow.project.CriticalChain) {
            ++chainsDiffer;
        }
        ++compared;
    }
    qInfo("compared %d projects (%d with skipped walks, %d ending in a conversion error), "
          "chains and marks on %d, other chains differing in %d; %d cyclic projects left out",
          compared, withSkips, errors, chainsCompared, chainsDiffer, skipped);
    QVERIFY(compared > projects * 3 / 4);
}

QTEST_GUILESS_MAIN(TestScheduleDifferential)
#include "test_schedule_differential.moc"
