#include "schedule_engine.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace morvaine {

// ---------------------------------------------------------------- MinTree

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

// ---------------------------------------------------------------- cells

void ScheduleArrays::clear()
{
    for (auto *bytes : {&m_levelBad, &m_subStopBad, &m_hasItems, &m_noForerunner})
        bytes->clear();
    for (auto *ints : {&m_pendingRows, &m_level, &m_subEnd, &m_parent, &m_succFirst, &m_succ,
                       &m_scratch, &m_scratch2, &m_scratch3, &m_chain, &m_chainPos})
        ints->clear();
    m_links.clear();
    m_seen.clear();
    // The group span trees are reset before their first use, the rows by the engine.
}

// The walk stack of a long chain and the arrays by row are large: they are kept per
// thread across recalculations (unless a recalculation runs inside another).
struct ScheduleEngine::Workspace {
    std::vector<Frame> frames;
    ScheduleArrays arrays;
    bool busy = false;
};

ScheduleEngine::Workspace &ScheduleEngine::workspace()
{
    thread_local Workspace shared;
    return shared;
}

ScheduleEngine::ScheduleEngine(Project &project, Host &host, RecalcStats *stats)
    : m_project(project), m_host(host), m_table(project.taskTable), m_stats(stats),
      m_last(std::clamp(project.LastTaskRow, 0, TaskTable::LastRow)),
      m_week(project.settings().workingDays()), m_firstDay(MinDateValue()),
      m_lastDay(MaxDateValue()), m_stack(workspace().busy ? m_ownStack : workspace().frames)
{
    if (&m_stack != &m_ownStack) {
        m_borrowed = true;
        workspace().busy = true;
        m_stack.clear();
        std::swap(static_cast<ScheduleArrays &>(*this), workspace().arrays);
        ScheduleArrays::clear();
    }
    const std::size_t rows = static_cast<std::size_t>(m_last) + 2;
    // Every field of a row starts at zero: clearing them all is one memset.
    m_rows.resize(rows);
    std::memset(static_cast<void *>(m_rows.data()), 0, rows * sizeof(Row));
    m_chainPos.assign(TaskTable::Rows + 1, -1);
    m_pendingRows.resize(rows); // a row is listed once until the texts are written
}

ScheduleEngine::~ScheduleEngine()
{
    flushPending();
    if (m_borrowed) {
        m_stack.clear();
        std::swap(static_cast<ScheduleArrays &>(*this), workspace().arrays);
        workspace().busy = false;
    }
}

ScheduleEngine::DateState ScheduleEngine::readStartState(int row)
{
    const QString &value = text(ColStart, row);
    return m_rows[row].startState = value.isEmpty() ? DateState::Empty
                                    : m_dates.tryRead(value, m_rows[row].start)
                                        ? DateState::Valid
                                        : DateState::Invalid;
}

ScheduleEngine::DateState ScheduleEngine::readEndState(int row)
{
    const QString &value = text(ColEnd, row);
    return m_rows[row].endState = value.isEmpty()                           ? DateState::Empty
                                  : m_dates.tryRead(value, m_rows[row].end) ? DateState::Valid
                                                                            : DateState::Invalid;
}

TDateTime ScheduleEngine::unreadableDate(int column, int row) const
{
    return StrToDate(text(column, row)); // throws the conversion error
}

void ScheduleEngine::readAllDates()
{
    // Group spans, the project end and the marks each read the dates of every row:
    // read all at once, once, straight from the table (a date whose text is kept
    // back has its state known already).
    if (m_allDatesRead)
        return;
    m_allDatesRead = true;
    auto read = [this](const QString &value, TDateTime &day) {
        return value.isEmpty()               ? DateState::Empty
               : m_dates.tryRead(value, day) ? DateState::Valid
                                             : DateState::Invalid;
    };
    for (int row = 1; row <= m_last; ++row) {
        if (m_rows[row].startState == DateState::Unknown)
            m_rows[row].startState = read(m_table.cell(ColStart, row), m_rows[row].start);
        if (m_rows[row].endState == DateState::Unknown)
            m_rows[row].endState = read(m_table.cell(ColEnd, row), m_rows[row].end);
    }
}

int ScheduleEngine::readDuration(int row)
{
    m_rows[row].duration = DurationDays(text(ColDuration, row));
    m_rows[row].durationKnown = 1;
    return m_rows[row].duration;
}

