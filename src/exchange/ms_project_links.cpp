#include "ms_project_links.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace morvaine::msp {

namespace {

// The plain code of a DurationFormat or LagFormat: the estimated forms ("?") are 32
// codes further on.
int plainFormat(int code)
{
    return code > 32 ? code - 32 : code;
}

bool isPercent(int code)
{
    return plainFormat(code) == 19 || plainFormat(code) == 20;
}

// em, eh, ed, ew, emo: every hour of every day counts.
bool isElapsed(int code)
{
    const int plain = plainFormat(code);
    return plain == 4 || plain == 6 || plain == 8 || plain == 10 || plain == 12;
}

// "1 lag", "3 lags": one text for one, a plural text (with its forms) for more.
QString counted(int n, const char *one, const char *many)
{
    return n == 1 ? QCoreApplication::translate("MsProjectImport", one)
                  : QCoreApplication::translate("MsProjectImport", many, nullptr, n);
}

QString lagCount(int n)
{
    return counted(n, QT_TRANSLATE_NOOP("MsProjectImport", "1 lag"),
                   QT_TRANSLATE_N_NOOP("MsProjectImport", "%n lags"));
}

QString linkCount(int n)
{
    return counted(n, QT_TRANSLATE_NOOP("MsProjectImport", "1 link"),
                   QT_TRANSLATE_N_NOOP("MsProjectImport", "%n links"));
}

} // namespace

LinkItem LinkItemOf(const Link &link, int predecessorRow, int predecessorDays, int minutesPerDay,
                    int workingDaysPerWeek, LinkChanges &changes)
{
    LinkItem item;
    item.row = predecessorRow;
    bool changed = false;
    switch (link.type) {
    case FinishToFinish:
        item.type = morvaine::LinkType::FF;
        break;
    case FinishToStart:
        item.type = morvaine::LinkType::FS;
        break;
    case StartToFinish:
        item.type = morvaine::LinkType::SF;
        break;
    case StartToStart:
        item.type = morvaine::LinkType::SS;
        break;
    default:
        ++changes.unknownType;
        changed = true;
        break;
    }

    if (link.lag != 0 && std::isfinite(link.lag)) {
        double days = 0;
        if (isPercent(link.lagFormat)) {
            days = link.lag / 100.0 * std::max(predecessorDays, 0);
            ++changes.percent;
            changed = true;
        } else if (isElapsed(link.lagFormat)) {
            days = link.lag / 10.0 / (24 * 60) * workingDaysPerWeek / 7.0;
            ++changes.elapsed;
            changed = true;
        } else {
            days = link.lag / 10.0 / std::max(minutesPerDay, 1);
            if (std::abs(days - std::round(days)) > 1e-9) {
                ++changes.partDay;
                changed = true;
            }
        }
        // Whole days, to the nearest; a lag that was there stays at least one day.
        double whole = std::round(days);
        if (whole == 0 && days != 0)
            whole = days < 0 ? -1 : 1;
        if (std::abs(whole) > MaxLinkLag) {
            whole = whole < 0 ? -MaxLinkLag : MaxLinkLag;
            ++changes.beyond;
            changed = true;
        }
        item.lag = int(whole);
    }
    if (changed)
        ++changes.changed;
    return item;
}

QString LinkChangesText(const LinkChanges &changes, int links)
{
    if (changes.changed == 0)
        return QString();
    QStringList how;
    if (changes.elapsed > 0)
        how << QCoreApplication::translate("MsProjectImport",
                                           "%1 in elapsed time taken as working days")
                   .arg(lagCount(changes.elapsed));
    if (changes.percent > 0)
        how << QCoreApplication::translate("MsProjectImport",
                                           "%1 in percent taken as working days of the predecessor")
                   .arg(lagCount(changes.percent));
    if (changes.partDay > 0)
        how << QCoreApplication::translate("MsProjectImport",
                                           "%1 of part of a day rounded to whole working days")
                   .arg(lagCount(changes.partDay));
    if (changes.beyond > 0)
        how << QCoreApplication::translate("MsProjectImport", "%1 beyond %2 working days cut to %2")
                   .arg(lagCount(changes.beyond))
                   .arg(MaxLinkLag);
    if (changes.unknownType > 0)
        how << QCoreApplication::translate("MsProjectImport",
                                           "%1 of an unknown type made finish-to-start")
                   .arg(linkCount(changes.unknownType));
    return (changes.changed == 1
                ? QCoreApplication::translate("MsProjectImport", "%1 of %2 was changed: %3.")
                : QCoreApplication::translate("MsProjectImport", "%1 of %2 were changed: %3."))
        .arg(changes.changed)
        .arg(linkCount(links), how.join(QLatin1String("; ")));
}

ExportedLink ExportedLinkOf(const LinkItem &link, int minutesPerDay)
{
    ExportedLink exported;
    switch (link.type) {
    case morvaine::LinkType::FF:
        exported.type = FinishToFinish;
        break;
    case morvaine::LinkType::FS:
        exported.type = FinishToStart;
        break;
    case morvaine::LinkType::SF:
        exported.type = StartToFinish;
        break;
    case morvaine::LinkType::SS:
        exported.type = StartToStart;
        break;
    }
    exported.lag = qint64(link.lag) * minutesPerDay * 10;
    return exported;
}

} // namespace morvaine::msp
