#pragma once
// The view commands: the Gantt scale buttons, the chart's zoom and the critical path,
// and the tool-bar state that shows them.

#include "model/host.h"
#include "model/project.h"

#include <QObject>

class QActionGroup;

namespace morvaine {

class CommandActions;
class GanttChart;

class ViewController : public QObject {
    Q_OBJECT
public:
    ViewController(Project &project, Host &host, GanttChart *chart, CommandActions &actions,
                   QObject *parent);

    /// Shows the button of Gantt scale 1, 2 or 3 pressed.
    void showGanttScale(int scale);
    /// The critical-path button's picture and the check mark of its menu item.
    void showCriticalPathOn(bool on);

    /// Shows the chart at scale 1 (day), 2 (week) or 3 (month) per column.
    void onScale(int scale);
    /// Gantt Zoom In: from months to weeks to days; nothing at day scale.
    void onZoomIn();
    /// Gantt Zoom Out: from days to weeks to months; nothing at month scale.
    void onZoomOut();
    /// Shows or hides the critical path.
    void onCriticalPath();

private:
    Project &m_project;
    Host &m_host;
    GanttChart *m_ganttChart;
    CommandActions &m_actions;
    QActionGroup *m_scaleGroup;
};

} // namespace morvaine
