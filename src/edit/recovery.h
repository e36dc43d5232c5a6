#pragma once
// Recovery copies: while a plan has unsaved changes, each window keeps a copy of it in
// the user's data folder, so a plan survives a killed or crashed program. A copy is a
// plain project file written by the project file writer, with a small file beside it
// naming the plan it belongs to ("" for a plan never saved) and a lock file that the
// writing window holds for as long as it runs. Each window's copy has a name of its own,
// so two windows on one plan never write over each other's copy, and a copy is offered
// back only once the window that wrote it is gone. The folder and everything in it can
// be read by their owner only.

#include "model/host.h"
#include "model/project.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class QLockFile;

namespace morvaine {

/// The folder the copies live in: a "recovery" folder in the per-user data folder.
QString RecoveryFolder();

/// Makes the recovery folder if needed, readable by its owner only (0700) whatever the
/// umask. Returns an empty text when copies can be written there, else the reason.
QString PrepareRecoveryFolder();

/// A mark of its own for each window of each running program, for its copies' names.
QString NewWindowMark();

/// The copy that the window marked windowMark keeps of the plan saved at projectPath (an
/// empty projectPath: a plan never saved): the plan's name, a hash of its full path and
/// the mark. Distinct plans or distinct windows give distinct copies.
QString RecoveryCopyPath(const QString &projectPath, const QString &windowMark);

/// Takes the lock beside the copy at copyPath for as long as the returned lock lives.
/// Nothing when another running program (or another window of this one) holds it, or
/// when it cannot be made; reason then says why.
std::unique_ptr<QLockFile> LockRecoveryCopy(const QString &copyPath, QString *reason = nullptr);

/// Writes the copy of project, which belongs to projectPath, to copyPath atomically,
/// readable by its owner only. Returns an empty text when it was written, else the
/// reason; the previous copy then stays.
QString WriteRecoveryCopy(const Project &project, const QString &projectPath,
                          const QString &copyPath);

/// Removes the copy at copyPath and the file naming its plan. Its lock goes with the
/// lock's holder.
void RemoveRecoveryCopy(const QString &copyPath);

struct RecoveryCopy {
    QString copyPath;
    QString projectPath; ///< the plan it belongs to; empty for a plan never saved
    QDateTime written;
    std::shared_ptr<QLockFile> lock; ///< held while the copy is offered or recovered
};

/// The copies to offer at start, newest first: those whose writing window no longer
/// runs, of the plan at projectPath or, for an empty projectPath, of any plan. Each comes
/// with its lock taken, so that no other program offers it meanwhile; the lock goes with
/// the last RecoveryCopy that holds it.
std::vector<RecoveryCopy> FindRecoveryCopies(const QString &projectPath);

/// Opens copy into project (which must hold a new project): the plan gets the original
/// file name, so Save writes to the original, and is marked modified. An unreadable copy
/// is set aside (renamed, never deleted) with a message that says where it is; returns
/// false then.
bool RecoverProject(Project &project, Host &host, const RecoveryCopy &copy);

/// The question asked at start, in a "Recover" box.
QString RecoveryQuestion(const RecoveryCopy &copy);

} // namespace morvaine
