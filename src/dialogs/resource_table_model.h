#pragma once
// The resource table as an item model: one model row per table row 1-999, the four
// columns as they are, the header texts from table row 0. Writing a cell of the table
// updates every view at once.

#include "model/project.h"

#include <QAbstractTableModel>

namespace morvaine {

class ResourceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResourceTableModel(ResourceTable &table, QObject *parent = nullptr);
    ~ResourceTableModel() override;

    /// Table row of a model row, and back.
    static int tableRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int tableRow) { return tableRow - 1; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void cellWritten(int column, int row);

    ResourceTable &m_table;
    int m_listener;
};

} // namespace morvaine
