// The canvas operations, checked pixel by pixel on QImages.

#include "image_probe.h"
#include "views/canvas.h"
#include "views/fonts.h"

#include <QFontInfo>
#include <QPainter>
#include <QtTest>

#include <set>
#include <utility>

using namespace morvaine;

using PixelSet = std::set<std::pair<int, int>>;
Q_DECLARE_METATYPE(PixelSet)

namespace {

const QColor Pen(0xAC, 0xA8, 0x99);
const QColor Sentinel(0xFF, 0x00, 0xFF);

PixelSet PixelsOf(const QImage &image, const QColor &color)
{
    PixelSet set;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color.rgb())
                set.insert({x, y});
    return set;
}

} // namespace

class TestCanvas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void lineLeavesOutItsEndPoint_data();
    void lineLeavesOutItsEndPoint();
    void polylineJoinsAtCorners();
    void fillCoversExactlyTheRectangle();
    void fontResolvesToLiberationSans();
    void negativeHeightIsTheEmHeight_data();
    void negativeHeightIsTheEmHeight();
    void positiveHeightIsTheCellHeight();
    void textWidthFollowsTheText();
    void textOutPaintsItsCellOnTheBrushColour();
    void textRectAlignsAndClips_data();
    void textRectAlignsAndClips();
    void textRectBackgroundIsTheLastFillColour();
    void drawCopiesPixelsOpaque();
    void stretchDrawFillsTheRectangle();
    void bitmapHasItsOwnCanvas();
};

void TestCanvas::lineLeavesOutItsEndPoint_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<PixelSet>("expected");

    QTest::newRow("right") << QPoint(2, 5) << QPoint(6, 5)
                           << PixelSet{{2, 5}, {3, 5}, {4, 5}, {5, 5}};
    QTest::newRow("left") << QPoint(6, 5) << QPoint(2, 5)
                          << PixelSet{{6, 5}, {5, 5}, {4, 5}, {3, 5}};
    QTest::newRow("down") << QPoint(4, 1) << QPoint(4, 4) << PixelSet{{4, 1}, {4, 2}, {4, 3}};
    QTest::newRow("up") << QPoint(4, 4) << QPoint(4, 1) << PixelSet{{4, 4}, {4, 3}, {4, 2}};
    QTest::newRow("diagonal") << QPoint(1, 1) << QPoint(4, 4) << PixelSet{{1, 1}, {2, 2}, {3, 3}};
    QTest::newRow("one pixel") << QPoint(3, 3) << QPoint(4, 3) << PixelSet{{3, 3}};
    QTest::newRow("no length") << QPoint(3, 3) << QPoint(3, 3) << PixelSet{};
}

void TestCanvas::lineLeavesOutItsEndPoint()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(PixelSet, expected);

    QImage image = BlankImage(10, 10);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.setPenColor(Pen);
        canvas.moveTo(from.x(), from.y());
        canvas.lineTo(to.x(), to.y());
        QCOMPARE(canvas.penPos(), to);
    }
    QCOMPARE(PixelsOf(image, Pen), expected);
}

void TestCanvas::polylineJoinsAtCorners()
{
    // The corner left out by the first segment is the first pixel of the second.
    QImage image = BlankImage(10, 10);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.setPenColor(Pen);
        canvas.moveTo(1, 1);
        canvas.lineTo(4, 1);
        canvas.lineTo(4, 3);
    }
    QCOMPARE(PixelsOf(image, Pen), (PixelSet{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}}));
}

void TestCanvas::fillCoversExactlyTheRectangle()
{
    QImage image = BlankImage(12, 12, Sentinel);
    const QRect rect(2, 3, 5, 4); // columns 2-6, rows 3-6
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.setBrushColor(QColor(0xF1, 0xEF, 0xE2));
        canvas.fillRect(rect);
    }
    QCOMPARE(PixelsOf(image, QColor(0xF1, 0xEF, 0xE2)).size(), std::size_t(20));
    QCOMPARE(ChangedOutside(image, rect, Sentinel), 0);
    QCOMPARE(PixelAt(image, 6, 6), QColor(0xF1, 0xEF, 0xE2));
}

