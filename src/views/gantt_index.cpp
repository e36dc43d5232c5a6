// Parsing a project once for the Gantt chart painter.

#include "views/gantt_painter.h"

#include "model/convert.h"
#include "model/project.h"
#include "schedule/calendar.h"
#include "schedule/date_text.h"

#include <algorithm>
#include <utility>

namespace morvaine {

namespace {

const QString OneDay = QStringLiteral("1 day");
const QString ZeroDays = QStringLiteral("0 days");
const QString ZeroDay = QStringLiteral("0 day");
const QString GroupMark = QStringLiteral("v");

// A whole number as StrToInt reads it; false for a text that is none.
bool ReadInt(QStringView text, int &value)
{
    bool digits = !text.isEmpty() && text.size() <= 9;
    int number = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            digits = false;
            break;
        }
        number = number * 10 + (c.unicode() - '0');
    }
    if (digits) {
        value = number;
        return true;
    }
    try {
        value = StrToInt(text.toString());
        return true;
    } catch (const ConversionError &) {
        return false;
    }
}

// The percentage of a Completion text in its display form "40 %"; -1 (nothing done) for
// a bare number, an empty text or one that does not read.
int CompletionOf(const QString &text)
{
    const qsizetype mark = text.indexOf(QLatin1String(" %"));
    if (mark < 0)
        return -1;
    int value = -1;
    // "40 %" is read in place; a text that goes on after the mark is read without it.
    const bool read = mark + 2 == text.size() ? ReadInt(QStringView(text).left(mark), value)
                                              : ReadInt(QString(text).remove(mark, 2), value);
    return read ? value : -1;
}

int DurationDaysOrNone(const QString &text)
{
    try {
        return DurationDays(text);
    } catch (const ConversionError &) {
        return -1;
    }
}

// Fills compressed lists from (key, span) pairs, keys 0..keyCount - 1; next is room to
// work in.
template <typename Buckets, typename Span>
void Fill(Buckets &buckets, int keyCount, const std::vector<std::pair<int, Span>> &items,
          std::vector<int> &next)
{
    buckets.offsets.assign(static_cast<std::size_t>(keyCount) + 1, 0);
    for (const auto &item : items)
        ++buckets.offsets[static_cast<std::size_t>(item.first) + 1];
    for (int k = 0; k < keyCount; ++k)
        buckets.offsets[k + 1] += buckets.offsets[k];
    buckets.entries.resize(items.size());
    next.assign(buckets.offsets.begin(), buckets.offsets.end() - 1);
    for (const auto &item : items)
        buckets.entries[static_cast<std::size_t>(next[item.first]++)] = item.second;
}

} // namespace

GanttIndex::GanttIndex(const Project &project)
{
    rebuild(project);
}

void GanttIndex::rebuild(const Project &project)
{
    m_axis = TimeAxis::ForProject(project);
    m_scale = project.GanttScale;
    m_lastTaskRow = project.LastTaskRow;
    const DateCodec dates;
    m_rows.resize(TaskTable::Rows);
    for (int r = 1; r < TaskTable::Rows; ++r)
        m_rows[r] = readRow(project, dates, r);
    const int lastRow = qBound(0, m_lastTaskRow, TaskTable::LastRow);
    m_forerunners.resize(static_cast<std::size_t>(lastRow) + 1);
    for (int a = 1; a <= lastRow; ++a)
        readForerunner(project.taskTable.cell(ColForerunner, a), m_forerunners[a]);
    fileLinks();
}

void GanttIndex::refresh(const Project &project, const std::vector<int> &rows)
{
    if (m_rows.empty())
        return;
    const DateCodec dates;
    for (int r : rows) {
        if (r < 1 || r > TaskTable::LastRow)
            continue;
        m_rows[r] = readRow(project, dates, r);
        if (r < static_cast<int>(m_forerunners.size()))
            readForerunner(project.taskTable.cell(ColForerunner, r), m_forerunners[r]);
    }
    fileLinks();
}

