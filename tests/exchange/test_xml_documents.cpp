// MS Project XML files come from anywhere. Every encoding a real file may have opens
// with its names intact; XML is told from a project file by the start of its content;
// malformed and hostile documents end with a message that says where, and leave the
// open project as it was; shapes that once took minutes import.

#include "test_classes.h"

#include "exchange_fixture.h"

#include "exchange/ms_project_reader.h"

#include <QBuffer>

#include <QTest>

using namespace morvaine;

namespace {

const QByteArray Namespace = "xmlns=\"http://schemas.microsoft.com/project\"";

// A plan whose names need more than ASCII, written without a declaration or with one
// naming encoding.
QString namedPlan(const QString &encoding)
{
    QString text;
    if (!encoding.isEmpty())
        text = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n").arg(encoding);
    return text +
           QStringLiteral("<Project %1><Title>Vermessung Grüße</Title><Tasks><Task><UID>1</UID>"
                          "<ID>1</ID><Name>Vermessung Grüße</Name></Task></Tasks>"
                          "<Resources><Resource><UID>1</UID><ID>1</ID><Name>Zoë</Name>"
                          "</Resource></Resources></Project>\n")
               .arg(QString::fromLatin1(Namespace));
}

QByteArray utf16(const QString &text, bool bigEndian, bool byteOrderMark)
{
    QByteArray bytes;
    const QString all = byteOrderMark ? QChar(0xFEFF) + text : text;
    for (const QChar c : all) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    }
    return bytes;
}

// count copies of part, end to end.
QByteArray repeated(const QByteArray &part, int count)
{
    QByteArray bytes;
    bytes.reserve(part.size() * count);
    for (int i = 0; i < count; ++i)
        bytes += part;
    return bytes;
}

QByteArray msProject(const QByteArray &body)
{
    return "<Project " + Namespace + ">" + body + "</Project>";
}

// Resources with names of 1,000 characters, and assignments that give each task of a few
// every resource many times over.
QByteArray longNamedAssignments(int assignments)
{
    constexpr int Resources = 999;
    constexpr int Tasks = 2; // no divisor of 999: every task gets every resource
    QByteArray body = "<Tasks>";
    for (int task = 1; task <= Tasks; ++task)
        body += QByteArray("<Task><UID>%1</UID><ID>%1</ID><Name>T</Name></Task>")
                    .replace("%1", QByteArray::number(task));
    body += "</Tasks><Resources>";
    for (int r = 1; r <= Resources; ++r)
        body += "<Resource><UID>" + QByteArray::number(r) + "</UID><ID>" + QByteArray::number(r) +
                "</ID><Name>" + QByteArray::number(r) + QByteArray(996, 'n') + "</Name></Resource>";
    body += "</Resources><Assignments>";
    for (int i = 0; i < assignments; ++i)
        body += "<Assignment><TaskUID>" + QByteArray::number(1 + i % Tasks) + "</TaskUID>" +
                "<ResourceUID>" + QByteArray::number(1 + i % Resources) +
                "</ResourceUID></Assignment>";
    return msProject(body + "</Assignments>");
}

} // namespace

void TestXmlDocuments::init()
{
    SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
}

