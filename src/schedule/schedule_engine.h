#pragma once
// The recalculation engine behind RecalcSchedule. It follows links depth first in
// the order the planner always has (roots in row order, successors in row order),
// but with a successor index built once, dates held as day numbers, group spans
// answered by range queries, and without walking again where nothing can change.

#include "calendar.h"
#include "date_text.h"
#include "forerunner_scan.h"
#include "recalc.h"
#include "row_set.h"
#include "schedule_arrays.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace morvaine {

class ScheduleEngine : private ScheduleArrays {
public:
    /// A recalculation of project; group tasks above the top-level group holding
    /// firstVisibleRow are not refitted; bad links go to linkErrors.
    ScheduleEngine(Project &project, int firstVisibleRow, const LinkErrorSink &linkErrors,
                   ViewNotifications &view, RecalcStats *stats);
    ~ScheduleEngine();
    ScheduleEngine(const ScheduleEngine &) = delete;
    ScheduleEngine &operator=(const ScheduleEngine &) = delete;

    /// Runs the recalculation; throws ConversionError at a cell that does not read.
    void recalcSchedule();
    /// The critical chain on the dates as they are; writes no cell.
    QList<int> traceChain();

private:
    void recalcGroupTasks();
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
        QString text{}; // a group's Start text as the link left it
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
    // Throws the conversion error of a cell that is not a date, naming the cell.
    TDateTime unreadableDate(int column, int row) const;
    [[noreturn]] void throwCellError(int column, int row, const QString &message) const;
    // The error of the bad Forerunner item in m_badRows[bad].
    [[noreturn]] void throwForerunnerError(std::size_t bad) const;
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
    // PendingListed marks a row in m_pendingRows, until the texts are written: a cell
    // written meanwhile clears its own bit but leaves the row listed, so it is never
    // listed twice.
    static constexpr unsigned char PendingStart = 1, PendingEnd = 2, PendingListed = 4;
    void listPending(int row, unsigned char bit)
    {
        if (!(m_rows[row].pending & PendingListed)) {
            m_pendingRows[static_cast<std::size_t>(m_pendingCount++)] = row;
            if (m_stats && m_pendingCount > m_stats->peakRowsKeptBack)
                m_stats->peakRowsKeptBack = m_pendingCount;
        }
        m_rows[row].pending |= bit | PendingListed;
    }
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
    void dropStaleGroupMarks();
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
    void followLink(int p, int i);
    // The earliest Start a link that is not a bare number allows its successor of days
    // working days: a lag or lead counts working days, an end bound (FF, SF) gives the
    // Start from the Duration read backwards.
    TDateTime linkBound(const SuccLink &link, TDateTime pStart, TDateTime pEnd, int days) const;
    TDateTime movedOn(TDateTime day, int k) const;
    void report(int p, int s);
    void reportUnreachedCycles();
    void reportCyclesFrom(int first);

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
    void markCriticalPath();
    void traceCriticalChain(TDateTime start, TDateTime end);
    bool drives(int p, int i);

    // The walk in the order of the links: the structure of the walk is laid out first
    // (which links are followed, in which order rows are reached, which links close a
    // cycle), then every task is moved once, after all its predecessors.
    bool tableIsClean() const;
    // Lays out the walk from the current cells; with errors, each link it will not
    // follow is reported.
    void layOutWalk(bool errors);
    // Marks the rows inside group tasks that links lead to; false where what the walk
    // makes of such a group could depend on the order of its steps.
    bool markPushedRows();
    Q_ALWAYS_INLINE bool linkedGroup(int row) const
    {
        return m_rows[row].isGroup && (m_rows[row].walk & Followed);
    }
    bool linkClosesCycle(int s) const;
    int m_groupsActive = 0; // group tasks whose successors the layout is following
    bool walkInOrder();
    bool groupsSpanTheirSubTasks();
    bool computeInOrder(std::vector<int> &order);
    void writeInOrder(const std::vector<int> &order);
    // The rows a group task's span comes from on the dates the walk in order worked
    // out, and its refit from them.
    std::pair<int, int> spanInOrder(int g) const;
    void refitInOrder(int g);

    // Settled rows where the links run down the rows: a walk from a row reads only the
    // rows from the top-level group holding it on, so a row stays settled until a write
    // there leaves work that walking it again would do, not until any row inside the
    // outline is written.
    void prepareSettling();
    void regionWritten(int row);
    bool regionSettled(int top);
    Q_ALWAYS_INLINE bool stillSettled(int row)
    {
        const unsigned stamp = m_rows[row].settled;
        if (!m_rangeSettling)
            return stamp == m_generation + 1;
        // The latest write from the row's top-level group on that left its group
        // unsettled.
        const int top = m_top[static_cast<std::size_t>(row)];
        return stamp != 0 && static_cast<unsigned>(-m_unsettled.query(top, m_last).first) < stamp;
    }
    bool m_rangeSettling = false;
    std::vector<int> m_top; // the top-level group task holding a row, or the row
    // By top-level row: 0 where a write changes nothing a walk reads beyond the rows
    // it moves, whose successors the walk follows at once (rows outside the outline,
    // groups no link leads into); 1 for a group task over tasks only that links lead
    // into, settled while it spans its rows; 2 otherwise.
    std::vector<unsigned char> m_regionKind;
    // By top-level row, the latest write (negated) that left its group unsettled.
    MinTree m_unsettled;
    // (group task, predecessor) of every link into a top-level group task, by group.
    std::vector<std::pair<int, int>> m_entries;

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
    TaskTable &m_table;
    RecalcStats *m_stats;
    int m_last;
    WorkWeek m_week;
    DateCodec m_dates;
    TDateTime m_firstDay, m_lastDay; // the dates a text can hold
    QString m_none;
    const LinkErrorSink &m_linkErrors;
    ViewNotifications &m_view;
    int m_firstVisibleRow;

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
    // Link errors met, in order, handed on once the walk is over.
    QStringList m_errors;
    void handOnErrors();
    // The walk was laid out and taken in order: the layout holds for the final cells.
    bool m_laidOut = false;
};

} // namespace morvaine
