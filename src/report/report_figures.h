#pragma once
// The figures of the total report: costs, completion and counts, computed from the task
// table, the settings block and the resource table without changing any of them.

#include "model/project.h"

#include <QStringView>

#include <optional>
#include <unordered_map>
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
    /// Resources: rows from 1 up to the first without a Name.
    int count() const { return static_cast<int>(m_rows.size()); }
    /// The sum of the costs divided by the number of resources, those without a cost
    /// included; 0 without resources.
    double averageCost() const;

private:
    struct Resource {
        int row;
        mutable std::optional<double> cost; // read on first use
    };
    struct NameHash {
        std::size_t operator()(QStringView name) const { return qHash(name); }
    };
    const Resource *find(QStringView name) const;
    double costOf(const Resource &resource) const;
    int hoursPerDay() const;

    const Project &m_project;
    std::vector<Resource> m_rows;
    // Keys view the Name cells; the first row of a name wins.
    std::unordered_map<QStringView, std::size_t, NameHash> m_byName;
    mutable std::optional<int> m_hours;
};

/// The project's completion in percent: the completed days of the critical chain up to
/// its first unfinished task, halved together with each task that spans the whole
/// project, over the project's working days. E is the project end date, D the working
/// days from the project start to E (0 gives 0).
double ProjectCompletion(const Project &project);

} // namespace morvaine