void TestXmlDocuments::everyEncodingKeepsNames_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("UTF-8") << namedPlan("UTF-8").toUtf8();
    QTest::newRow("UTF-8 without declaration") << namedPlan("").toUtf8();
    QTest::newRow("UTF-8 with byte-order mark") << "\xEF\xBB\xBF" + namedPlan("UTF-8").toUtf8();
    for (const bool bigEndian : {false, true}) {
        const QByteArray order = bigEndian ? "BE" : "LE";
        QTest::addRow("UTF-16%s with byte-order mark", order.constData())
            << utf16(namedPlan("UTF-16"), bigEndian, true);
        QTest::addRow("UTF-16%s without byte-order mark", order.constData())
            << utf16(namedPlan("UTF-16"), bigEndian, false);
        QTest::addRow("UTF-16%s without byte-order mark, blank first", order.constData())
            << utf16(QLatin1String("\n  ") + namedPlan(""), bigEndian, false);
    }
    QTest::newRow("ISO-8859-1") << namedPlan("ISO-8859-1").toLatin1();
    // Encodings expat does not know by itself, read by the table of their bytes.
    QTest::newRow("windows-1252") << namedPlan("windows-1252").toLatin1();
    QTest::newRow("ISO-8859-15") << namedPlan("ISO-8859-15").toLatin1();
    QTest::newRow("US-ASCII with references")
        << namedPlan("US-ASCII")
               .replace(QStringLiteral("ü"), QStringLiteral("&#252;"))
               .replace(QStringLiteral("ß"), QStringLiteral("&#xDF;"))
               .replace(QStringLiteral("ë"), QStringLiteral("&#235;"))
               .toLatin1();
}

void TestXmlDocuments::everyEncodingKeepsNames()
{
    QFETCH(QByteArray, bytes);
    ExchangeFixture f;
    const QString path = f.write("plan.xml", bytes);
    QVERIFY(IsMsProjectXml(path));
    f.import(path);
    QCOMPARE(f.host.texts(), QStringList());
    QCOMPARE(f.cell(ColTask, 1), QStringLiteral("Vermessung Grüße"));
    QCOMPARE(f.project.settings().projectName(), QStringLiteral("Vermessung Grüße"));
    QCOMPARE(f.resource(ResColName, 1), QStringLiteral("Zoë"));
}

void TestXmlDocuments::singleByteEncodings_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QByteArray>("name"); // the task's name in that encoding
    QTest::addColumn<QString>("expected");

    QTest::newRow("windows-1252") << QByteArray("windows-1252")
                                  << QByteArray("Kosten \x80 \x93x\x94")
                                  << QStringLiteral("Kosten € “x”");
    QTest::newRow("ISO-8859-15") << QByteArray("ISO-8859-15") << QByteArray("\xA4 \xBD")
                                 << QStringLiteral("€ œ");
    QTest::newRow("KOI8-R") << QByteArray("KOI8-R") << QByteArray("\xF0\xCC\xC1\xCE")
                            << QStringLiteral("План");
}

void TestXmlDocuments::singleByteEncodings()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QByteArray, name);
    QFETCH(QString, expected);
    ExchangeFixture f;
    f.import(f.write("plan.xml", "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>" +
                                     msProject("<Tasks><Task><UID>1</UID><ID>1</ID><Name>" + name +
                                               "</Name></Task></Tasks>")));
    QCOMPARE(f.host.texts(), QStringList());
    QCOMPARE(f.cell(ColTask, 1), expected);
}

void TestXmlDocuments::recognisedByContent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isXml");
    QTest::addColumn<QString>("importMessage"); // its start; empty: imported without a word

    QFile mrv(fixturePath(QStringLiteral("small.mrv")));
    QVERIFY(mrv.open(QIODevice::ReadOnly));
    const QByteArray plan = msProjectDocument("").toUtf8();
    const QString notMsProject = QStringLiteral("The file '%1' is not an MS Project XML document. "
                                                "Its first element is <%2> (line 1, column 1), "
                                                "not <Project> in the namespace "
                                                "http://schemas.microsoft.com/project.");
    QTest::newRow("MS Project XML") << "plan.xml" << plan << true << "";
    QTest::newRow("whatever the extension") << "plan.mrv" << plan << true << "";
    QTest::newRow("70 KB comment first")
        << "plan.xml"
        << "<!-- " + QByteArray(70000, 'c') + " -->\n" + msProject("") << true << "";
    QTest::newRow("project file") << "plan.xml" << mrv.readAll() << false << "";
    QTest::newRow("empty") << "plan.xml" << QByteArray() << false << "";
    QTest::newRow("blanks only") << "plan.xml" << QByteArray(" \n\t\r\n") << false << "";
    QTest::newRow("text") << "plan.xml" << QByteArray("Project plan") << false << "";
    QTest::newRow("byte-order mark, then text")
        << "plan.xml" << QByteArray("\xEF\xBB\xBFplan") << false << "";
    QTest::newRow("no namespace") << "plan.xml" << QByteArray("<Project><Tasks/></Project>") << true
                                  << notMsProject.arg("%1", "Project");
    QTest::newRow("other XML") << "page.xml"
                               << QByteArray("<html xmlns=\"http://www.w3.org/1999/xhtml\"/>")
                               << true << notMsProject.arg("%1", "html");
    QTest::newRow("document type declaration") << "plan.xml"
                                               << "<!DOCTYPE Project>" + msProject("") << true
                                               << "The file '%1' has a document type declaration";
    QTest::newRow("invalid UTF-8 early")
        << "plan.xml" << QByteArray("<Project \xC3\x28") << true
        << "The file '%1' is not well-formed XML: not well-formed (invalid token) (line 1, "
           "column 10).";
}

