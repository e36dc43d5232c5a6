#include "literal_schedule.h"
#include "literal_calendar.h"

#include "model/convert.h"
#include "schedule/forerunner.h"

#include <QHash>

#include <algorithm>

namespace morvaine::literal {

namespace {

class Walk {
public:
    Walk(Project &project, Host &host, long long budget)
        : p(project), t(project.taskTable), host(host), budget(budget)
    {
    }

    Project &p;
    TaskTable &t;
    Host &host;
    long long budget;
    int depth = 0;
    std::vector<bool> visited;
    std::vector<bool> propagating;
    std::vector<bool> reached; // propagated at least once

    // The rows a Forerunner names, up to its first item that is no number.
    QList<int> namedRows(int row) const
    {
        QList<int> rows;
        QString rest = cell(ColForerunner, row);
        for (qsizetype semicolon = rest.indexOf(QLatin1Char(';')); semicolon >= 0;
             semicolon = rest.indexOf(QLatin1Char(';'))) {
            const QString text = semicolon >= 1 ? rest.mid(1, semicolon - 1) : QString();
            LinkItem link;
            QString why;
            const LinkItemKind kind = ReadLinkItem(text, link, why);
            if (kind == LinkItemKind::NotNumber)
                break;
            if (kind == LinkItemKind::Link)
                rows << link.row;
            rest = rest.mid(semicolon + 1);
        }
        return rows;
    }
    // The first item of succ's Forerunner naming pred.
    LinkItem linkOf(int pred, int succ) const
    {
        QString rest = cell(ColForerunner, succ);
        for (qsizetype semicolon = rest.indexOf(QLatin1Char(';')); semicolon >= 0;
             semicolon = rest.indexOf(QLatin1Char(';'))) {
            const QString text = semicolon >= 1 ? rest.mid(1, semicolon - 1) : QString();
            LinkItem link;
            QString why;
            if (ReadLinkItem(text, link, why) == LinkItemKind::Link && link.row == pred)
                return link;
            rest = rest.mid(semicolon + 1);
        }
        return {};
    }
    // Day by day: the day moved on k working days (back for a negative k).
    TDateTime movedOn(TDateTime day, int k) const
    {
        for (int step = k > 0 ? 1 : -1, left = k > 0 ? k : -k; left > 0;) {
            day = day + step;
            if (IsWorkingDay(p, day))
                --left;
        }
        return day;
    }
    // The earliest Start a link allows its successor of days working days.
    TDateTime bound(const LinkItem &link, int pred, int days)
    {
        // Only the date the link counts from is read.
        const bool fromStart = link.type == LinkType::SS || link.type == LinkType::SF;
        const TDateTime pStart = fromStart ? start(pred) : 0, pEnd = fromStart ? 0 : end(pred);
        TDateTime last = 0;
        switch (link.type) {
        case LinkType::FS:
            if (days == 0)
                return movedOn(pEnd, link.lag);
            return link.lag > 0 ? movedOn(pEnd, link.lag + 1) : movedOn(pEnd + 1, link.lag);
        case LinkType::SS:
            return movedOn(pStart, link.lag);
        case LinkType::FF:
            last = movedOn(pEnd, link.lag);
            break;
        case LinkType::SF:
            last = movedOn(pStart, link.lag);
            break;
        }
        if (days == 0)
            return last;
        // The successor's End on the first working day from last on; its Start the
        // Duration before.
        while (!IsWorkingDay(p, last))
            last = last + 1;
        return movedOn(last, -(days - 1));
    }
    bool linked(int pred, int succ) const { return namedRows(succ).contains(pred); }
    // Whether from reaches to along links between rows never reached.
    bool leadsTo(int from, int to) const
    {
        std::vector<bool> seen(reached.size(), false);
        QList<int> todo{from};
        seen[from] = true;
        while (!todo.isEmpty()) {
            const int row = todo.takeFirst();
            if (row == to)
                return true;
            for (int next = 1; next <= p.LastTaskRow; ++next)
                if (!reached[next] && !seen[next] && linked(row, next)) {
                    seen[next] = true;
                    todo << next;
                }
        }
        return false;
    }
    // Links that lie on a cycle of rows no root reached.
    void ReportUnreachedCycles()
    {
        for (int pred = 1; pred <= p.LastTaskRow; ++pred)
            for (int succ = 1; succ <= p.LastTaskRow; ++succ)
                if (!reached[pred] && !reached[succ] && linked(pred, succ) && leadsTo(succ, pred))
                    linkError(pred, succ);
    }

