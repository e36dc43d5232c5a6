#pragma once
// The recalculation's per-row store and the arrays of its outline, successor index,
// group spans and critical chain.

#include "forerunner.h"
#include "min_tree.h"
#include "model/convert.h"

#include <type_traits>
#include <utility>
#include <vector>

namespace morvaine {

/// The engine's arrays by row. A recalculation borrows those of the one before on its
/// thread, emptied, so that it reuses their memory instead of asking the allocator
/// (and, for the large ones, the system) for it again.
struct ScheduleArrays {
    enum class DateState : unsigned char { Unknown, Empty, Valid, Invalid };
    /// Empties every array, keeping its memory.
    void clear();

    /// What the walk reads and writes of a row, side by side: following a link to a
    /// task touches one cache line of it rather than one in each of twenty arrays.
    struct alignas(64) Row {
        TDateTime start = 0, end = 0;
        // The day a cell's text read as when its text was first kept back, NaN when it
        // was not a date; set with the pending bit, not read without it.
        TDateTime heldStart = 0, heldEnd = 0;
        int duration = 0;
        // Propagations of the row under way, and how many propagations started by
        // moved sub-tasks were open when the innermost one began.
        int active = 0, activeSince = 0;
        unsigned settled = 0; // generation + 1 at which the row was settled
        unsigned walk = 0;    // WalkFlags of the laid-out walk
        DateState startState = DateState::Unknown, endState = DateState::Unknown;
        unsigned char pending = 0; // PendingStart | PendingEnd
        unsigned char durationKnown = 0;
        unsigned char hasDuration = 0; // a Duration that is not empty (once the index is built)
        unsigned char isGroup = 0, offLevelOne = 0;
        unsigned char groupy = 0; // a group span reads its cells (once the outline is built)
        unsigned char visited = 0;
        unsigned char dirty = 0;   // a group task whose fit waits
        unsigned char reached = 0; // propagated in this recalculation
    };
    static_assert(sizeof(Row) == 64 && std::is_trivially_copyable_v<Row>);
    std::vector<Row> m_rows;
    std::vector<int> m_pendingRows; // the first m_pendingCount rows have texts kept back

    // Outline, rows 1..last.
    std::vector<int> m_level;
    std::vector<unsigned char> m_levelBad;
    std::vector<int> m_subEnd, m_parent;
    std::vector<unsigned char> m_subStopBad;

    // Successor index: the links of p are m_succ[m_succFirst[p] .. m_succFirst[p+1]),
    // each with its successor row, type and lag in working days.
    struct SuccLink {
        int row;
        short lag;
        LinkType type;
        bool plain() const { return type == LinkType::FS && lag == 0; }
    };
    static_assert(sizeof(SuccLink) == 8);
    std::vector<int> m_succFirst;
    std::vector<SuccLink> m_succ;
    bool m_typedLinks = false; // a link of the index is not a bare number
    std::vector<unsigned char> m_hasItems, m_noForerunner;
    // What building the outline and the index needs for a while.
    std::vector<int> m_scratch, m_scratch2, m_scratch3;
    std::vector<std::pair<int, SuccLink>> m_links;

    // Group spans.
    MinTree m_startTree, m_endTree;

    // The laid-out walk: the roots in the order they are followed, and whether each
    // link of the successor index is followed (not a link error, not closing a cycle).
    enum WalkFlags : unsigned {
        Visited = 1,  // reached by a link or by a group refit climbing to it
        Followed = 2, // reached by a link: moved behind its predecessors
        Climbed = 4,  // a group task refitted when a row inside it was reached
        Expanded = 8, // its successors were followed
        Active = 16,  // its successors are being followed
        Root = 32,    // a root of the walk
        // Every group task its refit climbs to was refitted and had its successors
        // followed: climbing from it again changes nothing.
        ClimbDone = 64,
        // A row inside a group task a link leads to: the group's new Start pushes it.
        Pushed = 128,
        GroupMoved = 256, // a group task a link moves
    };
    std::vector<int> m_roots;
    std::vector<unsigned char> m_linkKept;
    // The walk in order: waiting predecessors per row, and the dates worked out before
    // any is written.
    std::vector<int> m_waiting;
    std::vector<TDateTime> m_newStart, m_newEnd;
    std::vector<int> m_pusher; // the predecessor whose End a moved milestone starts on
    // By group task refitted: the rows its new Start and End texts come from.
    std::vector<std::pair<int, int>> m_spanRows;

    // Critical chain, and what tracing it found from each row.
    std::vector<int> m_chain;
    std::vector<unsigned char> m_traced; // per row and chain state, and per row's climb
    std::vector<int> m_tracedAt;         // the link where a chain was found, per row and state
};

} // namespace morvaine
