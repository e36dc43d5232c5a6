#include "literal_schedule.h"

#include "model/convert.h"
#include "schedule/forerunner.h"

#include <QHash>

#include <algorithm>

namespace morvaine::literal {

namespace {

// A conversion error from a cell names the cell on a second line.
const char *const ColumnNames[] = {"",      "Task",       "Duration", "Start",
                                   "End",   "Forerunner", "Resource", "Completion",
                                   "Level", "Veha",       "Settings"};

template <typename Read> auto located(int column, int row, Read &&read)
{
    try {
        return read();
    } catch (const ConversionError &error) {
        throw ConversionError(
            error.message() +
            QStringLiteral("\nRow %1, %2.").arg(row).arg(QLatin1String(ColumnNames[column])));
    }
}

// StrToDate and DateToStr, their results kept for the format in use: the conversions
// are Qt's own, only not repeated (the walk reads the same few dates over and over).
TDateTime ReadDate(const QString &text)
{
    static QString format;
    static QHash<QString, TDateTime> read;
    if (format != ShortDateFormat()) {
        format = ShortDateFormat();
        read.clear();
    }
    const auto known = read.constFind(text);
    if (known != read.constEnd())
        return *known;
    const TDateTime day = StrToDate(text); // throws for a text that is no date
    read.insert(text, day);
    return day;
}

QString WriteDate(TDateTime day)
{
    static QString format;
    static QHash<qint64, QString> written;
    if (format != ShortDateFormat()) {
        format = ShortDateFormat();
        written.clear();
    }
    const auto key = static_cast<qint64>(day);
    const auto known = written.constFind(key);
    if (known != written.constEnd())
        return *known;
    return *written.insert(key, DateToStr(day));
}

int DurationDays(const QString &text)
{
    const qsizetype unit = text.indexOf(QLatin1String(" day"));
    QString rest = unit >= 0 ? text.left(unit) : text;
    while (!rest.isEmpty() && rest.front().unicode() <= 0x20)
        rest.remove(0, 1);
    while (!rest.isEmpty() && rest.back().unicode() <= 0x20)
        rest.chop(1);
    if (rest.isEmpty())
        return -1;
    return StrToInt(rest);
}

int Weekday(TDateTime date) // 1 = Sunday ... 7 = Saturday
{
    long long day = static_cast<long long>(date);
    long long index = (day % 7 + 7) % 7; // day 0 is a Saturday
    return static_cast<int>((index + 6) % 7) + 1;
}

// Whether a list of dates and ranges "FROM-TO" (settings row 22 or 24) holds date.
// Read afresh at every call; the formats used here write no '-' of their own.
bool InDateList(const Project &project, int row, TDateTime date)
{
    for (const QString &part : project.taskTable.cell(ColSettings, row).split(u';')) {
        const QString item = part.trimmed();
        if (item.isEmpty())
            continue;
        const qsizetype dash = item.indexOf(u'-');
        const TDateTime from = StrToDate(dash < 0 ? item : item.left(dash));
        const TDateTime to = dash < 0 ? from : StrToDate(item.mid(dash + 1));
        if (std::min(from, to) <= date && date <= std::max(from, to))
            return true;
    }
    return false;
}

bool IsWorkingDay(const Project &project, TDateTime date)
{
    const QString mask = project.settings().workingDays();
    const int weekday = Weekday(date);
    const int position = weekday == 1 ? 7 : weekday - 1;
    const bool byMask = position <= mask.size() && mask.at(position - 1) == QLatin1Char('Y');
    return (byMask || InDateList(project, 24, date)) && !InDateList(project, 22, date);
}

void CalcDuration(Project &project, int row)
{
    TaskTable &t = project.taskTable;
    const TDateTime start = located(ColStart, row, [&] { return ReadDate(t.cell(ColStart, row)); });
    const TDateTime end = located(ColEnd, row, [&] { return ReadDate(t.cell(ColEnd, row)); });
    t.setCell(ColDuration, row, QString::number(CountWorkingDays(project, start, end)));
}

TDateTime ProjectEndDate(const Project &project)
{
    TDateTime result = ReadDate(project.settings().startDate());
    for (int row = 1; row <= project.LastTaskRow; ++row) {
        const QString &end = project.taskTable.cell(ColEnd, row);
        const auto day = [&] { return located(ColEnd, row, [&] { return ReadDate(end); }); };
        if (!end.isEmpty() && day() > result)
            result = day();
    }
    return result;
}

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

    void AdjustGroups(int r)
    {
        const Step counted(*this);
        if (isGroup(r)) {
            TDateTime latest = 0;
            for (int c : subTasks(r)) {
                bool changed = false;
                if (start(r) > start(c)) {
                    t.setCell(ColStart, c, cell(ColStart, r));
                    CalcEndDate(p, c);
                    changed = true;
                }
                if (latest < end(c))
                    latest = end(c);
                if (end(r) < end(c)) {
                    t.setCell(ColEnd, r, cell(ColEnd, c));
                    CalcDuration(p, r);
                    changed = true;
                }
                if (changed)
                    PropagateLinks(c);
            }
            if (latest < end(r)) {
                t.setCell(ColEnd, r, WriteDate(latest));
                CalcDuration(p, r);
            }
        }
        if (cell(ColLevel, r) == QLatin1String("1"))
            return;
        const int own = level(r);
        int q = r - 1;
        while (q >= 1 && level(q) >= own)
            --q;
        if (q < 1 || !isGroup(q))
            return;
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

int CountWorkingDays(const Project &project, TDateTime first, TDateTime last)
{
    TDateTime d = first;
    int n = 0;
    do {
        if (IsWorkingDay(project, d))
            ++n;
        d = d + 1;
    } while (!(d > last));
    return n;
}

void CalcEndDate(Project &project, int row)
{
    TaskTable &t = project.taskTable;
    const int n = located(ColDuration, row, [&] { return DurationDays(t.cell(ColDuration, row)); });
    if (n == 0) {
        t.setCell(ColEnd, row, t.cell(ColStart, row));
        return;
    }
    if (n < 0)
        return;
    TDateTime d = located(ColStart, row, [&] { return ReadDate(t.cell(ColStart, row)); });
    int k = 1;
    do {
        const bool working = IsWorkingDay(project, d);
        d = d + 1;
        if (working)
            ++k;
    } while (k <= n);
    t.setCell(ColEnd, row, WriteDate(d - 1));
}

void RecalcSchedule(Project &project, Host &host, long long stepBudget)
{
    Walk(project, host, stepBudget).Run();
}

} // namespace morvaine::literal
