#pragma once
// The cell-editing tracking state kept with the project between two selections.

namespace morvaine {

struct EditState {
    /// Set when the in-cell editor changed the text of the cell being tracked.
    bool CellChanged = false;
};

} // namespace morvaine
