#pragma once
// Schedule recalculation: one row's Duration, Start and End, and the whole schedule.

#include "model/host.h"
#include "model/project.h"

#include <functional>

namespace morvaine {

/// Brings row into agreement after a change of its Duration (2), Start (3) or End (4);
/// any other column does nothing. May ask the two project-start questions.
void RecalcRow(Project &project, Host &host, int column, int row);

/// Receives the message of each link a recalculation will not follow, in the order
/// the recalculation meets them. A message box shown from here may repaint the windows:
/// the cells are up to date whenever it is called.
using LinkErrorSink = std::function<void(const QString &message)>;

/// "Link error (Task #p -> Task #s)\nThis link will be ignored."
QString LinkErrorMessage(int p, int s);

/// Figures of one recalculation, for tests and benchmarks.
struct RecalcStats {
    /// Links followed (successor reached and checked).
    long long linksFollowed = 0;
    /// Successors whose further propagation was skipped because it could change nothing.
    long long revisitsSkipped = 0;
    /// Of those, skips taken while the critical chain did not yet reach the project end,
    /// where the skipped walk could have rerouted the chain.
    long long chainSensitiveSkips = 0;
    /// The most rows whose date texts were kept back at once; never more than the rows
    /// the recalculation covers, as a row is kept back once until its texts are written.
    long long peakRowsKeptBack = 0;
};

/// Refits group tasks (from the top-level group holding firstVisibleRow down), pushes
/// successors behind their predecessors, passes each bad link to linkErrors, sets the
/// critical marks and asks view to repaint the chart. A cell that does not read ends
/// it with a ConversionError naming the cell (CellErrorMessage).
void RecalcSchedule(Project &project, int firstVisibleRow, const LinkErrorSink &linkErrors,
                    ViewNotifications &view, RecalcStats *stats = nullptr);

/// RecalcSchedule for a command: the first visible row from the task grid, each bad
/// link shown in an "Error" box as it is met.
void RecalcSchedule(Project &project, Host &host);

/// RecalcSchedule for a command, reporting its figures into stats.
void RecalcSchedule(Project &project, Host &host, RecalcStats &stats);

} // namespace morvaine
