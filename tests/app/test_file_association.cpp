#include "test_classes.h"

#include "app/file_association.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

using namespace morvaine;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void TestFileAssociation::execLineQuotesThePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/bin/morvaine" << "\"/usr/bin/morvaine\" %f";
    QTest::newRow("blank") << "/opt/My Apps/morvaine" << "\"/opt/My Apps/morvaine\" %f";
    // $ and " take a backslash, which the entry's own escaping doubles.
    QTest::newRow("dollar and quote")
        << "/home/a$b/x\"y/morvaine" << "\"/home/a\\\\$b/x\\\\\"y/morvaine\" %f";
    QTest::newRow("backslash") << "/home/a\\b/morvaine" << "\"/home/a\\\\\\\\b/morvaine\" %f";
    QTest::newRow("percent") << "/home/100%/morvaine" << "\"/home/100%%/morvaine\" %f";
}

void TestFileAssociation::execLineQuotesThePath()
{
    QFETCH(QString, path);
    QFETCH(QString, exec);
    QCOMPARE(DesktopExecLine(path), exec);
}

void TestFileAssociation::writesMimePackageAndDesktopEntry()
{
    QTemporaryDir dir;
    RegisterFileType(QStringLiteral("/opt/morvaine/bin/morvaine"), dir.path(), {});

    const QByteArray mime = readAll(dir.filePath(QStringLiteral("mime/packages/morvaine.xml")));
    QVERIFY(mime.contains("type=\"application/x-morvaine\""));
    QVERIFY(mime.contains("<glob pattern=\"*.mrv\"/>"));
    QVERIFY(mime.contains("value=\"\\x70\\x47\\xe1\\xe5\""));

    const QByteArray entry = readAll(dir.filePath(QStringLiteral("applications/morvaine.desktop")));
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    QVERIFY(entry.contains("\nExec=\"/opt/morvaine/bin/morvaine\" %f\n"));
    QVERIFY(entry.contains("\nMimeType=application/x-morvaine;\n"));
    QVERIFY(entry.contains("\nIcon=morvaine\n"));
    QVERIFY(readAll(dir.filePath(QStringLiteral("icons/hicolor/scalable/apps/morvaine.svg")))
                .contains("<svg"));

    // Where the desktop's MIME tool exists, the database now knows the type by name
    // and by its first four bytes.
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        QVERIFY(readAll(dir.filePath(QStringLiteral("mime/globs2")))
                    .contains("application/x-morvaine:*.mrv"));
        QVERIFY(readAll(dir.filePath(QStringLiteral("mime/magic"))).contains("\x70\x47\xe1\xe5"));
    }

    // A second start rewrites the entry for the program that ran last.
    RegisterFileType(QStringLiteral("/usr/bin/morvaine"), dir.path(), {});
    QVERIFY(readAll(dir.filePath(QStringLiteral("applications/morvaine.desktop")))
                .contains("\nExec=\"/usr/bin/morvaine\" %f\n"));
}

void TestFileAssociation::unwritableFolderThrows()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        RegisterFileType(QStringLiteral("/usr/bin/morvaine"), dir.filePath(QStringLiteral("file/xdg")),
                         {});
        QFAIL("no error");
    } catch (const std::runtime_error &error) {
        QVERIFY(QString::fromUtf8(error.what()).contains(QLatin1String("morvaine.xml")));
    }
}

void TestFileAssociation::installedPackageKeepsItsOwnAssociation()
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("bin/morvaine"));
    const QString other = dir.filePath(QStringLiteral("build/morvaine"));
    for (const QString &path : {program, other}) {
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString system = dir.filePath(QStringLiteral("system"));
    QVERIFY(QDir().mkpath(system + QLatin1String("/applications")));
    QFile entry(system + QLatin1String("/applications/morvaine.desktop"));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Morvaine\nExec=" + program.toUtf8() +
                " %f\n");
    entry.close();
    const QString home = dir.filePath(QStringLiteral("home"));
    const QString userEntry = home + QLatin1String("/applications/morvaine.desktop");

    // A program the package does not start (a build of one's own) writes the user's
    // association, as at every start.
    QVERIFY(!InstalledSystemWide(other, {system}));
    RegisterFileType(other, home, {system});
    QVERIFY(QFile::exists(userEntry));

    // The packaged program takes the association back: the user files that would hide
    // the package's entry, and outlive its removal, are gone.
    QVERIFY(InstalledSystemWide(program, {dir.filePath(QStringLiteral("none")), system}));
    RegisterFileType(program, home, {system});
    QVERIFY(!QFile::exists(userEntry));
    QVERIFY(!QFile::exists(home + QLatin1String("/mime/packages/morvaine.xml")));
    QVERIFY(!QFile::exists(home + QLatin1String("/icons/hicolor/scalable/apps/morvaine.svg")));
}
