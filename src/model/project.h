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
///
/// Listeners hear of every cell whose text changes. While a CellBatch is open (one
/// user command), a cell written several times is told once, with the text it held
/// before the first write and the one it holds at the end, when the batch closes (or
/// CellBatch::deliver is called); a cell written back to its old text is not told.
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
    ~CellTable();
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
    /// Writes the text of from's cell at the same place into this table's, as setCell
    /// does, without copying it: from's cell is left empty, and from's listeners hear
    /// nothing. The tables have the same size.
    void takeCell(int column, int row, CellTable &from);
    /// Empties every cell of rows first..last in columns firstColumn..lastColumn.
    void clear(int firstColumn, int lastColumn, int firstRow, int lastRow);
    /// Adds a listener, heard after those added before it; returns its id for
    /// removeListener. Listeners are not added or removed while one is being told.
    /// batchTold, when given, is called once after the changes of a batch were told.
    int addListener(Listener listener, std::function<void()> batchTold = {});
    /// Removes the listener with id; an unknown id is ignored.
    void removeListener(int id);
    /// Whether the changes of a batch are being told now (each listener then hears
    /// them one after the other, and batchTold after the last).
    static bool telling();

private:
    friend class CellBatch;
    struct Entry {
        int id;
        Listener listener;
        std::function<void()> batchTold;
    };
    // A cell changed while a batch is open, with the text it held before.
    struct Change {
        int column;
        int row;
        QString oldText;
    };
    void keep(int column, int row, QString &&old);
    void tellKept();

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
    std::vector<Entry> m_listeners;
    int m_nextListenerId = 1;
    std::vector<Change> m_kept; // in the order the cells first changed
    std::vector<int> m_keptAt;  // per cell: its index in m_kept + 1, 0 when not kept
};

/// Groups the cell writes of one user command for the listeners of every table: while
/// one is open (they nest), each changed cell is told once, when the outermost closes.
/// Everything runs on one thread; the batch is the thread's.
class CellBatch {
public:
    CellBatch();
    ~CellBatch();
    CellBatch(const CellBatch &) = delete;
    CellBatch &operator=(const CellBatch &) = delete;

    /// Whether a batch is open.
    static bool open();
    /// Tells every listener now of the changes kept so far (before a message box, which
    /// lets the windows repaint, or before undo takes a step back); the batch stays open.
    static void deliver();
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
