#pragma once
// The item model that shows the task table in the task grid. Model rows and columns
// are the table's own: row 0 holds the headers and column 0 the row numbers, which
// the grid shows as its fixed header row and fixed column.

#include "model/project.h"

#include <QAbstractTableModel>

namespace morvaine {

class TaskTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// Adapts table and listens to it, so that every cell write repaints the cell.
    explicit TaskTableModel(CellTable &table, QObject *parent = nullptr);
    ~TaskTableModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    /// Horizontal sections show row 0 of the table, vertical sections column 0.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void cellWritten(int column, int row);
    void batchTold();

    CellTable &m_table;
    int m_listener = 0;
    // The cells a batch of changes touched: told to the views as one range at its end.
    int m_top = -1, m_bottom = -1, m_left = -1, m_right = -1;
};

} // namespace morvaine
