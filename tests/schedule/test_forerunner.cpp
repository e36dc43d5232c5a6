// Forerunner items as links: reading, the canonical list form and malformed items.

#include "schedule/forerunner.h"
#include "schedule/forerunner_scan.h"

#include <QTest>

using namespace morvaine;

Q_DECLARE_METATYPE(morvaine::LinkItem)

class TestForerunner : public QObject {
    Q_OBJECT

private slots:
    void readItem_data();
    void readItem();
    void canonicalList_data();
    void canonicalList();
    void parseAndScanAgree();
    void typingFilter();
};

namespace {

LinkItem link(int row, LinkType type = LinkType::FS, int lag = 0)
{
    return LinkItem{row, type, lag};
}

} // namespace

void TestForerunner::readItem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<LinkItem>("expected");
    QTest::addColumn<QString>("why");
    const int ok = int(LinkItemKind::Link), bad = int(LinkItemKind::Malformed),
              none = int(LinkItemKind::NotNumber);
    QTest::newRow("bare") << "3" << ok << link(3) << "";
    QTest::newRow("signed bare, as StrToInt reads it") << "+3" << ok << link(3) << "";
    QTest::newRow("start-to-start") << "3SS" << ok << link(3, LinkType::SS) << "";
    QTest::newRow("lower case, blanks") << " 4 ff + 2 " << ok << link(4, LinkType::FF, 2) << "";
    QTest::newRow("lead") << "5FS-1" << ok << link(5, LinkType::FS, -1) << "";
    QTest::newRow("lag without type") << "5+3" << ok << link(5, LinkType::FS, 3) << "";
    QTest::newRow("start-to-finish") << "6sf" << ok << link(6, LinkType::SF) << "";
    QTest::newRow("largest lag") << "7SS-999" << ok << link(7, LinkType::SS, -999) << "";
    QTest::newRow("unknown type") << "3SX" << bad << link(3)
                                  << "'SX' is not a link type; the types are FS, SS, FF and SF.";
    QTest::newRow("one letter") << "3S+1" << bad << link(3)
                                << "'S' is not a link type; the types are FS, SS, FF and SF.";
    QTest::newRow("lag beyond 999")
        << "3SS+1000" << bad << link(3)
        << QString::fromUtf8("The lag +1000 is beyond ±999 working days.");
    QTest::newRow("lag not whole")
        << "3SS+1.5" << bad << link(3) << "The lag '+1.5' is not a whole number of working days.";
    QTest::newRow("sign without lag")
        << "3FF-" << bad << link(3) << "The lag '-' is not a whole number of working days.";
    QTest::newRow("lag without sign")
        << "3SS2" << bad << link(3) << "'2' is no lag; a lag is +k or -k working days.";
    QTest::newRow("no number") << "SS" << none << link(0) << "";
    QTest::newRow("empty item") << "" << none << link(0) << "";
    QTest::newRow("two numbers") << "3 4" << none << link(0) << "";
}

void TestForerunner::readItem()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(LinkItem, expected);
    QFETCH(QString, why);
    LinkItem read;
    QString reason;
    QCOMPARE(int(ReadLinkItem(text, read, reason)), kind);
    QCOMPARE(reason, why);
    if (kind == int(LinkItemKind::Link))
        QCOMPARE(read, expected);
}

void TestForerunner::canonicalList_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("malformed");
    // The plain forms, exactly as the list was always written.
    QTest::newRow("plain") << "1;3"
                           << " 1; 3;" << QStringList();
    QTest::newRow("blank joins digits") << "1 3"
                                        << " 13;" << QStringList();
    QTest::newRow("empty items go") << ";;6"
                                    << " 6;" << QStringList();
    QTest::newRow("leading zero kept") << "03; 4"
                                       << " 03; 4;" << QStringList();
    QTest::newRow("no digit") << " ; ;"
                              << "" << QStringList();
    QTest::newRow("canonical stays") << " 1; 4;"
                                     << " 1; 4;" << QStringList();
    // The new kinds.
    QTest::newRow("types upper-cased") << "3ss;4 ff +2"
                                       << " 3SS; 4FF+2;" << QStringList();
    QTest::newRow("FS and +0 left out") << "3FS; 4ss+0; 5fs-0"
                                        << " 3; 4SS; 5;" << QStringList();
    QTest::newRow("lead") << " 5 FS - 1 ;"
                          << " 5-1;" << QStringList();
    QTest::newRow("leading zeros of a lag") << "6SF+007"
                                            << " 6SF+7;" << QStringList();
    QTest::newRow("malformed kept") << "2; 3sx+1; 4"
                                    << " 2; 3SX+1; 4;" << QStringList{"3SX+1"};
    QTest::newRow("lag too large") << "3ss+1000"
                                   << " 3SS+1000;" << QStringList{"3SS+1000"};
}

void TestForerunner::canonicalList()
{
    QFETCH(QString, typed);
    QFETCH(QString, list);
    QFETCH(QStringList, malformed);
    QList<LinkItemError> errors;
    QCOMPARE(CanonicalForerunnerList(typed, &errors), list);
    QStringList items;
    for (const LinkItemError &error : errors)
        items << error.item;
    QCOMPARE(items, malformed);
    // The canonical form is its own canonical form.
    QCOMPARE(CanonicalForerunnerList(list), list);
}

// Every reader of a list sees the same predecessor rows: the fast scan of the
// recalculation and the full parse.
void TestForerunner::parseAndScanAgree()
{
    const QString list = QStringLiteral(" 1; 3SS+2; 4FF-1; 5SX; 6SF; 7+3; 8;");
    const ParsedLinks parsed = ParseLinks(list);
    QCOMPARE(parsed.links,
             (QList<LinkItem>{link(1), link(3, LinkType::SS, 2), link(4, LinkType::FF, -1),
                              link(6, LinkType::SF), link(7, LinkType::FS, 3), link(8)}));
    QCOMPARE(parsed.malformed.size(), 1);
    QCOMPARE(parsed.malformed[0].item, QStringLiteral("5SX"));
    QCOMPARE(ParseForerunner(list).items, (QList<int>{1, 3, 4, 6, 7, 8}));
    QVERIFY(ParseForerunner(list).error.isEmpty());

    // An item without a task number stops both, with the conversion message of old.
    const QString bad = QStringLiteral(" 1SS; x; 2;");
    QCOMPARE(ParseLinks(bad).links, QList<LinkItem>{link(1, LinkType::SS)});
    QCOMPARE(ParseLinks(bad).error, QStringLiteral("'x' is not a valid integer value"));
    QCOMPARE(ParseForerunner(bad).items, QList<int>{1});
    QCOMPARE(ParseForerunner(bad).error, QStringLiteral("'x' is not a valid integer value"));
}

void TestForerunner::typingFilter()
{
    for (QChar ch : QStringLiteral("0123456789 ;+-FSfs"))
        QVERIFY2(IsForerunnerCharacter(ch), qPrintable(QString(ch)));
    for (QChar ch : QStringLiteral(",.xXaA:/"))
        QVERIFY2(!IsForerunnerCharacter(ch), qPrintable(QString(ch)));
}

QTEST_GUILESS_MAIN(TestForerunner)
#include "test_forerunner.moc"
