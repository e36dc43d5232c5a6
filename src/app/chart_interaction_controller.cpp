#include "chart_interaction_controller.h"

#include "edit/command_guard.h"
#include "gantt_chart.h"
#include "views/gantt_ghost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace morvaine {

namespace {

QString DaysText(int days)
{
    return days == 1 ? QCoreApplication::translate("morvaine::ChartInteractionController", "1 day")
                     : QCoreApplication::translate("morvaine::ChartInteractionController",
                                                   "%n days", nullptr, days);
}

// The tool tip of a task: its name and its dates, as the table shows them.
QString DatesToolTip(const QString &name, const QString &start, const QString &end,
                     const QString &duration, const QString &completion)
{
    return QCoreApplication::translate("morvaine::ChartInteractionController",
                                       "%1\nStart: %2\nEnd: %3\nDuration: %4\nCompletion: %5")
        .arg(name, start, end, duration, completion);
}

} // namespace

ChartInteractionController::ChartInteractionController(Project &project, Host &host,
                                                       GanttChart *chart, QObject *parent)
    : QObject(parent), m_project(project), m_host(host), m_chart(chart)
{
    chart->viewport()->setMouseTracking(true);
    chart->viewport()->installEventFilter(this);
}

ChartInteractionController::~ChartInteractionController()
{
    qApp->removeEventFilter(this);
}

QPoint ChartInteractionController::chartPoint(const QPoint &viewportPoint) const
{
    return ChartPointAt(viewportPoint, m_chart->leftColumn(), m_chart->topRow());
}

ChartHit ChartInteractionController::hitAt(const QPoint &viewportPoint)
{
    return HitTestChart(m_chart->index(), m_project.LastTaskRow, chartPoint(viewportPoint));
}

bool ChartInteractionController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_chart->viewport()) {
        // While a gesture is under way the whole application's keys are watched, so that
        // Esc cancels it wherever the keyboard is.
        if (dragging() && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            cancel();
            return true;
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || dragging())
            return dragging();
        return press(mouse->position().toPoint());
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (dragging()) {
            drag(mouse->position().toPoint(), mouse->globalPosition().toPoint());
            return true;
        }
        hover(mouse->position().toPoint());
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton || !dragging())
            return false;
        release();
        return true;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        doubleClick(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::ToolTip: {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, m_chart->viewport());
        return true;
    }
    case QEvent::Leave:
        if (!dragging())
            m_chart->viewport()->unsetCursor();
        return false;
    default:
        return false;
    }
}

bool ChartInteractionController::press(const QPoint &viewportPoint)
{
    ChartHit hit = hitAt(viewportPoint);
    if (hit.row == 0)
        return false;
    // Pressing on a bar selects its row in the table, which commits a cell being typed
    // into; that may change the plan, so the bar is looked up again after it.
    const int column = m_host.CurrentColumn();
    m_host.SelectCell(column >= ColTask && column <= ColCompletion ? column : ColTask, hit.row);
    hit = hitAt(viewportPoint);
    if (hit.row == 0 || hit.group)
        return true; // group bars follow their sub-tasks: no gesture starts on them

    Drag drag;
    drag.row = hit.row;
    drag.press = chartPoint(viewportPoint);
    drag.movable = CanDragTask(m_project, hit.row);
    if (drag.movable) {
        drag.start = StrToDate(m_project.taskTable.cell(ColStart, hit.row));
        drag.end = StrToDate(m_project.taskTable.cell(ColEnd, hit.row));
    }
    const int middle = hit.row * GanttCellHeight + GanttCellHeight / 2;
    switch (hit.part) {
    case BarPart::StartHandle:
        drag.gesture = Gesture::Link;
        drag.from = BarEnd::Start;
        drag.lineFrom = QPoint(static_cast<int>(hit.left), middle);
        break;
    case BarPart::End:
        if (!drag.movable || hit.milestone)
            return true;
        drag.gesture = Gesture::Stretch;
        break;
    default:
        drag.gesture = Gesture::Pressed;
        drag.from = BarEnd::End;
        drag.lineFrom = QPoint(static_cast<int>(hit.right), middle);
        break;
    }
    m_drag = drag;
    qApp->installEventFilter(this);
    return true;
}

void ChartInteractionController::drag(const QPoint &viewportPoint, const QPoint &globalPoint)
{
    const QPoint at = chartPoint(viewportPoint);
    m_drag.mouse = at;
    const QPoint moved = at - m_drag.press;
    if (m_drag.gesture == Gesture::Pressed) {
        if (qMax(qAbs(moved.x()), qAbs(moved.y())) < DecisionDistance)
            return;
        // Sideways moves the task; up or down draws a link from its end.
        m_drag.gesture =
            qAbs(moved.y()) > qAbs(moved.x()) || !m_drag.movable ? Gesture::Link : Gesture::Move;
    }
    const TimeAxis &axis = m_chart->index().axis();
    const qint64 days = DayAtX(axis, at.x()) - DayAtX(axis, m_drag.press.x());
    switch (m_drag.gesture) {
    case Gesture::Move:
        m_drag.dates = MovedTaskDates(m_project, m_drag.row, m_drag.start + days);
        m_chart->viewport()->setCursor(Qt::SizeAllCursor);
        break;
    case Gesture::Stretch:
        m_drag.dates = StretchedTaskDates(m_project, m_drag.row, m_drag.end + days);
        m_chart->viewport()->setCursor(Qt::SizeHorCursor);
        break;
    case Gesture::Link: {
        const ChartHit hit = hitAt(viewportPoint);
        m_drag.target = hit.row != m_drag.row ? hit.row : 0;
        m_drag.to = 2 * at.x() < hit.left + hit.right ? BarEnd::Start : BarEnd::End;
        m_chart->viewport()->setCursor(Qt::DragLinkCursor);
        break;
    }
    default:
        break;
    }
    updateGhost();
    const QString text = dragToolTip();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPoint, text, m_chart->viewport());
}

