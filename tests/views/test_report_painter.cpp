// The total report drawn on a QImage: bands, frames, grey figures and the centred title.

#include "image_probe.h"
#include "model/host.h"
#include "model/new_project.h"
#include "report/total_report.h"
#include "views/fonts.h"
#include "views/report_painter.h"

#include <QPainter>
#include <QTest>

using namespace morvaine;

namespace {

class QuietHost : public Host {
public:
    MsgAnswer MessageBox(const QString &, const QString &, MsgIcon, MsgButtons) override
    {
        return MsgAnswer::Ok;
    }
};

const QColor Black(0, 0, 0);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Band(0xA6, 0xCA, 0xF0);

} // namespace

class TestReportPainter : public QObject {
    Q_OBJECT

    ReportGrid m_grid;
    QImage m_image;

    QRect cell(int column, int row) const { return ReportCellRect(m_grid, column, row); }

private slots:
    void initTestCase()
    {
        InstallFontSubstitutions();
        SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        Project project;
        QuietHost host;
        InitNewProject(project, host);
        project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("06.05.2024"));
        project.settings().setValue(SettingsBlock::ProjectName, QStringLiteral("House"));
        BuildTotalReport(project, m_grid);
        m_image = BlankImage(m_grid.width() + 2, m_grid.height() + 2);
        QPainter painter(&m_image);
        DrawReport(m_grid, painter);
    }

    void sectionBandsFillColumnsOneToSeven()
    {
        for (const int row : {3, 14, 21}) {
            const QRect left = cell(1, row);
            const QRect right = cell(7, row);
            // Right of the section title's text, below the frame line.
            QCOMPARE(PixelAt(m_image, right.right(), left.top() + 1), Band);
            QCOMPARE(PixelAt(m_image, cell(6, row).center().x(), right.bottom()), Band);
            QCOMPARE(PixelAt(m_image, left.left() + 1, left.bottom()), Band);
            // Not in columns 0 and 8.
            QCOMPARE(PixelAt(m_image, cell(0, row).center().x(), left.center().y()), White);
            QCOMPARE(PixelAt(m_image, cell(8, row).right(), left.center().y()), White);
        }
    }

    void framesEncloseTheSections_data()
    {
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("lastRow");
        QTest::newRow("project status") << 3 << 12;
        QTest::newRow("task") << 14 << 19;
        QTest::newRow("resource") << 21 << 26;
    }

    void framesEncloseTheSections()
    {
        QFETCH(int, firstRow);
        QFETCH(int, lastRow);
        const int left = cell(1, firstRow).left();
        const int right = cell(8, firstRow).left(); // first pixel beyond column 7
        const int top = cell(1, firstRow).top();
        const int bottom = cell(1, lastRow + 1).top(); // first pixel below the last row
        for (int x = left; x <= right; ++x)
            QCOMPARE(PixelAt(m_image, x, top), Black);
        for (int x = left; x < right; ++x)
            QCOMPARE(PixelAt(m_image, x, bottom), Black);
        for (int y = top; y <= bottom; ++y)
            QCOMPARE(PixelAt(m_image, left, y), Black);
        for (int y = top; y < bottom; ++y)
            QCOMPARE(PixelAt(m_image, right, y), Black);
        // Every line leaves out its end point: the bottom-right corner stays open, and
        // nothing lies beyond the corners.
        QCOMPARE(PixelAt(m_image, right, bottom), White);
        QCOMPARE(PixelAt(m_image, left - 1, top), White);
        QCOMPARE(PixelAt(m_image, right + 1, bottom), White);
        QCOMPARE(PixelAt(m_image, left, top - 1), White);
        QCOMPARE(PixelAt(m_image, right, bottom + 1), White);
    }

    void figuresAreGreyLabelsBlack()
    {
        // "06.05.2024" in grey, bold; its label in black.
        const QRect figure = cell(2, 7);
        QRect grey;
        for (int y = figure.top(); y <= figure.bottom(); ++y)
            for (int x = figure.left(); x <= figure.right(); ++x)
                if (PixelAt(m_image, x, y) == QColor(0x80, 0x80, 0x80))
                    grey |= QRect(x, y, 1, 1);
        QVERIFY(grey.width() > 50);
        QVERIFY(InkBox(m_image, figure, 0x70).isEmpty()); // nothing darker than grey
        QVERIFY(!InkBox(m_image, cell(2, 5), 0x40).isEmpty());
        // Figures are centred in their cell.
        QVERIFY(qAbs(grey.center().x() - figure.center().x()) <= 2);
    }

    void titleIsCentredAcrossTheBand()
    {
        const QRect band = cell(1, 1).united(cell(7, 1));
        const QRect ink = InkBox(m_image, band);
        QVERIFY(ink.width() > 100);
        QVERIFY(qAbs(ink.center().x() - band.center().x()) <= 2);
        QVERIFY(ink.top() > band.top() + 2);
        QVERIFY(ink.bottom() < band.bottom());
        // Wider than column 4, so it is drawn across the band.
        QVERIFY(ink.left() < cell(4, 1).left());
    }

    void sectionTitleStartsFivePixelsIn()
    {
        // Inside the frame lines.
        const QRect band = cell(1, 3).united(cell(7, 3)).adjusted(0, 1, 0, 0);
        const QRect ink = InkBox(m_image, band.adjusted(1, 0, 0, 0));
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.left() >= band.left() + 5);
        QVERIFY(ink.left() <= band.left() + 8);
    }

    void emptyCellsStayBackground()
    {
        QCOMPARE(ChangedOutside(m_image, QRect(0, 0, m_grid.width(), m_grid.height()), White), 0);
        const QRect gap = cell(3, 13); // between two sections, inside no frame
        QCOMPARE(InkBox(m_image, gap.adjusted(0, 1, 0, 0), 0xF0), QRect());
    }
};

QTEST_MAIN(TestReportPainter)
#include "test_report_painter.moc"
