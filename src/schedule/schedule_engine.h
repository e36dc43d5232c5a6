#pragma once
// The recalculation engine behind RecalcSchedule. It follows links depth first in
// the order the planner always has (roots in row order, successors in row order),
// but with a successor index built once, dates held as day numbers, group spans
// answered by range queries, and without walking again where nothing can change.

#include "calendar.h"
#include "date_text.h"
#include "recalc.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <set>
#include <type_traits>
#include <utility>
#include <vector>

namespace morvaine {

/// The items of a Forerunner text up to the first one that is not a number.
struct ParsedForerunner {
    QList<int> items;
    bool bad = false;
    QString error; // the conversion message of the bad item
};
ParsedForerunner ParseForerunner(const QString &text);

/// The value of a Forerunner item that is not plain digits (StrToInt); false with the
/// conversion message when it is no number.
bool ForerunnerItemValue(QStringView number, int &value, QString &error);

/// Calls item(row) for each item of a Forerunner text, in order, without building a
/// list; stops at the first item that is not a number and returns false, its
/// conversion message in error.
template <typename Item> bool ScanForerunner(const QString &text, Item &&item, QString &error)
{
    const char16_t *const begin = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *const end = begin + text.size();
    const char16_t *from = begin;
    for (;;) {
        const char16_t *semicolon = from;
        while (semicolon != end && *semicolon != u';')
            ++semicolon;
        if (semicolon == end)
            return true;
        // An item is a blank, the number and the semicolon: the first character is
        // skipped whatever it is.
        const char16_t *const first = semicolon - from >= 1 ? from + 1 : semicolon;
        int value = 0;
        bool digits = first != semicolon && semicolon - first <= 9;
        for (const char16_t *c = first; digits && c != semicolon; ++c) {
            if (static_cast<unsigned>(*c - u'0') > 9u)
                digits = false;
            else
                value = value * 10 + (*c - u'0');
        }
        if (!digits && !ForerunnerItemValue(QStringView(first, semicolon - first), value, error))
            return false;
        item(value);
        from = semicolon + 1;
    }
}

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

/// A set of rows that answers membership without a tree search, so that the many
/// writes that leave a row in or out of the set cost no tree operation.
class RowSet {
public:
    using const_iterator = std::set<int>::const_iterator;
    void insert(int row)
    {
        if (row >= static_cast<int>(m_in.size()))
            m_in.resize(static_cast<std::size_t>(row) * 2 + 2, 0);
        if (!m_in[static_cast<std::size_t>(row)]) {
            m_in[static_cast<std::size_t>(row)] = 1;
            m_rows.insert(row);
        }
    }
    Q_ALWAYS_INLINE void erase(int row)
    {
        if (row < static_cast<int>(m_in.size()) && m_in[static_cast<std::size_t>(row)]) {
            m_in[static_cast<std::size_t>(row)] = 0;
            m_rows.erase(row);
        }
    }
    void set(int row, bool in)
    {
        if (in)
            insert(row);
        else
            erase(row);
    }
    void clear()
    {
        for (int row : m_rows)
            m_in[static_cast<std::size_t>(row)] = 0;
        m_rows.clear();
    }
    bool empty() const { return m_rows.empty(); }
    const_iterator begin() const { return m_rows.begin(); }
    const_iterator end() const { return m_rows.end(); }
    const_iterator lower_bound(int row) const { return m_rows.lower_bound(row); }

private:
    std::set<int> m_rows;
    std::vector<unsigned char> m_in;
};

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
        unsigned seenAt = 0;  // the chain step that last remembered the row
        DateState startState = DateState::Unknown, endState = DateState::Unknown;
        unsigned char pending = 0; // PendingStart | PendingEnd
        unsigned char durationKnown = 0;
        unsigned char hasDuration = 0; // a Duration that is not empty (once the index is built)
        unsigned char isGroup = 0, offLevelOne = 0;
        unsigned char groupy = 0; // a group span reads its cells (once the outline is built)
        unsigned char visited = 0;
        unsigned char dirty = 0; // a group task whose fit waits
    };
    static_assert(sizeof(Row) == 64 && std::is_trivially_copyable_v<Row>);
    std::vector<Row> m_rows;
    std::vector<int> m_pendingRows; // the first m_pendingCount rows have texts kept back

    // Outline, rows 1..last.
    std::vector<int> m_level;
    std::vector<unsigned char> m_levelBad;
    std::vector<int> m_subEnd, m_parent;
    std::vector<unsigned char> m_subStopBad;

    // Successor index: successors of p are m_succ[m_succFirst[p] .. m_succFirst[p+1]).
    std::vector<int> m_succFirst, m_succ;
    std::vector<unsigned char> m_hasItems, m_noForerunner;
    // What building the outline and the index needs for a while.
    std::vector<int> m_scratch, m_scratch2, m_scratch3;
    std::vector<std::pair<int, int>> m_links;

    // Group spans.
    MinTree m_startTree, m_endTree;

    // Critical chain, and the dates of rows written since the last chain step as that
    // step saw them.
    std::vector<int> m_chain;
    std::vector<int> m_chainPos;
    struct Seen {
        int row;
        DateState startState, endState;
        TDateTime start, end;
    };
    std::vector<Seen> m_seen;
};

