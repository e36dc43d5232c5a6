#pragma once
// A word-for-word, slow transcription of the scheduling procedure: recursive, day
// by day, every Forerunner read on every call. The engine must give the same cells,
// marks and messages; the tests compare the two on random projects.

#include "model/host.h"
#include "model/project.h"

namespace morvaine::literal {

/// Raised when the walk exceeds its step budget, or propagates a row again while its
/// propagation is under way (a cycle, through links or through group tasks).
struct BudgetExceeded {};

/// RecalcSchedule as the procedure states it. stepBudget bounds the number of link
/// and group steps; BudgetExceeded is thrown past it.
void RecalcSchedule(Project &project, Host &host, long long stepBudget = 2'000'000);

/// Day-by-day calendar rules.
int CountWorkingDays(const Project &project, TDateTime first, TDateTime last);
void CalcEndDate(Project &project, int row);

} // namespace morvaine::literal
