// The Gantt painter, which reads a parsed index, against a slow reference that reads
// every text for every cell, on thousands of random small projects: links in both
// directions, milestones, groups, overlaps, broken rows, all three scales, banded and
// plain rows. Whole images must agree pixel for pixel.

#include "gantt_fixture.h"
#include "gantt_reference.h"

#include "views/gantt_painter.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace morvaine;

namespace {

QString Pick(QRandomGenerator &random, const QStringList &choices)
{
    return choices[random.bounded(static_cast<int>(choices.size()))];
}

// A project of up to eight rows whose dates lie around its start, spread by scale.
void RandomProject(QRandomGenerator &random, GanttFixture &f, int scale, int rows)
{
    const QDate start = QDate(2008, 1, 2).addDays(random.bounded(400));
    f.project.settings().setValue(SettingsBlock::StartDate, DateToStr(DayOf(start)));
    const int spread = scale == 1 ? 14 : scale == 2 ? 70 : 330;
    const int longest = scale == 1 ? 6 : scale == 2 ? 25 : 90;
    TaskTable &table = f.project.taskTable;
    for (int row = 1; row <= rows; ++row) {
        if (random.bounded(10) == 0)
            continue; // an empty row
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
    f.project.LastTaskRow = rows - random.bounded(2);
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
            const int columns = scale == 1 ? 16 : 14;
            const QImage cached = PaintCells(
                0, columns, 1, rows + 1, [&](int c, int r, Canvas &canvas, const QRect &rect) {
                    DrawGanttCell(f.project, index, c, r, canvas, rect);
                });
            const QImage reference = PaintCells(
                0, columns, 1, rows + 1, [&](int c, int r, Canvas &canvas, const QRect &rect) {
                    ReferenceGanttCell(f.project, c, r, canvas, rect);
                });
            if (cached != reference) {
                cached.save(QStringLiteral("gantt_cached.png"));
                reference.save(QStringLiteral("gantt_reference.png"));
                QFAIL(qPrintable(QStringLiteral("project %1 (scale %2) differs; images saved")
                                     .arg(i)
                                     .arg(scale)));
            }
        }
    }
};

QTEST_MAIN(TestGanttDifferential)
#include "test_gantt_differential.moc"
