// Group spans answered by range queries, deferred fits, and the tally of the latest End.

#include "schedule_engine.h"

namespace morvaine {

void ScheduleEngine::buildGroupTrees()
{
    readAllDates();
    m_groupTrees = true;
    m_startTree.reset(m_last);
    m_endTree.reset(m_last);
    for (int row = 1; row <= m_last; ++row) {
        const bool start = startState(row) == DateState::Valid;
        m_startTree.setLeaf(row, start ? m_rows[row].start : MinTree::None);
        if (!start)
            m_invalidStart.insert(row);
        const bool end = endState(row) == DateState::Valid;
        m_endTree.setLeaf(row, end ? -m_rows[row].end : MinTree::None);
        if (!end)
            m_invalidEnd.insert(row);
    }
    m_startTree.rebuild();
    m_endTree.rebuild();
}

bool ScheduleEngine::rangeHasInvalid(int first, int last) const
{
    auto hit = [&](const RowSet &rows) {
        auto it = rows.lower_bound(first);
        return it != rows.end() && *it <= last;
    };
    return hit(m_invalidStart) || hit(m_invalidEnd);
}

void ScheduleEngine::refit(int g)
{
    const int first = g + 1;
    if (m_groupTrees && first <= m_last && !m_levelBad[g] && !m_subStopBad[g]) {
        const int last = std::max(first, m_subEnd[g]);
        if (!rangeHasInvalid(first, last)) {
            // The earliest Start and the latest End, each from the first row holding it.
            const int startRow = m_startTree.query(first, last).second;
            const int endRow = m_endTree.query(first, last).second;
            setStart(g, text(ColStart, startRow), DateState::Valid, m_rows[startRow].start);
            setEnd(g, text(ColEnd, endRow), DateState::Valid, m_rows[endRow].end);
            calcDuration(g);
            return;
        }
    }
    // A cell that is not a date stops the fit where it is met, cells written so far stay.
    setStart(g, text(ColStart, first));
    setEnd(g, text(ColEnd, first));
    calcDuration(g);
    for (int c = first; c <= m_last && levelOf(c) > levelOf(g); ++c) {
        if (startOf(c) < startOf(g)) {
            setStart(g, text(ColStart, c));
            calcDuration(g);
        }
        if (endOf(c) > endOf(g)) {
            setEnd(g, text(ColEnd, c));
            calcDuration(g);
        }
    }
}

bool ScheduleEngine::canDefer(int q)
{
    // A group task that no link touches is read only by the fits of its enclosing
    // groups and by the project end; its own fit can wait until one of them needs it.
    // Not one below level 1: rows of level 1 inside it never climb to it, so its fit
    // holds the dates of the moment a deeper row last climbed there.
    return m_groupTrees && m_badRows.empty() && m_level[q] >= 1 &&
           m_succFirst[q] == m_succFirst[q + 1] &&
           !m_hasItems[q] && !m_subStopBad[q] && q + 1 <= m_last &&
           !rangeHasInvalid(q + 1, std::max(q + 1, m_subEnd[q]));
}

void ScheduleEngine::markDirty(int q)
{
    m_rows[q].dirty = 1;
    m_dirtyRows.insert(q);
    if (m_endTreeBuilt)
        uncountEnd(q);
}

void ScheduleEngine::flushDirty(int first, int last)
{
    // Inner groups sit below their enclosing ones: fit from the bottom up.
    auto it = m_dirtyRows.upper_bound(last);
    while (it != m_dirtyRows.begin()) {
        --it;
        if (*it < first)
            break;
        const int g = *it;
        it = m_dirtyRows.erase(it);
        m_rows[g].dirty = 0;
        if (m_endTreeBuilt)
            countEnd(g);
        refit(g);
    }
}

void ScheduleEngine::endAdded(TDateTime end)
{
    if (m_endMaxCount == 0 || end > m_endMax) {
        m_endMax = end;
        m_endMaxCount = 1;
    } else if (end == m_endMax) {
        ++m_endMaxCount;
    }
}

void ScheduleEngine::endRemoved(TDateTime end)
{
    if (m_endMaxCount > 0 && end == m_endMax && --m_endMaxCount == 0)
        m_endMaxStale = true;
}

void ScheduleEngine::buildEndTree()
{
    readAllDates();
    m_endTreeBuilt = true;
    m_endMaxStale = false;
    m_endMaxCount = 0;
    m_badEnds.clear();
    for (int row = 1; row <= m_last; ++row) {
        if (m_rows[row].dirty)
            continue;
        countEnd(row);
    }
}

TDateTime ScheduleEngine::slowProjectEnd()
{
    const TDateTime start = projectStart();
    if (!m_endTreeBuilt || m_endMaxStale)
        buildEndTree();
    if (!m_badEnds.empty())
        unreadableDate(ColEnd, *m_badEnds.begin()); // throws
    // A group whose fit is pending never ends later than its sub-tasks.
    return m_endMaxCount == 0 ? start : std::max(start, m_endMax);
}

} // namespace morvaine
