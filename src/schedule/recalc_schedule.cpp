#include "recalc.h"

#include "schedule_engine.h"
#include <QCoreApplication>

namespace morvaine {

QString LinkErrorMessage(int p, int s)
{
    return QCoreApplication::translate(
               "Schedule", "Link error (Task #%1 -> Task #%2)\nThis link will be ignored.")
        .arg(p)
        .arg(s);
}

void RecalcSchedule(Project &project, int firstVisibleRow, const LinkErrorSink &linkErrors,
                    ViewNotifications &view, RecalcStats *stats)
{
    if (stats)
        *stats = RecalcStats();
    ScheduleEngine(project, firstVisibleRow, linkErrors, view, stats).recalcSchedule();
}

namespace {

void recalcForCommand(Project &project, Host &host, RecalcStats *stats)
{
    const LinkErrorSink showError = [&host](const QString &message) {
        host.MessageBox(QCoreApplication::translate("Messages", "Error"), message, MsgIcon::Error,
                        MsgButtons::Ok);
    };
    RecalcSchedule(project, host.FirstVisibleTaskRow(), showError, host, stats);
}

} // namespace

void RecalcSchedule(Project &project, Host &host)
{
    recalcForCommand(project, host, nullptr);
}

void RecalcSchedule(Project &project, Host &host, RecalcStats &stats)
{
    recalcForCommand(project, host, &stats);
}

} // namespace morvaine
