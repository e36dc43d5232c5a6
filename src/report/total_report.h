#pragma once
// The total report as a grid of 9 x 29 text cells with its geometry, filled from the
// project; the report window draws it and the command line prints it.

#include "model/project.h"

#include <QString>

#include <array>

namespace morvaine {

/// The cells and geometry of the report grid.
struct ReportGrid {
    static constexpr int Columns = 9;
    static constexpr int Rows = 29;

    std::array<std::array<QString, Rows>, Columns> cells;
    std::array<int, Columns> columnWidths{};
    std::array<int, Rows> rowHeights{};

    const QString &cell(int column, int row) const { return cells[column][row]; }
    int width() const;
    int height() const;
};

/// Empties the grid, sets its geometry and labels, then writes the figures in the
/// report's order. A text the conversions cannot read throws ConversionError and leaves
/// the figures from there on empty.
void BuildTotalReport(const Project &project, ReportGrid &grid);

/// The report as text: the title line, then one line per figure, its label, a blank and
/// the figure. Throws ConversionError as BuildTotalReport does.
QString TotalReportText(const Project &project);

} // namespace morvaine
