#pragma once
// Bringing a typed Forerunner or Resource cell into the list form " 1; 4;" / " Anna; Bob;".

#include "model/host.h"
#include "model/project.h"

namespace morvaine {

/// Rewrites the Resource cell of row as a resource list and adds each name not yet in
/// the resource table to its first free row. A cell that holds only a separator is
/// emptied with a beep; names that find no free row are left out of the table, with
/// one beep, and the rest of the list is still handled.
void NormalizeResourceList(Project &project, Host &host, int row);

/// Rewrites the Forerunner cell of row as a predecessor list ("1;3" -> " 1; 3;",
/// "1 3" -> " 13;", ";;6" -> " 6;": empty items are dropped); a text without any
/// digit empties the cell.
void NormalizeForerunnerList(Project &project, int row);

} // namespace morvaine