void TestXmlDocuments::recognisedByContent()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isXml);
    QFETCH(QString, importMessage);
    ExchangeFixture f;
    const QString path = f.write(name, bytes);
    QCOMPARE(IsMsProjectXml(path), isXml);
    if (!isXml)
        return;
    f.import(path);
    if (importMessage.isEmpty()) {
        QCOMPARE(f.host.texts(), QStringList());
    } else {
        QCOMPARE(f.host.messages.size(), 1);
        QVERIFY2(f.host.messages[0].text.startsWith(importMessage.arg(path)),
                 qPrintable(f.host.messages[0].text));
    }
}

void TestXmlDocuments::refusedLeavesProjectAsItWas_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("message"); // %1 is the file's path

    const auto add = [](const char *name, const QByteArray &document, const QString &message) {
        QTest::newRow(name) << document << message;
    };
    const QString malformed = QStringLiteral("The file '%1' is not well-formed XML: ");
    // Columns count from 1; the root's start tag takes the first RootLength characters.
    const qsizetype RootLength = msProject("").indexOf("</Project>");
    add("tags do not match", "<Project " + Namespace + ">\n<Tasks>\n<Task>\n</Tasks>\n</Project>",
        malformed + "mismatched tag (line 4, column 3).");
    add("ends early", "<Project " + Namespace + ">\n<Title>Plan</Title>\n",
        malformed + "no element found (line 3, column 1).");
    add("ends inside a tag", "<Project " + Namespace + ">\n<Title>Plan</Tit",
        malformed + "unclosed token (line 2, column 12).");
    add("second root element", msProject("") + "<Project/>",
        malformed + "junk after document element (line 1, column 65).");
    add("undeclared entity", msProject("<Title>A&nbsp;B</Title>"),
        malformed + "undefined entity (line 1, column 63).");
    add("not UTF-8", "<Project " + Namespace + ">\xff</Project>",
        malformed + "not well-formed (invalid token) (line 1, column 55).");
    add("unknown encoding", "<?xml version=\"1.0\" encoding=\"EBCDIC-US\"?>" + msProject(""),
        malformed + "unknown encoding (line 1, column 31).");
    // A multi-byte encoding is not read byte by byte: a name in it is refused where it
    // starts, never read as wrong characters.
    add("multi-byte encoding",
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>" +
            msProject("<Title>\x93\xFA\x96\x7B</Title>"),
        malformed + "not well-formed (invalid token) (line 1, column 104).");

    // A document type declaration is refused as soon as its name and external ID are
    // read (expat gives that place), before any entity in it is declared, let alone
    // expanded or fetched.
    const QString documentType =
        QStringLiteral("The file '%1' has a document type declaration (line 1, column %2). "
                       "MS Project XML documents have none, and Morvaine does not read one.");
    const auto withDocumentType = [](const QByteArray &subset, const QByteArray &title) {
        return "<!DOCTYPE Project [" + subset + "]>" + msProject("<Title>" + title + "</Title>");
    };
    add("internal entity", withDocumentType("<!ENTITY t \"Boom\">", "&t;"),
        documentType.arg("%1", "19"));
    add("external entity naming a local file",
        withDocumentType("<!ENTITY t SYSTEM \"file:///etc/hostname\">", "&t;"),
        documentType.arg("%1", "19"));
    QByteArray laughs = "<!ENTITY l0 \"ha\">";
    for (int i = 1; i <= 9; ++i)
        laughs += QByteArray("<!ENTITY l%1 \"").replace("%1", QByteArray::number(i)) +
                  repeated("&l" + QByteArray::number(i - 1) + ";", 10) + "\">";
    add("billion laughs", withDocumentType(laughs, "&l9;"), documentType.arg("%1", "19"));
    add("quadratic blowup",
        withDocumentType("<!ENTITY a \"" + QByteArray(50000, 'a') + "\">", repeated("&a;", 50000)),
        documentType.arg("%1", "19"));
    add("external DTD", "<!DOCTYPE Project SYSTEM \"http://example.com/p.dtd\">" + msProject(""),
        documentType.arg("%1", "52"));

    const QString tooDeep = QStringLiteral("The file '%1' nests elements more than 256 deep (line "
                                           "1, column %2); no plan is that deep.");
    add("1,000,000 nested elements",
        msProject(repeated("<a>", 1000000) + repeated("</a>", 1000000)),
        tooDeep.arg("%1", QString::number(RootLength + 255 * 3 + 1)));
    QByteArray declarations;
    qsizetype tooDeepAt = 0; // where the 257th element starts
    for (int i = 0; i < 150000; ++i) {
        if (i == 255)
            tooDeepAt = RootLength + declarations.size();
        declarations += "<a xmlns:p" + QByteArray::number(i) + "=\"urn:p\">";
    }
    add("150,000 nested namespace declarations", msProject(declarations),
        tooDeep.arg("%1", QString::number(tooDeepAt + 1)));
    // A start tag is read whole before its element counts: its fault comes first.
    add("undeclared prefix one level too deep",
        msProject(repeated("<a>", 255) + "<x:b/>" + repeated("</a>", 255)),
        malformed +
            QStringLiteral("unbound prefix (line 1, column %1).").arg(RootLength + 255 * 3 + 1));

    // Namespaces are held to their rules: a prefix must be declared, may not be undone
    // or take a reserved name, and a name has at most one colon, between two names.
    const QByteArray Project = "<Project " + Namespace + ">\n";
    add("undeclared prefix of an element", Project + "  <x:Tasks/></Project>",
        malformed + "unbound prefix (line 2, column 3).");
    add("undeclared prefix of an attribute", Project + "  <Tasks\n x:a=\"1\"/></Project>",
        malformed + "unbound prefix (line 2, column 3).");
    add("prefix undone", Project + "<Tasks xmlns:x=\"\"/></Project>",
        malformed + "must not undeclare prefix (line 2, column 1).");
    add("xml prefix bound elsewhere", Project + "<Tasks xmlns:xml=\"urn:x\"/></Project>",
        malformed + "reserved prefix (xml) must not be undeclared or bound to another namespace "
                    "name (line 2, column 1).");
    add("one attribute by two prefixes",
        Project + "<Tasks xmlns:a=\"urn:x\" xmlns:b=\"urn:x\" a:z=\"1\" b:z=\"2\"/></Project>",
        malformed + "duplicate attribute (line 2, column 1).");
    add("two colons in a name", Project + "<m:Tasks:x xmlns:m=\"urn:x\"/></Project>",
        malformed + "not well-formed (invalid token) (line 2, column 9).");
    add("digit after a colon", Project + "<Tasks m:1=\"\"/></Project>",
        malformed + "not well-formed (invalid token) (line 2, column 10).");
    add("combining mark after a colon", Project + "<Tasks m:\xcc\x80=\"\"/></Project>",
        malformed + "not well-formed (invalid token) (line 2, column 10).");
    add("colon in an instruction's target", Project + "<?a:b c?></Project>",
        malformed + "not well-formed (invalid token) (line 2, column 4).");
    add("colon in an entity's name", Project + "<Title>&a:b;</Title></Project>",
        malformed + "not well-formed (invalid token) (line 2, column 10).");
    add("two colons in the document type's name", "<!DOCTYPE a:b:c>" + msProject(""),
        malformed + "syntax error (line 1, column 11).");

    add("text over a megabyte", msProject("<Title>" + QByteArray(1 << 20, 't') + "t</Title>"),
        "The text of <Title> on line 1 is longer than any value of a plan (1 MiB).");
}

