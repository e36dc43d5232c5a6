#include "views/gantt_painter.h"

#include "model/project.h"
#include "schedule/calendar.h"
#include "views/canvas.h"
#include "views/gantt_pictures.h"
#include "views/view_style.h"

#include <optional>

namespace morvaine {

namespace {

// Each picture's place in a 60 x 17 cell: bars and brackets 4 pixels below the top, the
// middle bracket (its band drawn 3 rows lower) 1 pixel below, the diamond against the
// right edge.
void DrawPicture(Canvas &canvas, const QRect &rect, GanttPictures list, int index)
{
    const int top = rect.y() + (list == GanttPictures::Group && index == 2 ? 1 : 4);
    canvas.draw(rect.x(), top, GanttPicture(list, index));
}

void DrawDiamond(Canvas &canvas, const QRect &rect)
{
    canvas.draw(rect.x() + rect.width() - 9, rect.y() + 4, GanttPicture(GanttPictures::Group, 4));
}

void DrawTimescale(const Project &project, const TimeAxis &axis, int column, Canvas &canvas,
                   const QRect &rect)
{
    const int left = rect.x(), top = rect.y();
    const int right = left + rect.width(), bottom = top + rect.height();
    canvas.setFontName(ViewFontFace());
    canvas.setFontHeight(ViewFontHeight(rect.height()));
    canvas.setFontStyle(FontStyle::Regular);
    if (axis.isValid()) {
        const QString label = axis.label(column);
        // Holidays and extra working days colour the labels of the day scale only.
        const std::optional<WorkWeek> calendar =
            axis.scale() == DayScale ? std::optional(ProjectCalendarForPainting(project))
                                     : std::nullopt;
        const bool dayOff = axis.isDayOff(column, project.settings().workingDays(),
                                          calendar ? &*calendar : nullptr);
        canvas.setFontColor(dayOff ? QColor(0xFF, 0x00, 0x00) : TextColor);
        canvas.textOut(left + (rect.width() - canvas.textWidth(label)) / 2, top, label);
        canvas.setFontColor(TextColor);
    }
    canvas.setPenColor(LineColor);
    canvas.moveTo(left, bottom - 1);
    canvas.lineTo(right, bottom - 1);
    canvas.setPenColor(TextColor);
}

// The bar piece of one task row in one column.
void DrawBarStep(const Project &project, const GanttIndex::Row &task, int row,
                 const ColumnPeriod &period, int scale, Canvas &canvas, const QRect &rect)
{
    if (!task.startRead)
        return; // no Start (or one that is no date): no bar
    const bool critical =
        row < static_cast<int>(project.CriticalMarks.size()) && project.CriticalMarks[row] == 1;
    const bool group = task.kind == GanttIndex::Row::Group;
    const bool hasBar = task.kind != GanttIndex::Row::Other;
    const GanttPictures list = group      ? GanttPictures::Group
                               : critical ? GanttPictures::Critical
                                          : GanttPictures::Ordinary;
    // Draws bar shape 0-3, done (4-7) when the condition holds; brackets are never done.
    const auto piece = [&](int shape, bool done) {
        if (hasBar)
            DrawPicture(canvas, rect, list, group ? shape : shape + (done ? 4 : 0));
    };

    const qint64 s = task.start, e = task.end;
    const qint64 n = e - s + 1; // the task's calendar days
    // Shares that need the task's length count as not reached without a sane End.
    const bool sane = task.endRead && n > 0;
    const float r = sane ? 100.0f / static_cast<float>(n) : 0.0f;
    const float p = static_cast<float>(task.completion);
    const bool full = task.completion == 100;
    const qint64 f = period.first, z = period.last;

    if (scale == DayScale) {
        const qint64 d = f;
        const bool spans = !task.zeroDay && !task.endIsStart;
        if (task.oneDay && task.endIsStart && s == d)
            piece(0, full);
        if (task.zeroDays && s == d)
            DrawDiamond(canvas, rect);
        if (spans && s == d)
            piece(1, sane && p >= r * 0.5f);
        if (spans && task.endRead && s < d && d < e) {
            const qint64 k = d - s;
            bool done = false;
            if (critical) {
                const int ri = static_cast<int>(r);
                done = task.completion >= ri * k + ri / 2;
            } else {
                done = p >= r * static_cast<float>(k) + r * 0.5f;
            }
            piece(2, done);
        }
        if (spans && task.endRead && e == d)
            piece(3, full);
        return;
    }

    if (!task.endRead)
        return;
    if (task.durationDays >= 1 && s >= f && e <= z)
        piece(0, full);
    if (task.zeroDays && s >= f && e <= z)
        DrawDiamond(canvas, rect);
    if (f <= s && s <= z && e > z)
        piece(1, p >= r * static_cast<float>(z - s + 1) * 0.5f);
    if (s < f && e > z) {
        bool done = false;
        if (scale == WeekScale) {
            // Up to the Thursday of the week, in whole percent per day.
            done = task.completion >= (100 / n) * ((f + 3) - s);
        } else {
            // Up to the 16th of the month.
            done = p >= r * static_cast<float>((f + 15) - s);
        }
        piece(2, done);
    }
    if (s < f && f <= e && e <= z)
        piece(3, full);
}

void Line(Canvas &canvas, int x1, int y1, int x2, int y2)
{
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

// The segments of a routed link (see GanttIndex::Link) in cell (column, row): chart x
// X lies in this cell at rect.x() + X - column * 60.
void DrawRoutedLinkStep(const GanttIndex::Link &link, qint64 column, int row, Canvas &canvas,
                        const QRect &rect)
{
    const qint64 left = column * 60, right = left + 60;
    const int l = rect.x(), t = rect.y();
    const int b = t + rect.height();
    const int ym = t + rect.height() / 2;
    const auto x = [&](qint64 chartX) { return l + static_cast<int>(chartX - left); };
    const auto inCell = [&](qint64 chartX) { return left <= chartX && chartX < right; };
    // The pixels from chart x from up to, not including, to along pixel row y.
    const auto run = [&](qint64 from, qint64 to, int y) {
        from = qMax(from, left);
        to = qMin(to, right);
        if (from < to)
            Line(canvas, x(from), y, x(to), y);
    };
    const bool above = link.p < link.a; // the predecessor above the successor
    const bool turns = inCell(link.turnX);
    if (row == link.p && !link.detour) {
        run(qMin(link.fromX, link.turnX), qMax(link.fromX, link.turnX), ym);
        if (turns)
            Line(canvas, x(link.turnX), ym, x(link.turnX), above ? b : t - 1);
    }
    if (row == link.p && link.detour) {
        // Out of the bar end, down (or up) to the row's edge, along it to the turn.
        const int edge = above ? b - 1 : t;
        run(qMin(link.fromX, link.stubX), qMax(link.fromX, link.stubX), ym);
        if (inCell(link.stubX))
            Line(canvas, x(link.stubX), ym, x(link.stubX), above ? b : t - 1);
        run(qMin(link.stubX, link.turnX), qMax(link.stubX, link.turnX), edge);
        if (turns)
            Line(canvas, x(link.turnX), edge, x(link.turnX), above ? b : t - 1);
    }
    if (turns && qMin(link.p, link.a) < row && row < qMax(link.p, link.a))
        Line(canvas, x(link.turnX), t, x(link.turnX), b);
    if (row != link.a)
        return;
    if (turns)
        Line(canvas, x(link.turnX), above ? t : b - 1, x(link.turnX), above ? ym + 1 : ym - 1);
    // The arrow's tip touches the bar: just before a start, just after an end.
    const qint64 tip = link.arrowRight ? link.toX - 1 : link.toX;
    run(qMin(link.turnX, tip), qMax(link.turnX, tip) + (link.arrowRight ? 1 : 0), ym);
    if (inCell(tip)) {
        const int wing = link.arrowRight ? -4 : 4;
        Line(canvas, x(tip), ym, x(tip) + wing, ym - 4);
        Line(canvas, x(tip), ym, x(tip) + wing, ym + 4);
    }
}

// The segments of one link that pass through cell (column, row).
void DrawLinkStep(const GanttIndex::Link &link, int row, const ColumnPeriod &period,
                  const ColumnPeriod &previous, int scale, Canvas &canvas, const QRect &rect)
{
    const int l = rect.x(), t = rect.y();
    const int b = t + rect.height();
    const int ym = t + rect.height() / 2, xm = l + rect.width() / 2;
    const bool above = link.p < link.a; // the predecessor above the successor
    const bool between = qMin(link.p, link.a) < row && row < qMax(link.p, link.a);
    const qint64 sa = link.startA, ep = link.endP;

    if (link.milestone) {
        // Along the predecessor's row to the period after the milestone's, then to a
        // left-pointing arrow next to the diamond.
        if (row == link.p && ep < period.first && period.first <= sa)
            Line(canvas, l, ym, l + 60, ym);
        if (!previous.contains(sa))
            return;
        if (between)
            Line(canvas, l + 12, t, l + 12, b);
        if (row == link.p) {
            Line(canvas, l, ym, l + 12, ym);
            Line(canvas, l + 12, ym, l + 12, above ? b : t - 1);
        }
        if (row == link.a) {
            Line(canvas, l, ym, l + 12, ym);
            Line(canvas, l + 12, ym, l + 12, above ? t - 1 : b);
            Line(canvas, l, ym, l + 4, ym + 4);
            Line(canvas, l, ym, l + 4, ym - 4);
        }
        return;
    }

    if (scale != DayScale && period.contains(ep) && period.contains(sa)) {
        // Both ends in this week or month: a short vertical connector in its middle.
        if (row == link.p)
            Line(canvas, xm, above ? b : t, xm, above ? b - 5 : t + 5);
        if (between)
            Line(canvas, xm, t, xm, b);
        if (row == link.a && above) {
            Line(canvas, xm, t - 1, xm, t + 4);
            Line(canvas, xm, t + 4, xm - 5, t - 1);
            Line(canvas, xm, t + 4, xm + 5, t - 1);
        }
        if (row == link.a && !above) {
            Line(canvas, xm, b, xm, b - 5);
            Line(canvas, xm, b - 5, xm - 5, b);
            Line(canvas, xm, b - 5, xm + 5, b);
        }
        return;
    }

    if (row == link.p && ep < period.first && sa > period.last)
        Line(canvas, l, ym, l + 60, ym);
    if (!period.contains(sa))
        return;
    // The column where the successor starts: turn 12 pixels in, arrow onto its bar.
    if (between)
        Line(canvas, l + 12, t, l + 12, b);
    if (row == link.a && above) {
        Line(canvas, l + 12, t, l + 12, t + 4);
        Line(canvas, l + 8, t, l + 12, t + 4);
        Line(canvas, l + 16, t, l + 12, t + 4);
    }
    if (row == link.a && !above) {
        Line(canvas, l + 12, b, l + 12, b - 5);
        Line(canvas, l + 7, b, l + 12, b - 5);
        Line(canvas, l + 17, b, l + 12, b - 5);
    }
    if (row == link.p) {
        Line(canvas, l, ym, l + 12, ym);
        Line(canvas, l + 12, ym, l + 12, above ? b : t - 1);
    }
}

} // namespace

void DrawGanttCell(const Project &project, const GanttIndex &index, int column, int row,
                   Canvas &canvas, const QRect &rect)
{
    const bool banded = row >= 1 && row <= project.LastTaskRow && row % 2 == 0;
    canvas.setBrushColor(banded ? BandColor : CellColor);
    canvas.fillRect(rect);
    const TimeAxis &axis = index.axis();
    if (row == 0) {
        DrawTimescale(project, axis, column, canvas, rect);
        return;
    }
    if (!axis.isValid())
        return; // without a project start no day has a column
    const ColumnPeriod period = axis.period(column);
    DrawBarStep(project, index.row(row), row, period, axis.scale(), canvas, rect);
    const ColumnPeriod previous = axis.period(column - 1);
    canvas.setPenColor(TextColor);
    index.forLinksAt(column, row, [&](const GanttIndex::Link &link) {
        if (link.routed)
            DrawRoutedLinkStep(link, column, row, canvas, rect);
        else
            DrawLinkStep(link, row, period, previous, axis.scale(), canvas, rect);
    });
}

} // namespace morvaine
