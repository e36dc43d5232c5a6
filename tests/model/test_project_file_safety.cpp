// Project files against hostile names and failing disks: a name stored in a file is
// never written to, only regular files open, a save that fails at any byte keeps the
// previous file, and no cell is saved that the reader would refuse.

#include "test_classes.h"

#include "model/file_path.h"
#include "model/text_codec.h"
#include "project_file_fixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

using namespace morvaine;
using namespace morvaine::project_file_test;

void TestProjectFileSafety::init()
{
    QVERIFY(freshFolder());
}

void TestProjectFileSafety::storedFileNameIsNeverWrittenTo_data()
{
    // A project saved as the victim file holds the victim's path in its settings; the
    // file is then handed over under another name, whole or cut short.
    Fixture f;
    f.t().setCell(ColTask, 1, QStringLiteral("Walls"));
    f.t().setCell(ColDuration, 1, QStringLiteral("3 days"));
    f.project.settings().setValue(SettingsBlock::Modify, QStringLiteral("Yes"));
    f.project.settings().setValue(SettingsBlock::FileName, tempPath(QStringLiteral("victim")));
    SaveProject(f.project, f.host, QStringLiteral("Save"));
    const QByteArray crafted = readAll(tempPath(QStringLiteral("victim")));
    QVERIFY(crafted.contains("victim"));
    const qsizetype resources = crafted.size() - (8 + 3 * 19 * 4); // 20 empty rows

    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("named"); // cells were read: the file name is the path opened
    QTest::newRow("complete") << crafted << true;
    QTest::newRow("resource header cut") << crafted.left(resources + 2) << true;
    QTest::newRow("resource cells cut") << crafted.left(crafted.size() - 3) << true;
    QTest::newRow("task cells cut after the settings") << crafted.left(resources - 4 * 30) << true;
    QTest::newRow("wrong version") << QByteArray(crafted).replace(4, 1, "\xBC") << false;
}

void TestProjectFileSafety::storedFileNameIsNeverWrittenTo()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, named);
    const QString victim = tempPath(QStringLiteral("victim"));
    writeAll(victim, "precious");
    const QString opened = tempPath(QStringLiteral("opened.mrv"));
    writeAll(opened, file);

    Fixture f;
    LoadProject(f.project, f.host, opened);
    QCOMPARE(f.project.settings().fileName(), named ? opened : QStringLiteral("no save file"));
    // What the Save command does: overwrite the named file, or ask (here: cancelled).
    f.host.messages.clear();
    SaveProject(f.project, f.host,
                f.project.settings().hasFileName() ? QStringLiteral("Save")
                                                   : QStringLiteral("SaveAs"));
    QVERIFY(f.host.messages.isEmpty());
    QCOMPARE(readAll(victim), QByteArray("precious"));
    QCOMPARE(readAll(opened) != file, named);
}

void TestProjectFileSafety::opensOnlyRegularFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    const QString refused = QStringLiteral("not a regular file"); // the reason given
    QTest::newRow("fifo") << QStringLiteral("fifo.mrv") << refused;
    QTest::newRow("directory") << QStringLiteral("folder.mrv") << refused;
    QTest::newRow("device") << QStringLiteral("/dev/null") << refused;
    QTest::newRow("link to a project") << QStringLiteral("link.mrv") << QString();
    QTest::newRow("name not in UTF-8") << QStringLiteral("latin1") << QString();
}