bool ScheduleEngine::readableDay(TDateTime day) const
{
    return day >= m_firstDay && day <= m_lastDay;
}

namespace {
// Texts sharing their characters are equal without comparing them.
bool sameText(const QString &a, const QString &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}
} // namespace

bool ScheduleEngine::knownToDiffer(DateState known, TDateTime day, DateState was,
                                   TDateTime wasDay) const
{
    // A cell that reads as another date than the one written cannot hold its text.
    return m_dates.oneTextPerDate() && known == DateState::Valid && was == DateState::Valid &&
           day != wasDay;
}

const QString &ScheduleEngine::pendingText(int column, int row) const
{
    return m_dates.write(column == ColStart ? m_rows[row].start : m_rows[row].end);
}

bool ScheduleEngine::sameCellText(int row, bool start, TDateTime day) const
{
    return sameText(m_table.cell(start ? ColStart : ColEnd, row), m_dates.write(day));
}

void ScheduleEngine::keepBack(int row, unsigned char bit)
{
    if (bit == PendingStart)
        holdStart(row);
    else
        holdEnd(row);
    if (m_rows[row].pending == 0)
        m_pendingRows[static_cast<std::size_t>(m_pendingCount++)] = row;
    m_rows[row].pending |= bit;
}

void ScheduleEngine::flushPending()
{
    auto write = [this](std::size_t row) {
        if (m_rows[row].pending & PendingStart)
            writeKeptBack(ColStart, static_cast<int>(row), m_rows[row].heldStart,
                          m_rows[row].start);
        if (m_rows[row].pending & PendingEnd)
            writeKeptBack(ColEnd, static_cast<int>(row), m_rows[row].heldEnd, m_rows[row].end);
        m_rows[row].pending = 0;
    };
    // Many texts are written in row order, cell after cell down the columns, rather
    // than in the order the walk moved their tasks.
    if (static_cast<std::size_t>(m_pendingCount) * 16 > m_rows.size()) {
        for (std::size_t row = 0; row < m_rows.size(); ++row)
            if (m_rows[row].pending)
                write(row);
    } else {
        for (int i = 0; i < m_pendingCount; ++i)
            write(static_cast<std::size_t>(m_pendingRows[static_cast<std::size_t>(i)]));
    }
    m_pendingCount = 0;
}

void ScheduleEngine::writeKeptBack(int column, int row, TDateTime held, TDateTime day)
{
    // Texts are kept back only where each date has one text: a cell that read as
    // another date than the one written cannot hold its text.
    if (!std::isnan(held) && held != day)
        m_table.replaceCell(column, row, m_dates.write(day));
    else
        m_table.setCell(column, row, m_dates.write(day));
}

void ScheduleEngine::setStartDay(int row, TDateTime day)
{
    const bool readable = readableDay(day);
    if (!readable || !m_dates.oneTextPerDate()) {
        setStart(row, m_dates.write(day), readable ? DateState::Valid : DateState::Invalid, day);
        return;
    }
    // A task often moves several times in one walk: its text is written once, after.
    if (!sameDay(row, PendingStart, day))
        writeStart(row, nullptr, DateState::Valid, day);
}

void ScheduleEngine::setEndDay(int row, TDateTime day)
{
    const bool readable = readableDay(day);
    if (!readable || !m_dates.oneTextPerDate()) {
        setEnd(row, m_dates.write(day), readable ? DateState::Valid : DateState::Invalid, day);
        return;
    }
    if (!sameDay(row, PendingEnd, day))
        writeEnd(row, nullptr, DateState::Valid, day);
}

void ScheduleEngine::setStart(int row, const QString &value, DateState known, TDateTime day)
{
    if (!knownToDiffer(known, day, m_rows[row].startState, m_rows[row].start) &&
        sameText(text(ColStart, row), value))
        return;
    writeStart(row, &value, known, day);
}

void ScheduleEngine::setEnd(int row, const QString &value, DateState known, TDateTime day)
{
    if (!knownToDiffer(known, day, m_rows[row].endState, m_rows[row].end) &&
        sameText(text(ColEnd, row), value))
        return;
    writeEnd(row, &value, known, day);
}

