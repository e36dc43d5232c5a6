#pragma once

#include "host.h"
#include "project.h"

#include <QString>

#include <functional>

namespace morvaine {

/// Saves the project: mode "SaveAs" asks the host for a file name, "Save" overwrites
/// the file named in the settings; any other mode does nothing. Errors are shown
/// through the host with their numbered message.
void SaveProject(Project &project, Host &host, const QString &mode);

/// Writes the project to path as a project file, atomically, changing nothing in the
/// project and showing nothing; false when the file could not be written whole.
bool WriteProjectFile(const Project &project, const QString &path);

/// Reads the project file at path into a project that holds a new project. Errors
/// are shown through the host with their numbered message.
void LoadProject(Project &project, Host &host, const QString &path);

/// The number of task rows a save stores (at least 60).
int TaskRowsToStore(const Project &project);
/// The number of resource rows a save stores (at least 20).
int ResourceRowsToStore(const Project &project);

/// Test seam: when set, every write of the project file is first offered to it with
/// the number of bytes it would write; it returns how many of them may be written.
using WriteLimiter = std::function<qint64(qint64 wanted)>;
void SetProjectFileWriteLimiter(WriteLimiter limiter);

} // namespace morvaine