    // Counts one call and its nesting; a cycle would otherwise recurse for ever.
    struct Step {
        Walk &walk;
        explicit Step(Walk &w) : walk(w)
        {
            if (--walk.budget < 0 || ++walk.depth > 3000)
                throw BudgetExceeded();
        }
        ~Step() { --walk.depth; }
    };
    QString cell(int column, int row) const
    {
        return row >= 1 && row <= TaskTable::LastRow ? t.cell(column, row) : QString();
    }
    int level(int row)
    {
        return located(ColLevel, row, [&] { return StrToInt(cell(ColLevel, row)); });
    }
    // A marked row heading no deeper row (the last row, or a next row not deeper) is no
    // group; where a Level is no number the mark counts.
    bool isGroup(int row)
    {
        if (cell(ColVeha, row) != QLatin1String("v"))
            return false;
        if (row >= p.LastTaskRow)
            return false;
        try {
            return level(row + 1) > level(row);
        } catch (const ConversionError &) {
            return true;
        }
    }
    // The items of a Forerunner, read one by one; a bad one fails naming the cell.
    int item(int row, const QString &rest, qsizetype semicolon)
    {
        const QString text = semicolon >= 1 ? rest.mid(1, semicolon - 1) : QString();
        LinkItem link;
        QString why;
        switch (ReadLinkItem(text, link, why)) {
        case LinkItemKind::Link:
            return link.row;
        case LinkItemKind::Malformed:
            return 0; // passed over
        case LinkItemKind::NotNumber:
            break;
        }
        return located(ColForerunner, row, [&] { return StrToInt(text); });
    }
    int durationDays(int row)
    {
        return located(ColDuration, row, [&] { return DurationDays(cell(ColDuration, row)); });
    }
    QList<int> subTasks(int g)
    {
        QList<int> rows;
        const int own = level(g);
        for (int c = g + 1; c <= p.LastTaskRow && level(c) > own; ++c)
            rows.append(c);
        return rows;
    }
    TDateTime start(int row)
    {
        return located(ColStart, row, [&] { return ReadDate(cell(ColStart, row)); });
    }
    TDateTime end(int row)
    {
        return located(ColEnd, row, [&] { return ReadDate(cell(ColEnd, row)); });
    }

    bool LinkAllowed(int pred, int succ)
    {
        if (cell(ColDuration, succ).isEmpty() || pred == succ)
            return false;
        if (isGroup(pred) && pred < succ && subTasks(pred).contains(succ))
            return false;
        if (isGroup(succ) && succ < pred && subTasks(succ).contains(pred))
            return false;
        return true;
    }

    void RecalcGroupTasks()
    {
        int first = std::clamp(host.FirstVisibleTaskRow(), 1, TaskTable::LastRow);
        while (first > 1 && cell(ColLevel, first) != QLatin1String("1"))
            --first;
        for (int g = first; g <= p.LastTaskRow; ++g) {
            if (!isGroup(g))
                continue;
            t.setCell(ColStart, g, cell(ColStart, g + 1));
            t.setCell(ColEnd, g, cell(ColEnd, g + 1));
            CalcDuration(p, g);
            const int own = level(g);
            for (int c = g + 1; c <= p.LastTaskRow && level(c) > own; ++c) {
                if (start(c) < start(g)) {
                    t.setCell(ColStart, g, cell(ColStart, c));
                    CalcDuration(p, g);
                }
                if (end(c) > end(g)) {
                    t.setCell(ColEnd, g, cell(ColEnd, c));
                    CalcDuration(p, g);
                }
            }
        }
    }

    void linkError(int pred, int succ)
    {
        host.MessageBox(QStringLiteral("Error"),
                        QStringLiteral("Link error (Task #") + QString::number(pred) +
                            QStringLiteral(" -> Task #") + QString::number(succ) +
                            QStringLiteral(")\nThis link will be ignored."),
                        MsgIcon::Error, MsgButtons::Ok);
    }