class ScheduleEngine : private ScheduleArrays {
public:
    ScheduleEngine(Project &project, Host &host, RecalcStats *stats);
    ~ScheduleEngine();
    ScheduleEngine(const ScheduleEngine &) = delete;
    ScheduleEngine &operator=(const ScheduleEngine &) = delete;

    void recalcSchedule();
    void recalcGroupTasks();

private:
    enum class FrameKind : unsigned char { Follow, Propagate, Groups, Climb };
    struct Frame {
        FrameKind kind;
        int row;
        int phase = 0;
        int index = 0;
        TDateTime latest = 0;
        unsigned generation = 0;
        bool conditional = false; // a propagation started by a moved sub-task
        bool settles = false;     // a plain row's propagation: settles the row when done
        int saved = 0;
    };

    // Cells as values; a row's dates and Duration are read once per recalculation.
    Q_ALWAYS_INLINE const QString &text(int column, int row) const
    {
        if (row < 1 || row > TaskTable::LastRow)
            return m_none;
        if ((column == ColStart || column == ColEnd) &&
            static_cast<std::size_t>(row) < m_rows.size() &&
            (m_rows[row].pending & (column == ColStart ? PendingStart : PendingEnd)))
            return pendingText(column, row);
        return m_table.cell(column, row);
    }
    Q_ALWAYS_INLINE DateState startState(int row)
    {
        const DateState state = m_rows[row].startState;
        return state != DateState::Unknown ? state : readStartState(row);
    }
    Q_ALWAYS_INLINE DateState endState(int row)
    {
        const DateState state = m_rows[row].endState;
        return state != DateState::Unknown ? state : readEndState(row);
    }
    Q_ALWAYS_INLINE TDateTime startOf(int row)
    {
        return startState(row) == DateState::Valid ? m_rows[row].start
                                                   : unreadableDate(ColStart, row);
    }
    Q_ALWAYS_INLINE TDateTime endOf(int row)
    {
        return endState(row) == DateState::Valid ? m_rows[row].end : unreadableDate(ColEnd, row);
    }
    Q_ALWAYS_INLINE int durationOf(int row)
    {
        return m_rows[row].durationKnown ? m_rows[row].duration : readDuration(row);
    }
    DateState readStartState(int row);
    DateState readEndState(int row);
    TDateTime unreadableDate(int column, int row) const;
    int readDuration(int row);
    void readAllDates();
    bool m_allDatesRead = false;
    bool readableDay(TDateTime day) const;
    bool durationEmpty(int row) const
    {
        return m_indexBuilt && static_cast<std::size_t>(row) < m_rows.size()
                   ? m_rows[row].hasDuration == 0
                   : text(ColDuration, row).isEmpty();
    }
    // Writes a date cell; a known day value spares reading the text back.
    void setStart(int row, const QString &value, DateState state = DateState::Unknown,
                  TDateTime day = 0);
    void setEnd(int row, const QString &value, DateState state = DateState::Unknown,
                TDateTime day = 0);
    bool knownToDiffer(DateState known, TDateTime day, DateState was, TDateTime wasDay) const;
    // Date texts of moved tasks are kept back until the walk is over (or a message or
    // a failure interrupts it); text() answers with the text kept back.
    static constexpr unsigned char PendingStart = 1, PendingEnd = 2;
    const QString &pendingText(int column, int row) const;
    Q_ALWAYS_INLINE bool sameDay(int row, unsigned char bit, TDateTime day)
    {
        // A date text kept back is the format's own text of its day; a cell read as
        // another day than the one written cannot hold its text.
        const bool start = bit == PendingStart;
        const TDateTime held = start ? m_rows[row].start : m_rows[row].end;
        if (m_rows[row].pending & bit)
            return held == day;
        if (held != day && m_dates.oneTextPerDate() &&
            (start ? m_rows[row].startState : m_rows[row].endState) == DateState::Valid)
            return false;
        return sameCellText(row, start, day);
    }
    bool sameCellText(int row, bool start, TDateTime day) const;
    void keepBack(int row, unsigned char bit);
    Q_ALWAYS_INLINE void holdStart(int row)
    {
        if (!(m_rows[row].pending & PendingStart))
            m_rows[row].heldStart = m_rows[row].startState == DateState::Valid
                                        ? m_rows[row].start
                                        : std::numeric_limits<TDateTime>::quiet_NaN();
    }
    Q_ALWAYS_INLINE void holdEnd(int row)
    {
        if (!(m_rows[row].pending & PendingEnd))
            m_rows[row].heldEnd = m_rows[row].endState == DateState::Valid
                                      ? m_rows[row].end
                                      : std::numeric_limits<TDateTime>::quiet_NaN();
    }
    void writeKeptBack(int column, int row, TDateTime held, TDateTime day);
    void flushPending();
    int m_pendingCount = 0;
    void writeStart(int row, const QString *value, DateState known, TDateTime day);
    void writeEnd(int row, const QString *value, DateState known, TDateTime day);
    void setStartDay(int row, TDateTime day);
    void setEndDay(int row, TDateTime day);
    void setDuration(int row, const QString &value);
    void afterWrite(int row);
    void calcEndDate(int row);
    void calcDuration(int row);