void TestXmlDocuments::refusedLeavesProjectAsItWas()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, message);

    ExchangeFixture f;
    f.project.taskTable.setCell(ColTask, 1, QStringLiteral("Keep me"));
    f.project.settings().setValue(SettingsBlock::ProjectName, QStringLiteral("Mine"));
    f.project.LastTaskRow = 1;
    const QString path = f.write("plan.xml", document);
    QVERIFY(IsMsProjectXml(path));
    f.import(path);

    QCOMPARE(f.host.texts(), QStringList{QString(message).replace(QLatin1String("%1"), path)});
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(f.cell(ColTask, 1), QStringLiteral("Keep me"));
    QCOMPARE(f.project.settings().projectName(), QStringLiteral("Mine"));
    QCOMPARE(f.project.LastTaskRow, 1);
}

void TestXmlDocuments::hostileShapesImport_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<int>("lastTaskRow");
    QTest::addColumn<int>("resourcesOfTask1");

    const QByteArray task = "<Tasks><Task><UID>1</UID><ID>1</ID><Name>T</Name></Task></Tasks>";
    QByteArray attributes;
    for (int i = 0; i < 400000; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"\"";
    QTest::newRow("400,000 attributes of one element")
        << "<Project " + Namespace + attributes + ">" + task + "</Project>" << 1 << 0;
    QByteArray declarations;
    for (int i = 0; i < 150000; ++i)
        declarations +=
            " xmlns:p" + QByteArray::number(i) + "=\"urn:p" + QByteArray::number(i) + "\"";
    QTest::newRow("150,000 namespace declarations of one element")
        << "<Project " + Namespace + declarations + ">" + task + "</Project>" << 1 << 0;
    QTest::newRow("30,000 assignments of long names") << longNamedAssignments(30000) << 2 << 999;
    QTest::newRow("300,000 assignments of long names") << longNamedAssignments(300000) << 2 << 999;
}