void ScheduleEngine::writeStart(int row, const QString *value, DateState known, TDateTime day)
{
    remember(row);
    if (value) {
        m_table.setCell(ColStart, row, *value);
        m_rows[row].pending &= static_cast<unsigned char>(~PendingStart);
    } else {
        keepBack(row, PendingStart);
    }
    m_rows[row].startState = known;
    m_rows[row].start = day;
    if (m_groupTrees) {
        const DateState state = startState(row);
        m_startTree.set(row, state == DateState::Valid ? m_rows[row].start : MinTree::None);
        if (state == DateState::Valid)
            m_invalidStart.erase(row);
        else
            m_invalidStart.insert(row);
    }
    updateMarkRows(row);
    afterWrite(row);
}

void ScheduleEngine::writeEnd(int row, const QString *value, DateState known, TDateTime day)
{
    remember(row);
    const bool counted = m_endTreeBuilt && !m_rows[row].dirty;
    if (counted)
        uncountEnd(row);
    if (value) {
        m_table.setCell(ColEnd, row, *value);
        m_rows[row].pending &= static_cast<unsigned char>(~PendingEnd);
    } else {
        keepBack(row, PendingEnd);
    }
    m_rows[row].endState = known;
    m_rows[row].end = day;
    const DateState state = endState(row);
    if (m_groupTrees) {
        m_endTree.set(row, state == DateState::Valid ? -m_rows[row].end : MinTree::None);
        if (state == DateState::Valid)
            m_invalidEnd.erase(row);
        else
            m_invalidEnd.insert(row);
    }
    if (counted)
        countEnd(row);
    updateMarkRows(row);
    afterWrite(row);
}

void ScheduleEngine::endAdded(TDateTime end)
{
    if (m_endMaxCount == 0 || end > m_endMax) {
        m_endMax = end;
        m_endMaxCount = 1;
    } else if (end == m_endMax) {
        ++m_endMaxCount;
    }
}

void ScheduleEngine::endRemoved(TDateTime end)
{
    if (m_endMaxCount > 0 && end == m_endMax && --m_endMaxCount == 0)
        m_endMaxStale = true;
}

void ScheduleEngine::setDuration(int row, const QString &value)
{
    if (text(ColDuration, row) == value)
        return;
    m_table.setCell(ColDuration, row, value);
    m_rows[row].durationKnown = 0;
    if (m_indexBuilt)
        m_rows[row].hasDuration = !value.isEmpty();
    afterWrite(row);
}

void ScheduleEngine::afterWrite(int row)
{
    // A change inside the outline may reopen work that an earlier walk found finished
    // (group spans, sub-tasks moved with their group), so every settled row is
    // walked again. Plain rows outside any group only ever move later and are
    // propagated right after they move, which keeps settled rows settled.
    if (!m_outlineBuilt || m_rows[row].groupy)
        ++m_generation;
}

void ScheduleEngine::calcEndDate(int row)
{
    const int n = durationOf(row);
    if (n == 0) {
        setEnd(row, text(ColStart, row), startState(row), m_rows[row].start);
        return;
    }
    if (n < 0)
        return;
    const auto end = m_week.nthWorkingDay(static_cast<std::int64_t>(startOf(row)), n);
    if (!end)
        return; // no working day in the mask: the End stays unwritten
    if (!readableDay(static_cast<TDateTime>(*end)))
        throw ConversionError(TooLongDurationMessage(text(ColDuration, row)));
    setEndDay(row, static_cast<TDateTime>(*end));
}

void ScheduleEngine::calcDuration(int row)
{
    const auto first = static_cast<std::int64_t>(startOf(row));
    const auto last = static_cast<std::int64_t>(endOf(row));
    setDuration(row, QString::number(m_week.count(first, last)));
}

// ---------------------------------------------------------------- outline

