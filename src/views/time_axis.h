#pragma once
// The Gantt chart's time axis: which days chart column c stands for at the day, week or
// month scale, and the label its timescale cell shows. The chart, its painter, page
// layout and picture export all place time through this one type.

#include <QString>
#include <QtGlobal>

#include <optional>

namespace morvaine {

class Project;
class WorkWeek;

/// Chart scales, the values of Project::GanttScale.
enum GanttScaleValue : int { DayScale = 1, WeekScale = 2, MonthScale = 3 };

/// Columns of the Gantt chart, numbered from 0.
inline constexpr int GanttColumns = 65535;

/// The days a chart column stands for, first and last included (day values).
struct ColumnPeriod {
    qint64 first = 0;
    qint64 last = -1;
    bool contains(qint64 day) const { return first <= day && day <= last; }
};

class TimeAxis {
public:
    /// An axis without a project start: it has no periods (isValid() is false).
    TimeAxis() = default;
    /// The axis of a scale (clamped to 1..3) for a project starting on projectStart.
    TimeAxis(int scale, qint64 projectStart);
    /// The axis of the project's GanttScale and start date; invalid when the start
    /// date text does not read as a date.
    static TimeAxis ForProject(const Project &project);

    bool isValid() const { return m_valid; }
    int scale() const { return m_scale; }
    qint64 projectStart() const { return m_start; }

    /// First and last day of column c. Column 0 is the period before the one holding
    /// the project start; column c - 1 gives the previous period of column c.
    ColumnPeriod period(qint64 column) const;
    /// The column whose period holds the day (may lie outside the chart's columns).
    qint64 columnOf(qint64 day) const;
    /// The timescale label of column c: "7 Jan 08" (day and week scale, the period's
    /// first day) or " Jan 08" (month scale, with its leading blank).
    QString label(qint64 column) const;
    /// Whether column c's label is drawn as a day off: day scale only, when the day is
    /// a holiday of calendar, or when the working-days mask (Monday first) has exactly
    /// "N" at the weekday of the day and it is no extra working day of calendar.
    bool isDayOff(qint64 column, const QString &workingDays,
                  const WorkWeek *calendar = nullptr) const;

private:
    bool m_valid = false;
    int m_scale = DayScale;
    qint64 m_start = 0;
    qint64 m_weekOrigin = 0;  // the Monday of column 0 at week scale
    qint64 m_monthOrigin = 0; // year * 12 + month - 1 of column 0 at month scale
};

/// The scale that Gantt Zoom In (step -1) or Zoom Out (step +1) leads to from scale;
/// nothing when the step would leave the scales 1..3 (the command then does nothing).
std::optional<int> ZoomedScale(int scale, int step);

/// Calendar parts of a day value (days since 30 December 1899).
struct CivilDate {
    qint64 year;
    int month; // 1..12
    int day;   // 1..31
};
CivilDate CivilFromDay(qint64 day);
/// The day value of a calendar date; month may run past 1..12 (it carries into years).
qint64 DayFromCivil(qint64 year, int month, int day);

} // namespace morvaine
