#include "report/report_figures.h"

#include "model/convert.h"
#include "schedule/calendar.h"
#include "schedule/date_text.h"

#include <QLocale>

namespace morvaine {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

QStringView trimmedView(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

} // namespace

double ParseCost(const QString &text)
{
    // Costs are stored with "." whatever the user's locale; the C locale reads them, and
    // refusing group separators keeps "12,5" from reading as 125.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

QString FormatAmount(double x)
{
    QString text = QString::number(x, 'g', 15);
    // Very small or very large amounts come out in exponent form; the cut below works on
    // the plain decimal form, so write those out in full.
    if (text.contains(QLatin1Char('e'))) {
        const double rounded = text.toDouble();
        text = QString::number(rounded, 'f', qAbs(rounded) >= 1 ? 0 : 2);
    }
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text.truncate(qMin(text.size(), point + 3));
    return text;
}

int CompletionPercent(const QString &completion)
{
    const qsizetype unit = completion.indexOf(QLatin1String(" %"));
    if (unit < 0)
        return 0;
    return StrToInt(completion.left(unit));
}

ResourceCosts::ResourceCosts(const Project &project) : m_project(project)
{
    const ResourceTable &resources = project.resourceTable;
    for (int row = 1; row < ResourceTable::Rows; ++row) {
        const QString &name = resources.cell(ResColName, row);
        if (name.isEmpty())
            break;
        m_byName.try_emplace(QStringView(name), m_rows.size());
        m_rows.push_back({row, std::nullopt});
    }
}

const ResourceCosts::Resource *ResourceCosts::find(QStringView name) const
{
    const auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : &m_rows[it->second];
}

double ResourceCosts::costOf(const Resource &resource) const
{
    if (!resource.cost)
        resource.cost = ParseCost(m_project.resourceTable.cell(ResColCost, resource.row));
    return *resource.cost;
}

int ResourceCosts::hoursPerDay() const
{
    if (!m_hours)
        m_hours = StrToInt(m_project.settings().workingTime());
    return *m_hours;
}

double ResourceCosts::TaskCost(int row) const
{
    const TaskTable &table = m_project.taskTable;
    const QString &duration = table.cell(ColDuration, row);
    const QString &list = table.cell(ColResource, row);
    if (duration.isEmpty() || list.isEmpty())
        return 0;
    const int days = DurationDays(duration);
    double cost = 0;
    // Every name ends at its ";"; what follows the last one is not a name.
    QStringView rest(list);
    for (qsizetype end = rest.indexOf(QLatin1Char(';')); end >= 0;
         end = rest.indexOf(QLatin1Char(';'))) {
        const QStringView name = trimmedView(rest.left(end));
        rest = rest.mid(end + 1);
        if (name.isEmpty())
            continue;
        const Resource *resource = find(name);
        if (!resource || m_project.resourceTable.cell(ResColCost, resource->row).isEmpty())
            continue;
        cost += hoursPerDay() * (days * costOf(*resource));
    }
    return cost;
}

double ResourceCosts::averageCost() const
{
    if (m_rows.empty())
        return 0;
    double sum = 0;
    for (const Resource &resource : m_rows)
        if (!m_project.resourceTable.cell(ResColCost, resource.row).isEmpty())
            sum += costOf(resource);
    return sum / static_cast<double>(m_rows.size());
}

double ProjectCompletion(const Project &project)
{
    const TaskTable &table = project.taskTable;
    const DateCodec dates;
    const TDateTime start = dates.read(project.settings().startDate());
    const TDateTime end = ProjectEndDate(project);
    const int days = CountWorkingDays(project, start, end);

    double done = 0;
    for (const int row : project.CriticalChain) {
        const int percent = CompletionPercent(table.cell(ColCompletion, row));
        done += DurationDays(table.cell(ColDuration, row)) * percent * 0.01;
        if (percent < 100)
            break;
    }
    // A task from the project's first to its last day counts half, together with
    // everything counted before it.
    for (int row = 1; row <= project.LastTaskRow; ++row) {
        const QString &taskStart = table.cell(ColStart, row);
        if (taskStart.isEmpty() || dates.read(taskStart) != start ||
            dates.read(table.cell(ColEnd, row)) != end)
            continue;
        done = (done + days * CompletionPercent(table.cell(ColCompletion, row)) * 0.01) * 0.5;
    }
    return days == 0 ? 0 : done / days * 100;
}

} // namespace morvaine
