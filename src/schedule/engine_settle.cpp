// Which rows stay settled while the walk writes: where links run down the rows, a walk
// from a row reads the rows from its top-level group on only, and a write there makes
// walking the row again worth while only where it leaves a group task that links lead
// into not spanning its rows, or starting before a link into it allows.

#include "schedule_engine.h"

#include <algorithm>

namespace morvaine {

void ScheduleEngine::prepareSettling()
{
    // Every climb reaches every group task holding the row, and every link leads down
    // the rows: a walk from a row reads the rows of its top-level group and below only.
    m_rangeSettling = false;
    if (!m_hasGroups || !tableIsClean())
        return;
    for (int row = 1; row <= m_last; ++row) {
        const int parent = m_parent[row];
        if (parent != 0 && (!m_rows[row].offLevelOne || !m_rows[parent].isGroup))
            return;
        for (int i = m_succFirst[row]; i < m_succFirst[row + 1]; ++i)
            if (m_succ[static_cast<std::size_t>(i)].row <= row)
                return;
    }
    const std::size_t rows = static_cast<std::size_t>(m_last) + 2;
    m_top.assign(rows, 0);
    for (int row = 1; row <= m_last; ++row)
        m_top[static_cast<std::size_t>(row)] =
            m_parent[row] == 0 ? row : m_top[static_cast<std::size_t>(m_parent[row])];
    if (!m_groupTrees)
        buildGroupTrees();
    // A top-level group no link leads into whose groups span their rows has each of
    // them refitted whenever a row inside moves: its writes unsettle nothing. One over
    // tasks of positive Durations is settled while it spans its rows. Any other is
    // unsettled by every write inside.
    std::vector<unsigned char> &linked = m_regionKind, nested(rows, 0), loose(rows, 0);
    linked.assign(rows, 0);
    m_entries.clear();
    try {
        for (int row = 1; row <= m_last; ++row) {
            const auto top = static_cast<std::size_t>(m_top[static_cast<std::size_t>(row)]);
            for (int i = m_succFirst[row]; i < m_succFirst[row + 1]; ++i) {
                const int s = m_succ[static_cast<std::size_t>(i)].row;
                if (!m_rows[s].isGroup)
                    continue;
                const auto target = static_cast<std::size_t>(m_top[static_cast<std::size_t>(s)]);
                linked[target] = 1;
                m_entries.emplace_back(s, row);
                if (static_cast<std::size_t>(s) != target ||
                    !m_succ[static_cast<std::size_t>(i)].plain())
                    nested[target] = 1;
            }
            if (static_cast<std::size_t>(row) != top &&
                (m_rows[row].isGroup || durationEmpty(row) || durationOf(row) <= 0))
                nested[top] = 1;
            if (!m_rows[row].isGroup)
                continue;
            nested[top] = nested[top] || durationEmpty(row) || durationOf(row) <= 0;
            const int first = row + 1, last = m_subEnd[row];
            if (last < first || rangeHasInvalid(first, last) ||
                startState(row) != DateState::Valid || endState(row) != DateState::Valid ||
                m_startTree.query(first, last).first != m_rows[row].start ||
                -m_endTree.query(first, last).first != m_rows[row].end)
                loose[top] = 1;
        }
    } catch (const ConversionError &) {
        return;
    }
    for (std::size_t row = 1; row < rows - 1; ++row)
        m_regionKind[row] = !linked[row] && !loose[row] ? 0 : nested[row] ? 2 : 1;
    std::sort(m_entries.begin(), m_entries.end());
    m_unsettled.reset(m_last);
    for (int row = 1; row <= m_last; ++row)
        m_unsettled.setLeaf(row, 0);
    m_unsettled.rebuild();
    m_rangeSettling = true;
}

bool ScheduleEngine::regionSettled(int g)
{
    // A group task spanning its rows, texts and Duration as a refit writes them: walking
    // into it again, by a link to it or to a row inside it, writes nothing.
    const int first = g + 1, last = m_subEnd[g];
    if (rangeHasInvalid(first, last) || startState(g) != DateState::Valid ||
        endState(g) != DateState::Valid)
        return false;
    const auto earliest = m_startTree.query(first, last);
    const auto latest = m_endTree.query(first, last);
    // A refit may have taken its Start back before a link into it allows.
    const bool milestone = durationEmpty(g) || durationOf(g) == 0;
    for (auto it = std::lower_bound(m_entries.begin(), m_entries.end(), std::make_pair(g, 0));
         it != m_entries.end() && it->first == g; ++it) {
        const int p = it->second;
        if (endState(p) != DateState::Valid ||
            (milestone ? m_rows[p].end > m_rows[g].start : m_rows[p].end >= m_rows[g].start))
            return false;
    }
    return earliest.first == m_rows[g].start && -latest.first == m_rows[g].end &&
           text(ColStart, g) == text(ColStart, earliest.second) &&
           text(ColEnd, g) == text(ColEnd, latest.second) &&
           text(ColDuration, g) ==
               QString::number(m_week.count(static_cast<std::int64_t>(m_rows[g].start),
                                            static_cast<std::int64_t>(m_rows[g].end)));
}

void ScheduleEngine::regionWritten(int row)
{
    const int top = m_top[static_cast<std::size_t>(row)];
    const unsigned char kind = m_regionKind[static_cast<std::size_t>(top)];
    if (kind == 0)
        return;
    ++m_generation;
    m_unsettled.set(top, kind == 1 && regionSettled(top) ? 0 : -static_cast<double>(m_generation));
}

} // namespace morvaine