void TestProjectFileSafety::opensOnlyRegularFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    Fixture saved;
    saved.t().setCell(ColTask, 1, QStringLiteral("Walls"));
    saved.t().setCell(ColDuration, 1, QStringLiteral("3 days"));
    const QString project = tempPath(QStringLiteral("project.mrv"));
    saved.saveAs(project);

    const QByteArray folder = QFile::encodeName(tempDir->path()) + '/';
    QVERIFY(::mkfifo((folder + "fifo.mrv").constData(), 0600) == 0);
    QVERIFY(QDir(tempDir->path()).mkdir(QStringLiteral("folder.mrv")));
    QVERIFY(QFile::link(project, tempPath(QStringLiteral("link.mrv"))));
    // "caf\xe9.mrv": a Latin-1 name, as an older system would have written it.
    const QByteArray latin1 = folder + "caf\xe9.mrv";
    QVERIFY(QFile::copy(project, tempPath(QStringLiteral("plain.mrv"))));
    QVERIFY(::rename((folder + "plain.mrv").constData(), latin1.constData()) == 0);
    if (path == QLatin1String("latin1"))
        path = DecodePath(latin1);
    else if (!path.startsWith(QLatin1Char('/')))
        path = tempPath(path);

    QElapsedTimer timer;
    timer.start();
    Fixture f;
    LoadProject(f.project, f.host, path);
    QVERIFY(timer.elapsed() < 5000); // a FIFO without a writer must not block
    QCOMPARE(f.host.texts(), message.isEmpty()
                                 ? QStringList()
                                 : QStringList{QStringLiteral("Error opening the file. Code "
                                                              "#0001\n") +
                                               path + QStringLiteral(": ") + message});
    QCOMPARE(f.t().cell(ColTask, 1), message.isEmpty() ? QStringLiteral("Walls") : QString());
    QCOMPARE(f.project.settings().fileName(),
             message.isEmpty() ? path : QStringLiteral("no save file"));
}

void TestProjectFileSafety::failedSaveAtEveryByteKeepsPreviousFile()
{
    Fixture f;
    f.t().setCell(ColTask, 1, QStringLiteral("Walls"));
    f.t().setCell(ColDuration, 1, QStringLiteral("3 days"));
    f.project.resourceTable.setCell(ResColName, 1, QStringLiteral("Anna"));
    const QString path = tempPath(QStringLiteral("safe.mrv"));
    f.saveAs(path);
    const QByteArray previous = readAll(path);

    f.t().setCell(ColTask, 2, QStringLiteral("Roof"));
    f.project.settings().markModified();
    f.project.settings().setValue(SettingsBlock::ChangeDate, QStringLiteral("01.01.2020"));

    // Find the size of the new file, then fail it after every possible byte count.
    qint64 total = 0;
    SetProjectFileWriteLimiter([&](qint64 wanted) {
        total += wanted;
        return wanted;
    });
    const QString probe = tempPath(QStringLiteral("prob.mrv")); // same length as the path
    f.saveAs(probe);
    f.project.settings().setValue(SettingsBlock::FileName, path);
    f.project.settings().markModified();
    f.project.settings().setValue(SettingsBlock::ChangeDate, QStringLiteral("01.01.2020"));
    QVERIFY(total > previous.size());

    const QRegularExpression numbered(QStringLiteral("^Error saving the file. Code #00(1[1-6])$"));
    for (qint64 limit = 0; limit < total; ++limit) {
        qint64 budget = limit;
        SetProjectFileWriteLimiter([&](qint64 wanted) {
            const qint64 allowed = std::min(wanted, budget);
            budget -= allowed;
            return allowed;
        });
        f.host.messages.clear();
        SaveProject(f.project, f.host, QStringLiteral("Save"));
        if (f.host.messages.isEmpty() || !numbered.match(f.host.messages[0].text).hasMatch())
            QFAIL(qPrintable(QStringLiteral("no numbered message at %1 bytes").arg(limit)));
        if (readAll(path) != previous)
            QFAIL(qPrintable(QStringLiteral("previous file changed at %1 bytes").arg(limit)));
        if (f.project.settings().modify() != QLatin1String("Yes") ||
            f.project.settings().changeDate() != QLatin1String("01.01.2020"))
            QFAIL(qPrintable(QStringLiteral("settings not restored at %1 bytes").arg(limit)));
    }
    SetProjectFileWriteLimiter({});
    QCOMPARE(QDir(tempDir->path()).entryList(QDir::Files).size(), 2); // no temporary files left
    QCOMPARE(f.project.settings().fileName(), path);

    SaveProject(f.project, f.host, QStringLiteral("Save"));
    QVERIFY(readAll(path).contains("Roof"));
}

