// Pages of the task table and the chart: strips, page order, and where DrawPage puts
// each cell, at printer size and at a preview's smaller size.

#include "../views/image_probe.h"
#include "output_fixture.h"

#include "model/convert.h"
#include "model/new_project.h"
#include "output/pagination.h"
#include "output/project_pages.h"
#include "views/canvas.h"
#include "views/gantt_painter.h"
#include "views/task_grid_painter.h"

#include <QDate>
#include <QPainter>
#include <QtTest>

using namespace morvaine;

namespace {

// 600 dpi printer, 96 ppi screen: a row takes 106 printer pixels, a chart column 375 and
// each 10 mm margin 236, leaving 4489 x 6544 pixels of an A4 page, 61 rows per strip.
PageSetup A4At600(int visibleColumns = 5, int pageWidth = 4961)
{
    PageSetup setup;
    setup.dpi = 600;
    setup.screenPpi = 96;
    setup.pageWidth = pageWidth;
    setup.pageHeight = 7016;
    setup.grid.visibleColumns = visibleColumns;
    return setup;
}

// A printer at screen resolution, so cells keep their on-screen size; margins 37.
PageSetup A4At96()
{
    PageSetup setup = A4At600();
    setup.dpi = 96;
    setup.pageWidth = 794;
    setup.pageHeight = 1123;
    return setup;
}

struct Cell {
    bool chart;
    int column, row;
    QRect rect;
};

class RecordingCells : public PageCellPainter {
public:
    QList<Cell> cells;
    void drawTableCell(int column, int row, Canvas &, const QRect &rect) override
    {
        cells.append({false, column, row, rect});
    }
    void drawChartCell(int column, int row, Canvas &, const QRect &rect) override
    {
        cells.append({true, column, row, rect});
    }
    QList<Cell> find(bool chart, int column, int row) const
    {
        QList<Cell> found;
        for (const Cell &cell : cells)
            if (cell.chart == chart && cell.column == column && cell.row == row)
                found.append(cell);
        return found;
    }
};

QList<Cell> Record(const Pagination &pages, int n, const QRect &target, float x)
{
    QImage image(1, 1, QImage::Format_RGB32);
    QPainter painter(&image);
    Canvas canvas(painter);
    RecordingCells cells;
    DrawPage(pages, n, canvas, target, x, cells);
    return cells.cells;
}

// Chart cells of a colour of their own per column and row, with a mark in the top-left
// pixel, so that a stretched copy shows where it came from.
class PatternChart : public PageCellPainter {
public:
    void drawTableCell(int, int, Canvas &canvas, const QRect &rect) override
    {
        canvas.setBrushColor(Qt::gray);
        canvas.fillRect(rect);
    }
    void drawChartCell(int column, int row, Canvas &canvas, const QRect &rect) override
    {
        canvas.setBrushColor(QColor(column * 10 % 256, row * 10 % 256, 200));
        canvas.fillRect(rect);
        canvas.setBrushColor(Qt::black);
        canvas.fillRect(QRect(rect.topLeft(), QSize(1, 1)));
        lastRect = rect;
    }
    QRect lastRect;
};

} // namespace

