// The Gantt painter, which reads a parsed index, against a slow reference that reads
// every text for every cell, on thousands of random small projects: links in both
// directions, milestones, groups, overlaps, broken rows, all three scales, banded and
// plain rows. Whole images must agree pixel for pixel.

#include "gantt_fixture.h"
#include "gantt_reference.h"

#include "views/gantt_painter.h"
#include "views/live_gantt_index.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace morvaine;

namespace {

QString Pick(QRandomGenerator &random, const QStringList &choices)
{
    return choices[random.bounded(static_cast<int>(choices.size()))];
}

// Row `row` of a project of `rows` rows starting on start, with dates spread by scale:
// often a plain task, sometimes a broken one, or left as it is (an empty row).
void RandomRow(QRandomGenerator &random, GanttFixture &f, int scale, int rows, int row,
               const QDate &start)
{
    const int spread = scale == 1 ? 14 : scale == 2 ? 70 : 330;
    const int longest = scale == 1 ? 6 : scale == 2 ? 25 : 90;
    TaskTable &table = f.project.taskTable;
    if (random.bounded(10) == 0)
        return; // an empty row
    const QDate first = start.addDays(random.bounded(spread) - spread / 6);
    const int length = random.bounded(8) == 0 ? 0 : 1 + random.bounded(longest);
    const QDate last = first.addDays(qMax(0, length - 1));
    QString duration = length == 0   ? QStringLiteral("0 days")
                       : length == 1 ? QStringLiteral("1 day")
                                     : QStringLiteral("%1 days").arg(length);
    if (random.bounded(30) == 0)
        duration = Pick(random, {"0 day", "", "7", "many days"});
    QString forerunner;
    for (int i = random.bounded(4); i > 0; --i)
        forerunner += QStringLiteral(" %1;").arg(1 + random.bounded(rows + 1));
    if (random.bounded(40) == 0)
        forerunner += QStringLiteral(" x; 1;");
    f.task(row, first, last, duration,
           Pick(random, {"", "0 %", "10 %", "33 %", "49 %", "50 %", "67 %", "100 %", "100",
                         QStringLiteral("%1 %").arg(random.bounded(101)), "x %"}),
           forerunner);
    switch (random.bounded(40)) {
    case 0:
        table.setCell(ColEnd, row, QString());
        break;
    case 1:
        table.setCell(ColEnd, row, DateToStr(DayOf(first.addDays(-2))));
        break;
    case 2:
        table.setCell(ColEnd, row, QStringLiteral("later"));
        break;
    case 3:
        table.setCell(ColStart, row, QString());
        break;
    }
    const int mark = random.bounded(20);
    table.setCell(ColVeha, row, mark < 3 ? QStringLiteral("v") : mark == 3 ? "x" : "");
    f.project.CriticalMarks[row] = random.bounded(3) == 0 ? 1 : -1;
}

// A project of up to eight rows whose dates lie around its start, spread by scale.
void RandomProject(QRandomGenerator &random, GanttFixture &f, int scale, int rows)
{
    const QDate start = QDate(2008, 1, 2).addDays(random.bounded(400));
    f.project.settings().setValue(SettingsBlock::StartDate, DateToStr(DayOf(start)));
    for (int row = 1; row <= rows; ++row)
        RandomRow(random, f, scale, rows, row, start);
    f.project.LastTaskRow = rows - random.bounded(2);
}

// Paints rows 1..rows of f through index and through the reference; fails, saving both
// images, where they differ.
bool AgreesWithReference(const GanttFixture &f, const GanttIndex &index, int scale, int rows)
{
    const int columns = scale == 1 ? 16 : 14;
    const QImage cached =
        PaintCells(0, columns, 1, rows + 1, [&](int c, int r, Canvas &canvas, const QRect &rect) {
            DrawGanttCell(f.project, index, c, r, canvas, rect);
        });
    const QImage reference =
        PaintCells(0, columns, 1, rows + 1, [&](int c, int r, Canvas &canvas, const QRect &rect) {
            ReferenceGanttCell(f.project, c, r, canvas, rect);
        });
    if (cached == reference)
        return true;
    cached.save(QStringLiteral("gantt_cached.png"));
    reference.save(QStringLiteral("gantt_reference.png"));
    return false;
}

} // namespace

class TestGanttDifferential : public QObject {
    Q_OBJECT

private slots:
    void cachedAgreesWithReference()
    {
        QRandomGenerator random(20080102);
        const int projects = 2000;
        for (int i = 0; i < projects; ++i) {
            const int scale = 1 + i % 3;
            const int rows = 2 + random.bounded(7);
            GanttFixture f(QDate(2008, 1, 2), scale);
            RandomProject(random, f, scale, rows);
            const GanttIndex index(f.project);
            if (!AgreesWithReference(f, index, scale, rows))
                QFAIL(qPrintable(QStringLiteral("project %1 (scale %2) differs; images saved")
                                     .arg(i)
                                     .arg(scale)));
        }
    }

    // The chart's index, kept up to date through the cells written, paints what an index
    // built afresh would: after edits of a few rows (read again alone) and after a new
    // project start or last task row (read whole).
    void liveIndexFollowsEdits()
    {
        QRandomGenerator random(20240506);
        for (int i = 0; i < 120; ++i) {
            const int scale = 1 + i % 3;
            const int rows = 2 + random.bounded(7);
            GanttFixture f(QDate(2008, 1, 2), scale);
            LiveGanttIndex live(f.project);
            RandomProject(random, f, scale, rows);
            QVERIFY(AgreesWithReference(f, live.current(), scale, rows));
            for (int round = 0; round < 4; ++round) {
                const QDate start =
                    QDate(1899, 12, 30)
                        .addDays(static_cast<qint64>(StrToDate(f.project.settings().startDate())));
                if (random.bounded(8) == 0) {
                    RandomProject(random, f, scale, rows);
                } else {
                    for (int edits = 1 + random.bounded(3); edits > 0; --edits)
                        RandomRow(random, f, scale, rows, 1 + random.bounded(rows), start);
                }
                if (!AgreesWithReference(f, live.current(), scale, rows))
                    QFAIL(qPrintable(QStringLiteral("project %1 after %2 edits differs; "
                                                    "images saved")
                                         .arg(i)
                                         .arg(round + 1)));
                QCOMPARE(live.pendingRows(), std::size_t(0));
            }
        }
    }
};

QTEST_MAIN(TestGanttDifferential)
#include "test_gantt_differential.moc"
