#pragma once
// The cell-editing tracking state kept with the project between two selections.

#include <QString>

namespace morvaine {

struct EditState {
    /// The cell selected last; column 0 means no cell is tracked yet.
    int TrackedCol = 0;
    int TrackedRow = 0;
    /// The tracked cell's text at the moment it was selected.
    QString TrackedText;
    /// Set when the in-cell editor changed the text of the cell being tracked.
    bool CellChanged = false;
    /// The date picker's calendar is dropped down.
    bool PickerDropped = false;
    /// The picker's date changed while its calendar was dropped down.
    bool PickerPending = false;
    /// The last right click on the task grid hit the header row.
    bool HeaderRightClick = false;
};

} // namespace morvaine
