#include "file_association.h"

#include "widgets/icons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <QCoreApplication>
#include <stdexcept>

namespace morvaine {

namespace {

void writeFile(const QString &path, const QByteArray &contents)
{
    QString error;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = QCoreApplication::translate("FileAssociation", "cannot create the folder");
    } else {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
            !file.flush() || !file.commit())
            error = file.errorString();
    }
    if (!error.isEmpty())
        throw std::runtime_error(QCoreApplication::translate(
                                     "FileAssociation", "Cannot write the file association %1: %2")
                                     .arg(path, error)
                                     .toStdString());
}

QByteArray resource(const QString &path)
{
    InitResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The MIME package takes effect once the user's database is rebuilt; without the tool
// the files are still in place for the next rebuild.
void updateMimeDatabase(const QString &dataHome)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty())
        return;
    QProcess process;
    process.start(tool, {dataHome + QLatin1String("/mime")});
    process.waitForFinished(10000);
}

} // namespace

QString UserDataHome()
{
    const QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (!home.isEmpty())
        return home;
    return QDir::homePath() + QLatin1String("/.local/share");
}

QString DesktopExecLine(const QString &programPath)
{
    // Inside a quoted argument ", `, $ and \ take a backslash; the value as a whole
    // is a desktop-entry string, whose own escaping doubles every backslash; a
    // percent sign is written twice so it is not taken for a field code.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + quoted + QLatin1String("\" %f");
}

QByteArray MimePackage()
{
    return resource(QStringLiteral(":/morvaine-mime.xml"));
}

QByteArray DesktopEntry(const QString &programPath)
{
    const QString entry = QLatin1String("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Morvaine\n"
                                        "GenericName=Project Planner\n"
                                        "Comment=Open with Morvaine\n"
                                        "Exec=") +
                          DesktopExecLine(programPath) +
                          QLatin1String("\n"
                                        "Icon=morvaine\n"
                                        "Terminal=false\n"
                                        "MimeType=application/x-morvaine;\n"
                                        "Categories=Office;ProjectManagement;\n");
    return entry.toUtf8();
}

QStringList SystemDataDirs()
{
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    return dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

bool InstalledSystemWide(const QString &programPath, const QStringList &dataDirs)
{
    const QString program = QFileInfo(programPath).canonicalFilePath();
    if (program.isEmpty())
        return false;
    for (const QString &dir : dataDirs) {
        QFile entry(dir + QLatin1String("/applications/morvaine.desktop"));
        if (!entry.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = entry.readAll().split('\n');
        for (const QByteArray &line : lines) {
            if (!line.startsWith("Exec="))
                continue;
            // The entry's program: its first word, a bare name found on the PATH.
            QString command = QString::fromUtf8(line.mid(5)).section(QLatin1Char(' '), 0, 0);
            command.remove(QLatin1Char('"'));
            if (!command.contains(QLatin1Char('/')))
                command = QStandardPaths::findExecutable(command);
            if (!command.isEmpty() && QFileInfo(command).canonicalFilePath() == program)
                return true;
            break;
        }
    }
    return false;
}

void RegisterFileType(const QString &programPath, const QString &dataHome)
{
    RegisterFileType(programPath, dataHome, SystemDataDirs());
}

void RegisterFileType(const QString &programPath, const QString &dataHome,
                      const QStringList &dataDirs)
{
    const QString mimePackage = dataHome + QLatin1String("/mime/packages/morvaine.xml");
    const QString desktopEntry = dataHome + QLatin1String("/applications/morvaine.desktop");
    const QString iconFile = dataHome + QLatin1String("/icons/hicolor/scalable/apps/morvaine.svg");
    if (InstalledSystemWide(programPath, dataDirs)) {
        // The installed package declares the type and opens it with this very program;
        // a user entry of ours would hide it and outlive the package's removal.
        const bool hadPackage = QFile::exists(mimePackage);
        QFile::remove(mimePackage);
        QFile::remove(desktopEntry);
        QFile::remove(iconFile);
        if (hadPackage)
            updateMimeDatabase(dataHome);
        return;
    }
    writeFile(mimePackage, MimePackage());
    writeFile(desktopEntry, DesktopEntry(programPath));
    writeFile(iconFile, resource(QStringLiteral(":/icons/morvaine.svg")));
    updateMimeDatabase(dataHome);
}

} // namespace morvaine
