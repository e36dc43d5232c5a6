#pragma once
// A slow reference implementation of the recalculation, recursive and day by day,
// every Forerunner read on every call. The engine must give the same cells, marks and
// messages; the tests compare the two on random projects.

#include "model/host.h"
#include "model/project.h"

namespace morvaine::literal {

/// Raised when the walk exceeds its step budget, or propagates a row again while its
/// propagation is under way (a cycle, through links or through group tasks).
struct BudgetExceeded {};

/// RecalcSchedule, the slow way. stepBudget bounds the number of link
/// and group steps; BudgetExceeded is thrown past it.
void RecalcSchedule(Project &project, Host &host, long long stepBudget = 2'000'000);

/// Day-by-day calendar rules.
int CountWorkingDays(const Project &project, TDateTime first, TDateTime last);
void CalcEndDate(Project &project, int row);

} // namespace morvaine::literal