class TestPagination : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetShortDateFormat(QStringLiteral("dd.MM.yyyy")); }

    void strips_data()
    {
        QTest::addColumn<PageSetup>("setup");
        QTest::addColumn<int>("lastTaskRow");
        QTest::addColumn<int>("chartColumns");
        QTest::addColumn<int>("rowStrips");
        QTest::addColumn<int>("tableStrips");
        QTest::addColumn<int>("beside");
        QTest::addColumn<int>("chartStrips");
        QTest::addColumn<int>("pages");

        // Table columns 0-6 take 3735 of 4489 pixels: two chart columns fit beside them,
        // eleven on a page of their own.
        QTest::newRow("no tasks: header row only") << A4At600() << 0 << 0 << 1 << 1 << 0 << 0 << 1;
        QTest::newRow("61 rows fill one strip") << A4At600() << 60 << 2 << 1 << 1 << 2 << 0 << 1;
        QTest::newRow("62 rows need two") << A4At600() << 61 << 2 << 2 << 1 << 2 << 0 << 2;
        QTest::newRow("3 row strips x 2 column strips")
            << A4At600() << 182 << 3 << 3 << 1 << 2 << 1 << 6;
        QTest::newRow("exact multiple: no empty page")
            << A4At600() << 10 << 24 << 1 << 1 << 2 << 2 << 3;
        QTest::newRow("one column more") << A4At600() << 10 << 25 << 1 << 1 << 2 << 3 << 4;
        // V = 1 prints columns 0-2 (1762 pixels): seven chart columns fit beside them.
        QTest::newRow("narrowed table") << A4At600(1) << 10 << 9 << 1 << 1 << 7 << 1 << 2;
        // Hidden columns take no room: V = 8 prints 0-9, the same as 0-7.
        QTest::newRow("hidden columns") << A4At600(8) << 10 << 1 << 1 << 1 << 0 << 1 << 2;
        // On a narrow page the table is cut after column 3; 1443 pixels used on strip 2.
        QTest::newRow("table over two strips")
            << A4At600(5, 3000) << 10 << 9 << 1 << 2 << 2 << 2 << 4;
    }
    void strips()
    {
        QFETCH(PageSetup, setup);
        QFETCH(int, lastTaskRow);
        QFETCH(int, chartColumns);
        const Pagination pages(setup, lastTaskRow, chartColumns);
        QTEST(pages.rowStrips(), "rowStrips");
        QTEST(pages.tableStrips(), "tableStrips");
        QTEST(pages.chartBesideTable(), "beside");
        QTEST(pages.chartStrips(), "chartStrips");
        QTEST(pages.pageCount(), "pages");
    }

    void pageContent_data()
    {
        QTest::addColumn<PageSetup>("setup");
        QTest::addColumn<int>("lastTaskRow");
        QTest::addColumn<int>("chartColumns");
        QTest::addColumn<int>("page");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<QList<int>>("chart"); // first chart column, count

        // Numbered down the row strips first.
        QTest::newRow("3x2 page 1")
            << A4At600() << 182 << 3 << 1 << QList{0, 60} << QList{0, 6} << QList{0, 2};
        QTest::newRow("3x2 page 3")
            << A4At600() << 182 << 3 << 3 << QList{122, 182} << QList{0, 6} << QList{0, 2};
        QTest::newRow("3x2 page 4")
            << A4At600() << 182 << 3 << 4 << QList{0, 60} << QList{0, -1} << QList{2, 1};
        QTest::newRow("3x2 page 5")
            << A4At600() << 182 << 3 << 5 << QList{61, 121} << QList{0, -1} << QList{2, 1};
        QTest::newRow("last chart strip")
            << A4At600() << 10 << 25 << 4 << QList{0, 10} << QList{0, -1} << QList{24, 1};
        QTest::newRow("first table strip")
            << A4At600(5, 3000) << 10 << 9 << 1 << QList{0, 10} << QList{0, 3} << QList{0, 0};
        QTest::newRow("last table strip")
            << A4At600(5, 3000) << 10 << 9 << 2 << QList{0, 10} << QList{4, 6} << QList{0, 2};
    }
    void pageContent()
    {
        QFETCH(PageSetup, setup);
        QFETCH(int, lastTaskRow);
        QFETCH(int, chartColumns);
        QFETCH(int, page);
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, columns);
        QFETCH(QList<int>, chart);
        const PageContent content = Pagination(setup, lastTaskRow, chartColumns).page(page);
        QCOMPARE((QList{content.firstRow, content.lastRow}), rows);
        if (columns[1] >= 0)
            QCOMPARE((QList{content.firstColumn, content.lastColumn}), columns);
        else
            QVERIFY(!content.hasTable());
        QCOMPARE((QList{content.firstChartColumn, content.chartColumns}), chart);
    }

    // At printer size: 236-pixel margins, 106-pixel rows, 375-pixel chart columns, the
    // chart right after the printed table, and the hidden columns never drawn.
    void printerPageGeometry()
    {
        const Pagination pages(A4At600(8), 70, 3);
        const QList<Cell> cells = Record(pages, 1, QRect(0, 0, 4961, 7016), 6.25f);
        RecordingCells found;
        found.cells = cells;
        QCOMPARE(found.find(false, 0, 0).value(0).rect, QRect(236, 236, 250, 106));
        QCOMPARE(found.find(false, 1, 1).value(0).rect, QRect(486, 342, 1112, 106));
        QVERIFY(found.find(false, 7, 0).size() == 1);
        QVERIFY(found.find(false, 8, 0).isEmpty());
        QVERIFY(found.find(false, 9, 0).isEmpty());
        // Columns 0-7 take 4178 of 4489 pixels: no chart column fits beside them.
        QVERIFY(found.find(true, 0, 0).isEmpty());
        // Rows 0-60 on page 1; 6544 div 106 is 61 rows, so there is no slack to spread.
        QCOMPARE(found.find(false, 0, 60).value(0).rect, QRect(236, 236 + 60 * 106, 250, 106));
        QVERIFY(found.find(false, 0, 61).isEmpty());

        // With columns 0-6 (3735 pixels) two chart columns follow right after the table,
        // the timescale drawn at printer size.
        RecordingCells beside;
        beside.cells = Record(Pagination(A4At600(), 70, 3), 1, QRect(0, 0, 4961, 7016), 6.25f);
        QCOMPARE(beside.find(true, 0, 0).value(0).rect, QRect(236 + 3735, 236, 375, 106));
        QCOMPARE(beside.find(true, 1, 0).value(0).rect, QRect(236 + 3735 + 375, 236, 375, 106));
        QVERIFY(beside.find(true, 2, 0).isEmpty());
    }

    // A preview at half size: margins, rows and columns shrink, the slack fills the
    // strip's height, later strips start directly with task rows.
    void previewPageGeometry()
    {
        const Pagination pages(A4At96(), 200, 0); // 61 rows per strip
        const QRect target(10, 20, 397, 561);
        RecordingCells first;
        first.cells = Record(pages, 1, target, 0.5f);
        // Margins trunc(37.79 x 0.5) = 18; rows trunc(8.5) = 8, the first
        // 525 - 61 * 8 = 37 of them one pixel taller.
        QCOMPARE(first.find(false, 1, 0).value(0).rect, QRect(10 + 18 + 20, 20 + 18, 89, 9));
        QCOMPARE(first.find(false, 1, 36).value(0).rect, QRect(48, 38 + 36 * 9, 89, 9));
        QCOMPARE(first.find(false, 1, 37).value(0).rect, QRect(48, 38 + 37 * 9, 89, 8));
        RecordingCells second;
        second.cells = Record(pages, 2, target, 0.5f);
        QVERIFY(second.find(false, 1, 0).isEmpty());
        QCOMPARE(second.find(false, 1, 61).value(0).rect, QRect(48, 38, 89, 9));
        // The last strip has no slack.
        RecordingCells last;
        last.cells = Record(pages, 4, target, 0.5f);
        QCOMPARE(last.find(false, 1, 184).value(0).rect, QRect(48, 38 + 1 * 8, 89, 8));
    }

    void pageBeyondCountDrawsNothing()
    {
        const Pagination pages(A4At600(), 182, 3);
        QCOMPARE(pages.pageCount(), 6);
        QVERIFY(Record(pages, 7, QRect(0, 0, 4961, 7016), 6.25f).isEmpty());
        QVERIFY(Record(pages, 0, QRect(0, 0, 4961, 7016), 6.25f).isEmpty());
    }

    // A table page holds exactly the cells the task painter draws, at their places, once
    // the page's rows are completed.
    void tablePagePixels()
    {
        OutputProject f(2);
        Project &project = f.project;
        project.taskTable.setCell(ColDuration, 1, QStringLiteral("5"));
        TestCells cells(project, f.host);

        const Pagination pages(A4At96(), 2, 0);
        QImage page = BlankImage(794, 1123);
        {
            QPainter painter(&page);
            Canvas canvas(painter);
            DrawPage(pages, 1, canvas, QRect(0, 0, 794, 1123), 1.0f, cells);
        }
        QCOMPARE(project.taskTable.cell(ColDuration, 1), QStringLiteral("5 days"));
        const int widths[] = {40, 178, 64, 85, 86, 70, 75};
        int left = 37;
        for (int column = 0; column <= 6; ++column) {
            for (int row = 0; row <= 2; ++row) {
                QImage alone = BlankImage(widths[column], 17);
                QPainter painter(&alone);
                Canvas canvas(painter);
                DrawTaskCell(project, TaskGridView(), column, row, canvas, alone.rect());
                painter.end();
                QCOMPARE(page.copy(left, 37 + 17 * row, widths[column], 17), alone);
            }
            left += widths[column];
        }
        // Nothing in the margins or below the last row.
        QCOMPARE(ChangedOutside(page, QRect(37, 37, left - 37, 3 * 17), Qt::white), 0);
    }

    // A chart-only page: the timescale drawn into its enlarged rectangle, task-row cells
    // painted at screen size and stretched.
    void chartOnlyPagePixels()
    {
        PageSetup setup = A4At96();
        const Pagination pages(setup, 3, 20); // 2 chart columns beside, 12 per page
        QCOMPARE(pages.pageCount(), 3);
        QImage page = BlankImage(1588, 2246);
        PatternChart cells;
        {
            QPainter painter(&page);
            Canvas canvas(painter);
            DrawPage(pages, 3, canvas, QRect(0, 0, 1588, 2246), 2.0f, cells);
        }
        // Page 3 holds chart columns 14-19, at twice the size inside 75-pixel margins.
        QCOMPARE(cells.lastRect, QRect(0, 0, 60, 17));      // a task-row cell, at screen size
        QCOMPARE(PixelAt(page, 75, 75), QColor(Qt::black)); // row 0 drawn directly
        QCOMPARE(PixelAt(page, 76, 76), QColor(140, 0, 200));
        QCOMPARE(PixelAt(page, 75, 75 + 34), QColor(Qt::black)); // row 1, stretched 2x
        QCOMPARE(PixelAt(page, 76, 75 + 35), QColor(Qt::black));
        QCOMPARE(PixelAt(page, 77, 75 + 34), QColor(140, 10, 200));
        QCOMPARE(PixelAt(page, 75 + 120 * 5 + 2, 75 + 34 * 3 + 2), QColor(190, 30, 200));
        QCOMPARE(ChangedOutside(page, QRect(75, 75, 120 * 6, 34 * 4), Qt::white), 0);
    }

    // The same page with the project's own chart painter, at screen size: every chart
    // cell is the one the painter draws alone.
    void chartOnlyPageOfTheProject()
    {
        // Tasks on days 0-4, the last running to 21 January: 21 chart columns.
        OutputProject f(5, 20);
        f.project.taskTable.setCell(ColEnd, 5, DateToStr(DayOf(QDate(2008, 1, 21))));
        f.project.taskTable.setCell(ColForerunner, 3, QStringLiteral(" 1;"));
        ProjectCells cells(f.project, f.host);
        const Pagination pages(A4At96(), f.project.LastTaskRow, CountChartColumns(f.project));
        QCOMPARE(pages.pageCount(), 3); // columns 0-1 beside the table, 2-13, 14-20
        QImage page = BlankImage(794, 1123);
        {
            QPainter painter(&page);
            Canvas canvas(painter);
            DrawPage(pages, 2, canvas, QRect(0, 0, 794, 1123), 1.0f, cells);
        }
        const GanttIndex index(f.project);
        for (int row = 0; row <= 5; ++row)
            for (int column = 2; column <= 13; ++column) {
                QImage alone = BlankImage(60, 17);
                QPainter painter(&alone);
                Canvas canvas(painter);
                DrawGanttCell(f.project, index, column, row, canvas, alone.rect());
                painter.end();
                QCOMPARE(page.copy(37 + 60 * (column - 2), 37 + 17 * row, 60, 17), alone);
            }
        QCOMPARE(ChangedOutside(page, QRect(37, 37, 60 * 12, 17 * 6), Qt::white), 0);
    }

    void countChartColumns_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("columns");
        // From the period before the start through the one holding the end.
        QTest::newRow("days") << QDate(2008, 1, 2) << QDate(2008, 1, 31) << 1 << 31;
        QTest::newRow("end before start: days")
            << QDate(2008, 1, 2) << QDate(2007, 12, 1) << 1 << 2;
        QTest::newRow("weeks") << QDate(2008, 1, 2) << QDate(2008, 1, 31) << 2 << 6;
        QTest::newRow("weeks from a Sunday") << QDate(2008, 1, 6) << QDate(2008, 1, 6) << 2 << 2;
        QTest::newRow("weeks, end on a Monday") << QDate(2008, 1, 2) << QDate(2008, 1, 7) << 2 << 3;
        QTest::newRow("months, same month") << QDate(2008, 1, 2) << QDate(2008, 1, 31) << 3 << 2;
        QTest::newRow("months, same year") << QDate(2008, 1, 2) << QDate(2008, 5, 1) << 3 << 6;
        QTest::newRow("months, next year") << QDate(2008, 11, 2) << QDate(2009, 2, 1) << 3 << 5;
    }
    void countChartColumns()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(int, scale);
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        const QDate origin(1899, 12, 30);
        project.settings().setValue(SettingsBlock::StartDate, DateToStr(origin.daysTo(start)));
        project.taskTable.setCell(ColTask, 1, QStringLiteral("A"));
        project.taskTable.setCell(ColEnd, 1, DateToStr(origin.daysTo(end)));
        project.LastTaskRow = 1;
        project.GanttScale = scale;
        QTEST(CountChartColumns(project), "columns");

        project.LastTaskRow = 0;
        QCOMPARE(CountChartColumns(project), 0);
    }
};

QTEST_MAIN(TestPagination)
#include "test_pagination.moc"