void TestCanvas::fontResolvesToLiberationSans()
{
    QImage image = BlankImage(4, 4);
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.setFontName(QStringLiteral("Microsoft Sans Serif"));
    QCOMPARE(QFontInfo(canvas.font()).family(), QStringLiteral("Liberation Sans"));
}

void TestCanvas::negativeHeightIsTheEmHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("-11") << -11;
    QTest::newRow("-22") << -22;
}

void TestCanvas::negativeHeightIsTheEmHeight()
{
    QFETCH(int, height);
    QImage image = BlankImage(200, 60);
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.setFontHeight(height);
    QCOMPARE(canvas.font().pixelSize(), -height);
    // The character cell adds the internal leading on top of the em height.
    QVERIFY(canvas.textHeight() > -height);
    QVERIFY(canvas.textHeight() < -height * 3 / 2);
    // A capital's ink is about 0.7 em high in Liberation Sans.
    canvas.textOut(5, 5, QStringLiteral("H"));
    painter.end();
    const QRect ink = InkBox(image, image.rect());
    QVERIFY2(qAbs(ink.height() - qRound(0.69 * -height)) <= 1,
             qPrintable(QString::number(ink.height())));
}

void TestCanvas::positiveHeightIsTheCellHeight()
{
    QImage image = BlankImage(4, 4);
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.setFontHeight(25);
    QVERIFY(qAbs(canvas.textHeight() - 25) <= 1);
    QVERIFY(canvas.font().pixelSize() < 25);
}

void TestCanvas::textWidthFollowsTheText()
{
    QImage image = BlankImage(4, 4);
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.setFontHeight(-11);
    const int w = canvas.textWidth(QStringLiteral("W"));
    QVERIFY(w > 5);
    // Advances may be fractional; the sum is rounded once.
    QVERIFY(qAbs(canvas.textWidth(QStringLiteral("WW")) - 2 * w) <= 1);
    QCOMPARE(canvas.textWidth(QString()), 0);
    const int regular = canvas.textWidth(QStringLiteral("Wide text"));
    canvas.setFontStyle(FontStyle::Bold);
    QVERIFY(canvas.textWidth(QStringLiteral("Wide text")) > regular);
    canvas.setFontStyle(FontStyle::Regular);
    canvas.setFontHeight(-22);
    QVERIFY(qAbs(canvas.textWidth(QStringLiteral("Wide text")) - 2 * regular) <= 2);
}

void TestCanvas::textOutPaintsItsCellOnTheBrushColour()
{
    const QColor brush(0xF1, 0xEF, 0xE2);
    QImage image = BlankImage(100, 40, Sentinel);
    QRect cell;
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.setBrushColor(brush);
        canvas.setFontHeight(-11);
        cell = QRect(10, 7, canvas.textWidth(QStringLiteral("Abc")), canvas.textHeight());
        canvas.textOut(10, 7, QStringLiteral("Abc"));
    }
    QCOMPARE(ChangedOutside(image, cell, Sentinel), 0);
    QVERIFY(!PixelsOf(image, Sentinel).contains({cell.left(), cell.top()}));
    QCOMPARE(PixelAt(image, cell.left(), cell.top()), brush);
    const QRect ink = InkBox(image, cell);
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.left() <= cell.left() + 1);
}

void TestCanvas::textRectAlignsAndClips_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("align");
    QTest::newRow("centred") << QStringLiteral("12") << int(TextAlign::Center);
    QTest::newRow("left") << QStringLiteral("Start") << int(TextAlign::Left);
    QTest::newRow("centred, too wide")
        << QStringLiteral("Much too wide for it") << int(TextAlign::Center);
    QTest::newRow("left, too wide")
        << QStringLiteral("Much too wide for it") << int(TextAlign::Left);
}

