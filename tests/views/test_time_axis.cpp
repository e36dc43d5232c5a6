// The chart's time axis: the days each column stands for at the three scales, the
// timescale labels, calendar arithmetic and the zoom steps.

#include "gantt_fixture.h"

#include "views/time_axis.h"

#include <QtTest>

using namespace morvaine;

namespace {

QDate Jan(int day)
{
    return QDate(2008, 1, day);
}

} // namespace

class TestTimeAxis : public QObject {
    Q_OBJECT

private slots:
    void columnPeriods_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::newRow("day column 0 is the day before")
            << Jan(2) << 1 << 0 << "1 Jan 08" << Jan(1) << Jan(1);
        QTest::newRow("day column 1 holds the start")
            << Jan(2) << 1 << 1 << "2 Jan 08" << Jan(2) << Jan(2);
        QTest::newRow("week from a Wednesday")
            << Jan(2) << 2 << 0 << "24 Dec 07" << QDate(2007, 12, 24) << QDate(2007, 12, 30);
        QTest::newRow("week column 1")
            << Jan(2) << 2 << 1 << "31 Dec 07" << QDate(2007, 12, 31) << Jan(6);
        QTest::newRow("week from a Sunday")
            << Jan(6) << 2 << 0 << "24 Dec 07" << QDate(2007, 12, 24) << QDate(2007, 12, 30);
        QTest::newRow("week from a Monday")
            << Jan(7) << 2 << 0 << "31 Dec 07" << QDate(2007, 12, 31) << Jan(6);
        QTest::newRow("week from a Monday, column 1")
            << Jan(7) << 2 << 1 << "7 Jan 08" << Jan(7) << Jan(13);
        QTest::newRow("month column 0 in the year before")
            << Jan(2) << 3 << 0 << " Dec 07" << QDate(2007, 12, 1) << QDate(2007, 12, 31);
        QTest::newRow("month column 1") << Jan(2) << 3 << 1 << " Jan 08" << Jan(1) << Jan(31);
        QTest::newRow("leap February")
            << Jan(2) << 3 << 2 << " Feb 08" << QDate(2008, 2, 1) << QDate(2008, 2, 29);
        QTest::newRow("month column 13")
            << Jan(2) << 3 << 13 << " Jan 09" << QDate(2009, 1, 1) << QDate(2009, 1, 31);
        QTest::newRow("month previous of column 0") << QDate(2008, 2, 20) << 3 << -1 << " Dec 07"
                                                    << QDate(2007, 12, 1) << QDate(2007, 12, 31);
    }
    void columnPeriods()
    {
        QFETCH(QDate, start);
        QFETCH(int, scale);
        QFETCH(int, column);
        QFETCH(QString, label);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        const TimeAxis axis(scale, DayOf(start));
        QCOMPARE(axis.label(column), label);
        QCOMPARE(axis.period(column).first, DayOf(first));
        QCOMPARE(axis.period(column).last, DayOf(last));
    }

    // Every day lies in the period of the column that columnOf gives, and the periods
    // of neighbouring columns join without gap, over four years and the three scales.
    void columnOfInvertsPeriod()
    {
        for (int scale = 1; scale <= 3; ++scale) {
            const TimeAxis axis(scale, DayOf(QDate(2007, 11, 29)));
            for (qint64 day = DayOf(QDate(2006, 1, 1)); day < DayOf(QDate(2010, 1, 1)); ++day) {
                const qint64 column = axis.columnOf(day);
                QVERIFY2(axis.period(column).contains(day), qPrintable(QString::number(day)));
                QCOMPARE(axis.period(column + 1).first, axis.period(column).last + 1);
            }
        }
    }

    void civilDates()
    {
        for (const QDate date : {QDate(1899, 12, 30), QDate(1900, 2, 28), QDate(1900, 3, 1),
                                 QDate(2000, 2, 29), QDate(1, 1, 1), QDate(9999, 12, 31)}) {
            const CivilDate civil = CivilFromDay(DayOf(date));
            QCOMPARE(civil.year, date.year());
            QCOMPARE(civil.month, date.month());
            QCOMPARE(civil.day, date.day());
            QCOMPARE(DayFromCivil(date.year(), date.month(), date.day()), DayOf(date));
        }
        QCOMPARE(DayFromCivil(2007, 13, 1), DayOf(QDate(2008, 1, 1)));
    }

    void zoom_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("result"); // 0: the command does nothing
        QTest::newRow("in at days") << 1 << -1 << 0;
        QTest::newRow("in from months") << 3 << -1 << 2;
        QTest::newRow("in from weeks") << 2 << -1 << 1;
        QTest::newRow("out from days") << 1 << 1 << 2;
        QTest::newRow("out at months") << 3 << 1 << 0;
    }
    void zoom()
    {
        QFETCH(int, scale);
        QFETCH(int, step);
        QFETCH(int, result);
        QCOMPARE(ZoomedScale(scale, step).value_or(0), result);
    }
};

QTEST_GUILESS_MAIN(TestTimeAxis)
#include "test_time_axis.moc"
