#include "view_controller.h"

#include "command_actions.h"
#include "gantt_chart.h"
#include "schedule/critical_path.h"
#include "widgets/icons.h"

#include <QAction>
#include <QActionGroup>

namespace morvaine {

ViewController::ViewController(Project &project, Host &host, GanttChart *chart,
                               CommandActions &actions, QObject *parent)
    : QObject(parent), m_project(project), m_host(host), m_ganttChart(chart), m_actions(actions),
      m_scaleGroup(new QActionGroup(this))
{
    // Exactly one scale button is down.
    m_scaleGroup->setExclusive(true);
    static const char *const scaleIds[] = {"Scale1", "Scale2", "Scale3"};
    for (int scale = 1; scale <= 3; ++scale) {
        m_scaleGroup->addAction(actions.action(QLatin1String(scaleIds[scale - 1])));
        actions.bind(scaleIds[scale - 1], [this, scale] { onScale(scale); });
    }
    showGanttScale(1);
    actions.bind("GanttZoomIn1", this, &ViewController::onZoomIn);
    actions.bind("GanttZoomOut1", this, &ViewController::onZoomOut);
    actions.bind("CriticalPath1", this, &ViewController::onCriticalPath);
}

void ViewController::showGanttScale(int scale)
{
    if (QAction *item = m_actions.action(QStringLiteral("Scale%1").arg(scale)))
        item->setChecked(true);
}

void ViewController::showCriticalPathOn(bool on)
{
    QAction *item = m_actions.action(QStringLiteral("CriticalPath1"));
    item->setChecked(on);
    item->setIcon(SvgIcon(on ? QStringLiteral(":/icons/critical_path_on.svg")
                             : QStringLiteral(":/icons/critical_path_off.svg")));
}

void ViewController::onScale(int scale)
{
    // The button group has pressed the button already.
    m_ganttChart->setScale(scale);
}

void ViewController::onZoomIn()
{
    if (const auto scale = m_ganttChart->zoom(-1))
        showGanttScale(*scale);
}

void ViewController::onZoomOut()
{
    if (const auto scale = m_ganttChart->zoom(+1))
        showGanttScale(*scale);
}

void ViewController::onCriticalPath()
{
    ToggleCriticalPath(m_project, m_host);
    // The action checks itself when triggered; the project decides.
    showCriticalPathOn(m_project.CriticalPathOn);
}

} // namespace morvaine
