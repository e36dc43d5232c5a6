#pragma once
// Colours and font shared by the task grid and the Gantt chart.

#include <QColor>
#include <QString>

#include <cmath>

namespace morvaine {

inline const QColor CellColor{0xFF, 0xFF, 0xFF};
/// Background of even task rows up to LastTaskRow and of the row-number column.
inline const QColor BandColor{0xF1, 0xEF, 0xE2};
inline const QColor LineColor{0xAC, 0xA8, 0x99};
inline const QColor TextColor{0x00, 0x00, 0x00};

inline QString ViewFontFace()
{
    return QStringLiteral("Microsoft Sans Serif");
}

/// Font height (negative: without internal leading) for a row drawn rowHeight pixels high.
inline int ViewFontHeight(int rowHeight)
{
    return -static_cast<int>(std::trunc(0.65 * rowHeight));
}

} // namespace morvaine
