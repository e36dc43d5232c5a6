#pragma once
// The edits the Gantt chart's mouse gestures make: move a task to another Start, give it
// another End, link two tasks. Each works on the cells as typing would (the Start or End
// written, then RecalcRow and RecalcSchedule), so a gesture and the same change typed
// into the table give the same plan. Also what a gesture under way would give a task,
// for its ghost and tool tip, computed without writing a cell.

#include "model/host.h"
#include "model/project.h"

#include <optional>

namespace morvaine {

/// The end of a task's bar that a link gesture starts from or ends on.
enum class BarEnd { Start, End };

/// A task's dates and working days.
struct TaskDates {
    TDateTime start = 0;
    TDateTime end = 0;
    int days = 0;
    bool operator==(const TaskDates &) const = default;
};

/// Whether row is a task the chart's gestures may move or stretch: a task row (up to
/// LastTaskRow) that is no group task, with a Duration and a Start and End that read.
bool CanDragTask(const Project &project, int row);

/// The dates the task on row would take by itself with its Start moved to start: its
/// Duration kept, its End counted on the working calendar (links may push it further
/// once the schedule is recalculated). Nothing for a row CanDragTask refuses.
std::optional<TaskDates> MovedTaskDates(const Project &project, int row, TDateTime start);

/// The dates the task on row would take with its End moved to end: the working days from
/// its Start to end, at least one, and the End on the last of them (an end on a day off
/// goes back to the working day before). Nothing for a row CanDragTask refuses, and for
/// a milestone, which has no length to stretch.
std::optional<TaskDates> StretchedTaskDates(const Project &project, int row, TDateTime end);

/// Moves the task on row to start on start, keeping its Duration: the Start is written
/// as the date picker writes it, the project is marked modified, RecalcRow (which asks
/// whether a Start before the project start moves the project start) and
/// RecalcSchedule follow. Returns false, changing nothing, for a row CanDragTask refuses.
bool MoveTask(Project &project, Host &host, int row, TDateTime start);

/// Gives the task on row the End StretchedTaskDates gives for end, so its Duration
/// follows in working days, written with its unit; then as MoveTask.
/// Returns false, changing nothing, where StretchedTaskDates gives nothing.
bool ChangeTaskEnd(Project &project, Host &host, int row, TDateTime end);

/// The Forerunner item a link drawn from the given end of predecessor to the given end
/// of its successor adds to the successor's list: the ends choose the type (start to
/// start " 3SS;", finish to finish " 3FF;", start to finish " 3SF;", finish to start the
/// bare number " 3;").
QString DrawnLinkItem(int predecessor, BarEnd from, BarEnd to);

/// Links predecessor to successor (DrawnLinkItem appended to the successor's Forerunner
/// list, in the list form the table uses), marks the project modified and recalculates.
/// A link the schedule could not follow is refused with the link error message in an
/// "Error" box, and nothing changes: to the task itself, one the list already holds,
/// one that would close a cycle of links, to a row without a Duration, and between a
/// group task and its own sub-tasks. Returns whether the link was added.
bool LinkTasks(Project &project, Host &host, int predecessor, BarEnd from, int successor,
               BarEnd to);

} // namespace morvaine
