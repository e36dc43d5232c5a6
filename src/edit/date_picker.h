#pragma once
// The in-grid date picker over a Start or End cell. While its calendar is dropped down,
// a chosen date only updates the cell; the recalculation waits for the close-up.

#include "model/convert.h"
#include "model/host.h"
#include "model/project.h"

#include <optional>

namespace morvaine {

/// Reads a date typed the way people type dates in the short date format: its day,
/// month and year in the format's order, each with or without a leading zero, apart by
/// any of ". / - ," or blanks ("15.1.2027", "15-01-27"), or as digits alone with two
/// for the day and the month ("15012027", "150127"). A year of four digits is taken as
/// it is (1-9999), one of two digits as the year with those last digits nearest to
/// thisYear (from 50 years before it to 49 after; 0 = the current year). A format that
/// names its months is read by the date conversion itself. Nothing for a text that is
/// no date, or an impossible one ("31.02.2027").
std::optional<TDateTime> ReadTypedDate(const QString &text, int thisYear = 0);

/// The order of day, month and year in the short date format, "dMy", "Mdy" or "yMd"
/// for example; empty for a format that names its months.
QString DatePartOrder();

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
