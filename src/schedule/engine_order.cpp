// The walk in the order of the links. Following links depth first from the roots, as
// the planner always has, reaches a task once along every path to it, and a task that
// moves is walked again each time: the work grows with the paths, not the links. Here
// the walk is laid out first (rows reached, links followed, link errors in the order
// the depth-first walk meets them, links that would close a cycle), and then every
// task is moved once, after all its predecessors, to the latest of their bounds: the
// same dates, since links only ever push a task later, a moved task never ends earlier
// than before, and each predecessor pushes again after its own last move. A group task
// is refitted once, after every row inside it; a group task a link leads to is moved
// after its predecessors, pushes every row inside it that starts earlier onto its new
// Start, and is refitted after its rows. Plans where the order of the steps shows in
// the result (group spans that do not fit their rows, a group task a link moves that
// holds a group or lies inside one, an End later than its Duration gives, a cell that
// does not read) take the depth-first walk.

#include "schedule_engine.h"

namespace morvaine {

namespace {

// One step of laying out the walk: a row reached (the groups its refit climbs to,
// then its successors) or a row whose successors are being followed.
struct LayoutFrame {
    int row;
    int cursor; // the row climbed to so far, or the next link of the row
    bool expanding;
};

} // namespace

bool ScheduleEngine::tableIsClean() const
{
    // Every Level and Forerunner item reads: climbs and links never fail.
    if (!m_badRows.empty() || !m_levelError.empty())
        return false;
    for (int row = 1; row <= m_last; ++row)
        if (m_subStopBad[row])
            return false;
    return true;
}

bool ScheduleEngine::linkClosesCycle(int s) const
{
    // Following the link walks s and every group task its refit climbs to: one whose
    // successors are being followed would be walked inside its own walk.
    if (m_rows[s].walk & Active)
        return true;
    if (m_groupsActive == 0)
        return false;
    for (int row = s; m_rows[row].offLevelOne;) {
        const int parent = m_parent[row];
        if (parent == 0 || !m_rows[parent].isGroup)
            break;
        if (m_rows[parent].walk & Active)
            return true;
        row = parent;
    }
    return false;
}

void ScheduleEngine::layOutWalk(bool errors)
{
    for (int row = 0; row <= m_last + 1; ++row)
        m_rows[row].walk = 0;
    m_linkKept.assign(m_succ.size(), 0);
    m_roots.clear();
    m_groupsActive = 0;
    std::vector<LayoutFrame> stack;
    for (int r = 1; r <= m_last; ++r) {
        if (durationEmpty(r) || !m_noForerunner[r] || (m_rows[r].walk & Visited) ||
            m_succFirst[r] == m_succFirst[r + 1])
            continue;
        m_rows[r].walk |= Root;
        m_roots.push_back(r);
        stack.push_back({r, r, false});
        while (!stack.empty()) {
            LayoutFrame &frame = stack.back();
            const int row = frame.row;
            if (!frame.expanding) {
                // The enclosing group tasks are refitted and their successors followed
                // before the row's own.
                const int q =
                    (m_rows[frame.cursor].walk & ClimbDone) ? 0 : climbParent(frame.cursor);
                if (q != 0 && !(m_rows[q].walk & Active)) {
                    m_rows[q].walk |= Visited | Climbed;
                    frame.cursor = q;
                    if (!(m_rows[q].walk & Expanded))
                        stack.push_back({q, -1, true});
                    continue;
                }
                if (q == 0) {
                    // The climb reached the top: the rows it passed need no climb again
                    // (a deep outline would otherwise be climbed from every row in it).
                    for (int x = row; x != 0 && !(m_rows[x].walk & ClimbDone); x = climbParent(x)) {
                        m_rows[x].walk |= ClimbDone;
                        if (x == frame.cursor)
                            break;
                    }
                }
                if (m_rows[row].walk & Expanded) {
                    stack.pop_back();
                    continue;
                }
                frame = {row, -1, true};
            }
            if (frame.cursor < 0) {
                m_rows[row].walk |= Expanded | Active;
                m_groupsActive += m_rows[row].isGroup;
                frame.cursor = durationEmpty(row) ? m_succFirst[row + 1] : m_succFirst[row];
            }
            bool pushed = false;
            while (!pushed && stack.back().cursor < m_succFirst[row + 1]) {
                const int i = stack.back().cursor++;
                const int s = m_succ[static_cast<std::size_t>(i)].row;
                if (!linkAllowed(row, s) || linkClosesCycle(s)) {
                    if (errors)
                        report(row, s);
                    continue;
                }
                m_linkKept[static_cast<std::size_t>(i)] = 1;
                m_rows[s].walk |= Visited;
                if (!(m_rows[s].walk & Followed)) {
                    m_rows[s].walk |= Followed;
                    stack.push_back({s, s, false});
                    pushed = true;
                }
            }
            if (!pushed) {
                m_rows[row].walk &= ~unsigned(Active);
                m_groupsActive -= m_rows[row].isGroup;
                stack.pop_back();
            }
        }
    }
}

bool ScheduleEngine::markPushedRows()
{
    // A link that moves a group task pushes every row inside it that starts earlier
    // onto the group's new Start, each passing the change on at once, and the group
    // then spans its rows. The walk in order gives the same where the links run down
    // the rows (nothing a row inside the group moves comes back to a row already looked
    // at), the group is a top-level one over tasks only (while its rows are pushed, its
    // End is the one its Duration gives from the new Start, and a refit of a group
    // around it could take that End in), and no link error is met (its place in the
    // order of messages would depend on the steps).
    bool any = false;
    for (int g = 1; g <= m_last && !any; ++g)
        any = linkedGroup(g);
    if (!any)
        return true;
    if (!m_errors.empty())
        return false;
    for (int p = 1; p <= m_last; ++p) {
        if (!(m_rows[p].walk & Expanded))
            continue;
        for (int i = m_succFirst[p]; i < m_succFirst[p + 1]; ++i) {
            if (!m_linkKept[static_cast<std::size_t>(i)])
                continue;
            const SuccLink &link = m_succ[static_cast<std::size_t>(i)];
            if (link.row < p || (m_rows[link.row].isGroup && !link.plain()))
                return false;
        }
    }
    try {
        for (int g = 1; g <= m_last; ++g) {
            if (!linkedGroup(g))
                continue;
            if (m_parent[g] != 0 || durationOf(g) <= 0)
                return false;
            bool positive = false;
            for (int c = g + 1; c <= m_subEnd[g]; ++c) {
                // A row pushed and passing its change on is walked: its links are laid out.
                if (m_rows[c].isGroup || durationOf(c) < 0 ||
                    (m_succFirst[c] != m_succFirst[c + 1] && !(m_rows[c].walk & Expanded)))
                    return false;
                positive = positive || durationOf(c) > 0;
                m_rows[c].walk |= Pushed;
            }
            if (!positive)
                return false;
        }
    } catch (const ConversionError &) {
        return false;
    }
    return true;
}

bool ScheduleEngine::groupsSpanTheirSubTasks()
{
    // Each group task holds exactly the earliest Start and the latest End of its rows,
    // so that refitting it anywhere in the walk gives the span of its rows then.
    if (!m_hasGroups)
        return true;
    if (!m_groupTrees)
        buildGroupTrees();
    for (int g = 1; g <= m_last; ++g) {
        if (!m_rows[g].isGroup)
            continue;
        const int first = g + 1, last = m_subEnd[g];
        if (last < first || durationEmpty(g) || rangeHasInvalid(first, last) ||
            startState(g) != DateState::Valid || endState(g) != DateState::Valid)
            return false;
        if (m_startTree.query(first, last).first != static_cast<int>(m_rows[g].start) ||
            -m_endTree.query(first, last).first != static_cast<int>(m_rows[g].end))
            return false;
    }
    return true;
}

bool ScheduleEngine::walkInOrder()
{
    if (!tableIsClean())
        return false;
    // Every climb from a row reaches every group task holding it.
    for (int row = 1; row <= m_last; ++row) {
        const int parent = m_parent[row];
        if (parent != 0 && (!m_rows[row].offLevelOne || !m_rows[parent].isGroup))
            return false;
    }
    if (!groupsSpanTheirSubTasks())
        return false;
    std::vector<int> order;
    layOutWalk(true);
    if (!markPushedRows() || !computeInOrder(order)) {
        // Nothing written: the depth-first walk starts from the same cells.
        m_errors.clear();
        m_reported.clear();
        for (int row = 0; row <= m_last + 1; ++row)
            m_rows[row].walk = 0;
        if (m_groupTrees) {
            m_groupTrees = false;
            buildGroupTrees();
        }
        return false;
    }
    writeInOrder(order);
    m_laidOut = true;
    for (int row = 1; row <= m_last; ++row)
        if (m_rows[row].walk & Expanded)
            m_rows[row].reached = 1;
    if (m_stats) {
        m_stats->walkedInOrder = true;
        for (unsigned char kept : m_linkKept)
            m_stats->linksFollowed += kept;
    }
    return true;
}

bool ScheduleEngine::computeInOrder(std::vector<int> &order)
{
    const std::size_t rows = static_cast<std::size_t>(m_last) + 2;
    constexpr unsigned Reached = Followed | Climbed | Root | Pushed;
    m_waiting.assign(rows, 0);
    // A group task a link leads to is taken twice: once its links are in, to push the
    // rows inside it (m_waiting), and once its rows are (groupWaiting), to be refitted.
    std::vector<int> groupWaiting(rows, 0);
    // The Start a moved group task pushes the rows inside it onto, by row.
    std::vector<TDateTime> floor(rows, 0);
    m_newStart.resize(rows);
    m_newEnd.resize(rows);
    m_pusher.assign(rows, 0);
    m_spanRows.resize(rows);
    // The row whose End text a row's End holds once the walk is over (for a group, a
    // row inside it), and the rows whose End becomes the text of its new date.
    std::vector<int> &textFrom = m_scratch;
    textFrom.assign(rows, 0);
    std::vector<unsigned char> newText(rows, 0);
    for (int row = 1; row <= m_last; ++row) {
        const unsigned walk = m_rows[row].walk;
        if (!(walk & Reached)) {
            // Read for the spans of the group tasks it lies in (where there are
            // groups, every date is read by now).
            m_newStart[static_cast<std::size_t>(row)] = m_rows[row].start;
            m_newEnd[static_cast<std::size_t>(row)] = m_rows[row].end;
            continue;
        }
        textFrom[static_cast<std::size_t>(row)] = row;
        // The dates every step reads: the End of a row whose links are followed, the
        // Start of a row reached by a link.
        const bool hasLinks = (walk & Expanded) && m_succFirst[row] != m_succFirst[row + 1];
        // Typed links may read the Start of their predecessor as well.
        if ((!(walk & Climbed) && hasLinks && endState(row) != DateState::Valid) ||
            (!(walk & Climbed) && hasLinks && m_typedLinks &&
             startState(row) != DateState::Valid) ||
            ((walk & (Followed | Pushed)) && startState(row) != DateState::Valid))
            return false;
        m_newStart[static_cast<std::size_t>(row)] = m_rows[row].start;
        m_newEnd[static_cast<std::size_t>(row)] = m_rows[row].end;
        if (walk & Expanded)
            for (int i = m_succFirst[row]; i < m_succFirst[row + 1]; ++i)
                if (m_linkKept[static_cast<std::size_t>(i)])
                    ++m_waiting[static_cast<std::size_t>(m_succ[static_cast<std::size_t>(i)].row)];
        if (const int q = climbParent(row); q != 0) {
            if (linkedGroup(q)) {
                ++groupWaiting[static_cast<std::size_t>(q)];
                ++m_waiting[static_cast<std::size_t>(row)]; // pushed by q first
                continue;
            }
            if (!(m_rows[q].walk & Climbed))
                return false;
            ++m_waiting[static_cast<std::size_t>(q)];
        }
    }
    order.clear();
    for (int row = 1; row <= m_last; ++row)
        if ((m_rows[row].walk & Reached) && m_waiting[static_cast<std::size_t>(row)] == 0)
            order.push_back(row);
    const auto endText = [&](int row) -> const QString & {
        const auto from = static_cast<std::size_t>(textFrom[static_cast<std::size_t>(row)]);
        return newText[from] ? m_dates.write(m_newEnd[from])
                             : m_table.cell(ColEnd, static_cast<int>(from));
    };
    // The text a milestone takes from what placed it: its pusher's End, or (pushed by
    // a typed link, m_pusher -1) the text of its own new day.
    const auto pushedText = [&](int pusher, std::size_t milestone) -> const QString & {
        return pusher > 0 ? endText(pusher) : m_dates.write(m_newStart[milestone]);
    };
    for (std::size_t next = 0; next < order.size(); ++next) {
        const int x = order[next] < 0 ? -order[next] : order[next];
        const auto at = static_cast<std::size_t>(x);
        const unsigned walk = m_rows[x].walk;
        if (order[next] > 0 && linkedGroup(x)) {
            // Its links are in: moved, it pushes the rows inside it that start earlier
            // onto its new Start.
            const TDateTime start = m_newStart[at];
            const bool moves = start > m_rows[x].start;
            if (moves) {
                m_rows[x].walk |= GroupMoved;
                if (!readableDay(start))
                    return false;
            }
            for (int c = x + 1; c <= m_subEnd[x]; ++c) {
                const auto to = static_cast<std::size_t>(c);
                if (moves)
                    floor[to] = start;
                if (--m_waiting[to] == 0)
                    order.push_back(c);
            }
            continue;
        }
        if (walk & Pushed) {
            // The row starts no earlier than the Start a link gave its group, the text of
            // that day. A milestone the push meets on its day keeps the text of
            // whichever step put it there first.
            const TDateTime pushed = floor[at];
            if (pushed > m_newStart[at]) {
                m_newStart[at] = pushed;
                m_pusher[at] = -1;
            } else if (pushed == m_newStart[at] && pushed > m_rows[x].start && durationOf(x) == 0 &&
                       (m_pusher[at] > 0 ? endText(m_pusher[at]) : m_dates.write(pushed)) !=
                           m_dates.write(pushed)) {
                return false;
            }
        }
        if (order[next] < 0 && !(walk & (GroupMoved | Climbed))) {
            // Neither moved nor refitted by a climb: the group stays as it is.
        } else if (order[next] < 0 || (walk & Climbed)) {
            // Refitted last, once every row inside it is where it ends up.
            const auto [startRow, endRow] = m_spanRows[at] = spanInOrder(x);
            m_newStart[at] = static_cast<int>(m_newStart[static_cast<std::size_t>(startRow)]);
            m_newEnd[at] = static_cast<int>(m_newEnd[static_cast<std::size_t>(endRow)]);
            textFrom[at] = textFrom[static_cast<std::size_t>(endRow)];
        } else if ((walk & (Followed | Pushed)) && m_newStart[at] > m_rows[x].start) {
            if (!readableDay(m_newStart[at]))
                return false;
            const int days = durationOf(x); // read when its links were followed
            if (days == 0) {
                // A milestone's End is its Start, the text of its pusher's End.
                m_newEnd[at] = m_newStart[at];
                if (m_pusher[at] > 0) {
                    textFrom[at] = textFrom[static_cast<std::size_t>(m_pusher[at])];
                } else {
                    textFrom[at] = x;
                    newText[at] = 1;
                }
            } else if (const auto end =
                           m_week.nthWorkingDay(static_cast<std::int64_t>(m_newStart[at]), days)) {
                m_newEnd[at] = static_cast<TDateTime>(*end);
                newText[at] = 1;
                if (!readableDay(m_newEnd[at]))
                    return false;
            }
            // An End that was later than its Duration gives would come earlier: what
            // the groups above and the successors saw of it on the way would count.
            if (endState(x) == DateState::Valid && m_newEnd[at] < m_rows[x].end)
                return false;
        }
        // Each successor is pushed behind this row's End; a milestone onto it.
        const TDateTime end = m_newEnd[at];
        if (walk & Expanded) {
            for (int i = m_succFirst[x]; i < m_succFirst[x + 1]; ++i) {
                if (!m_linkKept[static_cast<std::size_t>(i)])
                    continue;
                const SuccLink &link = m_succ[static_cast<std::size_t>(i)];
                const int s = link.row;
                const auto to = static_cast<std::size_t>(s);
                int days = 0;
                try {
                    days = durationOf(s);
                } catch (const ConversionError &) {
                    return false;
                }
                if (!link.plain()) {
                    const TDateTime bound = linkBound(link, m_newStart[at], end, days);
                    if (bound > m_newStart[to]) {
                        m_newStart[to] = bound;
                        m_pusher[to] = -1;
                    } else if (days == 0 && bound == m_newStart[to] && m_pusher[to] > 0 &&
                               endText(m_pusher[to]) != m_dates.write(bound)) {
                        return false; // which text it takes would depend on the order
                    }
                } else if (days == 0) {
                    if (end > m_newStart[to]) {
                        m_newStart[to] = end;
                        m_pusher[to] = x;
                    } else if (end == m_newStart[to] && m_pusher[to] != 0 &&
                               endText(x) != pushedText(m_pusher[to], to)) {
                        return false; // which text it takes would depend on the order
                    }
                } else if (end >= m_newStart[to]) {
                    m_newStart[to] = end + 1;
                }
                if (--m_waiting[to] == 0)
                    order.push_back(s);
            }
        }
        if (const int q = climbParent(x); q != 0) {
            if (linkedGroup(q)) {
                if (--groupWaiting[static_cast<std::size_t>(q)] == 0)
                    order.push_back(-q);
            } else if (--m_waiting[static_cast<std::size_t>(q)] == 0) {
                order.push_back(q);
            }
        }
    }
    // A row left waiting lies on a cycle the layout did not break.
    for (int row = 1; row <= m_last; ++row)
        if ((m_rows[row].walk & Reached) && (m_waiting[static_cast<std::size_t>(row)] != 0 ||
                                             groupWaiting[static_cast<std::size_t>(row)] != 0))
            return false;
    return true;
}

std::pair<int, int> ScheduleEngine::spanInOrder(int g) const
{
    // The first row holding the earliest Start and the first holding the latest End
    // among the rows inside g, on the dates worked out. A group task inside g spans
    // its own rows by now (refitted after them, or none of them moved) and comes
    // before them: its rows need no look.
    int startRow = g + 1, endRow = g + 1;
    auto key = [](TDateTime day) { return static_cast<int>(day); };
    for (int c = g + 1; c <= m_subEnd[g]; c = (m_rows[c].isGroup ? m_subEnd[c] : c) + 1) {
        const auto at = static_cast<std::size_t>(c);
        if (key(m_newStart[at]) < key(m_newStart[static_cast<std::size_t>(startRow)]))
            startRow = c;
        if (key(m_newEnd[at]) > key(m_newEnd[static_cast<std::size_t>(endRow)]))
            endRow = c;
    }
    return {startRow, endRow};
}

void ScheduleEngine::refitInOrder(int g)
{
    // As refit does, from the rows the walk in order found.
    const auto [startRow, endRow] = m_spanRows[static_cast<std::size_t>(g)];
    setStart(g, text(ColStart, startRow), DateState::Valid, m_rows[startRow].start);
    setEnd(g, text(ColEnd, endRow), DateState::Valid, m_rows[endRow].end);
    calcDuration(g);
}

void ScheduleEngine::writeInOrder(const std::vector<int> &order)
{
    // Rows inside a group are written before the group is refitted from them, a
    // milestone's pusher before the milestone.
    for (int entry : order) {
        const int x = entry < 0 ? -entry : entry;
        const auto at = static_cast<std::size_t>(x);
        const unsigned walk = m_rows[x].walk;
        if (entry > 0 && linkedGroup(x))
            continue; // its rows are pushed first, then it is refitted from them
        if (entry < 0) {
            if (walk & (GroupMoved | Climbed))
                refitInOrder(x);
        } else if (walk & Climbed) {
            refitInOrder(x);
        } else if ((walk & (Followed | Pushed)) && m_newStart[at] > m_rows[x].start) {
            if (durationOf(x) == 0 && m_pusher[at] <= 0) {
                setStartDay(x, m_newStart[at]);
                calcEndDate(x);
            } else if (durationOf(x) == 0) {
                setStart(x, text(ColEnd, m_pusher[at]), DateState::Valid, m_newStart[at]);
                calcEndDate(x);
            } else {
                moveTo(x, m_newStart[at]);
            }
        }
    }
}

} // namespace morvaine
