// The engine's row store: cells read once as values, date texts kept back while
// tasks move, and the calendar rules over the store.

#include "schedule_engine.h"

#include <cmath>
#include <cstring>

namespace morvaine {

void ScheduleArrays::clear()
{
    for (auto *bytes : {&m_levelBad, &m_subStopBad, &m_hasItems, &m_noForerunner})
        bytes->clear();
    for (auto *bytes : {&m_linkKept, &m_traced})
        bytes->clear();
    for (auto *ints :
         {&m_pendingRows, &m_level, &m_subEnd, &m_parent, &m_succFirst, &m_scratch, &m_scratch2,
          &m_scratch3, &m_chain, &m_roots, &m_waiting, &m_pusher, &m_tracedAt})
        ints->clear();
    m_succ.clear();
    m_typedLinks = false;
    m_newStart.clear();
    m_newEnd.clear();
    m_spanRows.clear();
    m_links.clear();
    // The group span trees are reset before their first use, the rows by the engine.
}

ScheduleEngine::DateState ScheduleEngine::readStartState(int row)
{
    const QString &value = text(ColStart, row);
    return m_rows[row].startState = value.isEmpty() ? DateState::Empty
                                    : m_dates.tryRead(value, m_rows[row].start)
                                        ? DateState::Valid
                                        : DateState::Invalid;
}

ScheduleEngine::DateState ScheduleEngine::readEndState(int row)
{
    const QString &value = text(ColEnd, row);
    return m_rows[row].endState = value.isEmpty()                           ? DateState::Empty
                                  : m_dates.tryRead(value, m_rows[row].end) ? DateState::Valid
                                                                            : DateState::Invalid;
}

TDateTime ScheduleEngine::unreadableDate(int column, int row) const
{
    try {
        return StrToDate(text(column, row)); // throws the conversion error
    } catch (const ConversionError &error) {
        throwCellError(column, row, error.message());
    }
}

void ScheduleEngine::throwCellError(int column, int row, const QString &message) const
{
    throw ConversionError(CellErrorMessage(message, column, row));
}

void ScheduleEngine::throwForerunnerError(std::size_t bad) const
{
    throwCellError(ColForerunner, m_badRows[bad].first, m_badRows[bad].second.error);
}

void ScheduleEngine::readAllDates()
{
    // Group spans, the project end and the marks each read the dates of every row:
    // read all at once, once, straight from the table (a date whose text is kept
    // back has its state known already).
    if (m_allDatesRead)
        return;
    m_allDatesRead = true;
    auto read = [this](const QString &value, TDateTime &day) {
        return value.isEmpty()               ? DateState::Empty
               : m_dates.tryRead(value, day) ? DateState::Valid
                                             : DateState::Invalid;
    };
    for (int row = 1; row <= m_last; ++row) {
        if (m_rows[row].startState == DateState::Unknown)
            m_rows[row].startState = read(m_table.cell(ColStart, row), m_rows[row].start);
        if (m_rows[row].endState == DateState::Unknown)
            m_rows[row].endState = read(m_table.cell(ColEnd, row), m_rows[row].end);
    }
}

int ScheduleEngine::readDuration(int row)
{
    m_rows[row].duration = DurationDays(text(ColDuration, row), row);
    m_rows[row].durationKnown = 1;
    return m_rows[row].duration;
}

bool ScheduleEngine::readableDay(TDateTime day) const
{
    return day >= m_firstDay && day <= m_lastDay;
}

namespace {
// Texts sharing their characters are equal without comparing them.
bool sameText(const QString &a, const QString &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}
} // namespace

bool ScheduleEngine::knownToDiffer(DateState known, TDateTime day, DateState was,
                                   TDateTime wasDay) const
{
    // A cell that reads as another date than the one written cannot hold its text.
    return m_dates.oneTextPerDate() && known == DateState::Valid && was == DateState::Valid &&
           day != wasDay;
}

const QString &ScheduleEngine::pendingText(int column, int row) const
{
    return m_dates.write(column == ColStart ? m_rows[row].start : m_rows[row].end);
}

bool ScheduleEngine::sameCellText(int row, bool start, TDateTime day) const
{
    return sameText(m_table.cell(start ? ColStart : ColEnd, row), m_dates.write(day));
}

void ScheduleEngine::keepBack(int row, unsigned char bit)
{
    if (bit == PendingStart)
        holdStart(row);
    else
        holdEnd(row);
    listPending(row, bit);
}

void ScheduleEngine::flushPending()
{
    auto write = [this](std::size_t row) {
        if (m_rows[row].pending & PendingStart)
            writeKeptBack(ColStart, static_cast<int>(row), m_rows[row].heldStart,
                          m_rows[row].start);
        if (m_rows[row].pending & PendingEnd)
            writeKeptBack(ColEnd, static_cast<int>(row), m_rows[row].heldEnd, m_rows[row].end);
        m_rows[row].pending = 0;
    };
    // Many texts are written in row order, cell after cell down the columns, rather
    // than in the order the walk moved their tasks.
    if (static_cast<std::size_t>(m_pendingCount) * 16 > m_rows.size()) {
        for (std::size_t row = 0; row < m_rows.size(); ++row)
            if (m_rows[row].pending)
                write(row);
    } else {
        for (int i = 0; i < m_pendingCount; ++i)
            write(static_cast<std::size_t>(m_pendingRows[static_cast<std::size_t>(i)]));
    }
    m_pendingCount = 0;
}

void ScheduleEngine::writeKeptBack(int column, int row, TDateTime held, TDateTime day)
{
    // Texts are kept back only where each date has one text: a cell that read as
    // another date than the one written cannot hold its text.
    if (!std::isnan(held) && held != day)
        m_table.replaceCell(column, row, m_dates.write(day));
    else
        m_table.setCell(column, row, m_dates.write(day));
}

void ScheduleEngine::setStartDay(int row, TDateTime day)
{
    const bool readable = readableDay(day);
    if (!readable || !m_dates.oneTextPerDate()) {
        setStart(row, m_dates.write(day), readable ? DateState::Valid : DateState::Invalid, day);
        return;
    }
    // A task often moves several times in one walk: its text is written once, after.
    if (!sameDay(row, PendingStart, day))
        writeStart(row, nullptr, DateState::Valid, day);
}

void ScheduleEngine::setEndDay(int row, TDateTime day)
{
    const bool readable = readableDay(day);
    if (!readable || !m_dates.oneTextPerDate()) {
        setEnd(row, m_dates.write(day), readable ? DateState::Valid : DateState::Invalid, day);
        return;
    }
    if (!sameDay(row, PendingEnd, day))
        writeEnd(row, nullptr, DateState::Valid, day);
}

void ScheduleEngine::setStart(int row, const QString &value, DateState known, TDateTime day)
{
    if (!knownToDiffer(known, day, m_rows[row].startState, m_rows[row].start) &&
        sameText(text(ColStart, row), value))
        return;
    writeStart(row, &value, known, day);
}

void ScheduleEngine::setEnd(int row, const QString &value, DateState known, TDateTime day)
{
    if (!knownToDiffer(known, day, m_rows[row].endState, m_rows[row].end) &&
        sameText(text(ColEnd, row), value))
        return;
    writeEnd(row, &value, known, day);
}

void ScheduleEngine::writeStart(int row, const QString *value, DateState known, TDateTime day)
{
    if (value) {
        m_table.setCell(ColStart, row, *value);
        m_rows[row].pending &= static_cast<unsigned char>(~PendingStart);
    } else {
        keepBack(row, PendingStart);
    }
    m_rows[row].startState = known;
    m_rows[row].start = day;
    if (m_groupTrees) {
        const DateState state = startState(row);
        m_startTree.set(row, state == DateState::Valid ? m_rows[row].start : MinTree::None);
        if (state == DateState::Valid)
            m_invalidStart.erase(row);
        else
            m_invalidStart.insert(row);
    }
    afterWrite(row);
}

void ScheduleEngine::writeEnd(int row, const QString *value, DateState known, TDateTime day)
{
    const bool counted = m_endTreeBuilt && !m_rows[row].dirty;
    if (counted)
        uncountEnd(row);
    if (value) {
        m_table.setCell(ColEnd, row, *value);
        m_rows[row].pending &= static_cast<unsigned char>(~PendingEnd);
    } else {
        keepBack(row, PendingEnd);
    }
    m_rows[row].endState = known;
    m_rows[row].end = day;
    const DateState state = endState(row);
    if (m_groupTrees) {
        m_endTree.set(row, state == DateState::Valid ? -m_rows[row].end : MinTree::None);
        if (state == DateState::Valid)
            m_invalidEnd.erase(row);
        else
            m_invalidEnd.insert(row);
    }
    if (counted)
        countEnd(row);
    afterWrite(row);
}

void ScheduleEngine::setDuration(int row, const QString &value)
{
    if (text(ColDuration, row) == value)
        return;
    m_table.setCell(ColDuration, row, value);
    m_rows[row].durationKnown = 0;
    if (m_indexBuilt)
        m_rows[row].hasDuration = !value.isEmpty();
    afterWrite(row);
}

void ScheduleEngine::afterWrite(int row)
{
    // A change inside the outline may reopen work that an earlier walk found finished
    // (group spans, sub-tasks moved with their group), so every settled row is
    // walked again. Plain rows outside any group only ever move later and are
    // propagated right after they move, which keeps settled rows settled. Where links
    // run down the rows, only rows whose walk reads the changed row are unsettled, and
    // only while the change leaves work behind (engine_settle.cpp).
    if (m_rangeSettling) {
        if (m_rows[row].groupy)
            regionWritten(row);
    } else if (!m_outlineBuilt || m_rows[row].groupy) {
        ++m_generation;
    }
}

void ScheduleEngine::calcEndDate(int row)
{
    const int n = durationOf(row);
    if (n == 0) {
        setEnd(row, text(ColStart, row), startState(row), m_rows[row].start);
        return;
    }
    if (n < 0)
        return;
    const auto end = m_week.nthWorkingDay(static_cast<std::int64_t>(startOf(row)), n);
    if (!end)
        return; // no working day in the mask: the End stays unwritten
    if (!readableDay(static_cast<TDateTime>(*end)))
        throwCellError(ColDuration, row, TooLongDurationMessage(text(ColDuration, row)));
    setEndDay(row, static_cast<TDateTime>(*end));
}

void ScheduleEngine::calcDuration(int row)
{
    const auto first = static_cast<std::int64_t>(startOf(row));
    const auto last = static_cast<std::int64_t>(endOf(row));
    setDuration(row, QString::number(m_week.count(first, last)));
}

} // namespace morvaine
