#include "project.h"

namespace morvaine {

namespace {

// The open batches of this thread, and the tables that kept changes in them.
thread_local int batchDepth = 0;
thread_local bool tellingKept = false;
thread_local std::vector<CellTable *> *tablesKeeping = nullptr;

std::vector<CellTable *> &keepingTables()
{
    if (!tablesKeeping)
        tablesKeeping = new std::vector<CellTable *>;
    return *tablesKeeping;
}

} // namespace

CellTable::CellTable(int columns, int rows)
    : m_columns(columns), m_rows(rows),
      m_cells(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows))
{
}

CellTable::~CellTable()
{
    if (!m_kept.empty())
        std::erase(keepingTables(), this);
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
    if (!m_listeners.empty()) {
        if (batchDepth > 0)
            keep(column, row, std::move(old));
        else
            notify(column, row, old);
    }
}

void CellTable::replaceCell(int column, int row, const QString &text)
{
    QString old(text);
    m_cells[index(column, row)].swap(old);
    if (!m_listeners.empty()) {
        if (batchDepth > 0)
            keep(column, row, std::move(old));
        else
            notify(column, row, old);
    }
}

void CellTable::takeCell(int column, int row, CellTable &from)
{
    QString &text = from.m_cells[index(column, row)];
    QString &cell = m_cells[index(column, row)];
    if (cell == text)
        return;
    // Swapped rather than copied: neither text's count of users is touched, which for a
    // whole table of them is most of the cost of a copy.
    cell.swap(text);
    if (!m_listeners.empty()) {
        if (batchDepth > 0)
            keep(column, row, QString(text));
        else
            notify(column, row, text);
    }
    text = QString();
}

void CellTable::keep(int column, int row, QString &&old)
{
    // A cell changed again keeps the text it held before its first change.
    if (m_keptAt.empty())
        m_keptAt.assign(m_cells.size(), 0);
    int &at = m_keptAt[index(column, row)];
    if (at != 0)
        return;
    if (m_kept.empty())
        keepingTables().push_back(this);
    m_kept.push_back({column, row, std::move(old)});
    at = static_cast<int>(m_kept.size());
}

void CellTable::tellKept()
{
    // A listener that writes while it is told starts a new round.
    std::vector<Change> kept;
    kept.swap(m_kept);
    for (const Change &change : kept)
        m_keptAt[index(change.column, change.row)] = 0;
    bool told = false;
    tellingKept = true;
    for (const Change &change : kept) {
        // Written back to its old text, the cell did not change.
        if (cell(change.column, change.row) != change.oldText) {
            notify(change.column, change.row, change.oldText);
            told = true;
        }
    }
    tellingKept = false;
    if (told)
        for (const Entry &entry : m_listeners)
            if (entry.batchTold)
                entry.batchTold();
}

bool CellTable::telling()
{
    return tellingKept;
}

void CellTable::notify(int column, int row, const QString &old) const
{
    const QString &now = cell(column, row);
    for (const Entry &entry : m_listeners)
        entry.listener(column, row, old, now);
}

int CellTable::addListener(Listener listener, std::function<void()> batchTold)
{
    const int id = m_nextListenerId++;
    m_listeners.push_back({id, std::move(listener), std::move(batchTold)});
    return id;
}

void CellTable::removeListener(int id)
{
    std::erase_if(m_listeners, [id](const Entry &entry) { return entry.id == id; });
}

CellBatch::CellBatch()
{
    ++batchDepth;
}

CellBatch::~CellBatch()
{
    if (batchDepth == 1)
        deliver();
    --batchDepth;
}

bool CellBatch::open()
{
    return batchDepth > 0;
}

void CellBatch::deliver()
{
    // Tables in the order they first kept a change; one may keep more while another
    // is told (a listener that writes), so the list is taken afresh each time.
    while (tablesKeeping && !tablesKeeping->empty()) {
        CellTable *table = tablesKeeping->front();
        tablesKeeping->erase(tablesKeeping->begin());
        table->tellKept();
    }
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
