#pragma once
// A range-minimum tree over rows, for the spans of group tasks.

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace morvaine {

/// Minimum of (key, row) pairs over a row range; the smallest row wins a tie. Keys are
/// whole day numbers (or their negation). A node holds its pair in one 64-bit word
/// that orders as the pair does (key above, row below), so that a node is one compare.
/// Changed keys are carried up to the root only when a query comes, so that a run of
/// writes between two queries shares the work on the nodes their paths have in common.
class MinTree {
public:
    using Entry = std::pair<int, int>;
    static constexpr int None = std::numeric_limits<int>::max();

    /// Rows 1..size; every one of them is then set with setLeaf before rebuild.
    void reset(int size);
    /// Changes the key of row after the tree was built.
    void set(int row, double key)
    {
        m_nodes[static_cast<std::size_t>(m_size + row)] = pack(static_cast<int>(key), row);
        // Once many leaves changed, the next query rebuilds the tree whole: no need to
        // list the rest.
        if (!m_rebuild)
            track(row);
    }
    /// Rows first..last (1-based, inclusive).
    Entry query(int first, int last);
    /// Bulk loading: set leaves, then rebuild once.
    void setLeaf(int row, double key)
    {
        m_nodes[static_cast<std::size_t>(m_size + row)] = pack(static_cast<int>(key), row);
    }
    /// Fills every node above the leaves.
    void rebuild();

private:
    using Node = std::uint64_t;
    static Node pack(int key, int row)
    {
        // The sign bit flipped, a key orders as an unsigned number.
        return Node(static_cast<std::uint32_t>(key) ^ 0x80000000u) << 32 |
               static_cast<std::uint32_t>(row);
    }
    static Entry unpack(Node node)
    {
        return Entry(static_cast<int>(static_cast<std::uint32_t>(node >> 32) ^ 0x80000000u),
                     static_cast<int>(static_cast<std::uint32_t>(node)));
    }
    void settle();
    void track(int row);

    int m_size = 0;
    std::vector<Node> m_nodes;
    std::vector<int> m_pending; // rows whose leaf changed since the last query
    std::vector<unsigned char> m_isPending;
    bool m_rebuild = false; // too many leaves changed to carry each up
};

} // namespace morvaine
