#include "file_association.h"

#include "widgets/icons.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <stdexcept>

namespace morvaine {

namespace {

void writeFile(const QString &path, const QByteArray &contents)
{
    QString error;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = QStringLiteral("cannot create the folder");
    } else {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
            !file.commit())
            error = file.errorString();
    }
    if (!error.isEmpty())
        throw std::runtime_error(QStringLiteral("Cannot write the file association %1: %2")
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

void RegisterFileType(const QString &programPath, const QString &dataHome)
{
    writeFile(dataHome + QLatin1String("/mime/packages/morvaine.xml"), MimePackage());
    writeFile(dataHome + QLatin1String("/applications/morvaine.desktop"),
              DesktopEntry(programPath));
    const QByteArray icon = resource(QStringLiteral(":/icons/morvaine.svg"));
    writeFile(dataHome + QLatin1String("/icons/hicolor/scalable/apps/morvaine.svg"), icon);

    // The MIME package takes effect once the user's database is rebuilt; without the
    // tool the files are still in place for the next rebuild.
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (!tool.isEmpty()) {
        QProcess process;
        process.start(tool, {dataHome + QLatin1String("/mime")});
        process.waitForFinished(10000);
    }
}

} // namespace morvaine
