#include "gantt_reference.h"

#include "model/convert.h"
#include "schedule/calendar.h"
#include "views/gantt_pictures.h"
#include "views/view_style.h"

#include <QDate>

#include <optional>

namespace morvaine {

namespace {

const QDate DayZero(1899, 12, 30);

std::optional<QDate> ReadDate(const QString &text)
{
    try {
        return DayZero.addDays(static_cast<qint64>(StrToDate(text)));
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}

struct Period {
    QDate first, last;
};

Period PeriodOf(int scale, const QDate &start, int column)
{
    if (scale == 1) {
        const QDate day = start.addDays(column - 1);
        return {day, day};
    }
    if (scale == 2) {
        // QDate counts Monday 1 .. Sunday 7; the chart's rule counts Sunday 1 .. Saturday 7.
        const int weekday = start.dayOfWeek() % 7 + 1;
        const QDate origin = weekday == 1 ? start.addDays(-13) : start.addDays(-weekday - 5);
        const QDate first = origin.addDays(7 * column);
        return {first, first.addDays(6)};
    }
    int year = start.year();
    int month = start.month() - 1;
    if (month == 0) {
        month = 12;
        --year;
    }
    month += column;
    while (month > 12) {
        month -= 12;
        ++year;
    }
    while (month < 1) {
        month += 12;
        --year;
    }
    const QDate first(year, month, 1);
    const QDate next = month == 12 ? QDate(year + 1, 1, 1) : QDate(year, month + 1, 1);
    return {first, next.addDays(-1)};
}

int Completion(const QString &text)
{
    const qsizetype mark = text.indexOf(QLatin1String(" %"));
    if (mark < 0)
        return -1;
    try {
        return StrToInt(QString(text).remove(mark, 2));
    } catch (const ConversionError &) {
        return -1;
    }
}

void Picture(Canvas &canvas, const QRect &rect, GanttPictures list, int index)
{
    const bool middleBracket = list == GanttPictures::Group && index == 2;
    canvas.draw(rect.left(), rect.top() + (middleBracket ? 1 : 4), GanttPicture(list, index));
}

void BarStep(const Project &project, int row, const Period &period, int scale, Canvas &canvas,
             const QRect &rect)
{
    const TaskTable &table = project.taskTable;
    const QString &d = table.cell(ColDuration, row);
    const QString &sText = table.cell(ColStart, row);
    const QString &eText = table.cell(ColEnd, row);
    if (sText.isEmpty())
        return;
    const std::optional<QDate> s = ReadDate(sText);
    if (!s)
        return;
    const std::optional<QDate> e = ReadDate(eText);
    const int p = Completion(table.cell(ColCompletion, row));
    const QString &mark = table.cell(ColVeha, row);
    const bool critical = project.CriticalMarks[row] == 1;
    const GanttPictures list = mark == QLatin1String("v") ? GanttPictures::Group
                               : critical                 ? GanttPictures::Critical
                                                          : GanttPictures::Ordinary;
    const bool drawsBars = mark.isEmpty() || mark == QLatin1String("v");
    const auto draw = [&](int light, int dark, bool done) {
        if (!drawsBars)
            return;
        if (list == GanttPictures::Group)
            Picture(canvas, rect, list, light);
        else
            Picture(canvas, rect, list, done ? dark : light);
    };
    const auto diamond = [&] {
        canvas.draw(rect.left() + rect.width() - 9, rect.top() + 4,
                    GanttPicture(GanttPictures::Group, 4));
    };
    const int n = e ? static_cast<int>(s->daysTo(*e)) + 1 : 0;
    const float r = n > 0 ? 100.0f / static_cast<float>(n) : 0.0f;

    if (scale == 1) {
        const QDate day = period.first;
        if (d == QLatin1String("1 day") && eText == sText && *s == day)
            draw(0, 4, p == 100);
        if (d == QLatin1String("0 days") && *s == day)
            diamond();
        if (d != QLatin1String("0 day") && eText != sText && *s == day)
            draw(1, 5, n > 0 && static_cast<float>(p) >= r * 0.5f);
        if (d != QLatin1String("0 day") && eText != sText && e && *s < day && day < *e) {
            const int k = static_cast<int>(s->daysTo(day));
            bool done;
            if (critical) {
                const int ri = static_cast<int>(r);
                done = p >= ri * k + ri / 2;
            } else {
                done = static_cast<float>(p) >= r * static_cast<float>(k) + r * 0.5f;
            }
            draw(2, 6, done);
        }
        if (d != QLatin1String("0 day") && eText != sText && e && *e == day)
            draw(3, 7, p == 100);
        return;
    }

    if (!e)
        return;
    int days = -1;
    try {
        days = DurationDays(d);
    } catch (const ConversionError &) {
    }
    const QDate f = period.first, z = period.last;
    if (days >= 1 && *s >= f && *e <= z)
        draw(0, 4, p == 100);
    if (d == QLatin1String("0 days") && *s >= f && *e <= z)
        diamond();
    if (f <= *s && *s <= z && *e > z) {
        const int m = static_cast<int>(s->daysTo(z)) + 1;
        draw(1, 5, static_cast<float>(p) >= r * static_cast<float>(m) * 0.5f);
    }
    if (*s<f && * e> z) {
        bool done;
        if (scale == 2)
            done = p >= (100 / n) * static_cast<int>(s->daysTo(f.addDays(3)));
        else
            done = static_cast<float>(p) >= r * static_cast<float>(s->daysTo(f.addDays(15)));
        draw(2, 6, done);
    }
    if (*s < f && f <= *e && *e <= z)
        draw(3, 7, p == 100);
}

void Line(Canvas &canvas, int x1, int y1, int x2, int y2)
{
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

void LinkStep(const Project &project, int a, int p, int row, int scale, const Period &period,
              const Period &previous, Canvas &canvas, const QRect &rect)
{
    const TaskTable &table = project.taskTable;
    if (p < 1 || p >= TaskTable::Rows)
        return;
    if (table.cell(ColDuration, p).isEmpty() || p == a)
        return;
    const std::optional<QDate> sa = ReadDate(table.cell(ColStart, a));
    const std::optional<QDate> ea = ReadDate(table.cell(ColEnd, a));
    const std::optional<QDate> sp = ReadDate(table.cell(ColStart, p));
    const std::optional<QDate> ep = ReadDate(table.cell(ColEnd, p));
    if (!sa || !ea || !sp || !ep)
        return;
    const QString &da = table.cell(ColDuration, a);
    const QString &dp = table.cell(ColDuration, p);
    const QLatin1String zero("0 days");
    if (dp != zero && da != zero && ((*sa <= *sp && *sp <= *ea) || (*sp <= *sa && *sa <= *ep)))
        return;

    const int l = rect.left(), t = rect.top(), rr = rect.left() + rect.width();
    const int b = rect.top() + rect.height();
    const int ym = t + (b - t) / 2, xm = l + (rr - l) / 2;
    const bool between = (a < row && row < p) || (p < row && row < a);
    const QDate f = period.first, z = period.last;

    if (da == zero) {
        const bool inPrevious = previous.first <= *sa && *sa <= previous.last;
        if (row == p && *ep < f && f <= *sa)
            Line(canvas, l, ym, l + 60, ym);
        if (between && inPrevious)
            Line(canvas, l + 12, t, l + 12, b);
        if (row == p && p < a && inPrevious) {
            Line(canvas, l, ym, l + 12, ym);
            Line(canvas, l + 12, ym, l + 12, b);
        }
        if (row == p && p > a && inPrevious) {
            Line(canvas, l, ym, l + 12, ym);
            Line(canvas, l + 12, ym, l + 12, t - 1);
        }
        if (row == a && p < a && inPrevious) {
            Line(canvas, l, ym, l + 12, ym);
            Line(canvas, l + 12, ym, l + 12, t - 1);
            Line(canvas, l, ym, l + 4, ym + 4);
            Line(canvas, l, ym, l + 4, ym - 4);
        }
        if (row == a && p > a && inPrevious) {
            Line(canvas, l, ym, l + 12, ym);
            Line(canvas, l + 12, ym, l + 12, b);
            Line(canvas, l, ym, l + 4, ym + 4);
            Line(canvas, l, ym, l + 4, ym - 4);
        }
        return;
    }

    if (scale != 1 && f <= *ep && *ep <= z && f <= *sa && *sa <= z) {
        if (row == p && p < a)
            Line(canvas, xm, b, xm, b - 5);
        if (row == p && p > a)
            Line(canvas, xm, t, xm, t + 5);
        if (between)
            Line(canvas, xm, t, xm, b);
        if (row == a && p < a) {
            Line(canvas, xm, t - 1, xm, t + 4);
            Line(canvas, xm, t + 4, xm - 5, t - 1);
            Line(canvas, xm, t + 4, xm + 5, t - 1);
        }
        if (row == a && p > a) {
            Line(canvas, xm, b, xm, b - 5);
            Line(canvas, xm, b - 5, xm - 5, b);
            Line(canvas, xm, b - 5, xm + 5, b);
        }
        return;
    }

    const bool starts = f <= *sa && *sa <= z;
    if (row == p && *ep<f && * sa> z)
        Line(canvas, l, ym, l + 60, ym);
    if (between && starts)
        Line(canvas, l + 12, t, l + 12, b);
    if (row == a && p < a && starts) {
        Line(canvas, l + 12, t, l + 12, t + 4);
        Line(canvas, l + 8, t, l + 12, t + 4);
        Line(canvas, l + 16, t, l + 12, t + 4);
    }
    if (row == a && p > a && starts) {
        Line(canvas, l + 12, b, l + 12, b - 5);
        Line(canvas, l + 7, b, l + 12, b - 5);
        Line(canvas, l + 17, b, l + 12, b - 5);
    }
    if (row == p && p < a && starts) {
        Line(canvas, l, ym, l + 12, ym);
        Line(canvas, l + 12, ym, l + 12, b);
    }
    if (row == p && p > a && starts) {
        Line(canvas, l, ym, l + 12, ym);
        Line(canvas, l + 12, ym, l + 12, t - 1);
    }
}

} // namespace

void ReferenceGanttCell(const Project &project, int column, int row, Canvas &canvas,
                        const QRect &rect)
{
    const bool banded = row >= 1 && row <= project.LastTaskRow && row % 2 == 0;
    canvas.setBrushColor(banded ? BandColor : CellColor);
    canvas.fillRect(rect);
    const std::optional<QDate> start = ReadDate(project.settings().startDate());
    if (!start)
        return;
    const int scale = project.GanttScale;
    const Period period = PeriodOf(scale, *start, column);
    const Period previous = PeriodOf(scale, *start, column - 1);
    BarStep(project, row, period, scale, canvas, rect);
    canvas.setPenColor(TextColor);
    for (int a = 1; a <= project.LastTaskRow; ++a) {
        QString list = project.taskTable.cell(ColForerunner, a);
        while (!list.isEmpty()) {
            const qsizetype semicolon = list.indexOf(QLatin1Char(';'));
            if (semicolon < 0)
                break;
            int p = 0;
            try {
                p = StrToInt(list.mid(1, qMax<qsizetype>(0, semicolon - 1)));
            } catch (const ConversionError &) {
                break;
            }
            LinkStep(project, a, p, row, scale, period, previous, canvas, rect);
            list.remove(0, semicolon + 1);
        }
    }
}

} // namespace morvaine
