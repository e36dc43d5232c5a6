#include "edit/recovery.h"

#include "model/new_project.h"
#include "model/project_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace morvaine {

namespace {

const QString Suffix = QStringLiteral(".mrv");
const QString OwnerSuffix = QStringLiteral(".owner");
const QString LockSuffix = QStringLiteral(".lock");
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

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

QString SystemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Makes folder and any missing parents, each readable by its owner only, as the XDG
// base directory rules ask of folders a program makes. Returns the reason of a failure.
QString MakeFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return {};
    if (info.exists())
        return QCoreApplication::translate("Recovery", "%1 is not a folder")
            .arg(QDir::toNativeSeparators(folder));
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath()) {
        const QString reason = MakeFolder(parent);
        if (!reason.isEmpty())
            return reason;
    }
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
        return SystemReason();
    return {};
}

// Messages while a copy is tried: only whether loading showed an error counts, told by
// its icon, which is the same in every language.
class SilentHost : public Host {
public:
    MsgAnswer MessageBox(const QString &, const QString &, MsgIcon icon, MsgButtons) override
    {
        if (icon == MsgIcon::Error)
            failed = true;
        return MsgAnswer::Ok;
    }
    bool failed = false;
};

} // namespace

QString RecoveryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

QString PrepareRecoveryFolder()
{
    const QString folder = RecoveryFolder();
    if (QString reason = MakeFolder(folder); !reason.isEmpty())
        return reason;
    // A folder left by an earlier version may be open to others: close it.
    if (::chmod(QFile::encodeName(folder).constData(), 0700) != 0)
        return SystemReason();
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return SystemReason();
    return {};
}

QString NewWindowMark()
{
    return QStringLiteral("%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
}

QString RecoveryCopyPath(const QString &projectPath, const QString &windowMark)
{
    QString name = QStringLiteral("untitled");
    if (!projectPath.isEmpty()) {
        const QString absolute = QFileInfo(projectPath).absoluteFilePath();
        const QByteArray hash =
            QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        name =
            QFileInfo(absolute).completeBaseName() + QLatin1Char('-') + QString::fromLatin1(hash);
    }
    return QDir(RecoveryFolder()).filePath(name + QLatin1Char('-') + windowMark + Suffix);
}

std::unique_ptr<QLockFile> LockRecoveryCopy(const QString &copyPath, QString *reason)
{
    if (QString problem = PrepareRecoveryFolder(); !problem.isEmpty()) {
        if (reason)
            *reason = problem;
        return nullptr;
    }
    auto lock = std::make_unique<QLockFile>(copyPath + LockSuffix);
    // Held for as long as the window runs: only a writer that is gone leaves it stale,
    // never its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (reason)
            *reason =
                lock->error() == QLockFile::LockFailedError
                    ? QCoreApplication::translate("Recovery",
                                                  "the copy is in use by another window")
                    : QCoreApplication::translate("Recovery", "the lock file cannot be written");
        return nullptr;
    }
    QFile::setPermissions(copyPath + LockSuffix, OwnerOnly);
    return lock;
}

QString WriteRecoveryCopy(const Project &project, const QString &projectPath,
                          const QString &copyPath)
{
    if (QString reason = PrepareRecoveryFolder(); !reason.isEmpty())
        return reason;
    QSaveFile owner(OwnerPath(copyPath));
    if (!owner.open(QIODevice::WriteOnly))
        return owner.errorString();
    owner.setPermissions(OwnerOnly);
    // Flushed before the commit, which would not notice a buffered write that failed.
    if (owner.write(projectPath.toUtf8()) < 0 || !owner.flush() || !owner.commit())
        return owner.errorString();
    if (!WriteProjectFile(project, copyPath))
        return QCoreApplication::translate("Recovery", "the copy cannot be written");
    // The folder is closed to others; the file is too, in case it is ever moved.
    QFile::setPermissions(copyPath, OwnerOnly);
    return {};
}

void RemoveRecoveryCopy(const QString &copyPath)
{
    QFile::remove(copyPath);
    QFile::remove(OwnerPath(copyPath));
}

std::vector<RecoveryCopy> FindRecoveryCopies(const QString &projectPath)
{
    const QString plan =
        projectPath.isEmpty() ? QString() : QFileInfo(projectPath).absoluteFilePath();
    std::vector<RecoveryCopy> copies;
    const QDir folder(RecoveryFolder());
    // Newest first.
    for (const QFileInfo &info :
         folder.entryInfoList({QStringLiteral("*") + Suffix}, QDir::Files, QDir::Time)) {
        const QString copyPath = info.absoluteFilePath();
        const QString owner = ReadOwner(copyPath);
        if (!plan.isEmpty() && owner != plan)
            continue;
        auto lock = std::make_shared<QLockFile>(copyPath + LockSuffix);
        lock->setStaleLockTime(0);
        // A lock that cannot be taken belongs to a window still running; a writer killed
        // or crashed left a stale one, which the lock replaces.
        if (!lock->tryLock(0) || !QFileInfo::exists(copyPath))
            continue;
        copies.push_back({copyPath, owner, QFileInfo(copyPath).lastModified(), std::move(lock)});
    }
    return copies;
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
            host.MessageBox(QCoreApplication::translate("Recovery", "Error"),
                            QCoreApplication::translate(
                                "Recovery", "The recovery copy could not be read. It was kept "
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
    const QString name = copy.projectPath.isEmpty()
                             ? QCoreApplication::translate("Recovery", "an untitled plan")
                             : QFileInfo(copy.projectPath).fileName();
    return QCoreApplication::translate(
               "Recovery", "Morvaine was closed without saving %1. Recover the unsaved changes?")
        .arg(name);
}

} // namespace morvaine
