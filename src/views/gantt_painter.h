#pragma once
// The painter of the Gantt chart: one cell at a time, on any canvas. Row 0 is the
// timescale; a task row shows the bar piece of its task that falls into the column's
// period and the segments of link connectors that pass through the cell.
//
// Reading every task's texts and walking every predecessor list for each cell would
// cost a screen of a large project millions of reads, so what the cells read is parsed
// once into a GanttIndex: the rows' dates, durations and completions, and the links
// filed by the rows and columns they can draw into.

#include "schedule/forerunner.h"
#include "views/time_axis.h"

#include <QRect>
#include <QString>

#include <utility>
#include <vector>

namespace morvaine {

class Canvas;
class DateCodec;
class Project;

/// The parsed task rows and drawable links of a project at its GanttScale. Build it
/// again whenever LastTaskRow, GanttScale or the project start changed (see isCurrent),
/// and refresh the rows whose task cells changed (LiveGanttIndex does both);
/// CriticalMarks and the working-days mask are read from the project at paint time.
class GanttIndex {
public:
    /// An index of nothing: every task row paints its background only.
    GanttIndex() = default;
    explicit GanttIndex(const Project &project);

    /// Builds the index of project anew, in the memory it holds already.
    void rebuild(const Project &project);

    /// Reads the given task rows again (their Duration, Start, End, Forerunner,
    /// Completion and group mark) and files the links anew; the result is the index a
    /// full build would give, as long as no other row, LastTaskRow, GanttScale or the
    /// project start changed since the index was built.
    void refresh(const Project &project, const std::vector<int> &rows);

    const TimeAxis &axis() const { return m_axis; }
    /// Whether the index still describes the project's scale and last task row (cell
    /// changes cannot be seen from here; the owner tracks those).
    bool isCurrent(const Project &project) const;

    /// What the bar step reads of one task row.
    struct Row {
        enum Kind : quint8 { Ordinary, Group, Other };
        bool hasStart = false;   // Start is not the empty text
        bool startRead = false;  // ... and reads as a date
        bool endRead = false;    // End reads as a date
        bool endIsStart = false; // End and Start are the same text
        bool oneDay = false;     // Duration is "1 day"
        bool zeroDays = false;   // Duration is "0 days"
        bool zeroDay = false;    // Duration is "0 day"
        Kind kind = Ordinary;
        bool hasDuration = false;  // Duration is not the empty text
        int durationDays = -1;     // DurationDays, -1 also when unreadable
        int completion = -1;       // the number before " %", else -1
        qint64 start = 0, end = 0; // day values when read
    };
    const Row &row(int row) const;

    /// A link that draws: predecessor row p, successor row a, and the dates it uses.
    /// A finish-to-start link runs along the predecessor's row to the column where the
    /// successor starts and turns there onto its bar. Every other link (start-to-start,
    /// finish-to-finish, start-to-finish, and a lead between overlapping tasks) is routed:
    /// out of the predecessor's bar end it binds, along the predecessor's row to x
    /// turnX, through the rows to the successor's row, and along it to an arrowhead at
    /// the successor's bar end it binds; the runs along the rows show the lag.
    struct Link {
        int p = 0, a = 0;
        qint64 endP = 0, startA = 0;
        bool milestone = false; // the successor's Duration is "0 days"
        LinkType type = LinkType::FS;
        bool routed = false;
        // Chart x of a routed link (a column's cells lie at column * 60 .. + 59): the
        // predecessor's bar end, the vertical run and the successor's bar end, where the
        // arrow's tip meets the bar; arrowRight when the arrow points to the right (at a
        // start), else it points left (at an end).
        qint64 fromX = 0, turnX = 0, toX = 0;
        bool arrowRight = false;
        // When the way to the turn lies across the predecessor's own bar, the connector
        // leaves the bar end by a stub (x stubX), drops to the row's edge towards the
        // successor and runs along that edge instead.
        bool detour = false;
        qint64 stubX = 0;
    };
    /// Calls visit(link) for every link that may draw into cell (column, row); the
    /// cell still tests each rule itself.
    template <typename Visit> void forLinksAt(qint64 column, int row, Visit &&visit) const;

private:
    struct Span {
        int link;
        qint64 from, to; // columns on a row, or rows in a column
    };
    // Compressed lists: the entries of key k are entries[offsets[k] .. offsets[k + 1]).
    struct Buckets {
        std::vector<int> offsets;
        std::vector<Span> entries;
    };

    static Row readRow(const Project &project, const DateCodec &dates, int row);
    /// The links of a Forerunner list, up to the first item without a task number (a
    /// list that stops reading draws its items up to there); malformed items draw nothing.
    static void readForerunner(const QString &list, std::vector<LinkItem> &links);
    /// Sets the chart x of a routed link between its two rows.
    void route(Link &link, const Row &pred, const Row &succ) const;
    /// Files every link from the rows and lists read.
    void fileLinks();

    TimeAxis m_axis;
    int m_scale = DayScale;
    int m_lastTaskRow = -1;
    std::vector<Row> m_rows;
    std::vector<std::vector<LinkItem>> m_forerunners; // of rows 1..m_lastTaskRow
    std::vector<Link> m_links;
    // What filing collects before it fills the buckets, kept for the next filing.
    std::vector<std::pair<int, Span>> m_onRows, m_inColumns;
    std::vector<int> m_fillNext;
    Buckets m_byRow;    // a link on its predecessor's and successor's rows, by column range
    Buckets m_byColumn; // a link on the rows between its two ends, by row range
};

/// Paints cell (column, row) of the Gantt chart into rect on canvas, filling the whole
/// rect; index describes project (see GanttIndex). Row 0 is the timescale, whose font
/// and centring follow rect; task rows are laid out for 60 x 17 pixels. Sets brush, pen
/// and font on the canvas and restores nothing; writes nothing; never throws.
void DrawGanttCell(const Project &project, const GanttIndex &index, int column, int row,
                   Canvas &canvas, const QRect &rect);

template <typename Visit> void GanttIndex::forLinksAt(qint64 column, int row, Visit &&visit) const
{
    if (row >= 0 && row + 1 < static_cast<int>(m_byRow.offsets.size()))
        for (int i = m_byRow.offsets[row]; i < m_byRow.offsets[row + 1]; ++i) {
            const Span &span = m_byRow.entries[i];
            if (span.from <= column && column <= span.to)
                visit(m_links[span.link]);
        }
    if (column >= 0 && column + 1 < static_cast<qint64>(m_byColumn.offsets.size()))
        for (int i = m_byColumn.offsets[column]; i < m_byColumn.offsets[column + 1]; ++i) {
            const Span &span = m_byColumn.entries[i];
            if (span.from < row && row < span.to)
                visit(m_links[span.link]);
        }
}

} // namespace morvaine
