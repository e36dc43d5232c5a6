// The Gantt chart painter: the timescale row and the bar pictures and their choice per
// scale, checked on QImage pixels.

#include "gantt_cells.h"
#include "gantt_fixture.h"
#include "image_probe.h"
#include "recording_canvas.h"

#include "schedule/date_list.h"
#include "views/fonts.h"
#include "views/gantt_painter.h"
#include "views/gantt_pictures.h"
#include "views/view_style.h"

#include <QtTest>

using namespace morvaine;

namespace {

// What a task-row cell should show: background, then one picture at its place.
QImage ExpectedCell(const QColor &background, const QString &piece)
{
    QImage image = BlankImage(60, 17, background);
    if (piece == QLatin1String("-"))
        return image;
    QPainter painter(&image);
    if (piece == QLatin1String("D")) {
        painter.drawImage(51, 4, GanttPicture(GanttPictures::Group, 4));
        return image;
    }
    const GanttPictures list = piece[0] == QLatin1Char('O')   ? GanttPictures::Ordinary
                               : piece[0] == QLatin1Char('C') ? GanttPictures::Critical
                                                              : GanttPictures::Group;
    const int index = piece.mid(1).toInt();
    const bool middleBracket = list == GanttPictures::Group && index == 2;
    painter.drawImage(0, middleBracket ? 1 : 4, GanttPicture(list, index));
    return image;
}

} // namespace

Q_DECLARE_METATYPE(QList<QDate>)

