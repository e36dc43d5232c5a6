#include "dialogs/resource_table_model.h"
#include <QCoreApplication>

namespace morvaine {

ResourceTableModel::ResourceTableModel(ResourceTable &table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
    m_listener = m_table.addListener([this](int column, int row, const QString &, const QString &) {
        cellWritten(column, row);
    });
}

ResourceTableModel::~ResourceTableModel()
{
    m_table.removeListener(m_listener);
}

int ResourceTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ResourceTable::Rows - 1;
}

int ResourceTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ResourceTable::Columns;
}

QVariant ResourceTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole)
        return {};
    return m_table.cell(index.column(), tableRow(index.row()));
}

QVariant ResourceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < ResourceTable::Columns
                   ? QCoreApplication::translate("ResourceTable",
                                                 m_table.cell(section, 0).toUtf8().constData())
                   : QVariant();
    return QVariant(); // rows carry no numbers
}

Qt::ItemFlags ResourceTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ResourceTableModel::cellWritten(int column, int row)
{
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, column, column);
        return;
    }
    const QModelIndex changed = index(modelRow(row), column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

} // namespace morvaine
