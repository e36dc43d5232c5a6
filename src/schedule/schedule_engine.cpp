// The engine's life: its borrowed arrays, and the two entries.

#include "schedule_engine.h"

#include <cstring>

namespace morvaine {

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

ScheduleEngine::ScheduleEngine(Project &project, int firstVisibleRow,
                               const LinkErrorSink &linkErrors, ViewNotifications &view,
                               RecalcStats *stats)
    : m_project(project), m_table(project.taskTable), m_stats(stats),
      m_last(std::clamp(project.LastTaskRow, 0, TaskTable::LastRow)),
      m_week(ProjectCalendar(project)), m_firstDay(MinDateValue()), m_lastDay(MaxDateValue()),
      m_linkErrors(linkErrors), m_view(view), m_firstVisibleRow(firstVisibleRow),
      m_stack(workspace().busy ? m_ownStack : workspace().frames)
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

void ScheduleEngine::recalcGroupTasks()
{
    if (m_level.empty())
        buildOutline();
    if (!m_hasGroups)
        return;
    if (!m_groupTrees)
        buildGroupTrees();
    int first = std::clamp(m_firstVisibleRow, 1, TaskTable::LastRow);
    while (first > 1 && text(ColLevel, first) != QLatin1String("1"))
        --first;
    for (int g = first; g <= m_last; ++g)
        if (m_rows[g].isGroup)
            refit(g);
}

void ScheduleEngine::handOnErrors()
{
    if (m_linkErrors)
        for (const QString &message : std::as_const(m_errors))
            m_linkErrors(message);
    m_errors.clear();
}

void ScheduleEngine::recalcSchedule()
{
    m_project.CriticalChain.clear();
    try {
        buildOutline();
        recalcGroupTasks();
        buildIndex();
        if (!walkInOrder()) {
            prepareSettling();
            for (int r = 1; r <= m_last; ++r) {
                if (!isRoot(r))
                    continue;
                follow(r);
                run();
            }
        }
        flushDirty(1, m_last);
        reportUnreachedCycles();
        markCriticalPath();
    } catch (const ConversionError &) {
        m_stack.clear();
        try {
            flushDirty(1, m_last);
        } catch (const ConversionError &) {
        }
        flushPending();
        handOnErrors();
        throw;
    }
    flushPending();
    handOnErrors();
    m_view.RepaintChart();
}

QList<int> ScheduleEngine::traceChain()
{
    buildOutline();
    buildIndex();
    const TDateTime end = projectEnd();
    traceCriticalChain(projectStart(), end);
    return QList<int>(m_chain.begin(), m_chain.end());
}

} // namespace morvaine