class TestGanttPainter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void timescaleColours_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("red");
        QTest::addColumn<QString>("holidays");
        QTest::addColumn<QString>("extraDays");
        QTest::newRow("Wednesday") << 1 << "YYYYYNN" << 1 << false << QString() << QString();
        QTest::newRow("Saturday") << 1 << "YYYYYNN" << 4 << true << QString() << QString();
        QTest::newRow("Sunday") << 1 << "YYYYYNN" << 5 << true << QString() << QString();
        QTest::newRow("Monday") << 1 << "YYYYYNN" << 6 << false << QString() << QString();
        QTest::newRow("all working") << 1 << "YYYYYYY" << 5 << false << QString() << QString();
        QTest::newRow("none working") << 1 << "NNNNNNN" << 2 << true << QString() << QString();
        QTest::newRow("lower-case n") << 1 << "YYYYYnn" << 4 << false << QString() << QString();
        QTest::newRow("mask too short") << 1 << "YYY" << 5 << false << QString() << QString();
        QTest::newRow("week never red") << 2 << "NNNNNNN" << 1 << false << QString() << QString();
        QTest::newRow("month never red") << 3 << "NNNNNNN" << 1 << false << QString() << QString();
        // Holidays are red like days off, extra working days black; a holiday that is
        // also an extra working day stays a holiday.
        const QString week = QStringLiteral("YYYYYNN");
        QTest::newRow("holiday on a Wednesday") << 1 << week << 1 << true << "02.01.2008"
                                                << "";
        QTest::newRow("holiday on a Saturday") << 1 << week << 4 << true << "05.01.2008"
                                               << "";
        QTest::newRow("extra working Saturday") << 1 << week << 4 << false << ""
                                                << "05.01.2008";
        QTest::newRow("holiday, all working") << 1 << "YYYYYYY" << 5 << true << "06.01.2008"
                                              << "";
        QTest::newRow("holiday and extra day") << 1 << week << 1 << true << "02.01.2008"
                                               << "02.01.2008";
        QTest::newRow("inside a range") << 1 << week << 2 << true << "01.01.2008-03.01.2008"
                                        << "";
        QTest::newRow("after a range") << 1 << week << 3 << false << "01.01.2008-03.01.2008"
                                       << "";
        QTest::newRow("holiday at week scale") << 2 << week << 1 << false << "31.12.2007"
                                               << "";
        QTest::newRow("unreadable list: the mask alone")
            << 1 << week << 1 << false << "02.01.2008; x"
            << "";
    }
    void timescaleColours()
    {
        QFETCH(int, scale);
        QFETCH(QString, mask);
        QFETCH(int, column);
        QFETCH(bool, red);
        QFETCH(QString, holidays);
        QFETCH(QString, extraDays);
        GanttFixture f(Jan(2), scale);
        f.project.settings().setValue(SettingsBlock::WorkingDays, mask);
        SetCalendarExceptions(f.project, holidays, extraDays);
        const GanttIndex index(f.project);
        const QImage image =
            PaintCells(column, 1, 0, 1, [&](int c, int r, Canvas &canvas, const QRect &rect) {
                DrawGanttCell(f.project, index, c, r, canvas, rect);
            });
        int redInk = 0, blackInk = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 60; ++x) {
                const QColor p = PixelAt(image, x, y);
                redInk += p.red() > 200 && p.green() < 100 && p.blue() < 100;
                blackInk += p.red() < 100 && p.green() < 100 && p.blue() < 100;
            }
        QCOMPARE(redInk > 0, red);
        QCOMPARE(blackInk > 0, !red);
        for (int x = 0; x < 60; ++x)
            QCOMPARE(PixelAt(image, x, 16), LineColor);
    }

    void timescaleFont_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("fontHeight");
        QTest::newRow("screen") << 17 << -11;
        QTest::newRow("34 pixels") << 34 << -22;
        QTest::newRow("20 pixels") << 20 << -13;
    }
    void timescaleFont()
    {
        QFETCH(int, height);
        QFETCH(int, fontHeight);
        GanttFixture f(Jan(2), 3);
        const GanttIndex index(f.project);
        QImage image = BlankImage(200, 40);
        QPainter painter(&image);
        RecordingCanvas canvas(painter);
        const QRect rect(30, 2, 90, height);
        DrawGanttCell(f.project, index, 1, 0, canvas, rect);
        QCOMPARE(canvas.texts.size(), 1);
        const DrawnText &text = canvas.texts.first();
        QCOMPARE(text.text, QStringLiteral(" Jan 08"));
        QCOMPARE(text.fontHeight, fontHeight);
        QCOMPARE(text.point, QPoint(30 + (90 - canvas.textWidth(text.text)) / 2, 2));
        QCOMPARE(canvas.penColor(), TextColor);
        QCOMPARE(canvas.fontColor(), TextColor);
    }

    // The shapes and colours of the pictures at the pixels their tables fix.
    void pictures()
    {
        const QImage &whole = GanttPicture(GanttPictures::Ordinary, 0);
        QCOMPARE(whole.size(), QSize(60, 10));
        QCOMPARE(PixelAt(whole, 0, 0), QColor(Qt::white));         // rounded corner
        QCOMPARE(PixelAt(whole, 3, 0), QColor(Qt::black));         // top outline
        QCOMPARE(PixelAt(whole, 0, 4), QColor(Qt::black));         // left tip
        QCOMPARE(PixelAt(whole, 59, 4), QColor(Qt::black));        // right tip
        QCOMPARE(PixelAt(whole, 30, 1), QColor(0x52, 0x52, 0xF7)); // inner row
        QCOMPARE(PixelAt(whole, 30, 4), QColor(0x55, 0x55, 0xFF)); // fill
        QCOMPARE(PixelAt(whole, 30, 9), QColor(Qt::white));        // tenth row
        const QColor grey = PixelAt(whole, 2, 0);
        QVERIFY(grey.red() >= 0x71 && grey.red() <= 0x7A && grey.blue() >= 0x75 &&
                grey.blue() <= 0x7E);
        QCOMPARE(PixelAt(GanttPicture(GanttPictures::Ordinary, 2), 0, 4), QColor(0x55, 0x55, 0xFF));
        QCOMPARE(PixelAt(GanttPicture(GanttPictures::Ordinary, 5), 30, 4),
                 QColor(0x00, 0x00, 0xFF));
        QCOMPARE(PixelAt(GanttPicture(GanttPictures::Critical, 1), 30, 4),
                 QColor(0xFF, 0x4B, 0x4B));
        QCOMPARE(PixelAt(GanttPicture(GanttPictures::Critical, 7), 30, 7),
                 QColor(0xF7, 0x00, 0x00));
        QCOMPARE(PixelAt(GanttPicture(GanttPictures::Critical, 3), 0, 4), QColor(0xFF, 0x4B, 0x4B));

        const QImage &bracket = GanttPicture(GanttPictures::Group, 0);
        QCOMPARE(PixelAt(bracket, 30, 0), QColor(Qt::black));
        QCOMPARE(PixelAt(bracket, 30, 1), QColor(0x69, 0x69, 0x69));
        QCOMPARE(PixelAt(bracket, 30, 3), QColor(Qt::black));
        QCOMPARE(PixelAt(bracket, 30, 4), QColor(0xCF, 0xCF, 0xCF));
        QCOMPARE(PixelAt(bracket, 0, 8), QColor(Qt::black)); // hooks reach the ninth row
        QCOMPARE(PixelAt(bracket, 59, 8), QColor(Qt::black));
        QCOMPARE(PixelAt(bracket, 3, 8), QColor(Qt::white));
        const QImage &middle = GanttPicture(GanttPictures::Group, 2);
        QCOMPARE(PixelAt(middle, 0, 2), QColor(Qt::white));
        QCOMPARE(PixelAt(middle, 0, 3), QColor(Qt::black)); // the band three rows lower
        QCOMPARE(PixelAt(middle, 0, 6), QColor(Qt::black));

        const QImage &diamond = GanttPicture(GanttPictures::Group, 4);
        QCOMPARE(diamond.size(), QSize(9, 9));
        for (const QPoint tip : {QPoint(4, 0), QPoint(0, 4), QPoint(8, 4), QPoint(4, 8)})
            QCOMPARE(PixelAt(diamond, tip.x(), tip.y()), QColor(Qt::black));
        QCOMPARE(PixelAt(diamond, 0, 3), QColor(0xCB, 0xCB, 0xCB));
        QCOMPARE(PixelAt(diamond, 0, 0), QColor(Qt::white));
    }

    void barPieces_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("completion");
        QTest::addColumn<QString>("kind"); // "", "critical" or "v"
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<QDate>>("days");
        QTest::addColumn<QString>("pieces"); // per day: O/C/G and index, D diamond, - none

        const QList<QDate> threeDays{Jan(6), Jan(7), Jan(8), Jan(9), Jan(10)};
        QTest::newRow("ordinary 50 %") << 1 << Jan(7) << Jan(9) << "3 days"
                                       << "50 %"
                                       << "" << 1 << threeDays << "- O5 O6 O3 -";
        QTest::newRow("ordinary 49 %") << 1 << Jan(7) << Jan(9) << "3 days"
                                       << "49 %"
                                       << "" << 1 << threeDays << "- O5 O2 O3 -";
        QTest::newRow("critical 49 %") << 1 << Jan(7) << Jan(9) << "3 days"
                                       << "49 %"
                                       << "critical" << 1 << threeDays << "- C5 C6 C3 -";
        QTest::newRow("critical 48 %") << 1 << Jan(7) << Jan(9) << "3 days"
                                       << "48 %"
                                       << "critical" << 1 << threeDays << "- C5 C2 C3 -";
        QTest::newRow("start at 16 %") << 1 << Jan(7) << Jan(9) << "3 days"
                                       << "16 %"
                                       << "" << 1 << threeDays << "- O1 O2 O3 -";
        QTest::newRow("start at 17 %") << 1 << Jan(7) << Jan(9) << "3 days"
                                       << "17 %"
                                       << "" << 1 << threeDays << "- O5 O2 O3 -";
        QTest::newRow("100 %, banded row") << 1 << Jan(7) << Jan(9) << "3 days"
                                           << "100 %"
                                           << "" << 2 << threeDays << "- O5 O6 O7 -";
        QTest::newRow("0 %") << 1 << Jan(7) << Jan(9) << "3 days"
                             << "0 %"
                             << "" << 1 << threeDays << "- O1 O2 O3 -";
        QTest::newRow("empty completion") << 1 << Jan(7) << Jan(9) << "3 days"
                                          << ""
                                          << "" << 1 << threeDays << "- O1 O2 O3 -";
        QTest::newRow("bare completion") << 1 << Jan(7) << Jan(9) << "3 days"
                                         << "100"
                                         << "" << 1 << threeDays << "- O1 O2 O3 -";
        QTest::newRow("one day") << 1 << Jan(7) << Jan(7) << "1 day"
                                 << "50 %"
                                 << "" << 1 << QList<QDate>{Jan(6), Jan(7), Jan(8)} << "- O0 -";
        QTest::newRow("one day done") << 1 << Jan(7) << Jan(7) << "1 day"
                                      << "100 %"
                                      << "critical" << 1 << QList<QDate>{Jan(7)} << "C4";
        QTest::newRow("group of three days") << 1 << Jan(7) << Jan(9) << "3 days"
                                             << "100 %"
                                             << "v" << 2 << threeDays << "- G1 G2 G3 -";
        QTest::newRow("group of one day") << 1 << Jan(7) << Jan(7) << "1 day"
                                          << ""
                                          << "v" << 1 << QList<QDate>{Jan(7)} << "G0";
        QTest::newRow("milestone, day")
            << 1 << Jan(9) << Jan(9) << "0 days"
            << ""
            << "" << 1 << QList<QDate>{Jan(8), Jan(9), Jan(10)} << "- D -";
        QTest::newRow("milestone, week")
            << 2 << Jan(9) << Jan(9) << "0 days"
            << ""
            << "" << 2 << QList<QDate>{Jan(6), Jan(7), Jan(14)} << "- D -";
        QTest::newRow("milestone, month")
            << 3 << Jan(9) << Jan(9) << "0 days"
            << ""
            << "v" << 1 << QList<QDate>{QDate(2007, 12, 9), Jan(31), QDate(2008, 2, 1)} << "- D -";
        QTest::newRow("no start") << 1 << QDate() << Jan(9) << "3 days"
                                  << ""
                                  << "" << 1 << QList<QDate>{Jan(7), Jan(8), Jan(9)} << "- - -";
        QTest::newRow("other group mark") << 1 << Jan(7) << Jan(9) << "3 days"
                                          << ""
                                          << "x" << 1 << QList<QDate>{Jan(7), Jan(8)} << "- -";
        const QList<QDate> weeks{QDate(2007, 12, 30), QDate(2007, 12, 31), Jan(7), Jan(14),
                                 Jan(21)};
        QTest::newRow("weeks 40 %") << 2 << Jan(2) << Jan(15) << "10 days"
                                    << "40 %"
                                    << "" << 1 << weeks << "- O5 O2 O3 -";
        QTest::newRow("weeks 56 %") << 2 << Jan(2) << Jan(15) << "10 days"
                                    << "56 %"
                                    << "critical" << 1 << weeks << "- C5 C6 C3 -";
        QTest::newRow("weeks 17 %") << 2 << Jan(2) << Jan(15) << "10 days"
                                    << "17 %"
                                    << "" << 1 << weeks << "- O1 O2 O3 -";
        QTest::newRow("one day, week")
            << 2 << Jan(9) << Jan(9) << "1 day"
            << ""
            << "" << 1 << QList<QDate>{Jan(6), Jan(7), Jan(14)} << "- O0 -";
        QTest::newRow("across a week end") << 2 << Jan(13) << Jan(14) << "1 day"
                                           << "100 %"
                                           << "" << 1 << QList<QDate>{Jan(7), Jan(14)} << "O5 O7";
        const QList<QDate> months{QDate(2007, 12, 31), Jan(1), QDate(2008, 2, 1), QDate(2008, 3, 1),
                                  QDate(2008, 4, 1)};
        QTest::newRow("months 50 %") << 3 << Jan(15) << QDate(2008, 3, 10) << "40 days"
                                     << "50 %"
                                     << "" << 1 << months << "- O5 O2 O3 -";
        QTest::newRow("months 58 %") << 3 << Jan(15) << QDate(2008, 3, 10) << "40 days"
                                     << "58 %"
                                     << "" << 1 << months << "- O5 O6 O3 -";
        QTest::newRow("months 15 %") << 3 << Jan(15) << QDate(2008, 3, 10) << "40 days"
                                     << "15 %"
                                     << "" << 1 << months << "- O1 O2 O3 -";
        QTest::newRow("group months") << 3 << Jan(15) << QDate(2008, 3, 10) << "40 days"
                                      << ""
                                      << "v" << 1 << months << "- G1 G2 G3 -";
        QTest::newRow("within the month") << 3 << Jan(7) << Jan(9) << "3 days"
                                          << ""
                                          << "" << 1 << QList<QDate>{Jan(1)} << "O0";
    }
    void barPieces()
    {
        QFETCH(int, scale);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, duration);
        QFETCH(QString, completion);
        QFETCH(QString, kind);
        QFETCH(int, row);
        QFETCH(QList<QDate>, days);
        QFETCH(QString, pieces);
        GanttFixture f(Jan(2), scale);
        f.project.LastTaskRow = 3;
        f.task(row, first, last, duration, completion);
        if (kind == QLatin1String("critical"))
            f.project.CriticalMarks[row] = 1;
        else
            f.project.taskTable.setCell(ColVeha, row, kind);
        const QStringList expected = pieces.split(QLatin1Char(' '));
        QCOMPARE(expected.size(), days.size());
        const QColor background = row % 2 == 0 ? BandColor : CellColor;
        for (int i = 0; i < days.size(); ++i)
            QVERIFY2(PaintCell(f.project, days[i], row) == ExpectedCell(background, expected[i]),
                     qPrintable(days[i].toString() + QLatin1Char(' ') + expected[i]));
    }

    // Rows that break the bar rules' assumptions paint what they can and never throw.
    void brokenRows_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("completion");
        QTest::addColumn<QString>("forerunner");
        QTest::addColumn<QString>("day8"); // the piece in the 8 January column at day scale
        QTest::newRow("no end") << "7"
                                << ""
                                << "3 days"
                                << ""
                                << ""
                                << "-";
        QTest::newRow("unreadable end") << "7"
                                        << "9th"
                                        << "3 days"
                                        << ""
                                        << ""
                                        << "-";
        QTest::newRow("end before start") << "8"
                                          << "7"
                                          << "3 days"
                                          << "100 %"
                                          << ""
                                          << "O1";
        QTest::newRow("unreadable duration") << "8"
                                             << "9"
                                             << "x"
                                             << ""
                                             << ""
                                             << "O1";
        QTest::newRow("unreadable completion") << "8"
                                               << "9"
                                               << "2 days"
                                               << "all %"
                                               << ""
                                               << "O1";
        QTest::newRow("unreadable start") << "8th"
                                          << "9"
                                          << "2 days"
                                          << ""
                                          << ""
                                          << "-";
        QTest::newRow("bad link items") << "8"
                                        << "9"
                                        << "2 days"
                                        << ""
                                        << " x; 0; 99999; ;"
                                        << "O1";
        QTest::newRow("link to a dateless row") << "8"
                                                << "9"
                                                << "2 days"
                                                << ""
                                                << " 2;"
                                                << "O1";
    }
    void brokenRows()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, duration);
        QFETCH(QString, completion);
        QFETCH(QString, forerunner);
        QFETCH(QString, day8);
        // A bare number n stands for the date text of n January 2008.
        const auto text = [](const QString &cell) {
            bool number = false;
            const int day = cell.toInt(&number);
            return number ? DateToStr(DayOf(Jan(day))) : cell;
        };
        for (int scale = 1; scale <= 3; ++scale) {
            GanttFixture f(Jan(2), scale);
            TaskTable &table = f.project.taskTable;
            table.setCell(ColStart, 1, text(start));
            table.setCell(ColEnd, 1, text(end));
            table.setCell(ColDuration, 1, duration);
            table.setCell(ColCompletion, 1, completion);
            table.setCell(ColForerunner, 1, forerunner);
            table.setCell(ColDuration, 2, QStringLiteral("1 day"));
            table.setCell(ColStart, 2, QStringLiteral("soon"));
            table.setCell(ColForerunner, 2, QStringLiteral(" 1;"));
            f.project.LastTaskRow = 2;
            const GanttIndex index(f.project);
            PaintCells(0, 40, 0, 3, [&](int c, int r, Canvas &canvas, const QRect &rect) {
                DrawGanttCell(f.project, index, c, r, canvas, rect);
            });
            if (scale == 1)
                QVERIFY(PaintCell(f.project, Jan(8), 1) == ExpectedCell(CellColor, day8));
        }
    }

    // Without a project start the timescale keeps its underline and task rows their
    // background; nothing fails.
    void unreadableProjectStart()
    {
        GanttFixture f;
        f.task(1, Jan(7), Jan(9), QStringLiteral("3 days"));
        f.task(2, Jan(10), Jan(11), QStringLiteral("2 days"), QString(), QStringLiteral(" 1;"));
        f.project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("someday"));
        const GanttIndex index(f.project);
        QVERIFY(!index.axis().isValid());
        const QImage image =
            PaintCells(0, 10, 0, 3, [&](int c, int r, Canvas &canvas, const QRect &rect) {
                DrawGanttCell(f.project, index, c, r, canvas, rect);
            });
        QCOMPARE(ChangedOutside(image, QRect(0, 0, 600, 16), CellColor),
                 600 + 600 * 17); // the underline and the banded row 2
        QCOMPARE(ChangedOutside(image, QRect(0, 16, 600, 35), CellColor), 0);
    }
};

QTEST_MAIN(TestGanttPainter)
#include "test_gantt_painter.moc"
