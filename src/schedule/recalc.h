#pragma once
// Schedule recalculation: one row's Duration, Start and End, and the whole schedule.

#include "model/host.h"
#include "model/project.h"

#include <QStringList>

#include <functional>

namespace morvaine {

/// Brings row into agreement after a change of its Duration (2), Start (3) or End (4);
/// any other column does nothing. May ask the two project-start questions.
void RecalcRow(Project &project, Host &host, int column, int row);

/// Receives the message of each link a recalculation will not follow, in the order
/// the recalculation meets them, once the recalculation is over (or has failed): the
/// cells are up to date whenever it is called.
using LinkErrorSink = std::function<void(const QString &message)>;

/// "Link error (Task #p -> Task #s)\nThis link will be ignored."
QString LinkErrorMessage(int p, int s);

/// The text of the one box that tells of the links a recalculation ignores: a single
/// message as it is, several one per line (their line break a blank), the first 20
/// followed by "and N more".
QString LinkErrorsText(const QStringList &messages);

/// Figures of one recalculation, for tests and benchmarks.
struct RecalcStats {
    /// Links followed (successor reached and checked).
    long long linksFollowed = 0;
    /// Successors whose further propagation was skipped because it could change nothing.
    long long revisitsSkipped = 0;
    /// Whether every task was moved once, after its predecessors (rather than walked
    /// again along every path to it).
    bool walkedInOrder = false;
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

/// RecalcSchedule for a command: the first visible row from the task grid; the links
/// it ignores are shown together once it is over (Prompts::ShowLinkErrors), those of a
/// Forerunner cell just typed first.
void RecalcSchedule(Project &project, Host &host);

/// The critical chain traced on the dates the cells hold now, as a recalculation that
/// moves nothing keeps it, without changing any cell; throws ConversionError where the
/// project end date does not read.
QList<int> CriticalChainOf(const Project &project);

/// RecalcSchedule for a command, reporting its figures into stats.
void RecalcSchedule(Project &project, Host &host, RecalcStats &stats);

} // namespace morvaine
