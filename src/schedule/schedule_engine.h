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

#include <limits>
#include <set>
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

/// Minimum of (key, row) pairs over a row range; the smallest row wins a tie.
class MinTree {
public:
    using Entry = std::pair<double, int>;
    static constexpr double None = std::numeric_limits<double>::infinity();

    void reset(int size);
    void set(int row, double key);
    /// Rows first..last (1-based, inclusive).
    Entry query(int first, int last) const;
    Entry top() const { return m_nodes[1]; }
    /// Bulk loading: set leaves, then rebuild once.
    void setLeaf(int row, double key) { m_nodes[static_cast<std::size_t>(m_size + row)] = Entry(key, row); }
    void rebuild();

private:
    int m_size = 0;
    std::vector<Entry> m_nodes;
};

class ScheduleEngine {
public:
    ScheduleEngine(Project &project, Host &host, RecalcStats *stats);

    void recalcSchedule();
    void recalcGroupTasks();

private:
    enum class DateState : unsigned char { Unknown, Empty, Valid, Invalid };
    enum class FrameKind : unsigned char { Follow, Propagate, Groups, Climb };
    struct Frame {
        FrameKind kind;
        int row;
        int phase = 0;
        int index = 0;
        TDateTime latest = 0;
        unsigned generation = 0;
        bool conditional = false; // a propagation started by a moved sub-task
        int saved = 0;
    };

    // Cells as values.
    const QString &text(int column, int row) const;
    DateState startState(int row);
    DateState endState(int row);
    TDateTime startOf(int row);
    TDateTime endOf(int row);
    int durationOf(int row);
    bool durationEmpty(int row) const { return text(ColDuration, row).isEmpty(); }
    // Writes a date cell; a known day value spares reading the text back.
    void setStart(int row, const QString &value, DateState state = DateState::Unknown,
                  TDateTime day = 0);
    void setEnd(int row, const QString &value, DateState state = DateState::Unknown,
                TDateTime day = 0);
    void setStartDay(int row, TDateTime day);
    void setEndDay(int row, TDateTime day);
    void setDuration(int row, const QString &value);
    void afterWrite(int row);
    void calcEndDate(int row);
    void calcDuration(int row);

    // Outline.
    void buildOutline();
    int levelOf(int row);
    int subEnd(int row);
    int climbParent(int row);
    bool linkAllowed(int p, int s);
    bool closesCycle(int s);
    bool reenterable(int row) const;

    // Links.
    void buildIndex();
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
    void groupsFastPath(Frame &frame);

    // Critical path.
    TDateTime projectStart();
    TDateTime projectEnd();
    void buildEndTree();
    void trackCriticalChain(int p, int s);
    void setChain(int p, int s);
    void truncateChain(int length);
    bool chainReachesEnd();
    void markCriticalPath();
    void updateMarkRows(int row);
    void checkMarksReadable();
    void marksAfterFailure();

    void run();
    void stepFollow(std::size_t at);
    void stepPropagate(std::size_t at);
    void stepGroups(std::size_t at);
    void stepClimb(std::size_t at);
    void push(FrameKind kind, int row, bool conditional = false);
    void popPropagate();

    Project &m_project;
    Host &m_host;
    TaskTable &m_table;
    RecalcStats *m_stats;
    int m_last;
    WorkWeek m_week;
    DateCodec m_dates;

    std::vector<TDateTime> m_start, m_end;
    std::vector<DateState> m_startState, m_endState;
    std::vector<int> m_duration;
    std::vector<unsigned char> m_durationKnown;

    // Outline, rows 1..last.
    std::vector<int> m_level;
    std::vector<unsigned char> m_levelBad, m_levelIsOne, m_isGroup, m_groupy;
    std::vector<QString> m_levelError;
    std::vector<int> m_subEnd, m_parent;
    std::vector<unsigned char> m_subStopBad;
    bool m_hasGroups = false;

    // Successor index: successors of p are m_succ[m_succFirst[p] .. m_succFirst[p+1]).
    std::vector<int> m_succFirst, m_succ;
    std::vector<unsigned char> m_hasItems;
    std::vector<std::pair<int, ParsedForerunner>> m_badRows;

    // Group spans and the project end.
    bool m_groupTrees = false;
    MinTree m_startTree, m_endTree;
    std::set<int> m_invalidStart, m_invalidEnd;
    // The latest End of all rows whose fit is not pending, and how many rows hold it.
    bool m_endTreeBuilt = false;
    TDateTime m_endMax = 0;
    int m_endMaxCount = 0;
    bool m_endMaxStale = false;
    void endAdded(TDateTime end);
    void endRemoved(TDateTime end);
    std::set<int> m_badEnds;
    std::vector<unsigned char> m_dirty;
    std::set<int> m_dirtyRows;

    // Propagation state.
    std::vector<Frame> m_stack;
    std::vector<unsigned char> m_visited;
    // Rows whose propagation is under way, how many times, and how many propagations
    // started by moved sub-tasks were open when the innermost one began.
    std::vector<int> m_active, m_activeSince;
    int m_activeGroups = 0;
    int m_conditional = 0;
    std::vector<unsigned> m_settled; // generation + 1 at which the row was settled
    unsigned m_generation = 0;
    std::set<std::pair<int, int>> m_reported;

    // Critical chain.
    bool m_startRead = false;
    TDateTime m_projectStart = 0;
    std::vector<int> m_chain;
    std::vector<int> m_chainPos;
    // Rows the marks of each chain step would fail to read: a Start that is not a
    // date, or an End that is not one on a row starting on the project start date.
    bool m_markRowsBuilt = false;
    std::set<int> m_markStartFails, m_markEndFails;
    // Dates of rows written since the last chain step, as that step saw them.
    struct Seen {
        int row;
        DateState startState, endState;
        TDateTime start, end;
    };
    std::vector<Seen> m_seen;
    std::vector<unsigned> m_seenAt;
    unsigned m_steps = 0;
    void remember(int row);
    bool m_tracked = false;
    bool m_marksFailed = false;
    TDateTime m_trackedEnd = 0;
};

} // namespace morvaine