// Each of these took from seconds to beyond five minutes once; bench_exchange times
// them. Here they must import what they hold.
void TestXmlDocuments::hostileShapesImport()
{
    QFETCH(QByteArray, document);
    QFETCH(int, lastTaskRow);
    QFETCH(int, resourcesOfTask1);

    ExchangeFixture f;
    f.import(f.write("plan.xml", document));
    for (const RecordedMessage &m : f.host.messages)
        QVERIFY2(m.title != QLatin1String("Error"), qPrintable(m.text.left(300)));
    QCOMPARE(f.project.LastTaskRow, lastTaskRow);
    const QString &resources = f.cell(ColResource, 1);
    QCOMPARE(resources.count(QLatin1Char(';')), resourcesOfTask1);
    if (resourcesOfTask1 > 0) {
        QVERIFY(resources.startsWith(QLatin1String(" 1nnn")));
        QVERIFY(resources.endsWith(QLatin1String("n;")));
    }
}

void TestXmlDocuments::namespacesByPrefix_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("names"); // the task rows' names, one line each

    const QByteArray ns = "\"http://schemas.microsoft.com/project\"";
    const auto task = [](const QByteArray &prefix, const QByteArray &name,
                         const QByteArray &declarations = "") {
        QByteArray t = "<Task" + declarations + "><UID>1</UID><Name>" + name + "</Name></Task>";
        return prefix.isEmpty() ? t
                                : t.replace("<", "<" + prefix + ":")
                                      .replace("<" + prefix + ":/", "</" + prefix + ":");
    };
    QTest::newRow("prefixed") << "<m:Project xmlns:m=" + ns + "><m:Tasks>" + task("m", "A") +
                                     "</m:Tasks></m:Project>"
                              << "A";
    QTest::newRow("declared on the element itself")
        << "<m:Project xmlns:m=" + ns + "><Tasks xmlns=" + ns + ">" + task("", "A") +
               task("m", "B") + "</Tasks></m:Project>"
        << "A\nB";
    QTest::newRow("other namespaces' tasks are skipped")
        << msProject("<Tasks>" + task("x", "Foreign", " xmlns:x=\"urn:other\"") +
                     task("", "Foreign", " xmlns=\"urn:other\"") + task("", "None", " xmlns=\"\"") +
                     task("", "A") + "</Tasks>")
        << "A";
    QTest::newRow("prefix bound again inside")
        << "<m:Project xmlns:m=" + ns + "><m:Tasks>" + task("m", "Foreign", " xmlns:m=\"urn:o\"") +
               task("m", "A") + "</m:Tasks></m:Project>"
        << "A";
    QTest::newRow("xml prefix and attributes")
        << "<Project " + Namespace +
               " xml:lang=\"de\" a=\"1\" xmlns:x=\"urn:x\" x:a=\"2\" x:\xc3\xa9=\"3\">" +
               "<Tasks><xml:Task/>" + task("", "A") + "</Tasks></Project>"
        << "A";
}

