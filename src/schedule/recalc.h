#pragma once
// Schedule recalculation: one row's Duration, Start and End, and the whole schedule.

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Brings row into agreement after a change of its Duration (2), Start (3) or End (4);
/// any other column does nothing. May ask the two project-start questions.
void RecalcRow(Project &project, Host &host, int column, int row);

/// Refits group tasks, pushes successors behind their predecessors, reports bad
/// links, sets the critical marks and asks for the chart to be repainted.
void RecalcSchedule(Project &project, Host &host);

/// Figures of one recalculation, for tests and benchmarks.
struct RecalcStats {
    /// Links followed (successor reached and checked).
    long long linksFollowed = 0;
    /// Successors whose further propagation was skipped because it could change nothing.
    long long revisitsSkipped = 0;
    /// Of those, skips taken while the critical chain did not yet reach the project end,
    /// where the skipped walk could have rerouted the chain.
    long long chainSensitiveSkips = 0;
};

/// RecalcSchedule, reporting its figures into stats.
void RecalcSchedule(Project &project, Host &host, RecalcStats &stats);

/// Whether a link from predecessor row p to successor row s may be followed: the
/// successor has a Duration, and neither row is a group task holding the other.
bool LinkAllowed(const Project &project, int p, int s);

/// Fits every group task from the top-level group of the first visible row down to
/// LastTaskRow to the dates of its sub-tasks.
void RecalcGroupTasks(Project &project, Host &host);

/// The row numbers named by a Forerunner text (" 3; 5;"), in order. Throws
/// ConversionError at the first item that is not a number.
QList<int> ForerunnerRows(const QString &text);

} // namespace morvaine
