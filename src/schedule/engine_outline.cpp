// The outline: Levels, sub-task ranges and parents, read in one pass.

#include "schedule_engine.h"

namespace morvaine {

void ScheduleEngine::buildOutline()
{
    const std::size_t rows = static_cast<std::size_t>(m_last) + 2;
    m_level.assign(rows, 1);
    m_levelBad.assign(rows, 0);
    m_subEnd.assign(rows, 0);
    m_subStopBad.assign(rows, 0);
    m_parent.assign(rows, 0);
    m_levelError.clear();
    m_outlineBuilt = true;
    // One pass down the rows. The stack holds the rows whose sub-task walk is still
    // open: a row closes those on top with a Level not smaller than its own (it ends
    // their walk) and the rest of the stack is its outline above; a Level that is no
    // number ends every open walk and stops every search for a parent.
    std::vector<int> &open = m_scratch;
    open.clear();
    int openGroups = 0; // group tasks with a number for a Level among the open rows
    bool plain = true;  // all rows so far on level 1 without group marks
    for (int row = 1; row <= m_last; ++row) {
        // Rows 1..last are inside the table and these columns are never kept back.
        const QString &level = m_table.cell(ColLevel, row);
        const QString &veha = m_table.cell(ColVeha, row);
        const bool group = veha.size() == 1 && veha.front() == QLatin1Char('v');
        const bool one = level.size() == 1 && level.front() == QLatin1Char('1');
        if (plain) {
            if (one && !group) {
                // Closes the row above: a walk of its own and no outline above.
                m_subEnd[row] = row;
                continue;
            }
            // Of the rows so far only the one above is still open.
            plain = false;
            if (row > 1)
                open.push_back(row - 1);
        }
        m_rows[row].isGroup = group;
        m_hasGroups = m_hasGroups || group;
        if (!one) {
            // A Level of one or two digits, the usual kind, is read here.
            const qsizetype size = level.size();
            const unsigned d0 =
                size > 0 ? static_cast<unsigned>(level.front().unicode() - u'0') : 10u;
            const unsigned d1 =
                size > 1 ? static_cast<unsigned>(level.back().unicode() - u'0') : 0u;
            if (size <= 2 && d0 <= 9u && d1 <= 9u) {
                m_rows[row].offLevelOne = 1;
                m_level[row] = static_cast<int>(size == 2 ? d0 * 10 + d1 : d0);
            } else {
                readLevel(row, level);
            }
        }
        if (m_levelBad[row]) {
            for (int t : open) {
                if (!m_levelBad[t]) {
                    m_subEnd[t] = row - 1;
                    m_subStopBad[t] = 1;
                }
            }
            open.clear();
            openGroups = 0;
            m_subEnd[row] = row;
        } else {
            const int value = m_level[row];
            while (!open.empty() && !m_levelBad[open.back()] && m_level[open.back()] >= value) {
                const int t = open.back();
                open.pop_back();
                m_subEnd[t] = row - 1;
                openGroups -= m_rows[t].isGroup;
            }
            m_parent[row] = open.empty() ? 0 : open.back();
        }
        // Rows whose cells a group span reads: group tasks, their sub-tasks, the row
        // after a group task, and rows off level 1.
        m_rows[row].groupy =
            m_rows[row].offLevelOne || group || openGroups > 0 || m_rows[row - 1].isGroup;
        open.push_back(row);
        if (group && !m_levelBad[row])
            ++openGroups;
    }
    for (int t : open)
        if (!m_levelBad[t])
            m_subEnd[t] = m_last;
    if (m_hasGroups)
        dropStaleGroupMarks();
}

void ScheduleEngine::dropStaleGroupMarks()
{
    // A mark left on a row that heads no deeper row (the last row, or one whose next
    // row is not deeper) makes no group: there is nothing for it to span. Where a
    // Level is no number the mark stays, and the fit reports that Level.
    m_hasGroups = false;
    for (int row = 1; row <= m_last; ++row) {
        if (!m_rows[row].isGroup)
            continue;
        if (row == m_last || (!m_levelBad[row] && !m_subStopBad[row] && m_subEnd[row] == row))
            m_rows[row].isGroup = 0;
        else
            m_hasGroups = true;
    }
}

void ScheduleEngine::readLevel(int row, const QString &level)
{
    m_rows[row].offLevelOne = 1;
    if (level.size() > 0 && level.size() <= 9) {
        // Plain digits, the common case, read without StrToInt.
        int value = 0;
        bool digits = true;
        for (QChar c : level) {
            const unsigned digit = static_cast<unsigned>(c.unicode() - u'0');
            if (digit > 9u) {
                digits = false;
                break;
            }
            value = value * 10 + static_cast<int>(digit);
        }
        if (digits) {
            m_level[row] = value;
            return;
        }
    }
    try {
        m_level[row] = StrToInt(level);
    } catch (const ConversionError &error) {
        m_levelBad[row] = 1;
        m_levelError.emplace_back(row, error.message());
    }
}

void ScheduleEngine::throwLevelError(int row) const
{
    throwCellError(
        ColLevel, row,
        std::lower_bound(m_levelError.begin(), m_levelError.end(), std::make_pair(row, QString()))
            ->second);
}

int ScheduleEngine::subEnd(int row)
{
    levelOf(row);
    if (m_subStopBad[row])
        levelOf(m_subEnd[row] + 1);
    return m_subEnd[row];
}

bool ScheduleEngine::groupLinkAllowed(int p, int s)
{
    if (m_rows[p].isGroup && p < s && s <= subEnd(p))
        return false;
    if (m_rows[s].isGroup && s < p && p <= subEnd(s))
        return false;
    return true;
}

bool ScheduleEngine::climbClosesCycle(int s)
{
    // Following the link propagates s and every group task its refit climbs to.
    for (int row = s; m_rows[row].offLevelOne && !m_levelBad[row];) {
        const int parent = m_parent[row];
        if (parent == 0 || m_levelBad[parent] || !m_rows[parent].isGroup)
            break;
        if (!reenterable(parent))
            return true;
        row = parent;
    }
    return false;
}

} // namespace morvaine
