// The task grid painter: colours and lines at exact pixels, text positions at screen and
// enlarged sizes.

#include "image_probe.h"
#include "recording_canvas.h"
#include "recording_host.h"

#include "model/convert.h"
#include "model/new_project.h"
#include "model/project.h"
#include "views/fonts.h"
#include "views/task_grid_painter.h"
#include "views/view_style.h"

#include <QDate>
#include <QPainter>
#include <QtTest>

using namespace morvaine;

namespace {

const int ColumnWidths[] = {40, 178, 64, 85, 86, 70, 75, 71};
const int VisibleColumns = 8;
const QColor Sentinel(0xFF, 0x00, 0xFF);

TDateTime DayValue(int year, int month, int day)
{
    return QDate(1899, 12, 30).daysTo(QDate(year, month, day));
}

// A new project starting on Monday 4 March 2024, with helpers to type tasks, shown in
// a grid of 17-pixel rows.
struct Fixture {
    Project project;
    TaskGridView view;

    Fixture()
    {
        RecordingHost host;
        InitNewProject(project, host);
        project.settings().setValue(SettingsBlock::StartDate, DateToStr(DayValue(2024, 3, 4)));
    }

    void task(int row, const QString &name, int level = 1)
    {
        project.taskTable.setCell(ColTask, row, name);
        project.taskTable.setCell(ColLevel, row, QString::number(level));
        project.LastTaskRow = qMax(project.LastTaskRow, row);
    }
    QString cell(int column, int row) const { return project.taskTable.cell(column, row); }
    void setCell(int column, int row, const QString &text)
    {
        project.taskTable.setCell(column, row, text);
    }
};

int ColumnLeft(int column)
{
    int left = 0;
    for (int c = 0; c < column; ++c)
        left += ColumnWidths[c];
    return left;
}

QRect CellRect(int column, int row, int height)
{
    return QRect(ColumnLeft(column), row * height, ColumnWidths[column], height);
}

// Rows 0..rows-1 of the visible columns, painted in the grid's order.
QImage PaintScreen(Fixture &f, int height, int rows)
{
    QImage image = BlankImage(ColumnLeft(VisibleColumns), rows * height, Sentinel);
    QPainter painter(&image);
    Canvas canvas(painter);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < VisibleColumns; ++column)
            DrawTaskCell(f.project, f.view, column, row, canvas, CellRect(column, row, height));
    return image;
}

// What one cell drew, painted alone into rect on a throw-away image.
QList<DrawnText> TextsOfCell(Fixture &f, int column, int row, const QRect &rect)
{
    QImage image = BlankImage(rect.right() + 200, rect.bottom() + 10);
    QPainter painter(&image);
    RecordingCanvas canvas(painter);
    DrawTaskCell(f.project, f.view, column, row, canvas, rect);
    return canvas.texts;
}

// A small project: three tasks, so rows 1-3 are task rows and only row 2 is banded.
void ThreeTasks(Fixture &f)
{
    f.task(1, QStringLiteral("Plan"));
    f.task(2, QStringLiteral("Build"));
    f.task(3, QStringLiteral("Test"));
    f.setCell(ColResource, 2, QStringLiteral(" Bob;"));
    f.setCell(ColForerunner, 2, QStringLiteral(" 1;"));
}

} // namespace

class TestTaskGridPainter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void backgroundBandsEvenTaskRowsAndRowNumbers_data();
    void backgroundBandsEvenTaskRowsAndRowNumbers();
    void gridLinesLieOnExactPixels_data();
    void gridLinesLieOnExactPixels();
    void cellPaintsOnlyInsideItsRectangle_data();
    void cellPaintsOnlyInsideItsRectangle();

    void leftTextsStartAtScaledOffsets_data();
    void leftTextsStartAtScaledOffsets();
    void taskNameInkStartsAtItsIndent_data();
    void taskNameInkStartsAtItsIndent();
    void otherColumnsAreCentredInTheirCell();
    void headerRowShowsOnlyItsCaption();
    void groupTaskNameIsBold();
};

void TestTaskGridPainter::backgroundBandsEvenTaskRowsAndRowNumbers_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("screen, H = 17") << 17;
    QTest::newRow("twice, H = 34") << 34;
}

void TestTaskGridPainter::backgroundBandsEvenTaskRowsAndRowNumbers()
{
    QFETCH(int, height);
    Fixture f;
    ThreeTasks(f);
    const int rows = 7;
    const QImage image = PaintScreen(f, height, rows);

    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < VisibleColumns; ++column) {
            const QRect r = CellRect(column, row, height);
            // Bottom-left corner area: below any text, right of the Duration line.
            const QColor expected =
                column == 0 || (row >= 1 && row <= 3 && row % 2 == 0) ? BandColor : CellColor;
            QVERIFY2(PixelAt(image, r.left() + 2, r.bottom() - 1) == expected,
                     qPrintable(QStringLiteral("column %1 row %2").arg(column).arg(row)));
        }
}