void TestCanvas::textRectAlignsAndClips()
{
    QFETCH(QString, text);
    QFETCH(int, align);
    const QRect rect(20, 10, 60, 8); // lower than the text, so the clip shows at the bottom
    QImage image = BlankImage(120, 40, Sentinel);
    int width = 0;
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.setBrushColor(Qt::white);
        canvas.fillRect(rect);
        canvas.setFontHeight(-11);
        width = canvas.textWidth(text);
        canvas.textRect(rect, text, TextAlign(align));
    }
    QCOMPARE(ChangedOutside(image, rect, Sentinel), 0);
    const QRect ink = InkBox(image, rect);
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.top() >= rect.top() && ink.top() <= rect.top() + 3); // top-aligned
    if (width < rect.width()) {
        if (TextAlign(align) == TextAlign::Center)
            QVERIFY(qAbs((ink.left() + ink.right()) / 2 - rect.center().x()) <= 2);
        else
            QVERIFY(ink.left() - rect.left() <= 1);
    } else {
        QVERIFY(ink.right() >= rect.right() - 3); // runs to the edge and is cut there
    }
}

void TestCanvas::textRectBackgroundIsTheLastFillColour()
{
    const QColor filled(0xF1, 0xEF, 0xE2);
    QImage image = BlankImage(80, 20);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.setBrushColor(filled);
        canvas.fillRect(QRect(0, 0, 80, 20));
        canvas.setBrushColor(Qt::blue); // set, but no fill follows
        canvas.setFontHeight(-11);
        canvas.textRect(QRect(0, 0, 80, 20), QStringLiteral("iii"), TextAlign::Center);
    }
    QVERIFY(PixelsOf(image, Qt::blue).empty());
    QVERIFY(PixelsOf(image, filled).size() > 80 * 20 / 2);
}

void TestCanvas::drawCopiesPixelsOpaque()
{
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(200, 10, 20, 0)); // fully transparent in the picture
    picture.setPixel(1, 0, qRgba(30, 40, 250, 128));
    QImage image = BlankImage(6, 4, Sentinel);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.draw(3, 2, picture);
    }
    QCOMPARE(PixelAt(image, 3, 2), QColor(200, 10, 20));
    QCOMPARE(PixelAt(image, 4, 2), QColor(30, 40, 250));
    QCOMPARE(ChangedOutside(image, QRect(3, 2, 2, 1), Sentinel), 0);
}

void TestCanvas::stretchDrawFillsTheRectangle()
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    const QRect target(1, 1, 10, 4);
    QImage image = BlankImage(12, 6, Sentinel);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.stretchDraw(target, picture);
    }
    QCOMPARE(ChangedOutside(image, target, Sentinel), 0);
    for (int y = 1; y <= 4; ++y) {
        QCOMPARE(PixelAt(image, 1, y), QColor(255, 0, 0));
        QCOMPARE(PixelAt(image, 5, y), QColor(255, 0, 0));
        QCOMPARE(PixelAt(image, 6, y), QColor(0, 0, 255));
        QCOMPARE(PixelAt(image, 10, y), QColor(0, 0, 255));
    }
}

void TestCanvas::bitmapHasItsOwnCanvas()
{
    Bitmap bitmap(60, 17);
    QCOMPARE(bitmap.width(), 60);
    QCOMPARE(bitmap.height(), 17);
    QCOMPARE(PixelsOf(bitmap.image(), Qt::white).size(), std::size_t(60 * 17));

    bitmap.canvas().setBrushColor(QColor(0xF1, 0xEF, 0xE2));
    bitmap.canvas().fillRect(QRect(0, 0, 30, 17));
    QCOMPARE(PixelAt(bitmap.image(), 29, 16), QColor(0xF1, 0xEF, 0xE2));
    QCOMPARE(PixelAt(bitmap.image(), 30, 0), QColor(Qt::white));

    // Settings survive reading the picture back.
    bitmap.canvas().fillRect(QRect(30, 0, 30, 17));
    QCOMPARE(PixelAt(bitmap.image(), 59, 16), QColor(0xF1, 0xEF, 0xE2));

    QImage image = BlankImage(70, 20, Sentinel);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.draw(5, 2, bitmap.image());
    }
    QCOMPARE(ChangedOutside(image, QRect(5, 2, 60, 17), Sentinel), 0);
    QCOMPARE(PixelAt(image, 64, 18), QColor(0xF1, 0xEF, 0xE2));
}

QTEST_MAIN(TestCanvas)
#include "test_canvas.moc"
