#include "test_classes.h"

#include "model/convert.h"
#include "model/file_path.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "model/text_codec.h"
#include "project_file_fixture.h"
#include "recording_host.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

using namespace morvaine;

using namespace morvaine::project_file_test;

namespace {

// Builds file bytes field by field.
struct Bytes {
    QByteArray data;
    Bytes &i32(qint32 v)
    {
        const qint32 le = qToLittleEndian(v);
        data.append(reinterpret_cast<const char *>(&le), 4);
        return *this;
    }
    Bytes &record(const QByteArray &text)
    {
        i32(static_cast<qint32>(text.size()));
        data.append(text);
        return *this;
    }
    Bytes &raw(const QByteArray &b)
    {
        data.append(b);
        return *this;
    }
};

Bytes header(qint32 columns = 11, qint32 rows = 3)
{
    Bytes b;
    b.i32(static_cast<qint32>(0xE5E14770u)).i32(110011).i32(columns).i32(rows);
    return b;
}

// Reads the int at a byte offset of a file image.
qint32 intAt(const QByteArray &file, qsizetype offset)
{
    return qFromLittleEndian<qint32>(file.constData() + offset);
}

} // namespace

void TestProjectFile::init()
{
    QVERIFY(freshFolder());
}

void TestProjectFile::newProjectSavedAtOnce()
{
    Fixture f;
    const QString path = tempPath(QStringLiteral("new.mrv"));
    f.saveAs(path);
    QVERIFY(f.host.messages.isEmpty());

    const QByteArray file = readAll(path);
    QCOMPARE(file.left(8), QByteArray::fromHex("7047E1E5BBAD0100"));
    QCOMPARE(intAt(file, 8), 11);
    QCOMPARE(intAt(file, 12), 60);

    // 10 columns x 59 rows of task records: columns 1-7 and 9 empty, Level "1",
    // then column 10 with the settings and 39 empty rows.
    qsizetype at = 16;
    for (int column = 1; column <= 10; ++column) {
        for (int row = 1; row <= 59; ++row) {
            const qint32 n = intAt(file, at);
            const QByteArray text = file.mid(at + 4, n);
            at += 4 + n;
            QString expected;
            if (column == ColLevel)
                expected = QStringLiteral("1");
            else if (column == ColSettings && row <= 20)
                expected = f.t().cell(ColSettings, row);
            QCOMPARE(QString::fromLatin1(text), expected);
        }
    }
    QCOMPARE(intAt(file, at), 4);
    QCOMPARE(intAt(file, at + 4), 20);
    at += 8;
    for (int i = 0; i < 3 * 19; ++i, at += 4)
        QCOMPARE(intAt(file, at), 0);
    QCOMPARE(at, file.size());

    // The stored settings are the ones the save set.
    const QString today = DateToStr(Date());
    QCOMPARE(f.project.settings().fileName(), path);
    QCOMPARE(f.project.settings().createDate(), today);
    QCOMPARE(f.project.settings().changeDate(), today);
    QCOMPARE(f.project.settings().modify(), QStringLiteral("No"));
    QCOMPARE(f.host.caption, QStringLiteral("Morvaine 1.0 - new.mrv"));
}

void TestProjectFile::taskRowsFollowLastUsedRow_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("taskRows");
    QTest::newRow("last task on row 100") << int(ColTask) << 100 << 101;
    QTest::newRow("task on row 9999") << int(ColTask) << 9999 << 10000;
    QTest::newRow("small project raised to 60") << int(ColTask) << 5 << 60;
    QTest::newRow("no names: a completion decides") << int(ColCompletion) << 80 << 81;
    QTest::newRow("level and settings never decide") << int(ColLevel) << 500 << 60;
}

void TestProjectFile::taskRowsFollowLastUsedRow()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, taskRows);
    Fixture f;
    f.t().setCell(column, row, QStringLiteral("7"));
    QCOMPARE(TaskRowsToStore(f.project), taskRows);
}

void TestProjectFile::resourceRowsFollowFirstEmptyName_data()
{
    QTest::addColumn<bool>("header");
    QTest::addColumn<int>("names");
    QTest::addColumn<int>("resourceRows");
    QTest::newRow("dialog never shown") << false << 0 << 20;
    QTest::newRow("header only") << true << 0 << 20;
    QTest::newRow("30 resources") << true << 30 << 32;
    QTest::newRow("table full") << true << 999 << 1000;
}