    void PropagateLinks(int pred)
    {
        const Step counted(*this);
        reached[pred] = true;
        if (cell(ColDuration, pred).isEmpty())
            return;
        if (propagating[pred])
            throw BudgetExceeded();
        propagating[pred] = true;
        struct Done {
            std::vector<bool> &flags;
            int row;
            ~Done() { flags[row] = false; }
        } done{propagating, pred};
        for (int s = 1; s <= p.LastTaskRow; ++s) {
            if (cell(ColForerunner, s).isEmpty())
                continue;
            // Items are read one by one up to the first naming pred.
            QString rest = cell(ColForerunner, s);
            bool names = false;
            for (qsizetype semicolon = rest.indexOf(QLatin1Char(';')); semicolon >= 0;
                 semicolon = rest.indexOf(QLatin1Char(';'))) {
                const int number = item(s, rest, semicolon);
                rest = rest.mid(semicolon + 1);
                if (number == pred) {
                    names = true;
                    break;
                }
            }
            if (!names)
                continue;
            const LinkItem link = linkOf(pred, s);
            if (LinkAllowed(pred, s) && (link.type != LinkType::FS || link.lag != 0)) {
                const TDateTime day = bound(link, pred, durationDays(s));
                if (day > start(s)) {
                    t.setCell(ColStart, s, WriteDate(day));
                    CalcEndDate(p, s);
                }
                visited[s] = true;
                AdjustGroups(s);
                PropagateLinks(s);
            } else if (LinkAllowed(pred, s)) {
                if (durationDays(s) == 0) {
                    if (end(pred) > start(s)) {
                        t.setCell(ColStart, s, cell(ColEnd, pred));
                        CalcEndDate(p, s);
                    }
                } else if (end(pred) >= start(s)) {
                    t.setCell(ColStart, s, WriteDate(end(pred) + 1));
                    CalcEndDate(p, s);
                }
                visited[s] = true;
                AdjustGroups(s);
                PropagateLinks(s);
            } else {
                linkError(pred, s);
            }
        }
    }

    // The group task spans its sub-tasks: the earliest Start and the latest End, each
    // the text of the first row holding it.
    void Refit(int q)
    {
        const QList<int> subs = subTasks(q);
        for (int c : subs) {
            if (c == q + 1) {
                t.setCell(ColStart, q, cell(ColStart, c));
                t.setCell(ColEnd, q, cell(ColEnd, c));
                CalcDuration(p, q);
            }
            if (start(c) < start(q)) {
                t.setCell(ColStart, q, cell(ColStart, c));
                CalcDuration(p, q);
            }
            if (end(c) > end(q)) {
                t.setCell(ColEnd, q, cell(ColEnd, c));
                CalcDuration(p, q);
            }
        }
    }

    void AdjustGroups(int r)
    {
        const Step counted(*this);
        if (isGroup(r)) {
            // Every sub-task starts no earlier than the group's Start as the link left
            // it, whatever a climb from a pushed row does to that Start meanwhile.
            const TDateTime bound = start(r);
            const QString boundText = cell(ColStart, r);
            for (int c : subTasks(r)) {
                bool changed = false;
                if (bound > start(c)) {
                    t.setCell(ColStart, c, boundText);
                    CalcEndDate(p, c);
                    changed = true;
                }
                const TDateTime cEnd = end(c); // read before the group's End
                if (end(r) < cEnd) {
                    t.setCell(ColEnd, r, cell(ColEnd, c));
                    CalcDuration(p, r);
                    changed = true;
                }
                if (changed)
                    PropagateLinks(c);
            }
            Refit(r);
        }
        if (cell(ColLevel, r) == QLatin1String("1"))
            return;
        const int own = level(r);
        int q = r - 1;
        while (q >= 1 && level(q) >= own)
            --q;
        if (q < 1 || !isGroup(q))
            return;
        Refit(q);
        visited[q] = true;
        PropagateLinks(q);
        AdjustGroups(q);
    }