    // Outline.
    bool m_outlineBuilt = false;
    void buildOutline();
    void readLevel(int row, const QString &level);
    Q_ALWAYS_INLINE int levelOf(int row)
    {
        if (m_levelBad[row])
            throwLevelError(row);
        return m_level[row];
    }
    [[noreturn]] void throwLevelError(int row) const;
    int subEnd(int row);
    Q_ALWAYS_INLINE int climbParent(int row)
    {
        if (!m_rows[row].offLevelOne)
            return 0;
        levelOf(row);
        const int parent = m_parent[row];
        if (parent == 0)
            return 0;
        levelOf(parent);
        return m_rows[parent].isGroup ? parent : 0;
    }
    Q_ALWAYS_INLINE bool linkAllowed(int p, int s)
    {
        if (durationEmpty(s) || p == s)
            return false;
        return (!m_rows[p].isGroup && !m_rows[s].isGroup) || groupLinkAllowed(p, s);
    }
    bool groupLinkAllowed(int p, int s);
    Q_ALWAYS_INLINE bool closesCycle(int s)
    {
        return !reenterable(s) || (m_activeGroups > 0 && climbClosesCycle(s));
    }
    bool climbClosesCycle(int s);
    Q_ALWAYS_INLINE bool reenterable(int row) const
    {
        // Propagating a row again while its propagation is under way repeats the same
        // walk for ever, unless a sub-task moved on the way (that happens only so often).
        return m_rows[row].active == 0 ||
               (m_conditional > m_rows[row].activeSince && m_rows[row].active < 2);
    }

    // Links.
    bool m_indexBuilt = false;
    void buildIndex();
    // Links lead to rows anywhere in the table: the row a walk is about to follow is
    // asked for ahead, so that its cache line is on its way while this one is done.
    Q_ALWAYS_INLINE void prefetchRow(int row) const
    {
#if defined(__GNUC__) || defined(__clang__)
        __builtin_prefetch(&m_rows[static_cast<std::size_t>(row)]);
#else
        Q_UNUSED(row);
#endif
    }
    bool isRoot(int row);
    int throwRowFor(int p);
    void followLink(int p, int s);
    void report(int p, int s);

    // Groups.
    void buildGroupTrees();
    bool rangeHasInvalid(int first, int last) const;
    void refit(int g);
    bool canDefer(int q);
    void markDirty(int q);
    void flushDirty(int first, int last);

