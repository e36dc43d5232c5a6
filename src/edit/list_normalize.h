#pragma once
// Bringing a typed Forerunner or Resource cell into the list form " 1; 4;" / " Anna; Bob;".

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Rewrites the Resource cell of row as a resource list (",", ":" and "." separate names
/// as ";" does; blanks around a name go, blanks inside it stay: "Ann Lee, Bob" ->
/// " Ann Lee; Bob;") and adds each name not yet in the resource table to its first free
/// row. A cell that holds only a separator is emptied with a beep; names that find no
/// free row are left out of the table, with one beep, and the rest of the list is still
/// handled. A list grown past what a project file holds in a cell keeps the whole items
/// that fit, with a message.
void NormalizeResourceList(Project &project, Host &host, int row);

/// Rewrites the Forerunner cell of row as a predecessor list ("1;3" -> " 1; 3;",
/// "1 3" -> " 13;", ";;6" -> " 6;": empty items are dropped; "3 ss + 2; 4fs" ->
/// " 3SS+2; 4;"); a text without any digit empties the cell. Too long a list is cut as a
/// resource list is. Malformed items (a bad type or lag) stay in the list and are named,
/// with why, in one "Error" box.
void NormalizeForerunnerList(Project &project, Host &host, int row);

} // namespace morvaine