void TestTaskGridPainter::gridLinesLieOnExactPixels_data()
{
    backgroundBandsEvenTaskRowsAndRowNumbers_data();
}

void TestTaskGridPainter::gridLinesLieOnExactPixels()
{
    QFETCH(int, height);
    Fixture f;
    ThreeTasks(f);
    const int rows = 6;
    const QImage image = PaintScreen(f, height, rows);

    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < VisibleColumns; ++column) {
            const QRect r = CellRect(column, row, height);
            const QString where = QStringLiteral("column %1 row %2").arg(column).arg(row);
            const bool closedRight = column != 1;
            const QColor fill = PixelAt(image, r.left() + 2, r.bottom() - 1);
            const int lastTextFreeY = r.bottom() - 1;
            for (int y = r.top(); y <= lastTextFreeY; ++y) {
                QVERIFY2(PixelAt(image, r.right(), y) == (closedRight ? LineColor : fill),
                         qPrintable(where));
                if (column == 2)
                    QVERIFY2(PixelAt(image, r.left(), y) == LineColor, qPrintable(where));
            }
            // The header is underlined from its left to its right pixel; task rows are not.
            for (int x = r.left() + 1; x < r.right(); ++x)
                QVERIFY2(PixelAt(image, x, r.bottom()) == (row == 0 ? LineColor : fill),
                         qPrintable(where));
        }
}

void TestTaskGridPainter::cellPaintsOnlyInsideItsRectangle_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("height");
    for (int height : {17, 34})
        for (int row : {0, 2})
            for (int column = 0; column < VisibleColumns; ++column)
                QTest::addRow("column %d, row %d, H = %d", column, row, height)
                    << column << row << height;
}

void TestTaskGridPainter::cellPaintsOnlyInsideItsRectangle()
{
    // Lines end one pixel short of their end point, so nothing spills into the next cell.
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, height);
    Fixture f;
    ThreeTasks(f);
    const QRect rect(7, 5, ColumnWidths[column], height);
    QImage image = BlankImage(rect.right() + 8, rect.bottom() + 8, Sentinel);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        DrawTaskCell(f.project, f.view, column, row, canvas, rect);
    }
    QCOMPARE(ChangedOutside(image, rect, Sentinel), 0);
    // ... and the whole rectangle is covered.
    const QImage cell = image.copy(rect);
    QCOMPARE(ChangedOutside(cell, QRect(), Sentinel), cell.width() * cell.height());
}

void TestTaskGridPainter::leftTextsStartAtScaledOffsets_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("screenHeight"); // of a row in the on-screen grid
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("fontHeight");

    QTest::newRow("name level 1, H = 17") << 17 << 17 << int(ColTask) << 1 << 10 << -11;
    QTest::newRow("name level 3, H = 17") << 17 << 17 << int(ColTask) << 3 << 40 << -11;
    QTest::newRow("name level 1, H = 34") << 34 << 17 << int(ColTask) << 1 << 20 << -22;
    QTest::newRow("name level 2, H = 34") << 34 << 17 << int(ColTask) << 2 << 50 << -22;
    // 25 / 17 = 1.4706: 10 s + 15 s = 36.76 is cut to 36, 0.65 x 25 = 16.25 to 16.
    QTest::newRow("name level 2, H = 25") << 25 << 17 << int(ColTask) << 2 << 36 << -16;
    QTest::newRow("resource, H = 17") << 17 << 17 << int(ColResource) << 1 << 5 << -11;
    QTest::newRow("resource, H = 34") << 34 << 17 << int(ColResource) << 1 << 10 << -22;
    QTest::newRow("resource, H = 25") << 25 << 17 << int(ColResource) << 1 << 7 << -16;
    // The scale is H against the on-screen row height, whatever that is.
    QTest::newRow("name level 2, H = 40 on 20-pixel rows")
        << 40 << 20 << int(ColTask) << 2 << 50 << -26;
}

