// The ghost the chart draws over its cells while a bar is dragged or a link drawn: where
// days lie in chart pixels at each scale, the outline of a bar's new days, the line of a
// link whose pieces join from cell to cell, and cells outside the ghost left exactly as
// the painter drew them.

#include "gantt_fixture.h"

#include "views/gantt_ghost.h"
#include "views/gantt_painter.h"

#include <QtTest>

using namespace morvaine;

namespace {

const QColor Black(0, 0, 0);

// Cells 0..columns-1 x 0..rows-1 painted white, then the ghost over them.
QImage PaintGhost(const GanttGhost &ghost, const TimeAxis &axis, int columns, int rows)
{
    return PaintCells(0, columns, 0, rows, [&](int c, int r, Canvas &canvas, const QRect &rect) {
        canvas.setBrushColor(Qt::white);
        canvas.fillRect(rect);
        DrawGanttGhost(ghost, axis, c, r, canvas, rect);
    });
}

bool IsBlack(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y) == Black;
}

// Black pixels outside rect.
int BlackOutside(const QImage &image, const QRect &rect)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += IsBlack(image, x, y) && !rect.contains(x, y);
    return count;
}

TimeAxis Axis(int scale)
{
    return TimeAxis(scale, DayOf(QDate(2008, 1, 2))); // a Wednesday
}

} // namespace