void ScheduleEngine::buildOutline()
{
    const std::size_t rows = static_cast<std::size_t>(m_last) + 2;
    m_level.assign(rows, 1);
    m_levelBad.assign(rows, 0);
    m_subEnd.assign(rows, 0);
    m_subStopBad.assign(rows, 0);
    m_parent.assign(rows, 0);
    m_levelError.clear();
    m_outlineBuilt = true;
    // One pass down the rows. The stack holds the rows whose sub-task walk is still
    // open: a row closes those on top with a Level not smaller than its own (it ends
    // their walk) and the rest of the stack is its outline above; a Level that is no
    // number ends every open walk and stops every search for a parent.
    std::vector<int> &open = m_scratch;
    open.clear();
    int openGroups = 0; // group tasks with a number for a Level among the open rows
    bool plain = true;  // all rows so far on level 1 without group marks
    for (int row = 1; row <= m_last; ++row) {
        // Rows 1..last are inside the table and these columns are never kept back.
        const QString &level = m_table.cell(ColLevel, row);
        const QString &veha = m_table.cell(ColVeha, row);
        const bool group = veha.size() == 1 && veha.front() == QLatin1Char('v');
        const bool one = level.size() == 1 && level.front() == QLatin1Char('1');
        if (plain) {
            if (one && !group) {
                // Closes the row above: a walk of its own and no outline above.
                m_subEnd[row] = row;
                continue;
            }
            // Of the rows so far only the one above is still open.
            plain = false;
            if (row > 1)
                open.push_back(row - 1);
        }
        m_rows[row].isGroup = group;
        m_hasGroups = m_hasGroups || group;
        if (!one) {
            // A Level of one or two digits, the usual kind, is read here.
            const qsizetype size = level.size();
            const unsigned d0 =
                size > 0 ? static_cast<unsigned>(level.front().unicode() - u'0') : 10u;
            const unsigned d1 =
                size > 1 ? static_cast<unsigned>(level.back().unicode() - u'0') : 0u;
            if (size <= 2 && d0 <= 9u && d1 <= 9u) {
                m_rows[row].offLevelOne = 1;
                m_level[row] = static_cast<int>(size == 2 ? d0 * 10 + d1 : d0);
            } else {
                readLevel(row, level);
            }
        }
        if (m_levelBad[row]) {
            for (int t : open) {
                if (!m_levelBad[t]) {
                    m_subEnd[t] = row - 1;
                    m_subStopBad[t] = 1;
                }
            }
            open.clear();
            openGroups = 0;
            m_subEnd[row] = row;
        } else {
            const int value = m_level[row];
            while (!open.empty() && !m_levelBad[open.back()] && m_level[open.back()] >= value) {
                const int t = open.back();
                open.pop_back();
                m_subEnd[t] = row - 1;
                openGroups -= m_rows[t].isGroup;
            }
            m_parent[row] = open.empty() ? 0 : open.back();
        }
        // Rows whose cells a group span reads: group tasks, their sub-tasks, the row
        // after a group task, and rows off level 1.
        m_rows[row].groupy =
            m_rows[row].offLevelOne || group || openGroups > 0 || m_rows[row - 1].isGroup;
        open.push_back(row);
        if (group && !m_levelBad[row])
            ++openGroups;
    }
    for (int t : open)
        if (!m_levelBad[t])
            m_subEnd[t] = m_last;
}

void ScheduleEngine::readLevel(int row, const QString &level)
{
    m_rows[row].offLevelOne = 1;
    if (level.size() > 0 && level.size() <= 9) {
        // Plain digits, the common case, read without StrToInt.
        int value = 0;
        bool digits = true;
        for (QChar c : level) {
            const unsigned digit = static_cast<unsigned>(c.unicode() - u'0');
            if (digit > 9u) {
                digits = false;
                break;
            }
            value = value * 10 + static_cast<int>(digit);
        }
        if (digits) {
            m_level[row] = value;
            return;
        }
    }
    try {
        m_level[row] = StrToInt(level);
    } catch (const ConversionError &error) {
        m_levelBad[row] = 1;
        m_levelError.emplace_back(row, error.message());
    }
}

void ScheduleEngine::throwLevelError(int row) const
{
    throw ConversionError(
        std::lower_bound(m_levelError.begin(), m_levelError.end(), std::make_pair(row, QString()))
            ->second);
}

int ScheduleEngine::subEnd(int row)
{
    levelOf(row);
    if (m_subStopBad[row])
        levelOf(m_subEnd[row] + 1);
    return m_subEnd[row];
}

bool ScheduleEngine::groupLinkAllowed(int p, int s)
{
    if (m_rows[p].isGroup && p < s && s <= subEnd(p))
        return false;
    if (m_rows[s].isGroup && s < p && p <= subEnd(s))
        return false;
    return true;
}

bool ScheduleEngine::climbClosesCycle(int s)
{
    // Following the link propagates s and every group task its refit climbs to.
    for (int row = s; m_rows[row].offLevelOne && !m_levelBad[row];) {
        const int parent = m_parent[row];
        if (parent == 0 || m_levelBad[parent] || !m_rows[parent].isGroup)
            break;
        if (!reenterable(parent))
            return true;
        row = parent;
    }
    return false;
}