void TestProjectFile::resourceRowsFollowFirstEmptyName()
{
    QFETCH(bool, header);
    QFETCH(int, names);
    QFETCH(int, resourceRows);
    Fixture f;
    if (header)
        f.project.resourceTable.setCell(ResColName, 0, QStringLiteral("Name"));
    for (int row = 1; row <= names; ++row)
        f.project.resourceTable.setCell(ResColName, row, QStringLiteral("R%1").arg(row));
    QCOMPARE(ResourceRowsToStore(f.project), resourceRows);
}

void TestProjectFile::roundTripKeepsEveryCell()
{
    Fixture f;
    TaskTable &t = f.t();
    t.setCell(ColTask, 1, QStringLiteral("Фундамент"));
    t.setCell(ColDuration, 1, QStringLiteral("5 days"));
    t.setCell(ColStart, 1, QStringLiteral("07.12.2026"));
    t.setCell(ColEnd, 1, QStringLiteral("11.12.2026"));
    t.setCell(ColForerunner, 3, QStringLiteral(" 1; 2;"));
    t.setCell(ColResource, 3, QStringLiteral(" Анна; Bob;"));
    t.setCell(ColCompletion, 3, QStringLiteral("40 %"));
    t.setCell(ColLevel, 2, QStringLiteral("2"));
    t.setCell(ColVeha, 1, QStringLiteral("v"));
    t.setCell(ColTask, 2, QStringLiteral("屋根 🏠 Dach"));
    t.setCell(ColDuration, 2, QStringLiteral("1 day"));
    t.setCell(ColTask, 300, QStringLiteral("Übergabe"));
    t.setCell(ColDuration, 300, QStringLiteral("0 days"));
    t.setCell(ColDuration, 400, QStringLiteral("3")); // beyond the last name: not stored
    f.project.settings().setValue(SettingsBlock::Currency, QStringLiteral("€"));
    f.project.settings().setValue(SettingsBlock::Author, QStringLiteral("Ёлка"));
    f.project.resourceTable.setCell(ResColName, 0, QStringLiteral("Name"));
    f.project.resourceTable.setCell(ResColName, 1, QStringLiteral("Анна"));
    f.project.resourceTable.setCell(ResColCost, 1, QStringLiteral("12.5"));
    f.project.resourceTable.setCell(ResColAddress, 1, QStringLiteral("Straße 1, Köln"));
    f.project.resourceTable.setCell(ResColName, 2, QStringLiteral("Bob"));
    f.project.settings().markModified();

    const QString path = tempPath(QStringLiteral("full.mrv"));
    f.saveAs(path);
    QVERIFY(f.host.messages.isEmpty());
    const QByteArray file = readAll(path);
    QCOMPARE(intAt(file, 12), 301);
    QVERIFY(file.contains(QByteArray("\x01\x00\x00\x00\x88", 5))); // the euro sign, one byte

    Fixture g;
    ClearProject(g.project, true);
    InitNewProject(g.project, g.host);
    LoadProject(g.project, g.host, path);
    QVERIFY(g.host.messages.isEmpty());
    for (int column = 1; column < TaskTable::Columns; ++column)
        for (int row = 1; row < TaskTable::Rows; ++row) {
            const QString expected =
                row == 400 && column == ColDuration ? QString() : t.cell(column, row);
            if (g.t().cell(column, row) != expected)
                QFAIL(qPrintable(QStringLiteral("cell %1,%2: '%3' != '%4'")
                                     .arg(column)
                                     .arg(row)
                                     .arg(g.t().cell(column, row), expected)));
        }
    for (int column = 1; column < ResourceTable::Columns; ++column)
        for (int row = 1; row < ResourceTable::Rows; ++row)
            QCOMPARE(g.project.resourceTable.cell(column, row),
                     f.project.resourceTable.cell(column, row));
    QCOMPARE(g.project.LastTaskRow, 300);
    QCOMPARE(g.project.settings().fileName(), path);
    QCOMPARE(g.project.settings().modify(), QStringLiteral("No"));
    QCOMPARE(g.host.caption, QStringLiteral("Morvaine 1.0 - full.mrv"));
    QVERIFY(g.host.taskGridRepaints > 0 && g.host.chartRepaints > 0);
}

void TestProjectFile::cellTextEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "Roof 12" << QByteArray("Roof 12");
    QTest::newRow("euro is 0x88") << "€" << QByteArray("\x88");
    QTest::newRow("cyrillic in 1251") << "Дом" << QByteArray("\xC4\xEE\xEC");
    QTest::newRow("1251 bytes that look like UTF-8 go as UTF-8")
        << "Рџ" << QByteArray("\xD0\xA0\xD1\x9F");
    QTest::newRow("outside 1251 goes as UTF-8") << "Köln" << QByteArray("K\xC3\xB6ln");
    QTest::newRow("emoji") << "🏠" << QByteArray("\xF0\x9F\x8F\xA0");
    QTest::newRow("byte order mark kept") << QString(QChar(0xFEFF)) + "a"
                                          << QByteArray("\xEF\xBB\xBF"
                                                        "a");
}

