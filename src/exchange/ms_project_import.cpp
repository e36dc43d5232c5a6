// Reading an MS Project XML document into a project. The document is read into plain
// records first, then laid out as task rows in ID order into a new project, which
// replaces the open one only when everything was read and recalculated.

#include "ms_project_links.h"
#include "ms_project_lists.h"
#include "ms_project_reader.h"
#include "ms_project_target.h"
#include "ms_project_xml.h"
#include "xml_event_reader.h"

#include "model/new_project.h"
#include "ms_project_calendar.h"
#include "schedule/calendar.h"
#include "schedule/date_text.h"
#include "schedule/recalc.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace morvaine {

namespace {

constexpr qint64 MaxFileBytes = qint64(256) << 20; // 256 MiB
// The highest hourly rate taken over, nine digits: far above any real rate, and far from
// where the report's sums over a full plan would overflow.
constexpr double MaxRate = 999999999;

using msp::Calendar;
using msp::DefaultMinutesPerDay;
using msp::Document;
using msp::Link;
using msp::Resource;
using msp::RowsByUid;
using msp::Task;
using msp::TextCache;

void showError(Prompts &prompts, const QString &text)
{
    prompts.MessageBox(QCoreApplication::translate("Messages", "Error"), text, MsgIcon::Error,
                       MsgButtons::Ok);
}

// Passes messages through to the real host while the new project is recalculated;
// the new project is not on the screen yet, so the grid is seen from its top.
class ImportHost : public Host {
public:
    explicit ImportHost(Prompts &prompts) : m_prompts(prompts) {}
    MsgAnswer MessageBox(const QString &title, const QString &text, MsgIcon icon,
                         MsgButtons buttons) override
    {
        return m_prompts.MessageBox(title, text, icon, buttons);
    }
    void Beep() override { m_prompts.Beep(); }

private:
    Prompts &m_prompts;
};

// A resource name the resource rules accept: no ", . ; :", no blanks around it, unique.
QString acceptableName(const Resource &resource, const QSet<QString> &taken)
{
    QString name = resource.name;
    for (QChar &c : name)
        if (c == QLatin1Char(',') || c == QLatin1Char('.') || c == QLatin1Char(';') ||
            c == QLatin1Char(':'))
            c = QLatin1Char(' ');
    name = name.trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Resource %1").arg(resource.id >= 0 ? resource.id : resource.uid);
    if (!taken.contains(name))
        return name;
    for (int suffix = 2;; ++suffix) {
        const QString numbered = name + QLatin1Char(' ') + QString::number(suffix);
        if (!taken.contains(numbered))
            return numbered;
    }
}

QString costText(double rate)
{
    QString text = QString::number(std::max(rate, 0.0), 'f', 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString completionText(int percent)
{
    return QString::number(std::clamp(percent, 0, 100)) + QLatin1String(" %");
}

QString levelText(int level)
{
    return QString::number(level);
}

QString durationText(int days)
{
    return days == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(days);
}

// Appends " 12;" to a Forerunner list, digit by digit: an import writes tens of
// thousands of items, and building each as a text of its own costs several copies.
void appendForerunner(QString &list, int row)
{
    char16_t item[16];
    int at = int(std::size(item));
    item[--at] = u';';
    do {
        item[--at] = char16_t(u'0' + row % 10);
        row /= 10;
    } while (row > 0);
    item[--at] = u' ';
    list.append(QStringView(item + at, int(std::size(item)) - at));
}

// Appends a link to a Forerunner list: " 12;" for a plain one, " 12SS+2;" otherwise.
void appendLink(QString &list, const LinkItem &link)
{
    if (link.type == LinkType::FS && link.lag == 0)
        appendForerunner(list, link.row);
    else
        list += QLatin1Char(' ') + LinkItemText(link) + QLatin1Char(';');
}

// The working-days mask ("YYYYYNN", Monday first) of the project calendar, with days a
// derived calendar leaves open taken from its base calendar.
QString workingDaysMask(const Document &doc)
{
    const Calendar *calendar = nullptr;
    for (const Calendar &c : doc.calendars)
        if (c.uid == doc.calendarUid)
            calendar = &c;
    if (!calendar)
        for (const Calendar &c : doc.calendars)
            if (c.isBase) {
                calendar = &c;
                break;
            }
    int working[8] = {-1, 0, 1, 1, 1, 1, 1, 0}; // Monday to Friday unless told otherwise
    for (int day = 1; day <= 7; ++day) {
        const Calendar *c = calendar;
        for (int depth = 0; c && c->working[day] < 0 && depth < 16; ++depth) {
            const Calendar *base = nullptr;
            for (const Calendar &b : doc.calendars)
                if (b.uid == c->baseUid && c->baseUid >= 0)
                    base = &b;
            c = base;
        }
        if (c && c->working[day] >= 0)
            working[day] = c->working[day];
    }
    QString mask;
    for (int day : {2, 3, 4, 5, 6, 7, 1})
        mask += working[day] > 0 ? QLatin1Char('Y') : QLatin1Char('N');
    return mask;
}

// Whole working days of a task's Duration. Working time counts minutesPerDay a day and
// five days a week, rounded up to whole days. Elapsed time runs on every hour of every
// day from the task's start: it lasts the working days among the calendar days it spans.
int durationDays(const msp::IsoDuration &duration, int format, int minutesPerDay,
                 const WorkWeek &week, qint64 start)
{
    constexpr double CalendarDay = 24 * 60;
    if (!msp::IsElapsedFormat(format)) {
        const double minutes = duration.totalMinutes(minutesPerDay, 5);
        if (minutes <= 0)
            return 0;
        return int(std::clamp(std::ceil(minutes / minutesPerDay - 1e-9), 1.0, 1e9));
    }
    const double minutes = duration.totalMinutes(CalendarDay, 7);
    if (minutes <= 0)
        return 0;
    const auto calendarDays = qint64(std::clamp(std::ceil(minutes / CalendarDay - 1e-9), 1.0, 1e7));
    return int(std::max<qint64>(1, week.count(start, start + calendarDays - 1)));
}

struct Notes {
    int links = 0;
    msp::LinkChanges linkChanges;
    int cappedRates = 0;
    int negativeRates = 0;
    int droppedLinks = 0;
    int renamedResources = 0;
    int movedTasks = 0;
    bool noWorkingDay = false;
};

// "1 link" or "3 links".
// "1 link", "3 links": one text for one, a plural text (with its forms) for more.
QString counted(int n, const char *one, const char *many)
{
    return n == 1 ? QCoreApplication::translate("MsProjectImport", one)
                  : QCoreApplication::translate("MsProjectImport", many, nullptr, n);
}

QString notesText(const Notes &notes)
{
    QStringList lines;
    const QString links = msp::LinkChangesText(notes.linkChanges, notes.links);
    if (!links.isEmpty())
        lines << links;
    if (notes.droppedLinks > 0)
        lines << QCoreApplication::translate("MsProjectImport",
                                             "%1 to tasks outside the plan left out.")
                     .arg(counted(notes.droppedLinks,
                                  QT_TRANSLATE_NOOP("MsProjectImport", "1 link"),
                                  QT_TRANSLATE_N_NOOP("MsProjectImport", "%n links")));
    if (notes.renamedResources > 0)
        lines << QCoreApplication::translate("MsProjectImport",
                                             "%1 renamed: the characters ', . ; :' became "
                                             "blanks, and names were made unique.")
                     .arg(counted(notes.renamedResources,
                                  QT_TRANSLATE_NOOP("MsProjectImport", "1 resource"),
                                  QT_TRANSLATE_N_NOOP("MsProjectImport", "%n resources")));
    if (notes.cappedRates > 0)
        lines << (notes.cappedRates == 1
                      ? QCoreApplication::translate("MsProjectImport",
                                                    "1 hourly rate above %1 per hour was taken "
                                                    "as %1.")
                      : QCoreApplication::translate("MsProjectImport",
                                                    "%n hourly rates above %1 per hour were "
                                                    "taken as %1.",
                                                    nullptr, notes.cappedRates))
                     .arg(costText(MaxRate));
    if (notes.negativeRates > 0)
        lines << (notes.negativeRates == 1
                      ? QCoreApplication::translate("MsProjectImport",
                                                    "1 negative hourly rate was taken as 0.")
                      : QCoreApplication::translate("MsProjectImport",
                                                    "%n negative hourly rates were taken as 0.",
                                                    nullptr, notes.negativeRates));
    if (notes.noWorkingDay)
        lines << QCoreApplication::translate(
            "MsProjectImport", "The calendar has no working day; Monday to Friday are used.");
    if (notes.movedTasks > 0)
        lines << QCoreApplication::translate("MsProjectImport",
                                             "Dates of %1 moved to agree with the working "
                                             "calendar and the links.")
                     .arg(counted(notes.movedTasks, QT_TRANSLATE_NOOP("MsProjectImport", "1 task"),
                                  QT_TRANSLATE_N_NOOP("MsProjectImport", "%n tasks")));
    return lines.join(QLatin1Char('\n'));
}

// Lays the document out in a new project. Throws ConversionError when the
// recalculation cannot read a date.
void buildProject(const Document &doc, Project &fresh, Host &host, Notes &notes)
{
    SettingsBlock settings = fresh.settings();
    TaskTable &table = fresh.taskTable;

    const QString title = !doc.title.trimmed().isEmpty() ? doc.title : doc.name;
    if (!title.trimmed().isEmpty())
        settings.setValue(SettingsBlock::ProjectName, title);
    if (!doc.author.trimmed().isEmpty())
        settings.setValue(SettingsBlock::Author, doc.author);
    if (!doc.currency.isEmpty())
        settings.setValue(SettingsBlock::Currency, doc.currency);
    QString mask = workingDaysMask(doc);
    if (!mask.contains(QLatin1Char('Y'))) {
        mask = QStringLiteral("YYYYYNN");
        notes.noWorkingDay = true;
    }
    settings.setValue(SettingsBlock::WorkingDays, mask);
    const int minutesPerDay = doc.minutesPerDay > 0 ? doc.minutesPerDay : DefaultMinutesPerDay;
    settings.setValue(SettingsBlock::WorkingTime,
                      QString::number(std::clamp(qRound(minutesPerDay / 60.0), 1, 24)));

    // Task rows in ID order; the project summary task and null tasks are no rows.
    std::vector<const Task *> rows;
    for (const Task &task : doc.tasks)
        if (!task.isNull && !msp::IsProjectSummary(task))
            rows.push_back(&task);
    std::stable_sort(rows.begin(), rows.end(), [](const Task *a, const Task *b) {
        return (a->id >= 0 ? a->id : a->order) < (b->id >= 0 ? b->id : b->order);
    });
    RowsByUid rowOfUid;
    for (int i = 0; i < int(rows.size()); ++i)
        rowOfUid.add(rows[i]->uid, i + 1);
    rowOfUid.finish();

    const DateCodec dates;
    const auto dateText = [&dates](qint64 day) -> const QString & {
        return dates.write(static_cast<TDateTime>(day));
    };

    // The project's start date, or else its earliest task Start.
    QDate projectStart;
    if (doc.startDate)
        projectStart = doc.startDate->date;
    else
        for (const Task *task : rows)
            if (task->start && (!projectStart.isValid() || task->start->date < projectStart))
                projectStart = task->start->date;
    if (projectStart.isValid())
        settings.setValue(SettingsBlock::StartDate, dateText(msp::DayOf(projectStart)));
    const qint64 projectStartDay = static_cast<qint64>(dates.read(settings.startDate()));

    TextCache levelTexts(levelText), durationTexts(durationText), completionTexts(completionText);
    const WorkWeek week = ProjectCalendar(fresh);
    const int lastRow = int(rows.size());
    std::vector<QString> fileStart(lastRow + 1), fileEnd(lastRow + 1);
    std::vector<qint64> startDay(lastRow + 1);
    std::vector<int> levels(lastRow + 2, 0), durations(lastRow + 1);
    std::vector<int> namedBy(lastRow + 1, 0); // the row whose list last named a predecessor
    for (int row = 1; row <= lastRow; ++row) {
        const Task &task = *rows[row - 1];
        table.setCell(ColTask, row,
                      task.name.isEmpty() ? QStringLiteral("Task %1").arg(task.id) : task.name);
        // A level may rise by one over the row above, as in any outline.
        levels[row] =
            std::clamp(task.outlineLevel < 1 ? 1 : task.outlineLevel, 1, levels[row - 1] + 1);
        table.setCell(ColLevel, row, levelTexts(levels[row]));

        const bool hasStart = task.start.has_value();
        qint64 finish = task.finish ? msp::DayOf(task.finish->date) : 0;
        // A task without a Start starts with the project, as in MS Project.
        startDay[row] = hasStart ? msp::DayOf(task.start->date) : projectStartDay;
        // A finish at midnight ends the day before.
        if (task.finish && task.finish->minutes == 0 && hasStart && finish > startDay[row])
            --finish;
        table.setCell(ColStart, row, dateText(startDay[row]));
        if (hasStart)
            fileStart[row] = dateText(startDay[row]);
        if (task.finish)
            table.setCell(ColEnd, row, fileEnd[row] = dateText(finish));

        int days = 1; // what MS Project gives a task without a duration
        if (task.milestone)
            days = 0;
        else if (task.duration)
            days = durationDays(*task.duration, task.durationFormat, minutesPerDay, week,
                                startDay[row]);
        else if (hasStart && task.finish)
            days = int(std::max<qint64>(1, week.count(startDay[row], finish)));
        durations[row] = days;
        table.setCell(ColDuration, row, durationTexts(days));
        if (task.percent >= 0)
            table.setCell(ColCompletion, row, completionTexts(task.percent));
    }
    // The links, once every Duration is known: a percent lag is a share of its
    // predecessor's. Each list is made in one text kept for all, then copied at its size.
    QString forerunners;
    for (int row = 1; row <= lastRow; ++row) {
        forerunners.truncate(0);
        for (const Link &link : doc.linksOf(*rows[row - 1])) {
            ++notes.links;
            const int predecessor = link.crossProject ? 0 : rowOfUid.row(link.predecessorUid);
            if (predecessor == 0 || predecessor == row) {
                ++notes.droppedLinks;
                continue;
            }
            if (namedBy[predecessor] != row) {
                namedBy[predecessor] = row;
                appendLink(forerunners,
                           msp::LinkItemOf(link, predecessor, durations[predecessor], minutesPerDay,
                                           week.workingDaysPerWeek(), notes.linkChanges));
            }
        }
        if (!forerunners.isEmpty())
            table.setCell(ColForerunner, row, QStringView(forerunners).toString());
    }
    for (int row = 1; row < lastRow; ++row)
        if (levels[row + 1] > levels[row])
            table.setCell(ColVeha, row, QStringLiteral("v"));

    // Resources in ID order, named by the resource rules.
    std::vector<const Resource *> resources;
    for (const Resource &resource : doc.resources)
        if (msp::IsResource(resource))
            resources.push_back(&resource);
    std::stable_sort(resources.begin(), resources.end(),
                     [](const Resource *a, const Resource *b) { return a->id < b->id; });
    QSet<QString> taken;
    RowsByUid resourceOfUid;                          // resource table row by UID
    std::vector<QString> names(resources.size() + 1); // by resource table row
    for (int i = 0; i < int(resources.size()); ++i) {
        const Resource &resource = *resources[i];
        const QString name = acceptableName(resource, taken);
        if (name != resource.name)
            ++notes.renamedResources;
        taken.insert(name);
        names[i + 1] = name;
        resourceOfUid.add(resource.uid, i + 1);
        fresh.resourceTable.setCell(ResColName, i + 1, name);
        if (resource.rate) {
            double rate = *resource.rate;
            if (rate > MaxRate) {
                rate = MaxRate;
                ++notes.cappedRates;
            } else if (rate < 0) {
                rate = 0;
                ++notes.negativeRates;
            }
            fresh.resourceTable.setCell(ResColCost, i + 1, costText(rate));
        }
    }
    resourceOfUid.finish();
    // Each resource once in a task's list, in the order the assignments name them.
    std::vector<std::pair<int, int>> assigned; // task row and resource table row
    assigned.reserve(doc.assignments.size());
    for (const auto &[taskUid, resourceUid] : doc.assignments)
        assigned.emplace_back(rowOfUid.row(taskUid), resourceOfUid.row(resourceUid));
    const std::vector<QString> resourceLists = msp::ResourceLists(assigned, lastRow, names);
    for (int row = 1; row <= lastRow; ++row)
        if (!resourceLists[row].isEmpty())
            table.setCell(ColResource, row, resourceLists[row]);

    // The dates are made to agree with the planner's own calendar and links: every
    // task's End follows from its Start and Duration, then one recalculation.
    // (The End is the Duration's n-th working day counted from the Start, as
    // CalcEndDate counts it.)
    fresh.LastTaskRow = lastRow;
    const qint64 lastDay = static_cast<qint64>(MaxDateValue());
    for (int row = 1; row <= lastRow; ++row) {
        // A group task's dates come from its sub-tasks; one without a Finish in the file
        // starts from its own until the recalculation fits it.
        if (levels[row + 1] > levels[row] && !table.cell(ColEnd, row).isEmpty())
            continue;
        const qint64 end = durations[row] == 0
                               ? startDay[row]
                               : week.nthWorkingDay(startDay[row], durations[row]).value();
        if (end > lastDay)
            throw ConversionError(TooLongDurationMessage(table.cell(ColDuration, row)));
        table.setCell(ColEnd, row, dateText(end));
    }
    RecalcSchedule(fresh, host);
    // The recalculation gives a group task its span as a bare number of days; it keeps
    // its unit as every other imported Duration does.
    for (int row = 1; row < lastRow; ++row)
        if (levels[row + 1] > levels[row])
            table.setCell(ColDuration, row,
                          durationTexts(DurationDays(table.cell(ColDuration, row))));
    for (int row = 1; row <= lastRow; ++row)
        if ((!fileStart[row].isEmpty() && fileStart[row] != table.cell(ColStart, row)) ||
            (!fileEnd[row].isEmpty() && fileEnd[row] != table.cell(ColEnd, row)))
            ++notes.movedTasks;
}

} // namespace

bool IsMsProjectXml(const QString &path)
{
    // Only a regular file is looked into: reading a FIFO or a device could wait forever.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    return BeginsAsXml(file);
}

void ImportMsProjectXml(Project &project, Host &host, const QString &path)
{
    // Read in chunks of its own, so Qt's buffer would only add a copy.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        showError(
            host,
            QCoreApplication::translate("MsProjectImport", "Cannot open the file '%1'.").arg(path));
        return;
    }
    // Far beyond any plan the tables can hold (a 9,999-task plan with baselines and
    // time-phased data is some tens of megabytes).
    if (file.size() > MaxFileBytes) {
        showError(host, QCoreApplication::translate("MsProjectImport",
                                                    "The file '%1' is too large for a plan.")
                            .arg(path));
        return;
    }
    ImportMsProjectXml(project, host, file, path);
}

