#include "min_tree.h"

#include <algorithm>

namespace morvaine {

void MinTree::reset(int size)
{
    // Leaves 0..size in the lower half of the nodes: the walks up and the queries
    // need no power of two, and the smaller tree stays in the cache more.
    m_size = size + 1;
    // Every leaf is set before the rebuild that fills the nodes above them.
    m_nodes.resize(2 * static_cast<std::size_t>(m_size));
    m_nodes[static_cast<std::size_t>(m_size)] = pack(None, 0);
    m_pending.clear();
    m_rebuild = false;
    m_isPending.assign(static_cast<std::size_t>(m_size), 0);
}

void MinTree::track(int row)
{
    if (!m_isPending[static_cast<std::size_t>(row)]) {
        m_isPending[static_cast<std::size_t>(row)] = 1;
        m_pending.push_back(row);
        if (m_pending.size() * 8 > static_cast<std::size_t>(m_size))
            m_rebuild = true;
    }
}

void MinTree::settle()
{
    if (m_rebuild) {
        rebuild();
    } else {
        for (int row : m_pending) {
            // Above the first node whose minimum stays as it was, this leaf changes
            // nothing (another pending leaf carries its own change up).
            for (std::size_t i = static_cast<std::size_t>(m_size + row) / 2; i >= 1; i /= 2) {
                const Node least = std::min(m_nodes[2 * i], m_nodes[2 * i + 1]);
                if (least == m_nodes[i])
                    break;
                m_nodes[i] = least;
            }
        }
    }
    for (int row : m_pending)
        m_isPending[static_cast<std::size_t>(row)] = 0;
    m_pending.clear();
    m_rebuild = false;
}

void MinTree::rebuild()
{
    for (std::size_t i = static_cast<std::size_t>(m_size) - 1; i >= 1; --i)
        m_nodes[i] = std::min(m_nodes[2 * i], m_nodes[2 * i + 1]);
}

MinTree::Entry MinTree::query(int first, int last)
{
    if (!m_pending.empty() || m_rebuild)
        settle();
    Node best = pack(None, 0);
    std::size_t l = static_cast<std::size_t>(m_size + first);
    std::size_t r = static_cast<std::size_t>(m_size + last) + 1;
    while (l < r) {
        if (l & 1)
            best = std::min(best, m_nodes[l++]);
        if (r & 1)
            best = std::min(best, m_nodes[--r]);
        l /= 2;
        r /= 2;
    }
    return unpack(best);
}

} // namespace morvaine
