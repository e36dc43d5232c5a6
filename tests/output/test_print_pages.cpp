// Printing onto a paged device: the PDF file of every page, the page range, and the
// grid as a freshly opened window shows it.

#include "output_fixture.h"

#include "model/project_file.h"
#include "output/print_pages.h"
#include "output/project_pages.h"
#include "views/canvas.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

using namespace morvaine;

namespace {

int PdfPages(const QByteArray &pdf)
{
    return int(pdf.count("/Type /Page\n"));
}

} // namespace

// Takes room bytes and refuses every write after them, as a disk that fills.
class FillingDevice : public QIODevice {
public:
    explicit FillingDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }
    bool full = false;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        if (full || size > m_room)
            return full = true, -1;
        m_room -= size;
        return size;
    }

private:
    qint64 m_room;
};

class TestPrintPages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetShortDateFormat(QStringLiteral("dd.MM.yyyy")); }

    void visibleColumns_data()
    {
        QTest::addColumn<int>("clientWidth");
        QTest::addColumn<int>("columns");
        // Right edges 218, 282, 367, 453, 523, 598, 669 and the hidden columns.
        QTest::newRow("fresh window") << 527 << 5;
        QTest::newRow("edge inside") << 523 << 5;
        QTest::newRow("one pixel short") << 522 << 4;
        QTest::newRow("narrowed") << 300 << 2;
        QTest::newRow("wide: hidden columns too") << 2000 << 10;
    }
    void visibleColumns()
    {
        QFETCH(int, clientWidth);
        QTEST(FullyVisibleColumns(GridGeometry(), clientWidth), "columns");
    }

    void defaultGrid() { QCOMPARE(DefaultGridGeometry().visibleColumns, 5); }

    // 131 rows make 3 row strips; 31 chart columns, 2 beside the table and 11 a page,
    // make 3 more column strips: 12 pages of A4 at 600 dpi.
    void pdfHasEveryPage()
    {
        OutputProject f(130);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.pdf"));
        QVERIFY(ExportPdf(f.project, f.host, DefaultGridGeometry(), path, QStringLiteral("Plan")));
        QVERIFY(f.host.messages.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(PdfPages(file.readAll()), 12);

        QPdfWriter writer(dir.filePath(QStringLiteral("probe.pdf")));
        writer.setResolution(600);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        const PageSetup setup = DevicePageSetup(writer, 96, GridGeometry());
        QCOMPARE(setup.dpi, 600);
        // A4 is 595 x 842 points to Qt's PDF writer.
        QCOMPARE(QSize(setup.pageWidth, setup.pageHeight), QSize(4958, 7017));
    }

    void pageRange_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("pages");
        QTest::newRow("pages 2 to 5") << 2 << 5 << 4;
        QTest::newRow("one page") << 12 << 12 << 1;
        QTest::newRow("first after last: nothing") << 3 << 2 << 0;
    }
    void pageRange()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        OutputProject f(130);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        ProjectPages pages(f.project, f.host,
                           [&] { return DevicePageSetup(pdf, 96, DefaultGridGeometry()); });
        QCOMPARE(pages.CountPages(), 12);
        QVERIFY(PrintPages(pdf, pages, first, last));
        QTEST(PdfPages(buffer.data()), "pages");
    }

    // Printing completes the rows of the pages printed, and only those.
    void printedRowsAreCompleted()
    {
        OutputProject f(130);
        f.project.taskTable.setCell(ColCompletion, 1, QStringLiteral("10"));
        f.project.taskTable.setCell(ColCompletion, 130, QStringLiteral("20"));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        ProjectPages pages(f.project, f.host,
                           [&] { return DevicePageSetup(pdf, 96, DefaultGridGeometry()); });
        QVERIFY(PrintPages(pdf, pages, 12, 12)); // the last row strip
        QCOMPARE(f.project.taskTable.cell(ColCompletion, 1), QStringLiteral("10"));
        QCOMPARE(f.project.taskTable.cell(ColCompletion, 130), QStringLiteral("20 %"));
    }

    // Chart cells that look alike are one image in the PDF, stored without loss: as many
    // images as the chart has distinct cell pictures, not one for each cell.
    void alikeChartCellsAreOneImage()
    {
        OutputProject f(130);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        ProjectPages pages(f.project, f.host,
                           [&] { return DevicePageSetup(pdf, 96, DefaultGridGeometry()); });
        QVERIFY(PrintPages(pdf, pages, 1, pages.CountPages()));

        // Every chart cell of the task rows, painted as a page paints it.
        ProjectCells cells(f.project, f.host);
        Bitmap cell(60, 17);
        std::set<QByteArray> distinct;
        int drawn = 0;
        for (int row = 1; row <= f.project.LastTaskRow; ++row)
            for (int column = 0; column < CountChartColumns(f.project); ++column, ++drawn) {
                cells.drawChartCell(column, row, cell.canvas(), QRect(0, 0, 60, 17));
                const QImage &picture = cell.image();
                distinct.emplace(reinterpret_cast<const char *>(picture.constBits()),
                                 picture.sizeInBytes());
            }
        QVERIFY(distinct.size() * 10 < std::size_t(drawn));
        QCOMPARE(std::size_t(buffer.data().count("/Subtype /Image")), distinct.size());
        QVERIFY(!buffer.data().contains("/DCTDecode"));
    }

    // The 200-task fixture prints 48 pages in a PDF of at most 2 MB.
    void fixturePdfStaysSmall()
    {
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        LoadProject(project, host,
                    qEnvironmentVariable("MORVAINE_FIXTURES") + QStringLiteral("/tasks200.mrv"));
        QVERIFY(host.messages.isEmpty());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tasks200.pdf"));
        QVERIFY(ExportPdf(project, host, DefaultGridGeometry(), path, QStringLiteral("Plan")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(PdfPages(file.readAll()), 48);
        QVERIFY2(file.size() <= 2 * 1024 * 1024, qPrintable(QString::number(file.size())));
    }

    // Output that fails, as on a full disk, ends the job after the page it failed in.
    void failedOutputStopsTheJob_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<int>("pagesDrawn");
        QTest::newRow("full from the start") << qint64(1) << false << 1;
        QTest::newRow("room for all") << (qint64(1) << 40) << true << 12;
    }
    void failedOutputStopsTheJob()
    {
        QFETCH(qint64, room);
        QFETCH(bool, printed);
        OutputProject f(130);
        FillingDevice device(room);
        QPdfWriter pdf(&device);
        pdf.setResolution(600);
        ProjectPages pages(f.project, f.host,
                           [&] { return DevicePageSetup(pdf, 96, DefaultGridGeometry()); });
        int checks = 0;
        const bool result = PrintPages(pdf, pages, 1, 12, [&] {
            ++checks;
            return device.full;
        });
        QCOMPARE(result, printed);
        // One check after each page drawn, and one after the end when it got there.
        QTEST(printed ? checks - 1 : checks, "pagesDrawn");
    }

    void unwritablePdf()
    {
        OutputProject f(3);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/plan.pdf"));
        QVERIFY(!ExportPdf(f.project, f.host, DefaultGridGeometry(), path, QString()));
        QCOMPARE(f.host.messages.size(), 1);
        QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestPrintPages)
#include "test_print_pages.moc"
