// The critical chain and the critical marks, once the dates are final.
//
// The chain is traced along the walk, in its order (roots in row order, a reached
// row's enclosing group tasks before its own links, links in row order): along each
// path, the chain so far runs from the last task starting on the project start date
// through links that drive their successors (the successor starts on the day after the
// predecessor's End, or on the next working day after it with no working day between;
// a milestone on the End day itself). The first such chain to reach a task ending on
// the project end date is kept. Traced on the final dates, a link that a later push
// left with slack never counts, and the same plan gives the same chain whether or not
// its tasks moved on the way.
//
// A row is traced once per state (whether a chain reaches it): what lies behind it in
// the walk is the same each time it is reached.

#include "schedule_engine.h"

namespace morvaine {

namespace {

// What tracing found behind a row, by state.
enum Traced : unsigned char { Unknown, InProgress, NotFound, Found, FoundAbove };
// Where behind a row the chain was found: at the link itself, in the climb from its
// successor, or behind the successor.
enum FoundAt : int { AtLink, InClimb, BehindSuccessor };

struct TraceFrame {
    int row;
    bool chained; // a chain reaches the row (false for a climb frame)
    bool climb;   // the climb from row to its enclosing group tasks
    int cursor;   // the next link; for a climb, 1 once the group itself was traced
};

} // namespace

TDateTime ScheduleEngine::readProjectStart()
{
    m_projectStart = m_dates.read(m_project.settings().startDate());
    m_startRead = true;
    return m_projectStart;
}

bool ScheduleEngine::drives(int p, int i)
{
    // The link's bound places the successor: no working day lies between the bound
    // and the successor's Start.
    const SuccLink &link = m_succ[static_cast<std::size_t>(i)];
    const int s = link.row;
    if (m_rows[p].endState != DateState::Valid || m_rows[s].startState != DateState::Valid)
        return false;
    if (link.plain()) {
        const auto end = static_cast<std::int64_t>(m_rows[p].end);
        const auto start = static_cast<std::int64_t>(m_rows[s].start);
        return start - end <= 1 || m_week.count(end + 1, start - 1) == 0;
    }
    if (m_rows[p].startState != DateState::Valid)
        return false;
    int days = 0;
    try {
        days = durationOf(s);
    } catch (const ConversionError &) {
        return false;
    }
    const auto bound =
        static_cast<std::int64_t>(linkBound(link, m_rows[p].start, m_rows[p].end, days));
    const auto start = static_cast<std::int64_t>(m_rows[s].start);
    return bound <= start && (start - bound < 1 || m_week.count(bound, start - 1) == 0);
}

void ScheduleEngine::traceCriticalChain(TDateTime start, TDateTime end)
{
    m_chain.clear();
    if (!tableIsClean())
        return;
    if (!m_laidOut)
        layOutWalk(false); // the walk moved tasks by its own steps: lay out the final one
    readAllDates();
    const std::size_t rows = static_cast<std::size_t>(m_last) + 2;
    // States: row * 2 + chained, then the climbs from each row.
    m_traced.assign(rows * 3, Unknown);
    m_tracedAt.assign(rows * 2, 0);
    const auto onStart = [&](int row) {
        return m_rows[row].startState == DateState::Valid && m_rows[row].start == start;
    };
    const auto onEnd = [&](int row) {
        return m_rows[row].endState == DateState::Valid && m_rows[row].end == end;
    };
    const auto state = [&](int row, bool chained) {
        return static_cast<std::size_t>(row) * 2 + (chained || onStart(row) ? 1 : 0);
    };
    const auto climbState = [&](int row) { return rows * 2 + static_cast<std::size_t>(row); };
    const auto parentOf = [&](int row) {
        const int q = climbParent(row);
        return q != 0 && !(m_rows[q].walk & Active) ? q : 0;
    };

    std::vector<TraceFrame> stack;
    // Traces one state, depth first on the explicit stack; its result is in m_traced.
    const auto trace = [&](const TraceFrame &first) {
        stack.push_back(first);
        while (!stack.empty()) {
            TraceFrame &frame = stack.back();
            if (frame.climb) {
                const std::size_t at = climbState(frame.row);
                const int q = parentOf(frame.row);
                if (q == 0) {
                    m_traced[at] = NotFound;
                    stack.pop_back();
                    continue;
                }
                const std::size_t own = state(q, false);
                if (frame.cursor == 0) {
                    frame.cursor = 1;
                    if (m_traced[own] == Unknown) {
                        stack.push_back({q, onStart(q), false, -1});
                        continue;
                    }
                }
                if (m_traced[own] == Found) {
                    m_traced[at] = Found;
                    stack.pop_back();
                    continue;
                }
                const std::size_t above = climbState(q);
                if (m_traced[above] == Unknown) {
                    m_traced[above] = InProgress;
                    stack.push_back({q, false, true, 0});
                    continue;
                }
                m_traced[at] = m_traced[above] == Found || m_traced[above] == FoundAbove
                                   ? FoundAbove
                                   : NotFound;
                stack.pop_back();
                continue;
            }
            const int x = frame.row;
            const std::size_t at = state(x, frame.chained);
            if (frame.cursor < 0) {
                if (m_traced[at] != Unknown) {
                    stack.pop_back();
                    continue;
                }
                m_traced[at] = InProgress;
                frame.chained = at % 2 == 1;
                frame.cursor = durationEmpty(x) ? m_succFirst[x + 1] : m_succFirst[x];
            }
            // Resumes at the link it stopped at: its climb, then the state behind it.
            bool waiting = false;
            while (!waiting && frame.cursor < m_succFirst[x + 1]) {
                const int i = frame.cursor;
                if (!m_linkKept[static_cast<std::size_t>(i)]) {
                    ++frame.cursor;
                    continue;
                }
                const int s = m_succ[static_cast<std::size_t>(i)].row;
                const bool driving = frame.chained && drives(x, i);
                if (driving && onEnd(s)) {
                    m_traced[at] = Found;
                    m_tracedAt[at] = i * 3 + AtLink;
                    break;
                }
                const std::size_t climb = climbState(s);
                if (m_traced[climb] == Unknown) {
                    m_traced[climb] = InProgress;
                    stack.push_back({s, false, true, 0});
                    waiting = true;
                    break;
                }
                if (m_traced[climb] == Found || m_traced[climb] == FoundAbove) {
                    m_traced[at] = Found;
                    m_tracedAt[at] = i * 3 + InClimb;
                    break;
                }
                const std::size_t behind = state(s, driving);
                if (m_traced[behind] == Unknown) {
                    stack.push_back({s, driving, false, -1});
                    waiting = true;
                    break;
                }
                if (m_traced[behind] == Found) {
                    m_traced[at] = Found;
                    m_tracedAt[at] = i * 3 + BehindSuccessor;
                    break;
                }
                ++frame.cursor;
            }
            if (waiting)
                continue;
            if (m_traced[at] == InProgress)
                m_traced[at] = NotFound;
            stack.pop_back();
        }
    };

    // Follows what tracing found, from a row reached with the chain so far.
    std::vector<int> tail;
    const auto replay = [&](int row, bool climbFirst) {
        for (;;) {
            if (climbFirst) {
                // The first group task above whose own links hold the chain.
                int from = row;
                while (m_traced[climbState(from)] == FoundAbove)
                    from = parentOf(from);
                row = parentOf(from);
                tail.clear();
                if (onStart(row))
                    tail.push_back(row);
            }
            const int found = m_tracedAt[state(row, !tail.empty())];
            const int s = m_succ[static_cast<std::size_t>(found / 3)].row;
            switch (found % 3) {
            case AtLink:
                tail.push_back(s);
                m_chain = tail;
                return;
            case InClimb:
                row = s;
                climbFirst = true;
                continue;
            default:
                if (onStart(s)) {
                    tail.assign(1, s);
                } else if (!tail.empty() && drives(row, found / 3)) {
                    tail.push_back(s);
                } else {
                    tail.clear();
                }
                row = s;
                climbFirst = false;
            }
        }
    };

    for (int r : m_roots) {
        const std::size_t climb = climbState(r);
        if (m_traced[climb] == Unknown) {
            m_traced[climb] = InProgress;
            trace({r, false, true, 0});
        }
        if (m_traced[climb] == Found || m_traced[climb] == FoundAbove) {
            replay(r, true);
            return;
        }
        const std::size_t own = state(r, false);
        if (m_traced[own] == Unknown)
            trace({r, false, false, -1});
        if (m_traced[own] == Found) {
            tail.clear();
            if (onStart(r))
                tail.push_back(r);
            replay(r, false);
            return;
        }
    }
}

void ScheduleEngine::markCriticalPath()
{
    const TDateTime end = projectEnd();
    const TDateTime start = projectStart();
    traceCriticalChain(start, end);
    m_project.CriticalChain = QList<int>(m_chain.begin(), m_chain.end());
    if (!m_project.CriticalPathOn)
        return;
    std::vector<int> &marks = m_project.CriticalMarks;
    std::fill(marks.begin(), marks.end(), -1);
    for (int row = 1; row <= m_last; ++row)
        if (startState(row) != DateState::Empty && startOf(row) == start && endOf(row) == end)
            marks[row] = 1;
    for (int row : m_chain)
        marks[row] = 1;
}

} // namespace morvaine