void TestProjectFile::cellTextEncoding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeCellText(text), bytes);
    QCOMPARE(DecodeCellText(bytes), text);
}

void TestProjectFile::emptyRecordsLeaveNewProjectDefaults()
{
    Fixture f;
    f.project.settings().setValue(SettingsBlock::Author, QString());
    f.project.settings().setValue(SettingsBlock::ProjectName, QString());
    const QString path = tempPath(QStringLiteral("empty-author.mrv"));
    f.saveAs(path);

    Fixture g;
    LoadProject(g.project, g.host, path);
    QCOMPARE(g.project.settings().author(), QStringLiteral("testBob"));
    QCOMPARE(g.project.settings().projectName(), QStringLiteral("My test project"));
}

void TestProjectFile::textEndsAtFirstZeroByte()
{
    Bytes b = header(2, 3);
    b.record(QByteArray("Wall\0paint", 10)).record("Roof");
    b.i32(4).i32(2).record("Anna").record("").record("");
    const QString path = tempPath(QStringLiteral("zero.mrv"));
    writeAll(path, b.data);
    Fixture f;
    LoadProject(f.project, f.host, path);
    QVERIFY(f.host.messages.isEmpty());
    QCOMPARE(f.t().cell(ColTask, 1), QStringLiteral("Wall"));
    QCOMPARE(f.t().cell(ColTask, 2), QStringLiteral("Roof"));
    QCOMPARE(f.project.resourceTable.cell(ResColName, 1), QStringLiteral("Anna"));
    QCOMPARE(f.project.LastTaskRow, 0); // no Duration anywhere
}

void TestProjectFile::saveKeepsCreateDateAndIgnoresOtherModes()
{
    Fixture f;
    const QString path = tempPath(QStringLiteral("keep.mrv"));
    f.saveAs(path);
    f.project.settings().setValue(SettingsBlock::CreateDate, QStringLiteral("01.01.2020"));
    f.project.settings().setValue(SettingsBlock::ChangeDate, QStringLiteral("01.01.2020"));
    f.project.settings().markModified();
    f.host.caption = QStringLiteral("unchanged");

    SaveProject(f.project, f.host, QStringLiteral("save")); // not a mode
    QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));

    SaveProject(f.project, f.host, QStringLiteral("Save"));
    QVERIFY(f.host.messages.isEmpty());
    QCOMPARE(f.project.settings().createDate(), QStringLiteral("01.01.2020"));
    QCOMPARE(f.project.settings().changeDate(), DateToStr(Date()));
    QCOMPARE(f.project.settings().modify(), QStringLiteral("No"));
    QCOMPARE(f.host.caption, QStringLiteral("unchanged"));
    QVERIFY(readAll(path).contains("01.01.2020"));
}

void TestProjectFile::cancelledSaveDialogChangesNothing()
{
    Fixture f;
    f.project.settings().markModified();
    f.saveAs(QString());
    QVERIFY(f.host.messages.isEmpty());
    QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));
    QCOMPARE(f.project.settings().fileName(), QStringLiteral("no save file"));
}

void TestProjectFile::uncreatableFileReportsAndKeepsSettings()
{
    Fixture f;
    f.project.settings().markModified();
    f.saveAs(tempPath(QStringLiteral("no/such/folder/x.mrv")));
    QCOMPARE(f.host.texts(), QStringList{"Error saving the file. Code #0010"});
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(f.host.messages[0].icon, MsgIcon::Error);
    QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));
    QCOMPARE(f.project.settings().fileName(), QStringLiteral("no save file"));
    QCOMPARE(f.host.caption, QStringLiteral("Morvaine 1.0"));
}

