#pragma once
// The in-grid date picker over a Start or End cell. While its calendar is dropped down,
// a chosen date only updates the cell; the recalculation waits for the close-up.

#include "model/convert.h"
#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// The picker's calendar dropped down: dates picked from now on wait for the close-up
/// before they are recalculated.
void DeferPickerRecalc(Project &project);

/// The user changed the picker's date (never called for a date set by the program).
/// Writes it into the current Start or End cell and recalculates, or, with the calendar
/// dropped down, leaves the recalculation to the close-up.
void WritePickedDate(Project &project, Host &host, TDateTime date);

/// The picker's calendar closed; runs the recalculation a change left pending.
void RunDeferredPickerRecalc(Project &project, Host &host);

/// A key typed in the picker (key is a Qt::Key value). Enter moves to the next row in
/// the same column; returns whether it did.
bool MoveDownFromPickerOnEnter(Host &host, int key);

} // namespace morvaine
