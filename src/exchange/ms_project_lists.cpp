#include "ms_project_lists.h"

#include <algorithm>

namespace morvaine::msp {

void RowsByUid::finish()
{
    if (m_sorted.empty())
        return;
    const auto [low, high] =
        std::minmax_element(m_sorted.begin(), m_sorted.end(),
                            [](const std::pair<int, int> &a, const std::pair<int, int> &b) {
                                return a.first < b.first;
                            });
    const qint64 span = qint64(high->first) - low->first + 1;
    if (span <= 4 * qint64(m_sorted.size()) + 1024) {
        m_first = low->first;
        m_table.assign(std::size_t(span), 0);
        for (const auto &[uid, row] : m_sorted)
            m_table[std::size_t(uid - m_first)] = row;
        m_sorted.clear();
        return;
    }
    std::stable_sort(m_sorted.begin(), m_sorted.end(),
                     [](const std::pair<int, int> &a, const std::pair<int, int> &b) {
                         return a.first < b.first;
                     });
    // Of rows with one UID, the last added stays.
    std::reverse(m_sorted.begin(), m_sorted.end());
    m_sorted.erase(std::unique(m_sorted.begin(), m_sorted.end(),
                               [](const std::pair<int, int> &a, const std::pair<int, int> &b) {
                                   return a.first == b.first;
                               }),
                   m_sorted.end());
    std::reverse(m_sorted.begin(), m_sorted.end());
}

int RowsByUid::row(int uid) const
{
    if (!m_table.empty()) {
        const qint64 at = qint64(uid) - m_first;
        return at >= 0 && at < qint64(m_table.size()) ? m_table[std::size_t(at)] : 0;
    }
    const auto it = std::lower_bound(
        m_sorted.begin(), m_sorted.end(), uid,
        [](const std::pair<int, int> &entry, int key) { return entry.first < key; });
    return it != m_sorted.end() && it->first == uid ? it->second : 0;
}

std::vector<QString> ResourceLists(const std::vector<std::pair<int, int>> &assignments, int lastRow,
                                   const std::vector<QString> &names)
{
    // The assignments grouped by task row, each row's in the document's order.
    std::vector<int> start(std::size_t(lastRow) + 2, 0);
    for (const auto &[row, resource] : assignments)
        if (row > 0 && resource > 0)
            ++start[std::size_t(row) + 1];
    for (int row = 1; row <= lastRow + 1; ++row)
        start[row] += start[row - 1];
    std::vector<int> resources(static_cast<std::size_t>(start[lastRow + 1]));
    std::vector<int> next(start.begin(), start.end() - 1);
    for (const auto &[row, resource] : assignments)
        if (row > 0 && resource > 0)
            resources[std::size_t(next[row]++)] = resource;

    std::vector<QString> lists(std::size_t(lastRow) + 1);
    std::vector<int> seen(names.size(), 0); // the last row that named each resource
    std::vector<int> named;
    for (int row = 1; row <= lastRow; ++row) {
        named.clear();
        qsizetype length = 0;
        for (int at = start[row]; at < start[row + 1]; ++at) {
            const int resource = resources[std::size_t(at)];
            if (seen[std::size_t(resource)] == row)
                continue;
            seen[std::size_t(resource)] = row;
            named.push_back(resource);
            length += names[std::size_t(resource)].size() + 2;
        }
        if (named.empty())
            continue;
        QString &list = lists[std::size_t(row)];
        list.reserve(length);
        for (const int resource : named) {
            list += QLatin1Char(' ');
            list += names[std::size_t(resource)];
            list += QLatin1Char(';');
        }
    }
    return lists;
}

} // namespace morvaine::msp