    // Critical path.
    Q_ALWAYS_INLINE TDateTime projectStart()
    {
        return m_startRead ? m_projectStart : readProjectStart();
    }
    TDateTime readProjectStart();
    Q_ALWAYS_INLINE TDateTime projectEnd()
    {
        if (!m_endTreeBuilt || m_endMaxStale || !m_badEnds.empty())
            return slowProjectEnd();
        // A group whose fit is pending never ends later than its sub-tasks.
        const TDateTime start = projectStart();
        return m_endMaxCount == 0 ? start : std::max(start, m_endMax);
    }
    TDateTime slowProjectEnd();
    void buildEndTree();
    Q_ALWAYS_INLINE void trackCriticalChain(int p, int s)
    {
        const TDateTime end = projectEnd();
        const TDateTime start = projectStart();
        if (!m_chain.empty() && endOf(m_chain.back()) == end)
            return; // the chain already reaches the end of the project
        chainStep(p, s, start, end);
    }
    void chainStep(int p, int s, TDateTime start, TDateTime end);
    void setChain(int p, int s);
    void truncateChain(int length);
    Q_ALWAYS_INLINE bool chainReachesEnd()
    {
        if (m_chain.empty())
            return false;
        const int last = m_chain.back();
        return endState(last) == DateState::Valid && m_badEnds.empty() &&
               m_rows[last].end == projectEnd();
    }
    void markCriticalPath();
    Q_ALWAYS_INLINE void updateMarkRows(int row)
    {
        if (!m_markRowsBuilt)
            return;
        const DateState start = startState(row);
        m_markStartFails.set(row, start == DateState::Invalid);
        m_markEndFails.set(row, start == DateState::Valid && m_rows[row].start == m_projectStart &&
                                    endState(row) != DateState::Valid);
    }
    void checkMarksReadable();
    void marksAfterFailure();

    void run();
    void stepFollow(std::size_t at);
    void stepPropagate(std::size_t at);
    void stepGroups(std::size_t at);
    void stepClimb(std::size_t at);
    void push(FrameKind kind, int row, bool conditional = false);
    void follow(int row);
    bool climbGoesOn(int row);
    void moveTo(int row, TDateTime day);
    void popPropagate();

    Project &m_project;
    Host &m_host;
    TaskTable &m_table;
    RecalcStats *m_stats;
    int m_last;
    WorkWeek m_week;
    DateCodec m_dates;
    TDateTime m_firstDay, m_lastDay; // the dates a text can hold
    QString m_none;

    // Outline.
    std::vector<std::pair<int, QString>> m_levelError; // by row, for rows with m_levelBad
    bool m_hasGroups = false;

    std::vector<std::pair<int, ParsedForerunner>> m_badRows;

    // Group spans and the project end.
    bool m_groupTrees = false;
    RowSet m_invalidStart, m_invalidEnd;
    // The latest End of all rows whose fit is not pending, and how many rows hold it.
    bool m_endTreeBuilt = false;
    TDateTime m_endMax = 0;
    int m_endMaxCount = 0;
    bool m_endMaxStale = false;
    void endAdded(TDateTime end);
    // A row's End enters the tally (or the rows that are not dates) and leaves it.
    Q_ALWAYS_INLINE void countEnd(int row)
    {
        const DateState state = endState(row);
        if (state == DateState::Valid)
            endAdded(m_rows[row].end);
        else if (state == DateState::Invalid)
            m_badEnds.insert(row);
    }
    Q_ALWAYS_INLINE void uncountEnd(int row)
    {
        const DateState state = endState(row);
        if (state == DateState::Valid)
            endRemoved(m_rows[row].end);
        else if (state == DateState::Invalid)
            m_badEnds.erase(row);
    }
    void endRemoved(TDateTime end);
    RowSet m_badEnds;
    std::set<int> m_dirtyRows;

    // Propagation state. The walk stack of a long chain is large: it is kept per
    // thread across recalculations (unless a recalculation runs inside another).
    struct Workspace;
    static Workspace &workspace();
    std::vector<Frame> m_ownStack;
    bool m_borrowed = false;
    std::vector<Frame> &m_stack;
    int m_activeGroups = 0;
    int m_conditional = 0;
    unsigned m_generation = 0;
    std::set<std::pair<int, int>> m_reported;

    // Critical chain.
    bool m_startRead = false;
    TDateTime m_projectStart = 0;
    // Rows the marks of each chain step would fail to read: a Start that is not a
    // date, or an End that is not one on a row starting on the project start date.
    bool m_markRowsBuilt = false;
    RowSet m_markStartFails, m_markEndFails;
    unsigned m_steps = 0;
    Q_ALWAYS_INLINE void remember(int row)
    {
        if (!m_tracked || m_rows[row].seenAt == m_steps)
            return;
        m_rows[row].seenAt = m_steps;
        m_seen.push_back({row, startState(row), endState(row), m_rows[row].start, m_rows[row].end});
    }
    bool m_tracked = false;
    bool m_marksFailed = false;
    TDateTime m_trackedEnd = 0;
};

} // namespace morvaine