void ChartInteractionController::updateGhost()
{
    GanttGhost ghost;
    const Drag &d = m_drag;
    if ((d.gesture == Gesture::Move || d.gesture == Gesture::Stretch) && d.dates) {
        ghost.outline = {d.row, static_cast<qint64>(d.dates->start),
                         static_cast<qint64>(d.dates->end), d.dates->days == 0};
    } else if (d.gesture == Gesture::Link) {
        ghost.hasLine = true;
        ghost.lineFrom = d.lineFrom;
        ghost.lineTo = d.mouse;
        if (d.target > 0) {
            const GanttIndex::Row &task = m_chart->index().row(d.target);
            ghost.outline = {d.target, task.start, task.end, task.zeroDays};
        }
    }
    m_chart->setGhost(ghost);
}

void ChartInteractionController::release()
{
    const Drag done = m_drag;
    endDrag();
    switch (done.gesture) {
    case Gesture::Move:
        if (done.dates && done.dates->start != done.start)
            RunCommand(m_host, [&] {
                NameCommand(QLatin1String(MoveTaskName));
                MoveTask(m_project, m_host, done.row, done.dates->start);
            });
        break;
    case Gesture::Stretch:
        if (done.dates && done.dates->end != done.end)
            RunCommand(m_host, [&] {
                NameCommand(QLatin1String(ChangeDurationName));
                ChangeTaskEnd(m_project, m_host, done.row, done.dates->end);
            });
        break;
    case Gesture::Link:
        if (done.target > 0)
            RunCommand(m_host, [&] {
                NameCommand(QLatin1String(LinkTasksName));
                LinkTasks(m_project, m_host, done.row, done.from, done.target, done.to);
            });
        break;
    default:
        break; // released where it was pressed: nothing changes
    }
}

void ChartInteractionController::cancel()
{
    endDrag();
}

void ChartInteractionController::endDrag()
{
    m_drag = Drag();
    qApp->removeEventFilter(this);
    m_chart->setGhost(GanttGhost());
    m_chart->viewport()->unsetCursor();
    QToolTip::hideText();
}

void ChartInteractionController::hover(const QPoint &viewportPoint)
{
    const ChartHit hit = hitAt(viewportPoint);
    QWidget *viewport = m_chart->viewport();
    if (hit.row == 0 || hit.group) {
        viewport->unsetCursor();
        return;
    }
    switch (hit.part) {
    case BarPart::StartHandle:
        viewport->setCursor(Qt::DragLinkCursor);
        break;
    case BarPart::End:
        viewport->setCursor(hit.milestone ? Qt::SizeAllCursor : Qt::SizeHorCursor);
        break;
    default:
        viewport->setCursor(Qt::SizeAllCursor);
        break;
    }
}

void ChartInteractionController::doubleClick(const QPoint &viewportPoint)
{
    const ChartHit hit = hitAt(viewportPoint);
    if (hit.row > 0)
        m_host.SelectCell(ColTask, hit.row);
}

QString ChartInteractionController::toolTipAt(const QPoint &viewportPoint)
{
    if (dragging())
        return dragToolTip();
    const ChartHit hit = hitAt(viewportPoint);
    return hit.row > 0 ? taskToolTip(hit.row) : QString();
}

QString ChartInteractionController::taskToolTip(int row) const
{
    const TaskTable &table = m_project.taskTable;
    return DatesToolTip(table.cell(ColTask, row), table.cell(ColStart, row),
                        table.cell(ColEnd, row), table.cell(ColDuration, row),
                        table.cell(ColCompletion, row));
}

QString ChartInteractionController::dragToolTip() const
{
    const TaskTable &table = m_project.taskTable;
    const Drag &d = m_drag;
    switch (d.gesture) {
    case Gesture::Move:
    case Gesture::Stretch:
        if (!d.dates)
            return QString();
        return DatesToolTip(table.cell(ColTask, d.row), DateToStr(d.dates->start),
                            DateToStr(d.dates->end), DaysText(d.dates->days),
                            table.cell(ColCompletion, d.row));
    case Gesture::Link:
        if (d.target == 0)
            return QString();
        return tr("Link Tasks\n%1 %2 -> %3 %4")
            .arg(QString::number(d.row), table.cell(ColTask, d.row), QString::number(d.target),
                 table.cell(ColTask, d.target));
    default:
        return QString();
    }
}

} // namespace morvaine
