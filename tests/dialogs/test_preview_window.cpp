// The print preview driven as a user drives it: paging with the arrows and the page
// box, its rules for numbers out of range, and where the page lands in the window.

#include "../output/output_fixture.h"

#include "dialogs/preview_window.h"
#include "output/project_pages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace morvaine;

namespace {

// 244 rows on an A4 page at 600 dpi: four row strips of 61 rows, all tasks on the start
// day, so the chart fits beside the table and the document has 4 pages.
struct PreviewFixture {
    OutputProject data{243, 1};
    PageSetup setup;
    ProjectPages pages{data.project, data.host, [this] { return setup; }};
    PreviewWindow window{pages, data.host, nullptr};

    PreviewFixture()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        paint();
    }
    void paint() { window.grab(); }
    QLineEdit *pageBox() { return window.findChild<QLineEdit *>(QStringLiteral("EditPage")); }
    QString pageCount() { return window.findChild<QLabel *>(QStringLiteral("LabelPage"))->text(); }
    void click(const char *name)
    {
        QTest::mouseClick(window.findChild<QAbstractButton *>(QLatin1String(name)), Qt::LeftButton);
        paint();
    }
};

// The edges of the black frame drawn one pixel outside the page, found along the middle
// (below the buttons).
QRect FrameOf(const QImage &image)
{
    const QRgb black = qRgb(0, 0, 0);
    const int midY = image.height() / 2, midX = image.width() / 2;
    int left = 0, right = image.width() - 1, top = 29, bottom = image.height() - 1;
    while (left < midX && image.pixel(left, midY) != black)
        ++left;
    while (right > midX && image.pixel(right, midY) != black)
        --right;
    while (top < midY && image.pixel(midX, top) != black)
        ++top;
    while (bottom > midY && image.pixel(midX, bottom) != black)
        --bottom;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

class TestPreviewWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetShortDateFormat(QStringLiteral("dd.MM.yyyy")); }

    void controls()
    {
        PreviewFixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("TFormPreview"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Preview"));
        QCOMPARE(f.window.minimumSize(), QSize(450, 450));
        const auto button = [&](const char *name) {
            return f.window.findChild<QAbstractButton *>(QLatin1String(name));
        };
        QCOMPARE(button("ButtonPrint")->geometry(), QRect(3, 3, 75, 25));
        QCOMPARE(button("ButtonPrint")->text(), QStringLiteral("Print"));
        QCOMPARE(button("ButtonPrintSetup")->text(), QStringLiteral("Print Setup"));
        QCOMPARE(button("ButtonLeftPage")->geometry(), QRect(159, 3, 25, 25));
        QCOMPARE(button("ButtonRightPage")->geometry(), QRect(187, 3, 25, 25));
        QCOMPARE(f.pageBox()->geometry(), QRect(215, 5, 41, 21));
        QCOMPARE(button("ButtonCancel")->geometry(), QRect(301, 3, 75, 25));
        QCOMPARE(button("ButtonCancel")->text(), QStringLiteral("Cancel"));
    }

    // The arrows walk 1..4 and stop at either end; the page survives closing.
    void arrowsWalkThePages()
    {
        PreviewFixture f;
        QCOMPARE(f.pageCount(), QStringLiteral("4"));
        QStringList seen{f.pageBox()->text()};
        for (int i = 0; i < 4; ++i) {
            f.click("ButtonRightPage");
            seen << f.pageBox()->text();
        }
        for (int i = 0; i < 4; ++i) {
            f.click("ButtonLeftPage");
            seen << f.pageBox()->text();
        }
        QCOMPARE(seen, (QStringList{"1", "2", "3", "4", "4", "3", "2", "1", "1"}));

        f.click("ButtonRightPage");
        f.window.hide();
        f.window.show();
        f.paint();
        QCOMPARE(f.window.pageShown(), 2);
        QVERIFY(f.data.host.messages.isEmpty());
    }

    void pageBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("warned");
        QTest::newRow("too large: warning, last page") << "9"
                                                       << "4" << true;
        QTest::newRow("0 is page 1") << "0"
                                     << "1" << false;
        QTest::newRow("letters are not typed") << "x3y"
                                               << "3" << false;
        QTest::newRow("a page in range") << "3"
                                         << "3" << false;
    }
    void pageBox()
    {
        QFETCH(QString, typed);
        PreviewFixture f;
        f.pageBox()->clear();
        QTest::keyClicks(f.pageBox(), typed);
        f.paint();
        QTEST(f.pageBox()->text(), "shown");
        QFETCH(bool, warned);
        QCOMPARE(f.data.host.messages.size(), warned ? 1 : 0);
        if (warned) {
            QCOMPARE(f.data.host.messages[0].title, QStringLiteral("Warning"));
            QCOMPARE(f.data.host.messages[0].text,
                     QStringLiteral("The page number is too large. No such page."));
            QCOMPARE(f.data.host.messages[0].icon, MsgIcon::Warning);
        }
    }

    void leadingZerosAreDropped()
    {
        PreviewFixture f;
        f.pageBox()->setText(QStringLiteral("003"));
        QCOMPARE(f.pageBox()->text(), QStringLiteral("3"));
    }

    // An empty box shows page 1 and stays empty until an arrow puts 1 into it.
    void clearedBox()
    {
        PreviewFixture f;
        f.click("ButtonRightPage");
        f.pageBox()->clear();
        f.paint();
        QCOMPARE(f.window.pageShown(), 1);
        QCOMPARE(f.pageBox()->text(), QString());
        f.click("ButtonRightPage");
        QCOMPARE(f.pageBox()->text(), QStringLiteral("1"));
    }

    // A larger page holds the rows in fewer strips: a page number beyond the new count
    // goes back to 1 at the next paint.
    void fewerPagesAfterSetup()
    {
        PreviewFixture f;
        f.pageBox()->setText(QStringLiteral("4"));
        f.setup.pageHeight = 7016 * 2;
        QSignalSpy setupAsked(&f.window, &PreviewWindow::printSetupRequested);
        f.click("ButtonPrintSetup");
        QCOMPARE(setupAsked.size(), 1);
        QCOMPARE(f.pageCount(), QStringLiteral("2"));
        QCOMPARE(f.pageBox()->text(), QStringLiteral("1"));
    }

    // A tall window gives a page as wide as the area, centred up and down; a wide one a
    // page as high as the area, centred left and right. The area is 10 pixels in from
    // the sides, 32 from the top and 6 from the bottom; single-precision scaling may
    // leave a page one pixel short.
    void pageFitsTheWindow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("tall");
        QTest::newRow("tall") << QSize(450, 1000) << true;
        QTest::newRow("wide") << QSize(1400, 450) << false;
    }
    void pageFitsTheWindow()
    {
        QFETCH(QSize, size);
        QFETCH(bool, tall);
        PreviewFixture f;
        f.window.resize(size);
        const QImage image = f.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect frame = FrameOf(image);
        const QRect area(10, 32, size.width() - 20, size.height() - 38);
        if (tall) {
            QVERIFY(qAbs(frame.left() - 9) <= 1);
            QVERIFY(qAbs(frame.right() - (area.right() + 2)) <= 1);
            QVERIFY(qAbs((frame.top() - area.top()) - (area.bottom() - frame.bottom())) <= 2);
        } else {
            QVERIFY(qAbs(frame.top() - 31) <= 1);
            QVERIFY(qAbs(frame.bottom() - (area.bottom() + 2)) <= 1);
            QVERIFY(qAbs((frame.left() - area.left()) - (area.right() - frame.right())) <= 2);
        }
        // The page keeps its proportions.
        QVERIFY(qAbs(double(frame.height()) / frame.width() - 7016.0 / 4961) < 0.01);
    }

    // A start date that does not read stops the paint; it is shown once, not at every
    // repaint.
    void unreadableDateShownOnce()
    {
        PreviewFixture f;
        f.data.project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("soon"));
        for (int i = 0; i < 3; ++i) {
            f.paint();
            QCoreApplication::processEvents();
        }
        QCOMPARE(f.data.host.messages.size(), 1);
        QCOMPARE(f.data.host.messages[0].title, QStringLiteral("Error"));
        QCOMPARE(f.data.host.messages[0].text, QStringLiteral("'soon' is not a valid date"));
    }

    void nothingPaintedInASmallArea()
    {
        PreviewFixture f;
        f.window.findChild<QLabel *>(QStringLiteral("LabelPage"))->setText(QStringLiteral("?"));
        f.window.setMinimumSize(0, 0);
        f.window.resize(400, 237); // the area is 199 pixels high
        f.paint();
        QCOMPARE(f.pageCount(), QStringLiteral("?"));
        f.window.resize(400, 238);
        f.paint();
        QCOMPARE(f.pageCount(), QStringLiteral("4"));
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "test_preview_window.moc"