// ---------------------------------------------------------------- links

void ScheduleEngine::buildIndex()
{
    const std::size_t rows = static_cast<std::size_t>(m_last) + 2;
    std::vector<int> &count = m_scratch;
    count.assign(rows + 1, 0);
    std::vector<std::pair<int, int>> &links = m_links; // (predecessor, successor) by successor
    links.clear();
    std::vector<int> &seenIn = m_scratch2;
    seenIn.assign(rows, 0);
    m_hasItems.assign(rows, 0);
    m_noForerunner.assign(rows, 1);
    m_indexBuilt = true;
    m_rows[rows - 1].hasDuration = !text(ColDuration, m_last + 1).isEmpty();
    for (int s = 1; s <= m_last; ++s) {
        m_rows[s].hasDuration = !m_table.cell(ColDuration, s).isEmpty();
        const QString &forerunner = m_table.cell(ColForerunner, s);
        if (forerunner.isEmpty())
            continue;
        m_noForerunner[s] = 0;
        bool items = false;
        QString error;
        const bool good = ScanForerunner(
            forerunner,
            [&](int p) {
                items = true;
                if (p < 1 || p > m_last || seenIn[p] == s)
                    return; // only the first item naming p counts
                seenIn[p] = s;
                links.emplace_back(p, s);
                ++count[p + 1];
            },
            error);
        m_hasItems[s] = items || !good;
        if (!good)
            m_badRows.emplace_back(s, ParseForerunner(forerunner));
    }
    m_succFirst.assign(rows + 1, 0);
    for (std::size_t p = 1; p <= rows; ++p)
        m_succFirst[p] = m_succFirst[p - 1] + count[p];
    m_succ.assign(links.size(), 0);
    std::vector<int> &next = m_scratch3;
    next.assign(m_succFirst.begin(), m_succFirst.end() - 1);
    for (const auto &[p, s] : links)
        m_succ[next[p]++] = s;
}

bool ScheduleEngine::isRoot(int row)
{
    if (durationEmpty(row) || !m_noForerunner[row] || m_rows[row].visited)
        return false;
    const bool named = m_succFirst[row] < m_succFirst[row + 1];
    // The scan for a row naming this one reads Forerunners in row order and fails at
    // a bad item met before it.
    if (!m_badRows.empty() && (!named || m_badRows.front().first < m_succ[m_succFirst[row]]))
        throw ConversionError(m_badRows.front().second.error);
    return named;
}

int ScheduleEngine::throwRowFor(int p)
{
    for (std::size_t i = 0; i < m_badRows.size(); ++i)
        if (!m_badRows[i].second.items.contains(p))
            return static_cast<int>(i);
    return -1;
}

void ScheduleEngine::report(int p, int s)
{
    if (!m_reported.insert({p, s}).second)
        return;
    flushPending(); // the window may paint the grid while the message is up
    m_host.MessageBox(
        QStringLiteral("Error"),
        QStringLiteral("Link error (Task #%1 -> Task #%2)\nThis link will be ignored.")
            .arg(p)
            .arg(s),
        MsgIcon::Error, MsgButtons::Ok);
}

