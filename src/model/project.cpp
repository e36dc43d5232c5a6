#include "project.h"

namespace morvaine {

CellTable::CellTable(int columns, int rows)
    : m_columns(columns), m_rows(rows),
      m_cells(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows))
{
}

namespace {
// QString's copy assignment is a call into the library; a copy swapped in is inline.
void assign(QString &cell, const QString &text)
{
    QString copy(text);
    cell.swap(copy);
}
} // namespace

void CellTable::setCell(int column, int row, const QString &text)
{
    QString &cell = m_cells[index(column, row)];
    if (cell == text)
        return;
    assign(cell, text);
    if (m_listener)
        m_listener(column, row);
}

void CellTable::replaceCell(int column, int row, const QString &text)
{
    assign(m_cells[index(column, row)], text);
    if (m_listener)
        m_listener(column, row);
}

void CellTable::clear(int firstColumn, int lastColumn, int firstRow, int lastRow)
{
    for (int column = firstColumn; column <= lastColumn; ++column)
        for (int row = firstRow; row <= lastRow; ++row)
            if (!cell(column, row).isEmpty())
                setCell(column, row, QString());
}

bool SettingsBlock::hasFileName() const
{
    return !fileName().isEmpty() && fileName() != QLatin1String("no save file");
}

Project::Project() : CriticalMarks(TaskTable::Rows, -1) {}

} // namespace morvaine
