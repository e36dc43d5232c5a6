#pragma once
// The pictures of the Gantt chart's task rows, 60 x 10 pixels each, opaque (white where
// the shape does not reach), drawn once in code from their shape and colour tables.

#include <QImage>

namespace morvaine {

/// The picture lists: ordinary bars, critical bars, group brackets and the milestone.
enum class GanttPictures { Ordinary, Critical, Group };

/// Bar pictures 0-3 (whole, start piece, middle piece, end piece) and 4-7 (the same
/// done); group pictures 0-3 (whole, start, middle, end bracket) and 4, the milestone
/// diamond, which is 9 x 9 pixels.
const QImage &GanttPicture(GanttPictures list, int index);

} // namespace morvaine