    // The critical chain, traced once the dates are final: depth first along the walk,
    // the chain so far runs from the last task on the project start date through links
    // that drive their successors; the first to reach a task ending on the project end
    // date is the chain. Empty when a Level or a Forerunner item does not read.
    bool dateOf(int column, int row, TDateTime &day) const
    {
        try {
            day = ReadDate(cell(column, row));
            return true;
        } catch (const ConversionError &) {
            return false;
        }
    }
    bool onDay(int column, int row, TDateTime day) const
    {
        TDateTime value = 0;
        return dateOf(column, row, value) && value == day;
    }
    // No working day lies between the predecessor's End and the successor's Start.
    bool drives(int pred, int succ)
    {
        TDateTime end = 0, start = 0, pStart = 0;
        if (!dateOf(ColEnd, pred, end) || !dateOf(ColStart, succ, start))
            return false;
        const LinkItem link = linkOf(pred, succ);
        if (link.type != LinkType::FS || link.lag != 0) {
            if (!dateOf(ColStart, pred, pStart))
                return false;
            int days = 0;
            try {
                days = DurationDays(cell(ColDuration, succ));
            } catch (const ConversionError &) {
                return false;
            }
            const TDateTime from = bound(link, pred, days);
            if (from > start)
                return false;
            for (TDateTime day = from; day < start; day = day + 1)
                if (IsWorkingDay(p, day))
                    return false;
            return true;
        }
        for (TDateTime day = end + 1; day < start; day = day + 1)
            if (IsWorkingDay(p, day))
                return false;
        return true;
    }
    bool readsWhole()
    {
        for (int row = 1; row <= p.LastTaskRow; ++row) {
            try {
                level(row);
                QString rest = cell(ColForerunner, row);
                for (qsizetype semicolon = rest.indexOf(QLatin1Char(';')); semicolon >= 0;
                     semicolon = rest.indexOf(QLatin1Char(';'))) {
                    item(row, rest, semicolon);
                    rest = rest.mid(semicolon + 1);
                }
            } catch (const ConversionError &) {
                return false;
            }
        }
        return true;
    }
    TDateTime s0 = 0, e = 0;
    QList<int> chainFound;
    bool found = false;
    std::vector<bool> tracing;
    void TraceClimb(int row)
    {
        for (int r = row;;) {
            if (cell(ColLevel, r) == QLatin1String("1"))
                return;
            const int own = level(r);
            int q = r - 1;
            while (q >= 1 && level(q) >= own)
                --q;
            if (q < 1 || !isGroup(q))
                return;
            visited[q] = true;
            TraceLinks(q, {});
            if (found)
                return;
            r = q;
        }
    }
    void TraceLinks(int pred, QList<int> tail)
    {
        const Step counted(*this);
        if (cell(ColDuration, pred).isEmpty())
            return;
        if (tracing[pred])
            throw BudgetExceeded();
        tracing[pred] = true;
        struct Done {
            std::vector<bool> &flags;
            int row;
            ~Done() { flags[row] = false; }
        } done{tracing, pred};
        if (onDay(ColStart, pred, s0))
            tail = {pred};
        for (int s = 1; s <= p.LastTaskRow; ++s) {
            if (!namedRows(s).contains(pred) || !LinkAllowed(pred, s))
                continue;
            visited[s] = true;
            const bool driving = !tail.isEmpty() && drives(pred, s);
            if (driving && onDay(ColEnd, s, e)) {
                chainFound = tail + QList<int>{s};
                found = true;
                return;
            }
            TraceClimb(s);
            if (found)
                return;
            TraceLinks(s, driving ? tail + QList<int>{s} : QList<int>{});
            if (found)
                return;
        }
    }
    QList<int> CriticalChain()
    {
        chainFound.clear();
        found = false;
        if (!readsWhole())
            return {};
        visited.assign(static_cast<std::size_t>(p.LastTaskRow) + 2, false);
        tracing.assign(static_cast<std::size_t>(p.LastTaskRow) + 2, false);
        for (int r = 1; r <= p.LastTaskRow && !found; ++r) {
            if (!IsRoot(r))
                continue;
            TraceClimb(r);
            if (!found)
                TraceLinks(r, {});
        }
        return chainFound;
    }

    void MarkCriticalPath()
    {
        e = ProjectEndDate(p);
        s0 = ReadDate(p.settings().startDate());
        QList<int> &chain = p.CriticalChain;
        chain = CriticalChain();
        std::vector<int> &marks = p.CriticalMarks;
        if (p.CriticalPathOn) {
            std::fill(marks.begin(), marks.end(), -1);
            for (int row = 1; row <= p.LastTaskRow; ++row)
                if (!cell(ColStart, row).isEmpty() && start(row) == s0 && end(row) == e)
                    marks[row] = 1;
            for (int row : chain)
                marks[row] = 1;
        }
    }

    bool IsRoot(int r)
    {
        if (cell(ColDuration, r).isEmpty() || !cell(ColForerunner, r).isEmpty() || visited[r])
            return false;
        for (int s = 1; s <= p.LastTaskRow; ++s) {
            QString rest = cell(ColForerunner, s);
            for (qsizetype semicolon = rest.indexOf(QLatin1Char(';')); semicolon >= 0;
                 semicolon = rest.indexOf(QLatin1Char(';'))) {
                if (item(s, rest, semicolon) == r)
                    return true;
                rest = rest.mid(semicolon + 1);
            }
        }
        return false;
    }

    void Run()
    {
        p.CriticalChain.clear();
        RecalcGroupTasks();
        visited.assign(static_cast<std::size_t>(p.LastTaskRow) + 2, false);
        propagating.assign(static_cast<std::size_t>(p.LastTaskRow) + 2, false);
        reached.assign(static_cast<std::size_t>(p.LastTaskRow) + 2, false);
        for (int r = 1; r <= p.LastTaskRow; ++r) {
            if (IsRoot(r)) {
                AdjustGroups(r);
                PropagateLinks(r);
            }
        }
        ReportUnreachedCycles();
        MarkCriticalPath();
        host.RepaintChart();
    }
};

} // namespace

void RecalcSchedule(Project &project, Host &host, long long stepBudget)
{
    Walk(project, host, stepBudget).Run();
}

} // namespace morvaine::literal