class TestGanttGhost : public QObject {
    Q_OBJECT

private slots:
    void everyDayHasItsPixels_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("days") << 1;
        QTest::newRow("weeks") << 2;
        QTest::newRow("months") << 3;
    }
    void everyDayHasItsPixels()
    {
        QFETCH(int, scale);
        const TimeAxis axis = Axis(scale);
        const qint64 first = DayOf(QDate(2007, 12, 1));
        for (qint64 day = first; day < first + 500; ++day) {
            const qint64 left = DayLeftX(axis, day), next = DayLeftX(axis, day + 1);
            QVERIFY(next > left);
            QCOMPARE(DayAtX(axis, left), day);
            QCOMPARE(DayAtX(axis, next - 1), day);
            // A period's first day begins its column.
            if (axis.period(axis.columnOf(day)).first == day)
                QCOMPARE(left, axis.columnOf(day) * 60);
        }
    }

    // The outline frames rows 3 and 13 of the cell, one pixel outside the bar's rows,
    // from the first day's first pixel to the last day's last one; at week and month
    // scale a column is shared among its days.
    void outlineFramesItsDays_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<int>("left");  // chart x of the first pixel
        QTest::addColumn<int>("right"); // chart x past the last pixel
        QTest::newRow("days: whole columns")
            << 1 << QDate(2008, 1, 7) << QDate(2008, 1, 9) << 360 << 540;
        QTest::newRow("weeks: Wednesday to Friday")
            << 2 << QDate(2008, 1, 9) << QDate(2008, 1, 11) << 138 << 163;
        QTest::newRow("weeks: across two columns")
            << 2 << QDate(2008, 1, 12) << QDate(2008, 1, 15) << 163 << 198;
        QTest::newRow("months: two days of January")
            << 3 << QDate(2008, 1, 15) << QDate(2008, 1, 16) << 88 << 91;
    }
    void outlineFramesItsDays()
    {
        QFETCH(int, scale);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(int, left);
        QFETCH(int, right);
        const TimeAxis axis = Axis(scale);
        GanttGhost ghost;
        ghost.outline = {2, DayOf(first), DayOf(last), false};
        const QImage image = PaintGhost(ghost, axis, 10, 4);
        const int top = 2 * 17 + 3, bottom = 2 * 17 + 13;
        QCOMPARE(GhostBounds(ghost, axis), QRect(left, top, right - left, bottom - top + 1));
        QCOMPARE(BlackOutside(image, GhostBounds(ghost, axis)), 0);
        for (int y = top; y <= bottom; ++y) {
            QVERIFY(IsBlack(image, left, y));
            QVERIFY(IsBlack(image, right - 1, y));
        }
        // Dashed long sides: three pixels on, three off, from the left corner.
        for (int x = left; x < right - 1; ++x) {
            const bool on = (x - left) / 3 % 2 == 0;
            QCOMPARE(IsBlack(image, x, top), on);
            QCOMPARE(IsBlack(image, x, bottom), on);
        }
        // Inside, where the bar lies, the cells show through.
        for (int x = left + 1; x < right - 1; ++x)
            QVERIFY(!IsBlack(image, x, top + 5));
    }

    void milestoneOutlineIsADiamondAroundItsDiamond()
    {
        const TimeAxis axis = Axis(1);
        GanttGhost ghost;
        ghost.outline = {1, DayOf(QDate(2008, 1, 9)), DayOf(QDate(2008, 1, 9)), true};
        const QImage image = PaintGhost(ghost, axis, 10, 3);
        // The chart's diamond lies in the last 9 pixels of the 9 January column (480..539),
        // rows 4 to 12: its centre is (535, 25).
        const QPoint centre(535, 17 + 8);
        for (const QPoint tip : {QPoint(-6, 0), QPoint(6, 0), QPoint(0, -6), QPoint(0, 6)})
            QVERIFY(IsBlack(image, centre.x() + tip.x(), centre.y() + tip.y()));
        QVERIFY(!IsBlack(image, centre.x(), centre.y()));
        QCOMPARE(BlackOutside(image, GhostBounds(ghost, axis)), 0);
        QCOMPARE(GhostBounds(ghost, axis), QRect(529, 19, 13, 13));
    }

    // Each cell draws its piece of the line on its own; together they make one unbroken
    // line of one pixel per step, ends included.
    void linePiecesJoin_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("shallow, down to the right") << QPoint(65, 25) << QPoint(400, 140);
        QTest::newRow("steep, down to the left") << QPoint(300, 20) << QPoint(250, 160);
        QTest::newRow("up to the left") << QPoint(470, 150) << QPoint(10, 30);
        QTest::newRow("along a row") << QPoint(30, 42) << QPoint(450, 42);
        QTest::newRow("down a column") << QPoint(119, 18) << QPoint(119, 166);
    }
    void linePiecesJoin()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        GanttGhost ghost;
        ghost.hasLine = true;
        ghost.lineFrom = from;
        ghost.lineTo = to;
        const TimeAxis axis = Axis(1);
        const QImage image = PaintGhost(ghost, axis, 8, 10);
        QVERIFY(IsBlack(image, from.x(), from.y()));
        QVERIFY(IsBlack(image, to.x(), to.y()));
        QCOMPARE(BlackOutside(image, GhostBounds(ghost, axis)), 0);
        const bool steep = qAbs(to.y() - from.y()) > qAbs(to.x() - from.x());
        const int low = steep ? qMin(from.y(), to.y()) : qMin(from.x(), to.x());
        const int high = steep ? qMax(from.y(), to.y()) : qMax(from.x(), to.x());
        int previous = -1;
        for (int u = low; u <= high; ++u) {
            QList<int> hits;
            for (int v = 0; v < (steep ? image.width() : image.height()); ++v)
                if (steep ? IsBlack(image, v, u) : IsBlack(image, u, v))
                    hits << v;
            QCOMPARE(hits.size(), 1);
            if (previous >= 0)
                QVERIFY(qAbs(hits[0] - previous) <= 1);
            previous = hits[0];
        }
    }

    // Outside the ghost the cells are exactly what the painter drew; an empty ghost draws
    // nothing at all, and nothing is drawn in the timescale row.
    void cellsOutsideTheGhostStayAsPainted()
    {
        GanttFixture f;
        f.task(1, QDate(2008, 1, 7), QDate(2008, 1, 9), "3 days", "50 %");
        f.task(2, QDate(2008, 1, 10), QDate(2008, 1, 11), "2 days", "", " 1;");
        const GanttIndex index(f.project);
        const auto paint = [&](const GanttGhost &ghost) {
            return PaintCells(0, 14, 0, 5, [&](int c, int r, Canvas &canvas, const QRect &rect) {
                DrawGanttCell(f.project, index, c, r, canvas, rect);
                DrawGanttGhost(ghost, index.axis(), c, r, canvas, rect);
            });
        };
        const QImage plain =
            PaintCells(0, 14, 0, 5, [&](int c, int r, Canvas &canvas, const QRect &rect) {
                DrawGanttCell(f.project, index, c, r, canvas, rect);
            });
        QCOMPARE(paint(GanttGhost()), plain);

        GanttGhost ghost;
        ghost.outline = {1, DayOf(QDate(2008, 1, 9)), DayOf(QDate(2008, 1, 11)), false};
        ghost.hasLine = true;
        ghost.lineFrom = QPoint(540, 2 * 17 + 8);
        ghost.lineTo = QPoint(700, 5);
        const QImage dragged = paint(ghost);
        const QRect bounds = GhostBounds(ghost, index.axis());
        int changed = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                if (dragged.pixel(x, y) == plain.pixel(x, y))
                    continue;
                ++changed;
                QVERIFY(bounds.contains(x, y));
                QVERIFY(y >= 17); // never in the timescale row
            }
        QVERIFY(changed > 0);
    }
};

QTEST_MAIN(TestGanttGhost)
#include "test_gantt_ghost.moc"
