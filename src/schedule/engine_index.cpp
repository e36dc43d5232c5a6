// The successor index: every Forerunner read once, successors listed by predecessor.

#include "schedule_engine.h"

namespace morvaine {

void ScheduleEngine::buildIndex()
{
    const std::size_t rows = static_cast<std::size_t>(m_last) + 2;
    std::vector<int> &count = m_scratch;
    count.assign(rows + 1, 0);
    std::vector<std::pair<int, int>> &links = m_links; // (predecessor, successor) by successor
    links.clear();
    std::vector<int> &seenIn = m_scratch2;
    seenIn.assign(rows, 0);
    m_hasItems.assign(rows, 0);
    m_noForerunner.assign(rows, 1);
    m_indexBuilt = true;
    m_rows[rows - 1].hasDuration = !text(ColDuration, m_last + 1).isEmpty();
    for (int s = 1; s <= m_last; ++s) {
        m_rows[s].hasDuration = !m_table.cell(ColDuration, s).isEmpty();
        const QString &forerunner = m_table.cell(ColForerunner, s);
        if (forerunner.isEmpty())
            continue;
        m_noForerunner[s] = 0;
        bool items = false;
        QString error;
        const bool good = ScanForerunner(
            forerunner,
            [&](int p) {
                items = true;
                if (p < 1 || p > m_last || seenIn[p] == s)
                    return; // only the first item naming p counts
                seenIn[p] = s;
                links.emplace_back(p, s);
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
    m_succ.assign(links.size(), 0);
    std::vector<int> &next = m_scratch3;
    next.assign(m_succFirst.begin(), m_succFirst.end() - 1);
    for (const auto &[p, s] : links)
        m_succ[next[p]++] = s;
}

bool ScheduleEngine::isRoot(int row)
{
    if (durationEmpty(row) || !m_noForerunner[row] || m_rows[row].visited)
        return false;
    const bool named = m_succFirst[row] < m_succFirst[row + 1];
    // The scan for a row naming this one reads Forerunners in row order and fails at
    // a bad item met before it.
    if (!m_badRows.empty() && (!named || m_badRows.front().first < m_succ[m_succFirst[row]]))
        throw ConversionError(m_badRows.front().second.error);
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
    if (!m_reported.insert({p, s}).second)
        return;
    flushPending(); // the window may paint the grid while the message is up
    m_host.MessageBox(
        QStringLiteral("Error"),
        QStringLiteral("Link error (Task #%1 -> Task #%2)\nThis link will be ignored.")
            .arg(p)
            .arg(s),
        MsgIcon::Error, MsgButtons::Ok);
}

} // namespace morvaine
