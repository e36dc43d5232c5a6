#pragma once
// Planning with the mouse in the Gantt chart. Pointing at a bar shows the task's dates
// in a tool tip and, by the cursor, what pressing there would do; dragging a bar's body
// sideways moves the task, dragging its right end stretches it, and pulling a bar up or
// down, or dragging from its start handle, draws a link to the bar where the mouse is
// released. While the mouse is held the chart shows a ghost of the result; Esc cancels.
// Each completed gesture is one command, with one undo step.

#include "chart_hit_test.h"
#include "edit/chart_edits.h"
#include "model/host.h"
#include "model/project.h"

#include <QObject>
#include <QPoint>

#include <optional>

namespace morvaine {

class GanttChart;

class ChartInteractionController : public QObject {
    Q_OBJECT
public:
    /// Undo step names of the three gestures.
    static constexpr const char *MoveTaskName = "Move Task";
    static constexpr const char *ChangeDurationName = "Change Duration";
    static constexpr const char *LinkTasksName = "Link Tasks";
    /// Pixels the mouse moves on a bar's body before its direction tells a move (sideways)
    /// from a link (up or down).
    static constexpr int DecisionDistance = 3;

    ChartInteractionController(Project &project, Host &host, GanttChart *chart, QObject *parent);
    ~ChartInteractionController() override;

    /// Whether a gesture is under way (the mouse held on a bar).
    bool dragging() const { return m_drag.gesture != Gesture::None; }
    /// The text of the tool tip for a point of the chart's viewport: the task's dates, or
    /// during a gesture what dropping it would give; empty where there is nothing to say.
    QString toolTipAt(const QPoint &viewportPoint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Gesture { None, Pressed, Move, Stretch, Link };
    struct Drag {
        Gesture gesture = Gesture::None;
        int row = 0;
        QPoint press;        // chart pixels
        QPoint mouse;        // chart pixels, where the mouse is now
        TDateTime start = 0; // the task's dates when pressed
        TDateTime end = 0;
        bool movable = false;           // the task's dates may change (not only a link)
        BarEnd from = BarEnd::End;      // a link's end on the pressed bar
        QPoint lineFrom;                // where its line leaves that bar
        std::optional<TaskDates> dates; // a move or stretch: the dates a drop gives
        int target = 0;                 // a link: the bar under the mouse, 0 for none
        BarEnd to = BarEnd::Start;      // ... and the end of it nearer the mouse
    };

    ChartHit hitAt(const QPoint &viewportPoint);
    QPoint chartPoint(const QPoint &viewportPoint) const;
    bool press(const QPoint &viewportPoint);
    void drag(const QPoint &viewportPoint, const QPoint &globalPoint);
    void release();
    void cancel();
    void hover(const QPoint &viewportPoint);
    void doubleClick(const QPoint &viewportPoint);
    /// Ends the gesture: no ghost, no tool tip, the keyboard no longer watched.
    void endDrag();
    void updateGhost();
    QString taskToolTip(int row) const;
    QString dragToolTip() const;

    Project &m_project;
    Host &m_host;
    GanttChart *m_chart;
    Drag m_drag;
};

} // namespace morvaine
