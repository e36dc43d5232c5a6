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

void GanttIndex::readForerunner(const QString &list, std::vector<int> &numbers)
{
    numbers.clear();
    qsizetype from = 0;
    for (;;) {
        const qsizetype semicolon = list.indexOf(QLatin1Char(';'), from);
        if (semicolon < 0)
            break;
        // An item is a blank, the number and the semicolon: the first character is
        // skipped whatever it is.
        const qsizetype first = qMin(from + 1, semicolon);
        int p = 0;
        if (!ReadInt(QStringView(list).mid(first, semicolon - first), p))
            break;
        numbers.push_back(p);
        from = semicolon + 1;
    }
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
    for (int a = 1; a < static_cast<int>(m_forerunners.size()); ++a) {
        for (int p : m_forerunners[a]) {
            if (p < 1 || p > TaskTable::LastRow || p == a || !m_rows[p].hasDuration)
                continue;
            const Row &pred = m_rows[p];
            const Row &succ = m_rows[a];
            // Links between tasks whose dates do not read are not drawn.
            if (!pred.startRead || !pred.endRead || !succ.startRead || !succ.endRead)
                continue;
            // Overlapping tasks are not linked on the chart, unless one is a milestone.
            if (!pred.zeroDays && !succ.zeroDays &&
                ((succ.start <= pred.start && pred.start <= succ.end) ||
                 (pred.start <= succ.start && succ.start <= pred.end)))
                continue;
            Link link;
            link.p = p;
            link.a = a;
            link.endP = pred.end;
            link.startA = succ.start;
            link.milestone = succ.zeroDays;
            const int id = static_cast<int>(m_links.size());
            m_links.push_back(link);

            const qint64 turn = m_axis.columnOf(link.startA) + (link.milestone ? 1 : 0);
            const qint64 lineFrom = qMin(m_axis.columnOf(link.endP) + 1, turn);
            const qint64 lastColumn = GanttColumns - 1;
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
