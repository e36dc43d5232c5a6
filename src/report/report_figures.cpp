#include "report/report_figures.h"

#include "model/convert.h"
#include "schedule/calendar.h"
#include "schedule/date_text.h"
#include "schedule/recalc.h"

#include <QLocale>

#include <QCoreApplication>
#include <cstring>

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
        throw ConversionError(
            QCoreApplication::translate("Conversion", "'%1' is not a valid floating point value")
                .arg(text));
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
        m_rows.push_back({row, QStringView(name), std::nullopt});
    }
    std::size_t size = 16;
    while (size < 2 * m_rows.size())
        size *= 2;
    m_slots.resize(size);
    m_mask = static_cast<quint32>(size - 1);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        // The first row of a name wins, as a walk from the top would find it.
        if (find(m_rows[i].name))
            continue;
        const quint32 hash = hashName(m_rows[i].name);
        quint32 slot = hash & m_mask;
        while (m_slots[slot].resource >= 0)
            slot = (slot + 1) & m_mask;
        m_slots[slot] = {hash, static_cast<qint32>(i)};
    }
}

quint32 ResourceCosts::hashName(QStringView name)
{
    quint32 hash = 2166136261u; // FNV-1a
    for (const QChar c : name)
        hash = (hash ^ c.unicode()) * 16777619u;
    return hash;
}

const ResourceCosts::Resource *ResourceCosts::find(QStringView name) const
{
    const quint32 hash = hashName(name);
    for (quint32 slot = hash & m_mask;; slot = (slot + 1) & m_mask) {
        const Slot &entry = m_slots[slot];
        if (entry.resource < 0)
            return nullptr;
        const Resource &resource = m_rows[static_cast<std::size_t>(entry.resource)];
        if (entry.hash == hash && resource.name.size() == name.size() &&
            std::memcmp(resource.name.data(), name.data(),
                        static_cast<std::size_t>(name.size()) * sizeof(QChar)) == 0)
            return &resource;
    }
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
    return TaskCost(row, DurationDays(duration));
}

double ResourceCosts::TaskCost(int row, int days) const
{
    const QString &list = m_project.taskTable.cell(ColResource, row);
    double cost = 0;
    // Every name ends at its ";"; what follows the last one is not a name.
    const QChar *const begin = list.constData();
    const QChar *const end = begin + list.size();
    const QChar *item = begin;
    for (const QChar *c = begin; c != end; ++c) {
        if (*c != QLatin1Char(';'))
            continue;
        const QStringView name = trimmedView(QStringView(item, c));
        item = c + 1;
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
    const TDateTime start = DateCodec().read(project.settings().startDate());
    const TDateTime end = ProjectEndDate(project);
    return ProjectCompletion(project, start, end, CriticalChainOf(project));
}

double ProjectCompletion(const Project &project, TDateTime start, TDateTime end,
                         const QList<int> &chain)
{
    const TaskTable &table = project.taskTable;
    const DateCodec dates;
    const int days = CountWorkingDays(project, start, end);

    double done = 0;
    for (const int row : chain) {
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
