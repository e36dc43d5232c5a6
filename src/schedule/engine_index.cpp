// The successor index: every Forerunner read once, successors listed by predecessor.

#include "schedule_engine.h"

#include <algorithm>
#include <vector>

namespace morvaine {

void ScheduleEngine::buildIndex()
{
    const std::size_t rows = static_cast<std::size_t>(m_last) + 2;
    std::vector<int> &count = m_scratch;
    count.assign(rows + 1, 0);
    std::vector<std::pair<int, SuccLink>> &links = m_links; // (predecessor, link) by successor
    links.clear();
    std::vector<int> &seenIn = m_scratch2;
    seenIn.assign(rows, 0);
    m_hasItems.assign(rows, 0);
    m_noForerunner.assign(rows, 1);
    m_indexBuilt = true;
    m_typedLinks = false;
    m_rows[rows - 1].hasDuration = !text(ColDuration, m_last + 1).isEmpty();
    for (int s = 1; s <= m_last; ++s) {
        // The walk reads the Duration of nearly every row it reaches, in the order of
        // the links: read here in row order, the texts' loads overlap instead of each
        // waiting in turn. A text that is no plain number is read (and fails) later,
        // where the walk meets it.
        const QString &duration = m_table.cell(ColDuration, s);
        m_rows[s].hasDuration = !duration.isEmpty();
        if (int days = 0; QuickDurationDays(duration, days)) {
            m_rows[s].duration = days;
            m_rows[s].durationKnown = 1;
        }
        const QString &forerunner = m_table.cell(ColForerunner, s);
        if (forerunner.isEmpty())
            continue;
        m_noForerunner[s] = 0;
        bool items = false;
        QString error;
        const bool good = ScanForerunner(
            forerunner,
            [&](int p, LinkType type, int lag) {
                items = true;
                if (p < 1 || p > m_last || seenIn[p] == s)
                    return; // only the first item naming p counts
                seenIn[p] = s;
                const SuccLink link{s, static_cast<short>(lag), type};
                m_typedLinks = m_typedLinks || !link.plain();
                links.emplace_back(p, link);
                ++count[p + 1];
            },
            error);
        m_hasItems[s] = items || !good;
        if (!good)
            m_badRows.emplace_back(s, ParseForerunner(forerunner));
    }
    m_succFirst.assign(rows + 1, 0);
    for (std::size_t p = 1; p <= rows; ++p)
        m_succFirst[p] = m_succFirst[p - 1] + count[p];
    m_succ.assign(links.size(), SuccLink{0, 0, LinkType::FS});
    std::vector<int> &next = m_scratch3;
    next.assign(m_succFirst.begin(), m_succFirst.end() - 1);
    for (const auto &[p, link] : links)
        m_succ[next[p]++] = link;
}

bool ScheduleEngine::isRoot(int row)
{
    if (durationEmpty(row) || !m_noForerunner[row] || m_rows[row].visited)
        return false;
    const bool named = m_succFirst[row] < m_succFirst[row + 1];
    // The scan for a row naming this one reads Forerunners in row order and fails at
    // a bad item met before it.
    if (!m_badRows.empty() && (!named || m_badRows.front().first < m_succ[m_succFirst[row]].row))
        throwForerunnerError(0);
    return named;
}

int ScheduleEngine::throwRowFor(int p)
{
    for (std::size_t i = 0; i < m_badRows.size(); ++i)
        if (!m_badRows[i].second.items.contains(p))
            return static_cast<int>(i);
    return -1;
}

void ScheduleEngine::report(int p, int s)
{
    // Collected, and handed on once the walk is over.
    if (m_reported.insert({p, s}).second)
        m_errors << LinkErrorMessage(p, s);
}

void ScheduleEngine::reportUnreachedCycles()
{
    // The walk starts only at roots: links among rows that no root reaches are never
    // followed, and a cycle among them would otherwise pass in silence. Each link of
    // such a cycle is reported, and none is followed.
    int first = 1;
    while (first <= m_last &&
           (m_rows[first].reached || m_succFirst[first] == m_succFirst[first + 1]))
        ++first;
    if (first <= m_last)
        reportCyclesFrom(first);
}

void ScheduleEngine::reportCyclesFrom(int first)
{
    // Tarjan's strongly connected components of the links among the rows not reached,
    // on an explicit stack; a link inside one component lies on a cycle.
    const std::size_t rows = static_cast<std::size_t>(m_last) + 1;
    std::vector<int> order(rows, -1), low(rows, 0), component(rows, -1);
    std::vector<int> open;
    struct Visit {
        int row, next;
    };
    std::vector<Visit> calls;
    int counter = 0, components = 0;
    auto enter = [&](int row) {
        order[row] = low[row] = counter++;
        open.push_back(row);
        calls.push_back({row, m_succFirst[row]});
    };
    for (int start = first; start <= m_last; ++start) {
        if (m_rows[start].reached || order[start] >= 0)
            continue;
        enter(start);
        while (!calls.empty()) {
            const int row = calls.back().row;
            if (calls.back().next < m_succFirst[row + 1]) {
                const int s = m_succ[calls.back().next++].row;
                if (m_rows[s].reached)
                    continue;
                if (order[s] < 0)
                    enter(s);
                else if (component[s] < 0)
                    low[row] = std::min(low[row], order[s]);
                continue;
            }
            calls.pop_back();
            if (!calls.empty())
                low[calls.back().row] = std::min(low[calls.back().row], low[row]);
            if (low[row] == order[row]) {
                int member = 0;
                do {
                    member = open.back();
                    open.pop_back();
                    component[member] = components;
                } while (member != row);
                ++components;
            }
        }
    }
    // Predecessors in row order, each with its successors in row order.
    for (int p = first; p <= m_last; ++p) {
        if (m_rows[p].reached)
            continue;
        for (int i = m_succFirst[p]; i < m_succFirst[p + 1]; ++i) {
            const int s = m_succ[i].row;
            if (!m_rows[s].reached && component[s] == component[p])
                report(p, s);
        }
    }
}

} // namespace morvaine