GanttIndex::Row GanttIndex::readRow(const Project &project, const DateCodec &dates, int r)
{
    const TaskTable &table = project.taskTable;
    Row row;
    const QString &start = table.cell(ColStart, r);
    const QString &duration = table.cell(ColDuration, r);
    row.hasDuration = !duration.isEmpty();
    // Without a Start a row draws nothing and takes part in no link.
    row.hasStart = !start.isEmpty();
    if (!row.hasStart)
        return row;
    const QString &end = table.cell(ColEnd, r);
    TDateTime day = 0;
    if (dates.tryRead(start, day)) {
        row.startRead = true;
        row.start = static_cast<qint64>(day);
    }
    if (!end.isEmpty() && dates.tryRead(end, day)) {
        row.endRead = true;
        row.end = static_cast<qint64>(day);
    }
    row.endIsStart = end == start;
    row.oneDay = duration == OneDay;
    row.zeroDays = duration == ZeroDays;
    row.zeroDay = duration == ZeroDay;
    const QString &mark = table.cell(ColVeha, r);
    row.kind = mark.isEmpty() ? Row::Ordinary : mark == GroupMark ? Row::Group : Row::Other;
    row.durationDays = DurationDaysOrNone(duration);
    row.completion = CompletionOf(table.cell(ColCompletion, r));
    return row;
}

void GanttIndex::readForerunner(const QString &list, std::vector<LinkItem> &links)
{
    links.clear();
    qsizetype from = 0;
    for (;;) {
        const qsizetype semicolon = list.indexOf(QLatin1Char(';'), from);
        if (semicolon < 0)
            break;
        // An item is a blank, the link and the semicolon: the first character is
        // skipped whatever it is.
        const qsizetype first = qMin(from + 1, semicolon);
        const QStringView text = QStringView(list).mid(first, semicolon - first);
        LinkItem link;
        if (ReadInt(text, link.row)) {
            links.push_back(link);
        } else {
            QString why;
            const LinkItemKind kind = ReadLinkItem(text, link, why);
            if (kind == LinkItemKind::NotNumber)
                break;
            if (kind == LinkItemKind::Link)
                links.push_back(link);
        }
        from = semicolon + 1;
    }
}

void GanttIndex::route(Link &link, const Row &pred, const Row &succ) const
{
    constexpr qint64 Width = 60; // a chart column's cells are laid out for 60 pixels
    constexpr qint64 Stub = 6;   // how far a connector leaves or meets a bar end
    // A bar's start is the left edge of its first column, its end the right edge of its
    // last; a milestone's ends are those of its diamond against its column's right edge.
    const auto startX = [&](const Row &row) {
        const qint64 column = m_axis.columnOf(row.start);
        return row.zeroDays ? (column + 1) * Width - 9 : column * Width;
    };
    const auto endX = [&](const Row &row) {
        const qint64 column = m_axis.columnOf(row.zeroDays ? row.start : row.end);
        return (column + 1) * Width;
    };
    const bool fromStart = link.type == LinkType::SS || link.type == LinkType::SF;
    const bool toStart = link.type == LinkType::SS || link.type == LinkType::FS;
    link.routed = true;
    link.fromX = fromStart ? startX(pred) : endX(pred);
    link.toX = toStart ? startX(succ) : endX(succ);
    link.arrowRight = toStart;
    // Out of the predecessor's bar end, and into the successor's from outside its bar.
    const qint64 out = fromStart ? link.fromX - Stub : link.fromX + Stub;
    link.turnX = toStart ? qMin(out, link.toX - Stub) : qMax(out, link.toX + Stub);
    link.stubX = out;
    link.detour = fromStart ? link.turnX > out : link.turnX < out;
}

