#pragma once
// An ordered set of rows with constant-time membership.

#include <QtGlobal>

#include <set>
#include <vector>

namespace morvaine {

/// A set of rows that answers membership without a tree search, so that the many
/// writes that leave a row in or out of the set cost no tree operation.
class RowSet {
public:
    using const_iterator = std::set<int>::const_iterator;
    /// Adds row (any row from 0 up); a row already in stays once.
    void insert(int row)
    {
        if (row >= static_cast<int>(m_in.size()))
            m_in.resize(static_cast<std::size_t>(row) * 2 + 2, 0);
        if (!m_in[static_cast<std::size_t>(row)]) {
            m_in[static_cast<std::size_t>(row)] = 1;
            m_rows.insert(row);
        }
    }
    /// Removes row if it is in.
    Q_ALWAYS_INLINE void erase(int row)
    {
        if (row < static_cast<int>(m_in.size()) && m_in[static_cast<std::size_t>(row)]) {
            m_in[static_cast<std::size_t>(row)] = 0;
            m_rows.erase(row);
        }
    }
    /// Puts row in or takes it out.
    void set(int row, bool in)
    {
        if (in)
            insert(row);
        else
            erase(row);
    }
    /// Empties the set, keeping its memory.
    void clear()
    {
        for (int row : m_rows)
            m_in[static_cast<std::size_t>(row)] = 0;
        m_rows.clear();
    }
    /// The rows in ascending order.
    bool empty() const { return m_rows.empty(); }
    const_iterator begin() const { return m_rows.begin(); }
    const_iterator end() const { return m_rows.end(); }
    const_iterator lower_bound(int row) const { return m_rows.lower_bound(row); }

private:
    std::set<int> m_rows;
    std::vector<unsigned char> m_in;
};

} // namespace morvaine
