#pragma once
// The Gantt chart's index kept current with its project. Building the index reads every
// task row; after an edit only a few rows changed, so the index hears each cell written
// and, when asked for, reads just the rows whose cells it draws from again.

#include "views/gantt_painter.h"

#include <QString>

#include <vector>

namespace morvaine {

class Project;

class LiveGanttIndex {
public:
    /// Listens to the project's task table from now until it is destroyed.
    explicit LiveGanttIndex(Project &project);
    ~LiveGanttIndex();
    LiveGanttIndex(const LiveGanttIndex &) = delete;
    LiveGanttIndex &operator=(const LiveGanttIndex &) = delete;

    /// The index of the project as it is now: built whole the first time and after a
    /// change of the scale, the last task row, the project start or the date format;
    /// otherwise refreshed over the rows written since the last call.
    const GanttIndex &current();
    /// The next current() builds the index whole.
    void invalidate() { m_whole = true; }
    /// Rows written since the last current(), for tests.
    std::size_t pendingRows() const { return m_dirty.size(); }

private:
    void cellWritten(int column, int row);

    Project &m_project;
    int m_listener = 0;
    GanttIndex m_index;
    bool m_whole = true;
    QString m_dateFormat;     // the date format the index read its dates in
    std::vector<int> m_dirty; // rows written since the index was last brought up to date
    std::vector<bool> m_isDirty;
};

} // namespace morvaine
