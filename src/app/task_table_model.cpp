#include "task_table_model.h"
#include <QCoreApplication>

#include <algorithm>

namespace morvaine {

TaskTableModel::TaskTableModel(CellTable &table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
    m_listener = m_table.addListener(
        [this](int column, int row, const QString &, const QString &) { cellWritten(column, row); },
        [this] { batchTold(); });
}

TaskTableModel::~TaskTableModel()
{
    m_table.removeListener(m_listener);
}

int TaskTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
}

int TaskTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.columnCount();
}

QVariant TaskTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_table.cell(index.column(), index.row());
}

bool TaskTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_table.setCell(index.column(), index.row(), value.toString());
    return true;
}

Qt::ItemFlags TaskTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The header row and the row numbers are fixed: never typed into.
    if (index.row() == 0 || index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant TaskTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_table.columnCount()
                   ? QCoreApplication::translate("TaskTable",
                                                 m_table.cell(section, 0).toUtf8().constData())
                   : QVariant();
    return section >= 0 && section < m_table.rowCount() ? m_table.cell(0, section) : QVariant();
}

void TaskTableModel::cellWritten(int column, int row)
{
    // The thousands of cells one recalculation moves are told as one range.
    if (CellTable::telling() && row != 0 && column != 0) {
        if (m_top < 0) {
            m_top = m_bottom = row;
            m_left = m_right = column;
        } else {
            m_top = std::min(m_top, row);
            m_bottom = std::max(m_bottom, row);
            m_left = std::min(m_left, column);
            m_right = std::max(m_right, column);
        }
        return;
    }
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, column, column);
    if (column == 0)
        emit headerDataChanged(Qt::Vertical, row, row);
}

void TaskTableModel::batchTold()
{
    if (m_top < 0)
        return;
    emit dataChanged(index(m_top, m_left), index(m_bottom, m_right),
                     {Qt::DisplayRole, Qt::EditRole});
    m_top = m_bottom = m_left = m_right = -1;
}

} // namespace morvaine