void GanttIndex::fileLinks()
{
    m_links.clear();
    m_onRows.clear();
    m_inColumns.clear();
    if (!m_axis.isValid()) {
        Fill(m_byRow, TaskTable::Rows, m_onRows, m_fillNext);
        Fill(m_byColumn, GanttColumns, m_inColumns, m_fillNext);
        return;
    }
    // The links, each filed under the cells it can draw into: its predecessor's row
    // from the column after the predecessor's end to the turning column, its
    // successor's row and the rows between in the turning column.
    const qint64 lastColumn = GanttColumns - 1;
    for (int a = 1; a < static_cast<int>(m_forerunners.size()); ++a) {
        for (const LinkItem &item : m_forerunners[a]) {
            const int p = item.row;
            if (p < 1 || p > TaskTable::LastRow || p == a || !m_rows[p].hasDuration)
                continue;
            const Row &pred = m_rows[p];
            const Row &succ = m_rows[a];
            // Links between tasks whose dates do not read are not drawn.
            if (!pred.startRead || !pred.endRead || !succ.startRead || !succ.endRead)
                continue;
            Link link;
            link.p = p;
            link.a = a;
            link.endP = pred.end;
            link.startA = succ.start;
            link.milestone = succ.zeroDays;
            link.type = item.type;
            // Overlapping tasks are not linked finish-to-start on the chart, unless one is
            // a milestone; a lead makes them overlap, so its link is routed instead.
            const bool overlap = !pred.zeroDays && !succ.zeroDays &&
                                 ((succ.start <= pred.start && pred.start <= succ.end) ||
                                  (pred.start <= succ.start && succ.start <= pred.end));
            if (item.type != LinkType::FS || (overlap && item.lag < 0))
                route(link, pred, succ);
            else if (overlap)
                continue;
            const int id = static_cast<int>(m_links.size());
            m_links.push_back(link);

            if (link.routed) {
                const auto columnOf = [](qint64 x) { return x >= 0 ? x / 60 : -1 - (-1 - x) / 60; };
                const auto file = [&](int row, qint64 fromX, qint64 toX) {
                    const qint64 from = qMax<qint64>(0, columnOf(qMin(fromX, toX)));
                    const qint64 to = qMin(lastColumn, columnOf(qMax(fromX, toX)));
                    if (from <= to)
                        m_onRows.push_back({row, Span{id, from, to}});
                };
                file(p, qMin(link.fromX, link.stubX), link.turnX);
                file(p, qMax(link.fromX, link.stubX), link.turnX);
                file(a, link.turnX, link.arrowRight ? link.toX - 1 : link.toX);
                const qint64 turn = columnOf(link.turnX);
                if (qAbs(a - p) > 1 && turn >= 0 && turn <= lastColumn)
                    m_inColumns.push_back(
                        {static_cast<int>(turn), Span{id, qMin(a, p), qMax(a, p)}});
                continue;
            }

            const qint64 turn = m_axis.columnOf(link.startA) + (link.milestone ? 1 : 0);
            const qint64 lineFrom = qMin(m_axis.columnOf(link.endP) + 1, turn);
            if (turn < 0 || lineFrom > lastColumn)
                continue;
            m_onRows.push_back({p, Span{id, qMax<qint64>(0, lineFrom), qMin(turn, lastColumn)}});
            if (turn > lastColumn)
                continue;
            m_onRows.push_back({a, Span{id, turn, turn}});
            if (qAbs(a - p) > 1)
                m_inColumns.push_back({static_cast<int>(turn), Span{id, qMin(a, p), qMax(a, p)}});
        }
    }
    Fill(m_byRow, TaskTable::Rows, m_onRows, m_fillNext);
    Fill(m_byColumn, GanttColumns, m_inColumns, m_fillNext);
}

bool GanttIndex::isCurrent(const Project &project) const
{
    return project.GanttScale == m_scale && project.LastTaskRow == m_lastTaskRow;
}

const GanttIndex::Row &GanttIndex::row(int row) const
{
    static const Row none;
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? m_rows[row] : none;
}

} // namespace morvaine
