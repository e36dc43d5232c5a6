// The exported picture: its size, its pixels once decoded, and failures that leave the
// file that was there before.

#include "output_fixture.h"

#include "../views/image_probe.h"

#include "output/jpeg_writer.h"
#include "output/picture_export.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace morvaine;

namespace {

// The whole picture drawn at once, as a reference for the banded export.
QImage WholePicture(const Project &project, const GridGeometry &grid, PageCellPainter &cells)
{
    const int chartColumns = CountChartColumns(project);
    const QSize size = PictureSize(grid, project.LastTaskRow, chartColumns);
    QImage image = BlankImage(size.width(), size.height());
    QPainter painter(&image);
    Canvas canvas(painter);
    for (int row = 0; row <= project.LastTaskRow; ++row) {
        int left = 0;
        for (int column = 0; column <= grid.lastPrintedColumn(); ++column) {
            if (grid.columnWidths[column] == 0)
                continue;
            cells.drawTableCell(column, row, canvas,
                                QRect(left, row * 17, grid.columnWidths[column], 17));
            left += grid.columnWidths[column];
        }
        for (int column = 0; column < chartColumns; ++column)
            cells.drawChartCell(column, row, canvas, QRect(left + 60 * column, row * 17, 60, 17));
    }
    return image;
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString Code31 = QStringLiteral("Error exporting the image to a file. Very large project. "
                                      "Zoom out the Gantt chart and try again. Code #0031");

} // namespace

class TestPictureExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetShortDateFormat(QStringLiteral("dd.MM.yyyy")); }

    void pictureSize_data()
    {
        QTest::addColumn<int>("tasks");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("visibleColumns");
        QTest::addColumn<QSize>("size");
        // Printed columns 0-6 are 598 pixels wide; a chart column 60.
        QTest::newRow("no tasks: headers only") << 0 << 1 << 5 << QSize(598, 17);
        QTest::newRow("100 tasks over 30 days") << 100 << 1 << 5 << QSize(598 + 60 * 31, 1717);
        QTest::newRow("weeks") << 100 << 2 << 5 << QSize(598 + 60 * 6, 1717);
        QTest::newRow("months") << 100 << 3 << 5 << QSize(598 + 60 * 2, 1717);
        QTest::newRow("narrowed table") << 1 << 1 << 1 << QSize(282 + 60 * 2, 34);
        QTest::newRow("hidden columns take no room") << 1 << 1 << 9 << QSize(669 + 60 * 2, 34);
    }
    void pictureSize()
    {
        QFETCH(int, tasks);
        QFETCH(int, scale);
        GridGeometry grid;
        QFETCH(int, visibleColumns);
        grid.visibleColumns = visibleColumns;
        OutputProject f(tasks);
        f.project.GanttScale = scale;
        QTEST(PictureSize(grid, f.project.LastTaskRow, CountChartColumns(f.project)), "size");
    }

    // Drawn in bands, encoded scanline by scanline: the file is the one the whole picture
    // encoded at once gives, and decodes close to the cells as painted.
    void bandsGiveTheWholePicture()
    {
        OutputProject f(400); // 6800 pixels high: several bands
        f.project.taskTable.setCell(ColCompletion, 399, QStringLiteral("40"));
        const GridGeometry grid;
        TestCells cells(f.project, f.host);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.jpg"));
        QVERIFY(ExportPicture(f.project, grid, cells, path, f.host));
        QVERIFY(f.host.messages.isEmpty());
        // Rows never shown on screen are completed as they are drawn.
        QCOMPARE(f.project.taskTable.cell(ColCompletion, 399), QStringLiteral("40 %"));

        const QImage whole = WholePicture(f.project, grid, cells);
        QBuffer encoded;
        encoded.open(QIODevice::WriteOnly);
        JpegWriter jpeg(encoded, whole.width(), whole.height(), 100);
        QVERIFY(jpeg.writeRows(whole, whole.height()));
        QVERIFY(jpeg.finish());
        QCOMPARE(ReadFile(path), encoded.data());

        const QImage decoded = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(decoded.size(), whole.size());
        qint64 difference = 0;
        for (int y = 0; y < whole.height(); y += 3)
            for (int x = 0; x < whole.width(); x += 3) {
                const QRgb a = whole.pixel(x, y), b = decoded.pixel(x, y);
                difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                              qAbs(qBlue(a) - qBlue(b));
            }
        const double perPixel = double(difference) * 9 / (whole.width() * whole.height());
        QVERIFY2(perPixel < 6, qPrintable(QString::number(perPixel)));
        // A flat chart cell keeps its colour.
        const QColor inside = PixelAt(decoded, 598 + 60 * 3 + 30, 17 * 2 + 8);
        QVERIFY(qAbs(inside.red() - 30) <= 2 && qAbs(inside.green() - 20) <= 2 &&
                qAbs(inside.blue() - 200) <= 2);
    }

    // 9,999 tasks are 170,000 pixels high, beyond what JPEG can hold: refused at once,
    // with nothing drawn and the earlier file left as it was.
    void tooTallProjectIsRefusedBeforeDrawing()
    {
        OutputProject f(9999);
        TestCells cells(f.project, f.host);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.jpg"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the earlier picture");
        old.close();

        QVERIFY(!ExportPicture(f.project, GridGeometry(), cells, path, f.host));
        QCOMPARE(cells.painted, 0);
        QCOMPARE(f.host.messages.size(), 1);
        QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
        QCOMPARE(f.host.messages[0].text, Code31);
        QCOMPARE(f.host.messages[0].icon, MsgIcon::Error);
        QCOMPARE(ReadFile(path), QByteArray("the earlier picture"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("plan.jpg")});
    }

    void unwritablePlaceLeavesNoFile()
    {
        OutputProject f(3);
        TestCells cells(f.project, f.host);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/plan.jpg"));
        QVERIFY(!ExportPicture(f.project, GridGeometry(), cells, path, f.host));
        QCOMPARE(f.host.messages.value(0).text, Code31);
        QVERIFY(!QFile::exists(path));
    }

    // The dialog's default extension, and JPEG data whatever the extension chosen.
    void fileNames()
    {
        QCOMPARE(PictureFileName(QStringLiteral("/tmp/plan")), QStringLiteral("/tmp/plan.jpg"));
        QCOMPARE(PictureFileName(QStringLiteral("/tmp/plan.png")), QStringLiteral("/tmp/plan.png"));
        QCOMPARE(PictureFileName(QStringLiteral("/tmp/v1.0/plan")),
                 QStringLiteral("/tmp/v1.0/plan.jpg"));

        OutputProject f(2);
        TestCells cells(f.project, f.host);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.png"));
        QVERIFY(ExportPicture(f.project, GridGeometry(), cells, path, f.host));
        QVERIFY(ReadFile(path).startsWith("\xFF\xD8\xFF"));
        QCOMPARE(QImageReader(path).format(), QByteArray("jpeg"));
    }
};

QTEST_MAIN(TestPictureExport)
#include "test_picture_export.moc"
