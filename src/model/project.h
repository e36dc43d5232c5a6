#pragma once
// One open project: the two tables of text cells and the values the windows share.

#include "edit_state.h"

#include <QList>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace morvaine {

/// Columns of the task table.
enum TaskColumn : int {
    ColNumber = 0,
    ColTask = 1,
    ColDuration = 2,
    ColStart = 3,
    ColEnd = 4,
    ColForerunner = 5,
    ColResource = 6,
    ColCompletion = 7,
    ColLevel = 8,
    ColVeha = 9,
    ColSettings = 10,
};

/// Columns of the resource table.
enum ResourceColumn : int { ResColName = 1, ResColCost = 2, ResColAddress = 3 };

/// A fixed-size rectangle of text cells; the empty text means no value.
class CellTable {
public:
    /// Hears of a cell write: the cell, the text it held and the text it holds now.
    using Listener =
        std::function<void(int column, int row, const QString &oldText, const QString &newText)>;

    CellTable(int columns, int rows);
    /// A copy holds the cells only: listeners stay with the table they were added to.
    CellTable(const CellTable &other)
        : m_columns(other.m_columns), m_rows(other.m_rows), m_cells(other.m_cells)
    {
    }
    /// Takes the cells of a table of the same size, telling no listener.
    CellTable &operator=(const CellTable &other)
    {
        m_cells = other.m_cells;
        return *this;
    }

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    const QString &cell(int column, int row) const { return m_cells[index(column, row)]; }
    /// Writes a cell; the listeners hear of it only when the text changes.
    void setCell(int column, int row, const QString &text);
    /// Writes a cell the caller knows to hold another text, without comparing the two;
    /// the listeners hear of it as of any change.
    void replaceCell(int column, int row, const QString &text);
    /// Empties every cell of rows first..last in columns firstColumn..lastColumn.
    void clear(int firstColumn, int lastColumn, int firstRow, int lastRow);
    /// Adds a listener, heard after those added before it; returns its id for
    /// removeListener. Listeners are not added or removed while one is being told.
    int addListener(Listener listener);
    /// Removes the listener with id; an unknown id is ignored.
    void removeListener(int id);

private:
    std::size_t index(int column, int row) const
    {
        return static_cast<std::size_t>(column) * static_cast<std::size_t>(m_rows) +
               static_cast<std::size_t>(row);
    }

    /// Tells every listener of a write; old holds the text the cell had.
    void notify(int column, int row, const QString &old) const;

    int m_columns;
    int m_rows;
    std::vector<QString> m_cells; // column after column
    std::vector<std::pair<int, Listener>> m_listeners;
    int m_nextListenerId = 1;
};

/// The task table: 11 columns by 10000 rows; row 0 the headers, column 0 row numbers.
class TaskTable : public CellTable {
public:
    static constexpr int Columns = 11;
    static constexpr int Rows = 10000;
    static constexpr int LastRow = Rows - 1;
    TaskTable() : CellTable(Columns, Rows) {}
};

/// The resource table: 4 columns by 1000 rows; row 0 the headers.
class ResourceTable : public CellTable {
public:
    static constexpr int Columns = 4;
    static constexpr int Rows = 1000;
    ResourceTable() : CellTable(Columns, Rows) {}
};

/// Named read access to the project settings kept in column 10, rows 1-20, of the task
/// table: a key on each odd row, its value on the even row below. A const project gives
/// only this, so that no reader can write a setting.
class ConstSettingsBlock {
public:
    enum ValueRow : int {
        CreateDate = 2,
        ChangeDate = 4,
        FileName = 6,
        ProjectName = 8,
        Author = 10,
        StartDate = 12,
        WorkingDays = 14,
        WorkingTime = 16,
        Modify = 18,
        Currency = 20,
    };

    explicit ConstSettingsBlock(const TaskTable &table) : m_table(table) {}

    const QString &value(ValueRow row) const { return m_table.cell(ColSettings, row); }

    const QString &createDate() const { return value(CreateDate); }
    const QString &changeDate() const { return value(ChangeDate); }
    const QString &fileName() const { return value(FileName); }
    const QString &projectName() const { return value(ProjectName); }
    const QString &author() const { return value(Author); }
    const QString &startDate() const { return value(StartDate); }
    const QString &workingDays() const { return value(WorkingDays); }
    const QString &workingTime() const { return value(WorkingTime); }
    const QString &modify() const { return value(Modify); }
    const QString &currency() const { return value(Currency); }

    bool isModified() const { return modify() == QLatin1String("Yes"); }
    /// True when the project has been saved or opened under a file name.
    bool hasFileName() const;

private:
    const TaskTable &m_table;
};

/// Named read and write access to the project settings of a project that may change.
class SettingsBlock : public ConstSettingsBlock {
public:
    explicit SettingsBlock(TaskTable &table) : ConstSettingsBlock(table), m_table(table) {}

    void setValue(ValueRow row, const QString &text) { m_table.setCell(ColSettings, row, text); }
    /// Marks the project as changed since it was last opened or saved.
    void markModified() { setValue(Modify, QStringLiteral("Yes")); }

private:
    TaskTable &m_table;
};

/// Everything a project is.
class Project {
public:
    Project();

    TaskTable taskTable;
    ResourceTable resourceTable;

    SettingsBlock settings() { return SettingsBlock(taskTable); }
    ConstSettingsBlock settings() const { return ConstSettingsBlock(taskTable); }

    /// Highest task row holding task data; 0 for a new project.
    int LastTaskRow = 0;
    /// Gantt chart scale: 1 day, 2 week, 3 month per chart column.
    int GanttScale = 1;
    bool CriticalPathOn = false;
    /// One entry per task row 0..9999 (row 0 unused); -1 = not marked.
    std::vector<int> CriticalMarks;
    /// Rows of the critical chain, in the order found.
    QList<int> CriticalChain;
    /// Cell-editing tracking state.
    EditState Edit;
};

} // namespace morvaine
