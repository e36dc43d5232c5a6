// The walk: links followed depth first on an explicit stack.

#include "schedule_engine.h"

namespace morvaine {

TDateTime ScheduleEngine::movedOn(TDateTime day, int k) const
{
    const auto moved = m_week.moveWorkingDays(static_cast<std::int64_t>(day), k);
    return moved ? static_cast<TDateTime>(*moved) : day;
}

TDateTime ScheduleEngine::linkBound(const SuccLink &link, TDateTime pStart, TDateTime pEnd,
                                    int days) const
{
    TDateTime endBound = 0;
    switch (link.type) {
    case LinkType::FS:
        // A milestone lies on the day its predecessor ends; a task starts the day
        // after, with a lag of k working days between them.
        if (days == 0)
            return movedOn(pEnd, link.lag);
        return link.lag > 0 ? movedOn(pEnd, link.lag + 1) : movedOn(pEnd + 1, link.lag);
    case LinkType::SS:
        return movedOn(pStart, link.lag);
    case LinkType::FF:
        endBound = movedOn(pEnd, link.lag);
        break;
    case LinkType::SF:
        endBound = movedOn(pStart, link.lag);
        break;
    }
    if (days <= 0)
        return endBound;
    // The working day the End falls on (the next one when the bound is none), moved
    // back over the rest of the Duration.
    const auto last = m_week.nthWorkingDay(static_cast<std::int64_t>(endBound), 1);
    if (!last)
        return endBound;
    return movedOn(static_cast<TDateTime>(*last), -(days - 1));
}

void ScheduleEngine::followLink(int p, int i)
{
    const SuccLink &link = m_succ[static_cast<std::size_t>(i)];
    const int s = link.row;
    if (m_stats)
        ++m_stats->linksFollowed;
    if (!linkAllowed(p, s) || closesCycle(s)) {
        report(p, s);
        return;
    }
    bool moved = false;
    const int duration = durationOf(s);
    if (!link.plain()) {
        const bool fromStart = link.type == LinkType::SS || link.type == LinkType::SF;
        const TDateTime from = fromStart ? startOf(p) : endOf(p);
        const TDateTime bound =
            fromStart ? linkBound(link, from, 0, duration) : linkBound(link, 0, from, duration);
        if (bound > startOf(s)) {
            moveTo(s, bound);
            moved = true;
        }
    } else {
        const TDateTime end = endOf(p); // read first: a bad End fails before the successor's Start
        if (duration == 0) {
            if (end > startOf(s)) {
                setStart(s, text(ColEnd, p), DateState::Valid, end);
                calcEndDate(s);
                moved = true;
            }
        } else if (end >= startOf(s)) {
            moveTo(s, end + 1);
            moved = true;
        }
    }
    m_rows[s].visited = 1;
    if (!moved && stillSettled(s)) {
        // Everything behind s was propagated since the last change that could matter.
        if (m_stats)
            ++m_stats->revisitsSkipped;
        return;
    }
    follow(s);
}

void ScheduleEngine::follow(int row)
{
    if (m_rows[row].isGroup || (m_rows[row].offLevelOne && climbGoesOn(row))) {
        push(FrameKind::Follow, row);
        return;
    }
    // A row with no group of its own to refit and none above it to climb to: its
    // propagation is all there is to follow, and without successors (and no bad
    // Forerunner to fail on) that settles the row at once.
    if (m_badRows.empty() && m_succFirst[row] == m_succFirst[row + 1]) {
        m_rows[row].settled = m_generation + 1;
        return;
    }
    if (m_succFirst[row] != m_succFirst[row + 1])
        prefetchRow(m_succ[m_succFirst[row]].row); // where its first link leads, followed next
    push(FrameKind::Propagate, row);
    m_stack.back().settles = true;
}

bool ScheduleEngine::climbGoesOn(int row)
{
    const int q = climbParent(row);
    return q != 0 && !m_rows[q].dirty && reenterable(q);
}

void ScheduleEngine::moveTo(int row, TDateTime day)
{
    // The common move, a task with a positive Duration to a readable day, in one
    // write of both dates; anything else takes the general way.
    const int n = durationOf(row);
    if (n <= 0 || !m_dates.oneTextPerDate() || !readableDay(day) ||
        m_week.workingDaysPerWeek() == 0) {
        setStartDay(row, day);
        calcEndDate(row);
        return;
    }
    const auto end =
        static_cast<TDateTime>(*m_week.nthWorkingDay(static_cast<std::int64_t>(day), n));
    if (!readableDay(end)) {
        setStartDay(row, day);
        calcEndDate(row);
        return;
    }
    const bool startMoves = !sameDay(row, PendingStart, day);
    const bool endMoves = !sameDay(row, PendingEnd, end);
    if (!startMoves && !endMoves)
        return;
    if (endMoves && m_endTreeBuilt && !m_rows[row].dirty) {
        uncountEnd(row);
        endAdded(end);
    }
    if (startMoves) {
        holdStart(row);
        listPending(row, PendingStart);
        m_rows[row].startState = DateState::Valid;
        m_rows[row].start = day;
        if (m_groupTrees) {
            m_startTree.set(row, day);
            m_invalidStart.erase(row);
        }
    }
    if (endMoves) {
        holdEnd(row);
        listPending(row, PendingEnd);
        m_rows[row].endState = DateState::Valid;
        m_rows[row].end = end;
        if (m_groupTrees) {
            m_endTree.set(row, -end);
            m_invalidEnd.erase(row);
        }
    }
    afterWrite(row);
}

void ScheduleEngine::push(FrameKind kind, int row, bool conditional)
{
    Frame frame{kind, row};
    frame.generation = m_generation;
    if (kind == FrameKind::Propagate) {
        frame.conditional = conditional;
        m_conditional += conditional ? 1 : 0;
        frame.saved = m_rows[row].activeSince;
        m_rows[row].activeSince = m_conditional;
        ++m_rows[row].active;
        m_rows[row].reached = 1;
        m_activeGroups += m_rows[row].isGroup;
    }
    m_stack.push_back(frame);
}

void ScheduleEngine::popPropagate()
{
    const Frame &frame = m_stack.back();
    const int row = frame.row;
    m_rows[row].activeSince = frame.saved;
    m_conditional -= frame.conditional ? 1 : 0;
    --m_rows[row].active;
    m_activeGroups -= m_rows[row].isGroup;
    if (frame.settles && frame.generation == m_generation)
        m_rows[row].settled = m_generation + 1;
    m_stack.pop_back();
}

void ScheduleEngine::run()
{
    while (!m_stack.empty()) {
        const std::size_t at = m_stack.size() - 1;
        switch (m_stack[at].kind) {
        case FrameKind::Follow:
            stepFollow(at);
            break;
        case FrameKind::Propagate:
            stepPropagate(at);
            break;
        case FrameKind::Groups:
            stepGroups(at);
            break;
        case FrameKind::Climb:
            stepClimb(at);
            break;
        }
    }
}

// A root or a successor reached by a link: its own group, the groups above it, then
// its successors.
void ScheduleEngine::stepFollow(std::size_t at)
{
    // A pushed frame may move the stack: return at once after each push.
    Frame &frame = m_stack[at];
    const int row = frame.row;
    if (frame.phase == 0) {
        frame.phase = 1;
        if (m_rows[row].isGroup) {
            m_stack.push_back(Frame{FrameKind::Groups, row});
            return;
        }
    }
    if (frame.phase == 1) {
        frame.phase = 2;
        if (m_rows[row].offLevelOne) {
            m_stack.push_back(Frame{FrameKind::Climb, row});
            return;
        }
    }
    if (frame.phase == 2) {
        frame.phase = 3;
        push(FrameKind::Propagate, row);
        return;
    }
    const unsigned generation = frame.generation;
    m_stack.pop_back();
    if (generation == m_generation)
        m_rows[row].settled = m_generation + 1;
}

// Goes on with the propagation that comes to the top of the stack next, as long as
// there is one, instead of returning to the loop in run() for each.
void ScheduleEngine::stepPropagate(std::size_t at)
{
    for (;;) {
        Frame &frame = m_stack[at];
        const int p = frame.row;
        bool done = false;
        if (frame.phase == 0) {
            if (durationEmpty(p)) {
                popPropagate();
                done = true;
            } else {
                frame.phase = 1;
                frame.index = m_succFirst[p];
                frame.latest = m_badRows.empty() ? -1 : throwRowFor(p);
            }
        }
        if (!done) {
            const int throwAt = static_cast<int>(frame.latest);
            const int end = m_succFirst[p + 1];
            // Successors one after the other until one is to be followed further: its
            // frame runs first.
            for (const std::size_t depth = m_stack.size(); m_stack.size() == depth;) {
                int &index = m_stack[at].index;
                if (index == end) {
                    if (throwAt >= 0)
                        throwForerunnerError(throwAt);
                    popPropagate();
                    break;
                }
                const int i = index++;
                const int s = m_succ[i].row;
                if (index != end)
                    prefetchRow(m_succ[index].row);
                if (throwAt >= 0 && s > m_badRows[throwAt].first)
                    throwForerunnerError(throwAt);
                followLink(p, i);
            }
        }
        if (m_stack.empty() || m_stack.back().kind != FrameKind::Propagate)
            return;
        at = m_stack.size() - 1;
    }
}

void ScheduleEngine::stepGroups(std::size_t at)
{
    Frame &frame = m_stack[at];
    const int r = frame.row;
    if (frame.phase == 0) {
        frame.phase = 1;
        frame.index = r + 1;
        const int last = subEnd(r);
        flushDirty(r + 1, last);
        if (m_groupTrees && last > r && !rangeHasInvalid(r + 1, last) &&
            startState(r) == DateState::Valid && endState(r) == DateState::Valid) {
            const TDateTime earliest = m_startTree.query(r + 1, last).first;
            const TDateTime latest = -m_endTree.query(r + 1, last).first;
            if (!(m_rows[r].start > earliest) && !(m_rows[r].end < latest)) {
                // Nothing moves and the group does not grow: it only takes its span.
                m_stack.pop_back();
                refit(r);
                return;
            }
        }
        // The Start the group was given: every row inside starts no earlier, whatever
        // a climb from one of them does to the group's Start meanwhile.
        frame.latest = startOf(r);
        frame.text = text(ColStart, r);
    }
    // Sub-tasks in order; a moved one, or one that makes the group grow, passes the
    // change on to its successors before the next is looked at.
    while (frame.index <= m_last && levelOf(frame.index) > levelOf(r)) {
        const int c = frame.index++;
        bool changed = false;
        if (frame.latest > startOf(c)) {
            setStart(c, frame.text, DateState::Valid, frame.latest);
            calcEndDate(c);
            changed = true;
        }
        const TDateTime end = endOf(c); // read before the group's End
        if (endOf(r) < end) {
            setEnd(r, text(ColEnd, c), DateState::Valid, m_rows[c].end);
            calcDuration(r);
            changed = true;
        }
        if (changed && reenterable(c)) {
            push(FrameKind::Propagate, c, true);
            return;
        }
    }
    m_stack.pop_back();
    // At the end the group spans its rows exactly.
    flushDirty(r + 1, subEnd(r));
    refit(r);
}

// Refits the enclosing group tasks one after the other, each followed by its own
// successors and its own sub-tasks.
void ScheduleEngine::stepClimb(std::size_t at)
{
    Frame &frame = m_stack[at];
    if (frame.phase == 1) {
        frame.phase = 2;
        m_stack.push_back(Frame{FrameKind::Groups, frame.index});
        return;
    }
    if (frame.phase == 2) {
        frame.row = frame.index;
        frame.phase = 0;
    }
    for (;;) {
        const int row = m_stack[at].row;
        if (!climbGoesOn(row)) {
            m_stack.pop_back();
            return;
        }
        const int q = climbParent(row);
        m_rows[q].visited = 1;
        if (canDefer(q)) {
            markDirty(q);
            m_stack[at].row = q;
            continue;
        }
        flushDirty(q + 1, std::max(q + 1, m_subEnd[q]));
        refit(q);
        m_stack[at].phase = 1;
        m_stack[at].index = q;
        push(FrameKind::Propagate, q);
        return;
    }
}

} // namespace morvaine
