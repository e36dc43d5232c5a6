#include "views/live_gantt_index.h"

#include "model/convert.h"
#include "model/project.h"

namespace morvaine {

LiveGanttIndex::LiveGanttIndex(Project &project)
    : m_project(project), m_isDirty(TaskTable::Rows, false)
{
    m_listener =
        project.taskTable.addListener([this](int column, int row, const QString &,
                                             const QString &) { cellWritten(column, row); });
}

LiveGanttIndex::~LiveGanttIndex()
{
    m_project.taskTable.removeListener(m_listener);
}

void LiveGanttIndex::cellWritten(int column, int row)
{
    switch (column) {
    case ColDuration:
    case ColStart:
    case ColEnd:
    case ColForerunner:
    case ColCompletion:
    case ColVeha:
        break;
    case ColSettings:
        // The project start places every column; the other settings draw nothing here.
        if (row == SettingsBlock::StartDate)
            m_whole = true;
        return;
    default:
        return;
    }
    if (m_whole || row < 1 || row > TaskTable::LastRow || m_isDirty[row])
        return;
    // Past a quarter of the rows, reading them all at once is no dearer.
    if (m_dirty.size() >= TaskTable::Rows / 4) {
        m_whole = true;
        return;
    }
    m_isDirty[row] = true;
    m_dirty.push_back(row);
}

const GanttIndex &LiveGanttIndex::current()
{
    if (m_whole || !m_index.isCurrent(m_project) || m_dateFormat != ShortDateFormat()) {
        m_index.rebuild(m_project);
        m_dateFormat = ShortDateFormat();
        m_whole = false;
    } else if (!m_dirty.empty()) {
        m_index.refresh(m_project, m_dirty);
    }
    for (int row : m_dirty)
        m_isDirty[row] = false;
    m_dirty.clear();
    return m_index;
}

} // namespace morvaine
