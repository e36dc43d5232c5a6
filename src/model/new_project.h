#pragma once

#include "host.h"
#include "project.h"

namespace morvaine {

/// The application title, shown alone in the caption of an untitled project.
inline constexpr const char *AppTitle = "Morvaine 1.0";

/// Caption for a project saved or opened as path: "Morvaine 1.0 - name.mrv".
QString CaptionFor(const QString &path);

/// Puts the project and the main window into the state of a new project. Leaves
/// columns 1-7 and 9 and the resource table as they are: callers clear them.
void InitNewProject(Project &project, Host &host);

/// Empties the task cells of columns 1-7 and 9 in rows 1..LastTaskRow (New), or in
/// every task row (Open, allRows = true), and the resources in rows 1-999.
void ClearProject(Project &project, bool allRows);

} // namespace morvaine