// An element is MS Project's by its namespace, whatever prefix names it.
void TestXmlDocuments::namespacesByPrefix()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, names);

    ExchangeFixture f;
    f.import(f.write("plan.xml", document));
    QCOMPARE(f.host.texts(), QStringList());
    QStringList rows;
    for (int row = 1; row <= f.project.LastTaskRow; ++row)
        rows << f.cell(ColTask, row);
    QCOMPARE(rows.join(QLatin1Char('\n')), names);
}

// Null tasks, project summaries and null resources become no row; a document of nothing
// else, as long as a file may be, must not fill the memory with them.
void TestXmlDocuments::recordsWithoutRowsAreNotKept()
{
    const QByteArray link = "<PredecessorLink><PredecessorUID>7</PredecessorUID></PredecessorLink>";
    const QByteArray nothing = repeated("<Task><IsNull>1</IsNull>" + link +
                                            "</Task><Task><OutlineLevel>0</OutlineLevel></Task>",
                                        50000);
    QByteArray document = msProject(
        "<Tasks>" + nothing + "<Task><UID>7</UID><Name>Kept</Name>" + link + "</Task>" + nothing +
        "</Tasks><Resources>" + repeated("<Resource><IsNull>1</IsNull></Resource>", 100000) +
        "<Resource><UID>3</UID><Name>Zoë</Name></Resource></Resources>");
    QBuffer input(&document);
    QVERIFY(input.open(QIODevice::ReadOnly));
    msp::Document doc;
    QCOMPARE(msp::ReadDocument(input, doc).kind, msp::ReadResult::Read);
    QCOMPARE(doc.tasks.size(), std::size_t(1));
    QCOMPARE(doc.tasks[0].name, QStringLiteral("Kept"));
    QCOMPARE(doc.tasks[0].order, 100000); // its place among all the tasks read
    QCOMPARE(doc.links.size(), std::size_t(1));
    QCOMPARE(doc.linksOf(doc.tasks[0]).size(), std::size_t(1));
    QCOMPARE(doc.resources.size(), std::size_t(1));
    QCOMPARE(doc.resources[0].uid, 3);
}
