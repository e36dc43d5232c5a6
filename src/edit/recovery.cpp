#include "edit/recovery.h"

#include "model/new_project.h"
#include "model/project_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace morvaine {

namespace {

const QString Suffix = QStringLiteral(".mrv");
const QString OwnerSuffix = QStringLiteral(".owner");

QString OwnerPath(const QString &copyPath)
{
    return copyPath + OwnerSuffix;
}

QString ReadOwner(const QString &copyPath)
{
    QFile file(OwnerPath(copyPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Messages while a copy is tried: only whether loading showed an error counts.
class SilentHost : public Host {
public:
    MsgAnswer MessageBox(const QString &title, const QString &, MsgIcon, MsgButtons) override
    {
        if (title == QLatin1String("Error"))
            failed = true;
        return MsgAnswer::Ok;
    }
    bool failed = false;
};

bool NewerThanItsPlan(const RecoveryCopy &copy)
{
    if (copy.projectPath.isEmpty())
        return true;
    const QFileInfo plan(copy.projectPath);
    return !plan.exists() || plan.lastModified() < copy.written;
}

RecoveryCopy CopyAt(const QString &copyPath)
{
    return {copyPath, ReadOwner(copyPath), QFileInfo(copyPath).lastModified()};
}

} // namespace

QString RecoveryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

QString RecoveryCopyPath(const QString &projectPath)
{
    QString name = QStringLiteral("untitled");
    if (!projectPath.isEmpty()) {
        const QString absolute = QFileInfo(projectPath).absoluteFilePath();
        const QByteArray hash =
            QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        name =
            QFileInfo(absolute).completeBaseName() + QLatin1Char('-') + QString::fromLatin1(hash);
    }
    return QDir(RecoveryFolder()).filePath(name + Suffix);
}

bool WriteRecoveryCopy(const Project &project, const QString &projectPath)
{
    const QString copyPath = RecoveryCopyPath(projectPath);
    if (!QDir().mkpath(QFileInfo(copyPath).absolutePath()))
        return false;
    QSaveFile owner(OwnerPath(copyPath));
    if (!owner.open(QIODevice::WriteOnly) || owner.write(projectPath.toUtf8()) < 0 ||
        !owner.commit())
        return false;
    return WriteProjectFile(project, copyPath);
}

void RemoveRecoveryCopy(const QString &projectPath)
{
    const QString copyPath = RecoveryCopyPath(projectPath);
    QFile::remove(copyPath);
    QFile::remove(OwnerPath(copyPath));
}

std::optional<RecoveryCopy> FindRecoveryCopy(const QString &projectPath)
{
    if (!projectPath.isEmpty()) {
        const QString copyPath = RecoveryCopyPath(projectPath);
        if (!QFileInfo::exists(copyPath))
            return std::nullopt;
        RecoveryCopy copy = CopyAt(copyPath);
        copy.projectPath = QFileInfo(projectPath).absoluteFilePath();
        return NewerThanItsPlan(copy) ? std::optional(copy) : std::nullopt;
    }
    std::optional<RecoveryCopy> newest;
    const QDir folder(RecoveryFolder());
    for (const QFileInfo &info :
         folder.entryInfoList({QStringLiteral("*") + Suffix}, QDir::Files, QDir::Time)) {
        RecoveryCopy copy = CopyAt(info.absoluteFilePath());
        if (NewerThanItsPlan(copy) && (!newest || copy.written > newest->written))
            newest = copy;
    }
    return newest;
}

bool RecoverProject(Project &project, Host &host, const RecoveryCopy &copy)
{
    // Try the copy on a scratch project first, so an unreadable copy leaves the new
    // project untouched and shows one clear message instead of the reader's codes.
    {
        Project scratch;
        SilentHost silent;
        InitNewProject(scratch, silent);
        LoadProject(scratch, silent, copy.copyPath);
        if (silent.failed) {
            const QString aside =
                copy.copyPath + QStringLiteral(".unreadable-") +
                QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
            QFile::rename(copy.copyPath, aside);
            QFile::remove(OwnerPath(copy.copyPath));
            host.MessageBox(QStringLiteral("Error"),
                            QStringLiteral("The recovery copy could not be read. It was kept "
                                           "as %1.")
                                .arg(QDir::toNativeSeparators(aside)),
                            MsgIcon::Error, MsgButtons::Ok);
            return false;
        }
    }
    LoadProject(project, host, copy.copyPath);
    SettingsBlock settings = project.settings();
    if (copy.projectPath.isEmpty()) {
        settings.setValue(SettingsBlock::FileName, QStringLiteral("no save file"));
        host.SetCaption(QLatin1String(AppTitle));
    } else {
        settings.setValue(SettingsBlock::FileName, copy.projectPath);
        host.SetCaption(CaptionFor(copy.projectPath));
    }
    settings.markModified();
    return true;
}

QString RecoveryQuestion(const RecoveryCopy &copy)
{
    const QString name = copy.projectPath.isEmpty() ? QStringLiteral("an untitled plan")
                                                    : QFileInfo(copy.projectPath).fileName();
    return QStringLiteral("Morvaine was closed without saving %1. Recover the unsaved changes?")
        .arg(name);
}

} // namespace morvaine