void TestProjectFileSafety::cellsFitTheReadersLimit_data()
{
    // The reader takes at most 64999 bytes a cell, counted as the file stores the text:
    // one byte a character in Windows-1251, else UTF-8.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fitting"); // characters left by the cut
    const QString cjk(1, QChar(0x4E2D));
    const QString pair = QString::fromUcs4(U"\U0001F600"); // four bytes, two characters
    QTest::newRow("ASCII at the limit") << QString(64999, QLatin1Char('x')) << 64999;
    QTest::newRow("ASCII one byte over") << QString(65000, QLatin1Char('x')) << 64999;
    QTest::newRow("Cyrillic, one byte each") << QString(70000, QChar(0x0416)) << 64999;
    QTest::newRow("three bytes each") << cjk.repeated(21667) << 21666;
    QTest::newRow("surrogate pairs stay whole") << pair.repeated(16250) << 2 * 16249;
    QTest::newRow("mixed") << QString(64000, QLatin1Char('x')) + cjk.repeated(1000) << 64333;
}

void TestProjectFileSafety::cellsFitTheReadersLimit()
{
    QFETCH(QString, text);
    QFETCH(int, fitting);
    QCOMPARE(FitsProjectFileCell(text), fitting == text.size());
    const QString cut = CutToProjectFileCell(text);
    QCOMPARE(cut.size(), fitting);
    QVERIFY(FitsProjectFileCell(cut));
    QVERIFY(EncodeCellText(cut).size() <= MaxCellBytes);

    // What is cut reads back whole; what is not is never written.
    Fixture f;
    f.t().setCell(ColTask, 1, text);
    const QString path = tempPath(QStringLiteral("long.mrv"));
    f.saveAs(path);
    QCOMPARE(QFile::exists(path), fitting == text.size());
    QCOMPARE(CutCellsToProjectFile(f.project, f.host), fitting == text.size() ? 0 : 1);
    f.host.messages.clear();
    f.saveAs(path);
    QVERIFY(f.host.messages.isEmpty());
    Fixture loaded;
    LoadProject(loaded.project, loaded.host, path);
    QVERIFY(loaded.host.messages.isEmpty());
    QCOMPARE(loaded.t().cell(ColTask, 1), cut);
}

void TestProjectFileSafety::cellTooLongIsRefusedBeforeSaving()
{
    const QString tooLong(65000, QLatin1Char('x'));
    Fixture f;
    const QString path = tempPath(QStringLiteral("plan.mrv"));
    f.t().setCell(ColTask, 1, QStringLiteral("Plan"));
    f.saveAs(path);
    const QByteArray before = readAll(path);

    const auto refusal = [](const char *cell) {
        return QStringLiteral("Error saving the file. The text of %1 is longer than the 64999 "
                              "bytes a project file holds in a cell; shorten it and save again.")
            .arg(QLatin1String(cell));
    };
    f.t().setCell(ColResource, 3, tooLong);
    f.project.settings().markModified();
    SaveProject(f.project, f.host, QStringLiteral("Save"));
    f.t().setCell(ColResource, 3, QString());
    f.project.settings().setValue(SettingsBlock::ProjectName, tooLong);
    f.saveAs(tempPath(QStringLiteral("other.mrv")));
    f.project.settings().setValue(SettingsBlock::ProjectName, QStringLiteral("Plan"));
    f.project.resourceTable.setCell(ResColName, 1, QStringLiteral("Ann"));
    f.project.resourceTable.setCell(ResColAddress, 1, tooLong);
    f.saveAs(tempPath(QStringLiteral("other.mrv")));

    QCOMPARE(f.host.texts(), (QStringList{refusal("task 3, column \"Resource\""),
                                          refusal("the setting \"Project name\""),
                                          refusal("resource 1, column \"Address\"")}));
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
    // Nothing was asked or written, and the plan keeps its unsaved changes.
    QCOMPARE(readAll(path), before);
    QVERIFY(!QFile::exists(tempPath(QStringLiteral("other.mrv"))));
    QCOMPARE(f.project.settings().modify(), QStringLiteral("Yes"));
    QCOMPARE(f.project.settings().fileName(), path);
    QVERIFY(!WriteProjectFile(f.project, tempPath(QStringLiteral("copy.mrv"))));
    QVERIFY(!QFile::exists(tempPath(QStringLiteral("copy.mrv"))));

    // Cut, the plan saves and reads back.
    QCOMPARE(CutCellsToProjectFile(f.project, f.host), 1);
    QCOMPARE(f.host.texts().constLast(),
             QStringLiteral("1 text was too long for one cell and cut to the 64999 bytes a "
                            "project file holds in a cell."));
    QVERIFY(WriteProjectFile(f.project, tempPath(QStringLiteral("copy.mrv"))));
}