void ImportMsProjectXml(Project &project, Host &host, QIODevice &input, const QString &path)
{
    Document doc;
    const msp::ReadResult read = msp::ReadDocument(input, doc);
    // Each message is filled in one pass, so a path holding "%1" stays as it is.
    const QString line = QString::number(read.line);
    const QString column = QString::number(read.column);
    switch (read.kind) {
    case msp::ReadResult::Read:
        break;
    case msp::ReadResult::NotMsProjectXml:
        showError(host, QCoreApplication::translate("MsProjectImport",
                                                    "The file '%1' is not an MS Project XML "
                                                    "document. Its first element is <%2> (line "
                                                    "%3, column %4), not <Project> in the "
                                                    "namespace %5.")
                            .arg(path, read.message, line, column, QLatin1String(msp::Namespace)));
        return;
    case msp::ReadResult::Malformed:
        showError(host, QCoreApplication::translate(
                            "MsProjectImport",
                            "The file '%1' is not well-formed XML: %2 (line %3, column %4).")
                            .arg(path, read.message, line, column));
        return;
    case msp::ReadResult::DocumentType:
        showError(host, QCoreApplication::translate(
                            "MsProjectImport",
                            "The file '%1' has a document type declaration (line %2, column "
                            "%3). MS Project XML documents have none, and Morvaine does not "
                            "read one.")
                            .arg(path, line, column));
        return;
    case msp::ReadResult::TooDeep:
        showError(host, QCoreApplication::translate("MsProjectImport",
                                                    "The file '%1' nests elements more than %2 "
                                                    "deep (line %3, column %4); no plan is that "
                                                    "deep.")
                            .arg(path, QString::number(XmlEventReader::MaxDepth), line, column));
        return;
    case msp::ReadResult::Refused:
        showError(host, read.message);
        return;
    case msp::ReadResult::ReadFailed:
        showError(
            host,
            QCoreApplication::translate("MsProjectImport", "Cannot read the file '%1'.").arg(path));
        return;
    }

    auto fresh = std::make_unique<Project>();
    // The new project's row numbers are the open one's texts, shared rather than made
    // again: a new project finds them in place.
    for (int row = 1; row < TaskTable::Rows; ++row)
        fresh->taskTable.setCell(ColNumber, row, project.taskTable.cell(ColNumber, row));
    ImportHost importHost(host);
    InitNewProject(*fresh, importHost);
    const QString exceptionsNote = msp::ImportCalendarExceptions(doc, *fresh);
    Notes notes;
    try {
        buildProject(doc, *fresh, importHost, notes);
    } catch (const ConversionError &e) {
        showError(host, e.message());
        return;
    }
    msp::ReplaceProject(project, host, std::move(*fresh));
    if (!exceptionsNote.isEmpty())
        host.MessageBox(QCoreApplication::translate("Messages", "Info"), exceptionsNote,
                        MsgIcon::Information, MsgButtons::Ok);

    const QString text = notesText(notes);
    if (text.isEmpty())
        return;
    const bool lost = notes.linkChanges.changed + notes.droppedLinks + notes.renamedResources +
                              notes.cappedRates + notes.negativeRates >
                          0 ||
                      notes.noWorkingDay;
    host.MessageBox(lost ? QCoreApplication::translate("Messages", "Warning")
                         : QCoreApplication::translate("Messages", "Info"),
                    text, lost ? MsgIcon::Warning : MsgIcon::Information, MsgButtons::Ok);
}

} // namespace morvaine