void TestTaskGridPainter::leftTextsStartAtScaledOffsets()
{
    QFETCH(int, height);
    QFETCH(int, screenHeight);
    QFETCH(int, column);
    QFETCH(int, level);
    QFETCH(int, offset);
    QFETCH(int, fontHeight);
    Fixture f;
    f.view.rowHeight = screenHeight;
    f.task(4, QStringLiteral("Walls"), level);
    f.setCell(ColResource, 4, QStringLiteral(" Anna;"));
    const QRect rect(218, 4 * height, 178, height);

    const QList<DrawnText> texts = TextsOfCell(f, column, 4, rect);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts[0].kind, DrawnText::AtPoint);
    QCOMPARE(texts[0].text, f.cell(column, 4));
    QCOMPARE(texts[0].point, QPoint(rect.left() + offset, rect.top()));
    QCOMPARE(texts[0].fontHeight, fontHeight);
    QCOMPARE(texts[0].fontName, QStringLiteral("Microsoft Sans Serif"));
    QCOMPARE(texts[0].style, FontStyle::Regular);
}

void TestTaskGridPainter::taskNameInkStartsAtItsIndent_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("offset");
    QTest::newRow("level 3, H = 17") << 17 << 3 << 40;
    QTest::newRow("level 2, H = 34") << 34 << 2 << 50;
}

void TestTaskGridPainter::taskNameInkStartsAtItsIndent()
{
    QFETCH(int, height);
    QFETCH(int, level);
    QFETCH(int, offset);
    Fixture f;
    f.task(1, QStringLiteral("Hall"), level);
    const QRect rect(40, height, 178, height);
    QImage image = BlankImage(300, 3 * height);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        DrawTaskCell(f.project, f.view, ColTask, 1, canvas, rect);
    }
    const QRect ink = InkBox(image, rect);
    QVERIFY2(ink.left() >= rect.left() + offset && ink.left() <= rect.left() + offset + 2,
             qPrintable(QString::number(ink.left() - rect.left())));
    // A capital's ink is about 0.7 of the em height, which is 0.65 H.
    QVERIFY(qAbs(ink.height() - qRound(0.69 * int(0.65 * height))) <= 1);
    QVERIFY(ink.top() > rect.top() && ink.bottom() < rect.bottom());
}

void TestTaskGridPainter::otherColumnsAreCentredInTheirCell()
{
    Fixture f;
    f.task(2, QStringLiteral("Roof"));
    f.setCell(ColDuration, 2, QStringLiteral("3 days"));
    f.setCell(ColStart, 2, QStringLiteral("04.03.2024"));
    f.setCell(ColEnd, 2, QStringLiteral("06.03.2024"));
    f.setCell(ColForerunner, 2, QStringLiteral(" 1;"));
    f.setCell(ColCompletion, 2, QStringLiteral("50 %"));
    f.setCell(ColSettings, 2, QStringLiteral("no save file"));

    for (int column : {0, 2, 3, 4, 5, 7, 8, 9}) {
        const QRect rect(100, 34, 60, 17);
        const QList<DrawnText> texts = TextsOfCell(f, column, 2, rect);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0].kind, DrawnText::InRect);
        QCOMPARE(texts[0].rect, rect);
        QCOMPARE(texts[0].align, TextAlign::Center);
        QCOMPARE(texts[0].text, f.cell(column, 2));
        QCOMPARE(texts[0].fontHeight, -11);
    }
    // The settings column, hidden on screen, is a left text like the resources.
    const QList<DrawnText> settings = TextsOfCell(f, ColSettings, 2, QRect(100, 34, 60, 17));
    QCOMPARE(settings.size(), 1);
    QCOMPARE(settings[0].kind, DrawnText::AtPoint);
    QCOMPARE(settings[0].point, QPoint(105, 34));
}

void TestTaskGridPainter::headerRowShowsOnlyItsCaption()
{
    Fixture f;
    for (int column = 0; column < VisibleColumns; ++column) {
        const QRect rect = CellRect(column, 0, 17);
        const QList<DrawnText> texts = TextsOfCell(f, column, 0, rect);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0].kind, DrawnText::InRect);
        QCOMPARE(texts[0].align, TextAlign::Center);
        QCOMPARE(texts[0].text, f.cell(column, 0));
    }
}

void TestTaskGridPainter::groupTaskNameIsBold()
{
    Fixture f;
    f.task(1, QStringLiteral("House"), 1);
    f.task(2, QStringLiteral("Walls"), 2);
    f.setCell(ColVeha, 1, QStringLiteral("v"));
    QCOMPARE(TextsOfCell(f, ColTask, 1, CellRect(ColTask, 1, 17))[0].style, FontStyle::Bold);
    // Each cell starts from the regular style again.
    QCOMPARE(TextsOfCell(f, ColTask, 2, CellRect(ColTask, 2, 17))[0].style, FontStyle::Regular);
    QCOMPARE(TextsOfCell(f, ColStart, 1, CellRect(ColStart, 1, 17))[0].style, FontStyle::Regular);
}

QTEST_MAIN(TestTaskGridPainter)
#include "test_task_grid_painter.moc"
