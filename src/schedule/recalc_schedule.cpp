#include "recalc.h"

#include "schedule_engine.h"
#include <QCoreApplication>

#include <algorithm>

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

QList<int> CriticalChainOf(const Project &project)
{
    // Tracing reads the cells and writes none of them.
    ViewNotifications nothingShown;
    return ScheduleEngine(const_cast<Project &>(project), 1, {}, nothingShown, nullptr)
        .traceChain();
}

QString LinkErrorsText(const QStringList &messages)
{
    if (messages.size() == 1)
        return messages.front();
    // One line per link; a long list ends with the number of links left out.
    constexpr qsizetype Shown = 20;
    QStringList lines;
    for (qsizetype i = 0; i < messages.size() && i < Shown; ++i)
        lines << QString(messages[i]).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (messages.size() > Shown)
        lines
            << QCoreApplication::translate("Messages", "and %1 more").arg(messages.size() - Shown);
    return lines.join(QLatin1Char('\n'));
}

namespace {

// The links of a Forerunner cell just committed that it did not name before: the
// message of a link the user has just typed comes first.
void putTypedLinksFirst(const Project &project, QStringList &messages)
{
    const EditState &edit = project.Edit;
    if (!edit.CellChanged || edit.TrackedCol != ColForerunner || messages.size() < 2)
        return;
    const QList<int> before = ParseForerunner(edit.TrackedText).items;
    QStringList typed;
    for (int p : ParseForerunner(project.taskTable.cell(ColForerunner, edit.TrackedRow)).items)
        if (!before.contains(p))
            typed << LinkErrorMessage(p, edit.TrackedRow);
    std::stable_partition(messages.begin(), messages.end(),
                          [&typed](const QString &message) { return typed.contains(message); });
}

void recalcForCommand(Project &project, Host &host, RecalcStats *stats)
{
    QStringList messages;
    const LinkErrorSink collect = [&messages](const QString &message) { messages << message; };
    // One box for all the links a recalculation ignores, shown once it is over.
    const auto show = [&] {
        putTypedLinksFirst(project, messages);
        if (!messages.isEmpty())
            host.ShowLinkErrors(LinkErrorsText(messages));
    };
    try {
        RecalcSchedule(project, host.FirstVisibleTaskRow(), collect, host, stats);
    } catch (const ConversionError &) {
        show();
        throw;
    }
    show();
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