void ScheduleEngine::followLink(int p, int s)
{
    if (m_stats)
        ++m_stats->linksFollowed;
    if (!linkAllowed(p, s) || closesCycle(s)) {
        report(p, s);
        return;
    }
    bool moved = false;
    const int duration = durationOf(s);
    const TDateTime end = endOf(p); // read before the successor's Start, as the rule has it
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
    m_rows[s].visited = 1;
    trackCriticalChain(p, s);
    if (!moved && m_rows[s].settled == m_generation + 1) {
        // Everything behind s was propagated since the last change that could matter.
        if (m_stats) {
            ++m_stats->revisitsSkipped;
            if (!chainReachesEnd())
                ++m_stats->chainSensitiveSkips;
        }
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
        prefetchRow(m_succ[m_succFirst[row]]); // where its first link leads, followed next
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
    remember(row);
    if (endMoves && m_endTreeBuilt && !m_rows[row].dirty) {
        uncountEnd(row);
        endAdded(end);
    }
    if (m_rows[row].pending == 0)
        m_pendingRows[static_cast<std::size_t>(m_pendingCount++)] = row;
    if (startMoves) {
        holdStart(row);
        m_rows[row].pending |= PendingStart;
        m_rows[row].startState = DateState::Valid;
        m_rows[row].start = day;
        if (m_groupTrees) {
            m_startTree.set(row, day);
            m_invalidStart.erase(row);
        }
    }
    if (endMoves) {
        holdEnd(row);
        m_rows[row].pending |= PendingEnd;
        m_rows[row].endState = DateState::Valid;
        m_rows[row].end = end;
        if (m_groupTrees) {
            m_endTree.set(row, -end);
            m_invalidEnd.erase(row);
        }
    }
    updateMarkRows(row);
    afterWrite(row);
}

// ---------------------------------------------------------------- groups

void ScheduleEngine::buildGroupTrees()
{
    readAllDates();
    m_groupTrees = true;
    m_startTree.reset(m_last);
    m_endTree.reset(m_last);
    for (int row = 1; row <= m_last; ++row) {
        const bool start = startState(row) == DateState::Valid;
        m_startTree.setLeaf(row, start ? m_rows[row].start : MinTree::None);
        if (!start)
            m_invalidStart.insert(row);
        const bool end = endState(row) == DateState::Valid;
        m_endTree.setLeaf(row, end ? -m_rows[row].end : MinTree::None);
        if (!end)
            m_invalidEnd.insert(row);
    }
    m_startTree.rebuild();
    m_endTree.rebuild();
}

bool ScheduleEngine::rangeHasInvalid(int first, int last) const
{
    auto hit = [&](const RowSet &rows) {
        auto it = rows.lower_bound(first);
        return it != rows.end() && *it <= last;
    };
    return hit(m_invalidStart) || hit(m_invalidEnd);
}

void ScheduleEngine::refit(int g)
{
    const int first = g + 1;
    if (m_groupTrees && first <= m_last && !m_levelBad[g] && !m_subStopBad[g]) {
        const int last = std::max(first, m_subEnd[g]);
        if (!rangeHasInvalid(first, last)) {
            // The earliest Start and the latest End, each from the first row holding it.
            const int startRow = m_startTree.query(first, last).second;
            const int endRow = m_endTree.query(first, last).second;
            setStart(g, text(ColStart, startRow), DateState::Valid, m_rows[startRow].start);
            setEnd(g, text(ColEnd, endRow), DateState::Valid, m_rows[endRow].end);
            calcDuration(g);
            return;
        }
    }
    // A cell that is not a date stops the fit where it is met, cells written so far stay.
    setStart(g, text(ColStart, first));
    setEnd(g, text(ColEnd, first));
    calcDuration(g);
    for (int c = first; c <= m_last && levelOf(c) > levelOf(g); ++c) {
        if (startOf(c) < startOf(g)) {
            setStart(g, text(ColStart, c));
            calcDuration(g);
        }
        if (endOf(c) > endOf(g)) {
            setEnd(g, text(ColEnd, c));
            calcDuration(g);
        }
    }
}

bool ScheduleEngine::canDefer(int q)
{
    // A group task that no link touches is read only by the fits of its enclosing
    // groups and by the project end; its own fit can wait until one of them needs it.
    return m_groupTrees && m_badRows.empty() && m_succFirst[q] == m_succFirst[q + 1] &&
           !m_hasItems[q] && !m_subStopBad[q] && q + 1 <= m_last &&
           !rangeHasInvalid(q + 1, std::max(q + 1, m_subEnd[q]));
}

void ScheduleEngine::markDirty(int q)
{
    m_rows[q].dirty = 1;
    m_dirtyRows.insert(q);
    if (m_endTreeBuilt)
        uncountEnd(q);
}

void ScheduleEngine::flushDirty(int first, int last)
{
    // Inner groups sit below their enclosing ones: fit from the bottom up.
    auto it = m_dirtyRows.upper_bound(last);
    while (it != m_dirtyRows.begin()) {
        --it;
        if (*it < first)
            break;
        const int g = *it;
        it = m_dirtyRows.erase(it);
        m_rows[g].dirty = 0;
        if (m_endTreeBuilt)
            countEnd(g);
        refit(g);
    }
}

// ---------------------------------------------------------------- critical path

TDateTime ScheduleEngine::readProjectStart()
{
    m_projectStart = m_dates.read(m_project.settings().startDate());
    m_startRead = true;
    return m_projectStart;
}

void ScheduleEngine::buildEndTree()
{
    readAllDates();
    m_endTreeBuilt = true;
    m_endMaxStale = false;
    m_endMaxCount = 0;
    m_badEnds.clear();
    for (int row = 1; row <= m_last; ++row) {
        if (m_rows[row].dirty)
            continue;
        countEnd(row);
    }
}

TDateTime ScheduleEngine::slowProjectEnd()
{
    const TDateTime start = projectStart();
    if (!m_endTreeBuilt || m_endMaxStale)
        buildEndTree();
    if (!m_badEnds.empty())
        StrToDate(text(ColEnd, *m_badEnds.begin())); // throws
    // A group whose fit is pending never ends later than its sub-tasks.
    return m_endMaxCount == 0 ? start : std::max(start, m_endMax);
}

void ScheduleEngine::truncateChain(int length)
{
    while (static_cast<int>(m_chain.size()) > length) {
        const int row = m_chain.back();
        if (m_chainPos[row] == static_cast<int>(m_chain.size()) - 1)
            m_chainPos[row] = -1;
        m_chain.pop_back();
    }
}

void ScheduleEngine::setChain(int p, int s)
{
    truncateChain(0);
    for (int row : {p, s}) {
        if (m_chainPos[row] < 0)
            m_chainPos[row] = static_cast<int>(m_chain.size());
        m_chain.push_back(row);
    }
}

void ScheduleEngine::checkMarksReadable()
{
    if (!m_markRowsBuilt) {
        m_markRowsBuilt = true;
        readAllDates();
        // Both sets start empty: only the rows that fail are put in.
        for (int row = 1; row <= m_last; ++row) {
            const DateState start = m_rows[row].startState;
            if (start == DateState::Invalid)
                m_markStartFails.insert(row);
            else if (start == DateState::Valid && m_rows[row].start == m_projectStart &&
                     m_rows[row].endState != DateState::Valid)
                m_markEndFails.insert(row);
        }
    }
    const int startFail = m_markStartFails.empty() ? m_last + 1 : *m_markStartFails.begin();
    const int endFail = m_markEndFails.empty() ? m_last + 1 : *m_markEndFails.begin();
    const int fail = std::min(startFail, endFail);
    if (fail > m_last)
        return;
    // The marks are cleared and set up to the row that fails.
    std::vector<int> &marks = m_project.CriticalMarks;
    std::fill(marks.begin(), marks.end(), -1);
    for (int row = 1; row < fail; ++row)
        if (startState(row) == DateState::Valid && m_rows[row].start == m_projectStart &&
            m_rows[row].end == m_trackedEnd)
            marks[row] = 1;
    m_marksFailed = true;
    StrToDate(text(fail == startFail ? ColStart : ColEnd, fail)); // throws
}

void ScheduleEngine::chainStep(int p, int s, TDateTime start, TDateTime end)
{
    if (startOf(p) == start) {
        if (startOf(s) - endOf(p) <= 1)
            setChain(p, s);
    } else if (const int at = m_chainPos[p]; at >= 0) {
        truncateChain(at + 1);
        if (m_chainPos[s] < 0)
            m_chainPos[s] = static_cast<int>(m_chain.size());
        m_chain.push_back(s);
    }
    // Each chain step refreshes the marks, reading every Start (and the End of rows
    // on the project start date); the reads are checked here, the marks written at
    // the end (or after a failure).
    m_tracked = true;
    m_trackedEnd = end;
    ++m_steps;
    m_seen.clear();
    if (m_project.CriticalPathOn)
        checkMarksReadable();
}

void ScheduleEngine::markCriticalPath()
{
    const TDateTime end = projectEnd();
    const TDateTime start = projectStart();
    std::vector<int> &marks = m_project.CriticalMarks;
    if (m_project.CriticalPathOn) {
        std::fill(marks.begin(), marks.end(), -1);
        for (int row = 1; row <= m_last; ++row)
            if (startState(row) != DateState::Empty && startOf(row) == start && endOf(row) == end)
                marks[row] = 1;
    }
    if (!m_chain.empty() && endOf(m_chain.back()) != end)
        truncateChain(0);
    if (m_project.CriticalPathOn)
        for (int row : m_chain)
            marks[row] = 1;
}

void ScheduleEngine::marksAfterFailure()
{
    // The marks stay as the last chain step left them, from the dates it saw.
    if (!m_project.CriticalPathOn || !m_tracked || !m_startRead || m_marksFailed)
        return;
    std::vector<int> &marks = m_project.CriticalMarks;
    std::fill(marks.begin(), marks.end(), -1);
    for (int row = 1; row <= m_last; ++row)
        if (startState(row) == DateState::Valid && m_rows[row].start == m_projectStart &&
            endState(row) == DateState::Valid && m_rows[row].end == m_trackedEnd)
            marks[row] = 1;
    for (const Seen &seen : m_seen)
        marks[seen.row] = seen.startState == DateState::Valid && seen.start == m_projectStart &&
                                  seen.endState == DateState::Valid && seen.end == m_trackedEnd
                              ? 1
                              : -1;
    for (int row : m_chain)
        marks[row] = 1;
}

// ---------------------------------------------------------------- the walk

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
                        throw ConversionError(m_badRows[throwAt].second.error);
                    popPropagate();
                    break;
                }
                const int s = m_succ[index++];
                if (index != end)
                    prefetchRow(m_succ[index]);
                if (throwAt >= 0 && s > m_badRows[throwAt].first)
                    throw ConversionError(m_badRows[throwAt].second.error);
                followLink(p, s);
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
        frame.latest = 0;
        const int last = subEnd(r);
        flushDirty(r + 1, last);
        if (m_groupTrees && last > r && !rangeHasInvalid(r + 1, last) &&
            startState(r) == DateState::Valid && endState(r) == DateState::Valid) {
            const TDateTime earliest = m_startTree.query(r + 1, last).first;
            const TDateTime latest = -m_endTree.query(r + 1, last).first;
            if (!(m_rows[r].start > earliest) && !(m_rows[r].end < latest)) {
                // Nothing moves and the group does not grow: only a shrink is left.
                m_stack.pop_back();
                if (latest < m_rows[r].end) {
                    setEndDay(r, latest);
                    calcDuration(r);
                }
                return;
            }
        }
    }
    // Sub-tasks in order; a moved one, or one that makes the group grow, passes the
    // change on to its successors before the next is looked at.
    while (frame.index <= m_last && levelOf(frame.index) > levelOf(r)) {
        const int c = frame.index++;
        bool changed = false;
        if (startOf(r) > startOf(c)) {
            setStart(c, text(ColStart, r), DateState::Valid, m_rows[r].start);
            calcEndDate(c);
            changed = true;
        }
        if (frame.latest < endOf(c))
            frame.latest = endOf(c);
        if (endOf(r) < endOf(c)) {
            setEnd(r, text(ColEnd, c), DateState::Valid, m_rows[c].end);
            calcDuration(r);
            changed = true;
        }
        if (changed && reenterable(c)) {
            push(FrameKind::Propagate, c, true);
            return;
        }
    }
    const TDateTime latest = frame.latest;
    m_stack.pop_back();
    if (latest < endOf(r)) {
        setEndDay(r, latest);
        calcDuration(r);
    }
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

