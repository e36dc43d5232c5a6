#pragma once
// The figures of the total report: costs, completion and counts, computed from the task
// table, the settings block and the resource table without changing any of them.

#include "model/convert.h"
#include "model/project.h"

#include <QStringView>

#include <optional>
#include <vector>

namespace morvaine {

/// Reads a Cost/Hour text (decimal digits, "." as the decimal point) whatever the system's
/// number format; throws ConversionError "'%s' is not a valid floating point value".
double ParseCost(const QString &text);

/// The general decimal form of x (up to 15 significant digits, "." as the decimal point)
/// with its fraction cut, not rounded, to two digits: 1234.5678 gives "1234.56".
QString FormatAmount(double x);

/// The whole number before " %" in a Completion text; 0 when the text has no " %".
int CompletionPercent(const QString &completion);

/// The resource table's names looked up by name, and the hourly working time, read
/// once for a whole report. The project must not change while it lives.
class ResourceCosts {
public:
    explicit ResourceCosts(const Project &project);

    /// Cost of task row: for each name before a ";" in its Resource list, working hours
    /// per day x working days x the resource's Cost/Hour. Names not in the resource table
    /// and resources without a cost add nothing; text after the last ";" is ignored.
    /// Throws ConversionError for an unreadable Duration, working time or cost.
    double TaskCost(int row) const;
    /// TaskCost with the row's non-empty Duration already read as days.
    double TaskCost(int row, int days) const;
    /// Resources: rows from 1 up to the first without a Name.
    int count() const { return static_cast<int>(m_rows.size()); }
    /// The sum of the costs divided by the number of resources, those without a cost
    /// included; 0 without resources.
    double averageCost() const;

private:
    struct Resource {
        int row;
        QStringView name;                   // views the Name cell
        mutable std::optional<double> cost; // read on first use
    };
    // An open-addressing table of the names: a report looks up five names or so per
    // task, so the look-up is kept to one hash and, mostly, one comparison.
    struct Slot {
        quint32 hash = 0;
        qint32 resource = -1; // index into m_rows; -1 for a free slot
    };
    static quint32 hashName(QStringView name);
    const Resource *find(QStringView name) const;
    double costOf(const Resource &resource) const;
    int hoursPerDay() const;

    const Project &m_project;
    std::vector<Resource> m_rows;
    std::vector<Slot> m_slots; // a power of two, at most half full
    quint32 m_mask = 0;
    mutable std::optional<int> m_hours;
};

/// The project's completion in percent: the completed days of the critical chain up to
/// its first unfinished task, halved together with each task that spans the whole
/// project, over the project's working days. E is the project end date, D the working
/// days from the project start to E (0 gives 0). The chain is the one the dates hold
/// now (CriticalChainOf), so a plan reports the same figures whether or not it was
/// recalculated since it was opened.
double ProjectCompletion(const Project &project);
/// ProjectCompletion with the project's start and end dates already read and its
/// critical chain.
double ProjectCompletion(const Project &project, TDateTime start, TDateTime end,
                         const QList<int> &chain);

} // namespace morvaine
