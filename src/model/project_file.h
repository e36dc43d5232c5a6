#pragma once

#include "host.h"
#include "project.h"

#include <QString>

#include <functional>

namespace morvaine {

/// Saves the project: mode "SaveAs" asks the host for a file name, "Save" overwrites
/// the file named in the settings; any other mode does nothing. Errors are shown
/// through the host with their numbered message. A cell too long for the file is
/// refused with a message naming it, before anything is asked or written.
void SaveProject(Project &project, Host &host, const QString &mode);

/// Writes the project to path as a project file, atomically, changing nothing in the
/// project and showing nothing; false when the file could not be written whole or a
/// cell is too long for it.
bool WriteProjectFile(const Project &project, const QString &path);

/// Reads the project file at path into a project that holds a new project. Errors
/// are shown through the host with their numbered message.
void LoadProject(Project &project, Host &host, const QString &path);

/// The most bytes one cell record of a project file may hold: the reader refuses a
/// longer one (its buffer of 65000 bytes keeps a terminating zero).
inline constexpr int MaxCellBytes = 64999;
/// Whether a cell text fits one cell record, counted in the bytes the file stores.
bool FitsProjectFileCell(const QString &text);
/// The longest head of text, in whole characters, that fits one cell record.
QString CutToProjectFileCell(const QString &text);
/// What the user is told when a text was cut to fit a cell.
QString CellCutMessage();
/// Cuts every cell of both tables that does not fit one cell record (after an import)
/// and tells how many were cut; returns that number.
int CutCellsToProjectFile(Project &project, Prompts &prompts);

/// The number of task rows a save stores (at least 60).
int TaskRowsToStore(const Project &project);
/// The number of resource rows a save stores (at least 20).
int ResourceRowsToStore(const Project &project);

/// Test seam: when set, every write of the project file is first offered to it with
/// the number of bytes it would write; it returns how many of them may be written.
using WriteLimiter = std::function<qint64(qint64 wanted)>;
void SetProjectFileWriteLimiter(WriteLimiter limiter);

} // namespace morvaine
