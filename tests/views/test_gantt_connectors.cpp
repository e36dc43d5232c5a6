// The Gantt chart painter's link connectors: the lines from a predecessor's bar to
// its successor's for every link type and scale, checked on QImage pixels.

#include "gantt_cells.h"

#include "views/fonts.h"

#include <QtTest>

using namespace morvaine;

Q_DECLARE_METATYPE(QList<Probe>)

class TestGanttConnectors : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void connectors_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QStringList>("tasks"); // per row: "first day|last day|duration|forerunner"
        QTest::addColumn<QList<Probe>>("probes");
        const auto on = [](int row, int day, int x, int y) {
            return Probe{row, Jan(day), QPoint(x, y), true};
        };
        const auto off = [](int row, int day, int x, int y) {
            return Probe{row, Jan(day), QPoint(x, y), false};
        };

        QTest::newRow("day scale, successor below")
            << 1 << QStringList{"7|8|2 days|", "10|11|2 days| 1;"}
            << QList<Probe>{on(1, 9, 0, 8),     on(1, 9, 59, 8),   off(1, 9, 30, 7),
                            off(1, 9, 30, 9),   on(1, 10, 0, 8),   on(1, 10, 11, 8),
                            on(1, 10, 12, 16),  off(1, 10, 13, 8), off(1, 10, 12, 7),
                            on(2, 10, 12, 0),   on(2, 10, 12, 3),  on(2, 10, 8, 0),
                            on(2, 10, 11, 3),   on(2, 10, 16, 0),  on(2, 10, 13, 3),
                            off(2, 10, 12, 16), off(2, 9, 12, 0)};
        QTest::newRow("day scale, successor above")
            << 1 << QStringList{"10|11|2 days| 2;", "7|8|2 days|"}
            << QList<Probe>{on(2, 9, 0, 8),    on(2, 9, 59, 8),   on(2, 10, 0, 8),
                            on(2, 10, 12, 8),  on(2, 10, 12, 0),  off(2, 10, 12, 9),
                            on(1, 10, 12, 16), on(1, 10, 12, 13), on(1, 10, 8, 16),
                            on(1, 10, 11, 13), on(1, 10, 16, 16), on(1, 10, 13, 13),
                            off(1, 10, 12, 0)};
        QTest::newRow("row between")
            << 1 << QStringList{"7|8|2 days|", "", "10|11|2 days| 1;"}
            << QList<Probe>{on(2, 10, 12, 0),  on(2, 10, 12, 16), off(2, 10, 11, 8),
                            off(2, 10, 13, 8), off(2, 9, 12, 8),  on(3, 10, 12, 0)};
        QTest::newRow("adjacent start")
            << 1 << QStringList{"7|8|2 days|", "9|10|2 days| 1;"}
            << QList<Probe>{on(1, 9, 0, 8),   on(1, 9, 11, 8),  on(1, 9, 12, 16),
                            off(1, 9, 13, 8), off(1, 9, 59, 8), on(2, 9, 12, 0)};
        QTest::newRow("overlap draws nothing")
            << 1 << QStringList{"7|8|2 days|", "8|9|2 days| 1;"}
            << QList<Probe>{off(1, 8, 12, 16), off(2, 8, 12, 0), off(2, 8, 8, 0), off(1, 9, 0, 8)};
        QTest::newRow("predecessor without duration")
            << 1 << QStringList{"7|8||", "10|11|2 days| 1;"}
            << QList<Probe>{off(1, 9, 0, 8), off(1, 10, 12, 16), off(2, 10, 12, 0)};
        QTest::newRow("self link")
            << 1 << QStringList{"7|8|2 days|", "10|11|2 days| 2;"}
            << QList<Probe>{off(2, 10, 12, 0), off(2, 10, 12, 16), off(2, 9, 0, 8)};
        QTest::newRow("week scale, same week")
            << 2 << QStringList{"7|8|2 days|", "", "10|11|2 days| 1;"}
            << QList<Probe>{on(1, 7, 30, 16), on(1, 7, 30, 13), off(1, 7, 31, 16),
                            off(1, 7, 12, 8), on(2, 7, 30, 0),  on(2, 7, 30, 16),
                            off(2, 7, 12, 8), on(3, 7, 30, 0),  on(3, 7, 30, 3),
                            on(3, 7, 26, 0),  on(3, 7, 34, 0),  off(3, 7, 31, 0)};
        QTest::newRow("week scale, next week")
            << 2 << QStringList{"7|8|2 days|", "14|15|2 days| 1;"}
            << QList<Probe>{on(1, 14, 0, 8), on(1, 14, 12, 16), off(1, 7, 30, 16),
                            on(2, 14, 12, 0)};
        QTest::newRow("milestone successor")
            << 1 << QStringList{"7|8|2 days|", "", "11|11|0 days| 1;"}
            << QList<Probe>{on(1, 9, 0, 8),    on(1, 10, 59, 8),  on(1, 11, 0, 8),
                            on(1, 11, 59, 8),  on(1, 12, 0, 8),   on(1, 12, 11, 8),
                            on(1, 12, 12, 16), off(1, 12, 13, 8), off(1, 12, 30, 8),
                            on(2, 12, 12, 0),  on(2, 12, 12, 16), off(2, 11, 12, 8),
                            on(3, 12, 12, 0),  on(3, 12, 12, 8),  on(3, 12, 0, 8),
                            on(3, 12, 11, 8),  on(3, 12, 3, 11),  on(3, 12, 3, 5),
                            off(3, 12, 12, 9), off(3, 12, 4, 12), on(3, 11, 55, 8)};

        // Links of the other types leave the predecessor's bar at the end they bind
        // (6 pixels out), run through the rows at the turn and meet the successor's bar
        // end from outside with an arrow along the row; the runs along the rows show
        // the lag. 7 January 2008 is a Monday.
        QTest::newRow("start-to-start, lag on the successor's row")
            << 1 << QStringList{"7|9|3 days|", "9|10|2 days| 1SS+2;"}
            << QList<Probe>{on(1, 6, 54, 8),  on(1, 6, 59, 8),  on(1, 6, 54, 16), off(1, 6, 53, 8),
                            off(1, 6, 54, 7), on(2, 6, 54, 0),  on(2, 6, 54, 8),  on(2, 6, 59, 8),
                            off(2, 6, 53, 8), off(2, 6, 54, 9), on(2, 7, 0, 8),   on(2, 7, 59, 8),
                            on(2, 8, 59, 8),  on(2, 8, 56, 5),  on(2, 8, 56, 11), off(2, 8, 59, 9),
                            off(2, 8, 59, 7)};
        QTest::newRow("finish-to-finish, lag on the predecessor's row")
            << 1 << QStringList{"7|8|2 days|", "7|10|4 days| 1FF+2;"}
            << QList<Probe>{on(1, 9, 0, 8),   on(1, 10, 59, 8), on(1, 11, 5, 8),  on(1, 11, 6, 8),
                            on(1, 11, 6, 16), off(1, 11, 7, 8), off(1, 11, 6, 7), on(2, 11, 6, 0),
                            on(2, 11, 6, 8),  on(2, 11, 0, 8),  on(2, 11, 3, 5),  on(2, 11, 3, 11),
                            off(2, 11, 7, 8), off(2, 11, 6, 9), off(2, 9, 30, 8)};
        QTest::newRow("start-to-finish, successor above")
            << 1 << QStringList{"10|11|2 days| 2SF;", "14|15|2 days|"}
            << QList<Probe>{on(2, 13, 54, 8), on(2, 13, 59, 8),  off(2, 13, 53, 8),
                            on(2, 13, 54, 0), off(2, 13, 54, 9), on(1, 13, 54, 16),
                            on(1, 13, 54, 8), off(1, 13, 54, 7), on(1, 13, 0, 8),
                            on(1, 12, 59, 8), on(1, 12, 0, 8),   on(1, 12, 3, 5),
                            on(1, 12, 3, 11), off(1, 13, 55, 8)};
        QTest::newRow("lead between overlapping tasks")
            << 1 << QStringList{"7|9|3 days|", "9|10|2 days| 1-1;"}
            << QList<Probe>{on(1, 10, 3, 8),   on(1, 10, 6, 12), on(1, 9, 30, 16), on(1, 8, 54, 16),
                            off(1, 8, 54, 14), off(1, 9, 30, 8), on(2, 8, 54, 0),  on(2, 8, 59, 8),
                            on(2, 8, 56, 5),   off(2, 8, 53, 8)};
        // The way to the turn would cross the predecessor's bar: round it along the
        // row's bottom edge instead.
        QTest::newRow("start-to-finish around the predecessor's bar")
            << 1 << QStringList{"7|9|3 days|", "7|8|2 days| 1SF;"}
            << QList<Probe>{on(1, 6, 57, 8), on(1, 6, 54, 12), on(1, 7, 30, 16), on(1, 9, 5, 16),
                            on(1, 9, 6, 16), off(1, 9, 7, 16), off(1, 8, 30, 8), on(2, 9, 6, 0),
                            on(2, 9, 6, 8),  on(2, 9, 0, 8),   on(2, 9, 3, 5),   off(2, 9, 7, 8)};
        QTest::newRow("finish-to-start lag draws as ever")
            << 1 << QStringList{"7|8|2 days|", "10|11|2 days| 1+1;"}
            << QList<Probe>{on(1, 9, 0, 8),   on(1, 9, 59, 8), on(1, 10, 12, 16),
                            on(2, 10, 12, 0), on(2, 10, 8, 0), off(1, 8, 59, 16)};
        QTest::newRow("week scale, start-to-start")
            << 2 << QStringList{"7|9|3 days|", "14|15|2 days| 1SS+5;"}
            << QList<Probe>{on(1, 3, 54, 8),  on(1, 3, 54, 16), off(1, 3, 53, 8), on(2, 3, 54, 0),
                            on(2, 3, 59, 8),  on(2, 7, 0, 8),   on(2, 7, 59, 8),  on(2, 7, 56, 5),
                            on(2, 7, 56, 11), off(2, 7, 59, 9)};
        QTest::newRow("month scale, finish-to-finish in one month")
            << 3 << QStringList{"7|8|2 days|", "7|10|4 days| 1FF;"}
            << QList<Probe>{on(1, 32, 0, 8),  on(1, 32, 6, 8),  on(1, 32, 6, 16),
                            off(1, 32, 7, 8), on(2, 32, 6, 0),  on(2, 32, 0, 8),
                            on(2, 32, 3, 5),  on(2, 32, 3, 11), off(2, 32, 7, 8)};
        QTest::newRow("milestone successor, start-to-start")
            << 1 << QStringList{"7|8|2 days|", "9|9|0 days| 1SS+2;"}
            << QList<Probe>{on(1, 6, 54, 8), on(1, 6, 54, 16), on(2, 6, 54, 0), on(2, 7, 59, 8),
                            on(2, 9, 0, 8),  on(2, 9, 50, 8),  on(2, 9, 47, 5), off(2, 9, 50, 9)};
    }
    void connectors()
    {
        QFETCH(int, scale);
        QFETCH(QStringList, tasks);
        QFETCH(QList<Probe>, probes);
        GanttFixture f(Jan(2), scale);
        for (int i = 0; i < tasks.size(); ++i) {
            if (tasks[i].isEmpty())
                continue;
            const QStringList parts = tasks[i].split(QLatin1Char('|'));
            QCOMPARE(parts.size(), 4);
            f.task(i + 1, Jan(parts[0].toInt()), Jan(parts[1].toInt()), parts[2], QString(),
                   parts[3]);
        }
        for (const Probe &probe : probes) {
            const QImage image = PaintCell(f.project, probe.day, probe.row);
            QVERIFY2(IsBlack(image, probe.at.x(), probe.at.y()) == probe.black,
                     qPrintable(QStringLiteral("row %1, %2, (%3, %4)")
                                    .arg(probe.row)
                                    .arg(probe.day.toString())
                                    .arg(probe.at.x())
                                    .arg(probe.at.y())));
        }
    }
};

QTEST_MAIN(TestGanttConnectors)
#include "test_gantt_connectors.moc"
