#pragma once
// Recovery copies: while a plan has unsaved changes, a copy of it is kept in the user's
// data folder, so a plan survives a killed or crashed program. A copy is a plain project
// file written by the project file writer, with a small file beside it naming the plan
// it belongs to ("" for a plan never saved).

#include "model/host.h"
#include "model/project.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace morvaine {

/// The folder the copies live in: a "recovery" folder in the per-user data folder.
QString RecoveryFolder();

/// Where the copy of the plan saved at projectPath is kept; an empty projectPath (a plan
/// never saved) has one copy of its own. Distinct paths give distinct copies.
QString RecoveryCopyPath(const QString &projectPath);

/// Writes the copy of project, which belongs to projectPath, atomically; false when it
/// could not be written (the previous copy then stays).
bool WriteRecoveryCopy(const Project &project, const QString &projectPath);

/// Removes the copy that belongs to projectPath, if any.
void RemoveRecoveryCopy(const QString &projectPath);

struct RecoveryCopy {
    QString copyPath;
    QString projectPath; ///< the plan it belongs to; empty for a plan never saved
    QDateTime written;
};

/// The copy to offer at start: for projectPath, its copy when it is newer than the file
/// (or the file is gone); for an empty projectPath, the newest copy of any plan, never
/// saved or not, whose copy is newer than its file. Nothing when there is none.
std::optional<RecoveryCopy> FindRecoveryCopy(const QString &projectPath);

/// Opens copy into project (which must hold a new project): the plan gets the original
/// file name, so Save writes to the original, and is marked modified. An unreadable copy
/// is set aside (renamed, never deleted) with a message that says where it is; returns
/// false then.
bool RecoverProject(Project &project, Host &host, const RecoveryCopy &copy);

/// The question asked at start, in a "Recover" box.
QString RecoveryQuestion(const RecoveryCopy &copy);

} // namespace morvaine