void TestProjectFile::loadErrors_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("completed"); // caption and LastTaskRow set
    QTest::addColumn<QString>("task11"); // Task cell of row 1 afterwards; when it was
                                         // read, the file name is the path opened

    const QString e = QStringLiteral("Error opening the file. Code #%1");
    auto code = [&](const char *n) { return e.arg(QLatin1String(n)); };
    // A complete file: 2 task columns (Task only) x 3 rows, 4 x 2 resources.
    auto tasks = [] {
        Bytes b = header(3, 3);
        b.record("Dig").record("Build").record("2 days").record("");
        return b;
    };

    QTest::newRow("two bytes") << QByteArray("pG") << QStringList{code("0004")} << false << "";
    QTest::newRow("wrong magic")
        << Bytes().i32(0x12345678).i32(110011).i32(11).i32(60).data
        << QStringList{"Error opening the file. Unknown file format. Code #0005"} << false << "";
    QTest::newRow("wrong version")
        << Bytes().i32(static_cast<qint32>(0xE5E14770u)).i32(110010).data
        << QStringList{"Error opening the file. Unknown version file format. Code #0006"} << false
        << "";
    QTest::newRow("version cut") << header().data.left(6) << QStringList{code("0004")} << false
                                 << "";
    QTest::newRow("task rows cut")
        << header().data.left(14) << QStringList{code("0004")} << false << "";
    QTest::newRow("cut inside a task length")
        << Bytes(tasks()).raw(QByteArray()).data.left(16 + 8 + 2)
        << QStringList{code("0002"), code("0007")} << false << "Dig";
    QTest::newRow("cut inside task bytes")
        << tasks().data.left(16 + 4 + 3 + 4 + 2) << QStringList{code("0003"), code("0007")} << false
        << "Dig";
    QTest::newRow("resource header cut")
        << tasks().i32(4).data << QStringList{code("0007")} << false << "Dig";
    QTest::newRow("cut inside a resource length")
        << tasks().i32(4).i32(2).record("Anna").raw("\x01").data << QStringList{code("0008")}
        << true << "Dig";
    QTest::newRow("cut inside resource bytes") << tasks().i32(4).i32(2).i32(9).raw("Ann").data
                                               << QStringList{code("0009")} << true << "Dig";
    QTest::newRow("complete") << tasks().i32(4).i32(2).record("Anna").record("").record("").data
                              << QStringList{} << true << "Dig";

    // Hostile counts and lengths: refused before anything is allocated.
    QTest::newRow("task rows beyond the table")
        << header(11, 10001).data
        << QStringList{"Error opening the file. Unknown file format. Code #0005"} << false << "";
    QTest::newRow("negative task columns")
        << header(-1, 60).data
        << QStringList{"Error opening the file. Unknown file format. Code #0005"} << false << "";
    QTest::newRow("negative cell length") << header(2, 3).i32(-5).raw(QByteArray(64, 'x')).data
                                          << QStringList{code("0002")} << false << "";
    QTest::newRow("cell of 65000 bytes")
        << header(2, 2).record(QByteArray(65000, 'x')).i32(4).i32(1).data
        << QStringList{code("0002")} << false << "";
    QTest::newRow("length of 2 GiB") << header(2, 3).i32(0x7FFFFFFF).raw("tiny").data
                                     << QStringList{code("0002")} << false << "";
    QTest::newRow("length past the end of the file")
        << header(2, 3).i32(60000).raw("tiny").data << QStringList{code("0003"), code("0007")}
        << false << "";
    QTest::newRow("resource rows beyond the table")
        << tasks().i32(4).i32(1001).data << QStringList{code("0007")} << false << "Dig";
    QTest::newRow("resource length negative")
        << tasks().i32(4).i32(2).i32(-1).data << QStringList{code("0008")} << false << "Dig";
}

void TestProjectFile::loadErrors()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, messages);
    QFETCH(bool, completed);
    QFETCH(QString, task11);

    const QString path = tempPath(QStringLiteral("bad.mrv"));
    writeAll(path, file);
    Fixture f;
    LoadProject(f.project, f.host, path);
    QCOMPARE(f.host.texts(), messages);
    for (const RecordedMessage &m : f.host.messages) {
        QCOMPARE(m.title, QStringLiteral("Error"));
        QCOMPARE(m.icon, MsgIcon::Error);
    }
    QCOMPARE(f.t().cell(ColTask, 1), task11);
    QCOMPARE(f.project.settings().fileName(),
             task11.isEmpty() ? QStringLiteral("no save file") : path);
    QCOMPARE(f.host.caption,
             completed ? QStringLiteral("Morvaine 1.0 - bad.mrv") : QStringLiteral("Morvaine 1.0"));
    QCOMPARE(f.project.LastTaskRow, completed ? 1 : 0);

    // Opening a file that does not exist: the numbered message, then the file and why.
    Fixture g;
    const QString missing = tempPath(QStringLiteral("missing.mrv"));
    LoadProject(g.project, g.host, missing);
    QCOMPARE(g.host.texts(), QStringList{QStringLiteral("Error opening the file. Code #0001\n") +
                                         missing + QStringLiteral(": ") + qt_error_string(ENOENT)});
}
