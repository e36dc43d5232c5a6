#include "project.h"

namespace morvaine {

CellTable::CellTable(int columns, int rows)
    : m_columns(columns), m_rows(rows),
      m_cells(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows))
{
}

void CellTable::setCell(int column, int row, const QString &text)
{
    QString &cell = m_cells[index(column, row)];
    if (cell == text)
        return;
    // QString's copy assignment is a call into the library; a copy swapped in is
    // inline, and leaves the old text at hand for the listeners.
    QString old(text);
    cell.swap(old);
    if (!m_listeners.empty())
        notify(column, row, old);
}

void CellTable::replaceCell(int column, int row, const QString &text)
{
    QString old(text);
    m_cells[index(column, row)].swap(old);
    if (!m_listeners.empty())
        notify(column, row, old);
}

void CellTable::notify(int column, int row, const QString &old) const
{
    const QString &now = cell(column, row);
    for (const auto &entry : m_listeners)
        entry.second(column, row, old, now);
}

int CellTable::addListener(Listener listener)
{
    const int id = m_nextListenerId++;
    m_listeners.emplace_back(id, std::move(listener));
    return id;
}

void CellTable::removeListener(int id)
{
    std::erase_if(m_listeners, [id](const auto &entry) { return entry.first == id; });
}

void CellTable::clear(int firstColumn, int lastColumn, int firstRow, int lastRow)
{
    for (int column = firstColumn; column <= lastColumn; ++column)
        for (int row = firstRow; row <= lastRow; ++row)
            if (!cell(column, row).isEmpty())
                setCell(column, row, QString());
}

bool ConstSettingsBlock::hasFileName() const
{
    return !fileName().isEmpty() && fileName() != QLatin1String("no save file");
}

Project::Project() : CriticalMarks(TaskTable::Rows, -1) {}

} // namespace morvaine
