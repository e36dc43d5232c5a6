#include "test_classes.h"

#include "dialogs/about_box.h"
#include "widgets/help_links.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QUrl>

using namespace morvaine;

namespace {

// Stands in for the desktop's mail program.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

void TestAboutBox::showsTitleAndAddresses()
{
    AboutBox box(nullptr);
    box.placeAndFill();
    box.show();
    QCOMPARE(box.windowTitle(), QStringLiteral("About Morvaine"));
    QCOMPARE(box.size(), QSize(435, 414));
    auto *title = box.findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(title->text(), QStringLiteral("Morvaine 1.0"));
    QVERIFY(title->font().bold());
    auto *home = box.findChild<QLabel *>(QStringLiteral("LabelURL1"));
    QCOMPARE(home->text(), QLatin1String(HomePageAddress));
    QVERIFY(!home->text().contains(QLatin1String("://")));
    QCOMPARE(box.findChild<QLabel *>(QStringLiteral("LabelURL2"))->text(),
             QLatin1String(InfoMailAddress));
    QCOMPARE(box.findChild<QLabel *>(QStringLiteral("LabelURL3"))->text(),
             QLatin1String(SupportMailAddress));
    QVERIFY(home->font().underline());
    QCOMPARE(home->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(home->palette().color(QPalette::WindowText), QColor(Qt::blue));
}

void TestAboutBox::supportLinkOpensMailAndBoxStays()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    AboutBox box(nullptr);
    box.placeAndFill();
    box.show();
    QTest::mouseClick(box.findChild<QLabel *>(QStringLiteral("LabelURL3")), Qt::LeftButton);
    QTest::mouseClick(box.findChild<QLabel *>(QStringLiteral("LabelURL1")), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    QCOMPARE(catcher.opened.size(), 2);
    QCOMPARE(catcher.opened[0], QUrl(QLatin1String("mailto:") + SupportMailAddress));
    QCOMPARE(catcher.opened[1].host(), QLatin1String(HomePageAddress));
    QVERIFY(box.isVisible());
}

#include "test_about_box.moc"