// ---------------------------------------------------------------- entries

void ScheduleEngine::recalcGroupTasks()
{
    if (m_level.empty())
        buildOutline();
    if (!m_hasGroups)
        return;
    if (!m_groupTrees)
        buildGroupTrees();
    int first = std::clamp(m_host.FirstVisibleTaskRow(), 1, TaskTable::LastRow);
    while (first > 1 && text(ColLevel, first) != QLatin1String("1"))
        --first;
    for (int g = first; g <= m_last; ++g)
        if (m_rows[g].isGroup)
            refit(g);
}

void ScheduleEngine::recalcSchedule()
{
    m_project.CriticalChain.clear();
    try {
        buildOutline();
        recalcGroupTasks();
        buildIndex();
        for (int r = 1; r <= m_last; ++r) {
            if (!isRoot(r))
                continue;
            follow(r);
            run();
        }
        flushDirty(1, m_last);
        markCriticalPath();
    } catch (const ConversionError &) {
        m_stack.clear();
        try {
            flushDirty(1, m_last);
        } catch (const ConversionError &) {
        }
        marksAfterFailure();
        flushPending();
        m_project.CriticalChain = QList<int>(m_chain.begin(), m_chain.end());
        throw;
    }
    flushPending();
    m_project.CriticalChain = QList<int>(m_chain.begin(), m_chain.end());
    m_host.RepaintChart();
}

} // namespace morvaine
