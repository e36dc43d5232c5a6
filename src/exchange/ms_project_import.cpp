// Reading an MS Project XML document into a project. The document is read whole into
// plain records first, then laid out as task rows in ID order into a new project, which
// replaces the open one only when everything was read and recalculated.

#include "ms_project_format.h"
#include "ms_project_xml.h"

#include "model/new_project.h"
#include "schedule/calendar.h"
#include "schedule/recalc.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace morvaine {

namespace {

constexpr int MaxTasks = TaskTable::LastRow;          // 9999
constexpr int MaxResources = ResourceTable::Rows - 1; // 999
constexpr int DefaultMinutesPerDay = 480;

enum LinkType { FinishToFinish = 0, FinishToStart = 1, StartToFinish = 2, StartToStart = 3 };

struct Link {
    int predecessorUid = -1;
    int type = FinishToStart;
    double lag = 0; // tenths of a minute
    bool crossProject = false;
};

struct Task {
    int uid = -1;
    int id = -1;
    int order = 0; // place in the document, for tasks without an ID
    QString name;
    bool isNull = false;
    int outlineLevel = -1;
    bool milestone = false;
    std::optional<double> minutes;
    std::optional<msp::DateTime> start;
    std::optional<msp::DateTime> finish;
    int percent = -1;
    std::vector<Link> links;
};

struct Resource {
    int uid = -1;
    int id = -1;
    QString name;
    bool isNull = false;
    std::optional<double> rate;
};

struct Calendar {
    int uid = -1;
    int baseUid = -1;
    bool isBase = false;
    int working[8] = {-1, -1, -1, -1, -1, -1, -1, -1}; // by DayType 1 (Sunday) .. 7
};

struct Document {
    QString name;
    QString title;
    QString author;
    QString currency;
    std::optional<msp::DateTime> startDate;
    int minutesPerDay = DefaultMinutesPerDay;
    int calendarUid = -1;
    std::vector<Calendar> calendars;
    std::vector<Task> tasks;
    std::vector<Resource> resources;
    std::vector<std::pair<int, int>> assignments; // task UID, resource UID
};

// Reads the elements the planner uses and skips every other one (views, extended
// attributes, baselines, time-phased data...). A value that cannot be read ends the
// reading with a message of its own.
class DocumentReader {
public:
    explicit DocumentReader(QIODevice *device) : m_xml(device) {}

    // Returns false with problem() set, or whether the document is malformed.
    bool read(Document &doc)
    {
        if (!readRoot())
            return false;
        children([&](QStringView name) { return readProjectElement(name, doc); });
        if (m_xml.hasError())
            return false;
        return true;
    }

    // The first element, without reading further: whether it is an MS Project <Project>.
    bool readRoot()
    {
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            // A document type declaration could declare entities; MS Project never
            // writes one, so the document is refused before anything in it is used.
            if (token == QXmlStreamReader::DTD) {
                m_notMsp = true;
                m_xml.raiseError(QStringLiteral("document type declaration"));
                return false;
            }
            if (token == QXmlStreamReader::StartElement) {
                if (m_xml.name() == QLatin1String("Project") &&
                    m_xml.namespaceUri() == QLatin1String(msp::Namespace))
                    return true;
                m_notMsp = true;
                return false;
            }
        }
        m_notMsp = !m_xml.hasError();
        return false;
    }

    bool notMsProjectXml() const { return m_notMsp; }
    const QString &problem() const { return m_problem; }
    bool malformed() const
    {
        return m_problem.isEmpty() && !m_notMsp && m_xml.error() != QXmlStreamReader::NoError;
    }
    QString errorString() const { return m_xml.errorString(); }
    qint64 line() const { return m_xml.lineNumber(); }
    qint64 column() const { return m_xml.columnNumber(); }

private:
    template <typename Handler> void children(Handler &&handler)
    {
        while (m_xml.readNextStartElement()) {
            if (!handler(m_xml.name()))
                m_xml.skipCurrentElement();
        }
    }

    QString text() { return m_xml.readElementText(QXmlStreamReader::SkipChildElements); }

    void fail(const QString &message)
    {
        if (m_problem.isEmpty())
            m_problem = message;
        m_xml.raiseError(message);
    }

    int integer()
    {
        const qint64 line = m_xml.lineNumber();
        const QString name = m_xml.name().toString();
        const QString value = text();
        bool ok = false;
        const int result = value.trimmed().toInt(&ok);
        if (!ok)
            fail(QStringLiteral("'%1' on line %2 is not a valid value of <%3>.")
                     .arg(value, QString::number(line), name));
        return result;
    }

    double decimal()
    {
        const qint64 line = m_xml.lineNumber();
        const QString name = m_xml.name().toString();
        const QString value = text();
        bool ok = false;
        const double result = value.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(result))
            fail(QStringLiteral("'%1' on line %2 is not a valid value of <%3>.")
                     .arg(value, QString::number(line), name));
        return ok && std::isfinite(result) ? result : 0;
    }

    bool boolean()
    {
        const QString value = text().trimmed();
        return value == QLatin1String("1") || value == QLatin1String("true");
    }

    std::optional<msp::DateTime> dateTime()
    {
        const qint64 line = m_xml.lineNumber();
        const QString value = text();
        const std::optional<msp::DateTime> result = msp::ParseDateTime(value);
        if (!result || result->date.year() < 1 || result->date.year() > 9999) {
            fail(QStringLiteral("The date '%1' on line %2 is not a date of the years 1 to 9999.")
                     .arg(value.trimmed(), QString::number(line)));
            return std::nullopt;
        }
        return result;
    }

    bool readProjectElement(QStringView name, Document &doc)
    {
        if (name == QLatin1String("Name"))
            doc.name = text();
        else if (name == QLatin1String("Title"))
            doc.title = text();
        else if (name == QLatin1String("Author"))
            doc.author = text();
        else if (name == QLatin1String("CurrencySymbol"))
            doc.currency = text().trimmed();
        else if (name == QLatin1String("StartDate"))
            doc.startDate = dateTime();
        else if (name == QLatin1String("MinutesPerDay"))
            doc.minutesPerDay = integer();
        else if (name == QLatin1String("CalendarUID"))
            doc.calendarUid = integer();
        else if (name == QLatin1String("Calendars"))
            children(
                [&](QStringView n) { return n == QLatin1String("Calendar") && readCalendar(doc); });
        else if (name == QLatin1String("Tasks"))
            children([&](QStringView n) { return n == QLatin1String("Task") && readTask(doc); });
        else if (name == QLatin1String("Resources"))
            children(
                [&](QStringView n) { return n == QLatin1String("Resource") && readResource(doc); });
        else if (name == QLatin1String("Assignments"))
            children([&](QStringView n) {
                return n == QLatin1String("Assignment") && readAssignment(doc);
            });
        else
            return false;
        return true;
    }

    bool readCalendar(Document &doc)
    {
        Calendar calendar;
        children([&](QStringView name) {
            if (name == QLatin1String("UID"))
                calendar.uid = integer();
            else if (name == QLatin1String("BaseCalendarUID"))
                calendar.baseUid = integer();
            else if (name == QLatin1String("IsBaseCalendar"))
                calendar.isBase = boolean();
            else if (name == QLatin1String("WeekDays"))
                children([&](QStringView n) {
                    return n == QLatin1String("WeekDay") && readWeekDay(calendar);
                });
            else
                return false;
            return true;
        });
        doc.calendars.push_back(calendar);
        return true;
    }

    bool readWeekDay(Calendar &calendar)
    {
        int dayType = -1;
        int working = -1;
        children([&](QStringView name) {
            if (name == QLatin1String("DayType"))
                dayType = integer();
            else if (name == QLatin1String("DayWorking"))
                working = boolean() ? 1 : 0;
            else
                return false;
            return true;
        });
        // Day type 0 holds an exception (a holiday); the planner has only the week.
        if (dayType >= 1 && dayType <= 7 && working >= 0)
            calendar.working[dayType] = working;
        return true;
    }

    bool readTask(Document &doc)
    {
        Task task;
        task.order = static_cast<int>(doc.tasks.size());
        children([&](QStringView name) {
            if (name == QLatin1String("UID"))
                task.uid = integer();
            else if (name == QLatin1String("ID"))
                task.id = integer();
            else if (name == QLatin1String("Name"))
                task.name = text();
            else if (name == QLatin1String("IsNull"))
                task.isNull = boolean();
            else if (name == QLatin1String("OutlineLevel"))
                task.outlineLevel = integer();
            else if (name == QLatin1String("Milestone"))
                task.milestone = boolean();
            else if (name == QLatin1String("Start"))
                task.start = dateTime();
            else if (name == QLatin1String("Finish"))
                task.finish = dateTime();
            else if (name == QLatin1String("PercentComplete"))
                task.percent = integer();
            else if (name == QLatin1String("Duration"))
                task.minutes = duration(doc.minutesPerDay);
            else if (name == QLatin1String("PredecessorLink"))
                task.links.push_back(readLink());
            else
                return false;
            return true;
        });
        if (!task.isNull && !isProjectSummary(task) && ++m_taskRows > MaxTasks)
            fail(QStringLiteral("The plan has more than %1 tasks; Morvaine holds at most %1.")
                     .arg(MaxTasks));
        doc.tasks.push_back(std::move(task));
        return true;
    }

    std::optional<double> duration(int minutesPerDay)
    {
        const qint64 line = m_xml.lineNumber();
        const QString value = text();
        const std::optional<double> minutes =
            msp::ParseDurationMinutes(value, std::max(minutesPerDay, 1));
        if (!minutes)
            fail(QStringLiteral("'%1' on line %2 is not a valid value of <Duration>.")
                     .arg(value, QString::number(line)));
        return minutes;
    }

    Link readLink()
    {
        Link link;
        children([&](QStringView name) {
            if (name == QLatin1String("PredecessorUID"))
                link.predecessorUid = integer();
            else if (name == QLatin1String("Type"))
                link.type = integer();
            else if (name == QLatin1String("LinkLag"))
                link.lag = decimal();
            else if (name == QLatin1String("CrossProject"))
                link.crossProject = boolean();
            else
                return false;
            return true;
        });
        return link;
    }

    bool readResource(Document &doc)
    {
        Resource resource;
        children([&](QStringView name) {
            if (name == QLatin1String("UID"))
                resource.uid = integer();
            else if (name == QLatin1String("ID"))
                resource.id = integer();
            else if (name == QLatin1String("Name"))
                resource.name = text();
            else if (name == QLatin1String("IsNull"))
                resource.isNull = boolean();
            else if (name == QLatin1String("StandardRate"))
                resource.rate = decimal();
            else
                return false;
            return true;
        });
        if (isResource(resource) && ++m_resourceRows > MaxResources)
            fail(QStringLiteral("The plan has more than %1 resources; Morvaine holds at most %1.")
                     .arg(MaxResources));
        doc.resources.push_back(std::move(resource));
        return true;
    }

    bool readAssignment(Document &doc)
    {
        int taskUid = -1;
        int resourceUid = -1;
        children([&](QStringView name) {
            if (name == QLatin1String("TaskUID"))
                taskUid = integer();
            else if (name == QLatin1String("ResourceUID"))
                resourceUid = integer();
            else
                return false;
            return true;
        });
        doc.assignments.emplace_back(taskUid, resourceUid);
        return true;
    }

public:
    // The project summary task (UID 0, outline level 0) stands for the whole project.
    static bool isProjectSummary(const Task &task)
    {
        return task.outlineLevel == 0 || (task.outlineLevel < 0 && task.uid == 0);
    }
    // The null resource (UID 0 without a name) stands for "no resource".
    static bool isResource(const Resource &resource)
    {
        return !resource.isNull && !(resource.uid == 0 && resource.name.trimmed().isEmpty());
    }

private:
    QXmlStreamReader m_xml;
    QString m_problem;
    bool m_notMsp = false;
    int m_taskRows = 0;
    int m_resourceRows = 0;
};

void showError(Prompts &prompts, const QString &text)
{
    prompts.MessageBox(QStringLiteral("Error"), text, MsgIcon::Error, MsgButtons::Ok);
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

QString durationText(int days)
{
    return days == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(days);
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

struct Notes {
    int links = 0;
    int changedLinks = 0;
    int byType[4] = {};
    int lagged = 0;
    int droppedLinks = 0;
    int renamedResources = 0;
    int movedTasks = 0;
    bool noWorkingDay = false;
};

// "1 link" or "3 links".
QString counted(int n, const char *singular, const char *plural)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? singular : plural);
}

QString notesText(const Notes &notes)
{
    QStringList lines;
    if (notes.changedLinks > 0) {
        QStringList how;
        const char *const names[] = {"finish-to-finish", "", "start-to-finish", "start-to-start"};
        for (int type : {StartToStart, FinishToFinish, StartToFinish})
            if (notes.byType[type] > 0)
                how << QStringLiteral("%1 %2")
                           .arg(notes.byType[type])
                           .arg(QLatin1String(names[type]));
        if (notes.lagged > 0)
            how << QStringLiteral("%1 with a lag or lead").arg(notes.lagged);
        lines << QStringLiteral("%1 of %2 %3 changed to finish-to-start without lag (%4).")
                     .arg(notes.changedLinks)
                     .arg(counted(notes.links, "link", "links"),
                          QLatin1String(notes.changedLinks == 1 ? "was" : "were"),
                          how.join(QLatin1String(", ")));
    }
    if (notes.droppedLinks > 0)
        lines << QStringLiteral("%1 to tasks outside the plan left out.")
                     .arg(counted(notes.droppedLinks, "link", "links"));
    if (notes.renamedResources > 0)
        lines << QStringLiteral("%1 renamed: the characters ', . ; :' became blanks, and names "
                                "were made unique.")
                     .arg(counted(notes.renamedResources, "resource", "resources"));
    if (notes.noWorkingDay)
        lines << QStringLiteral("The calendar has no working day; Monday to Friday are used.");
    if (notes.movedTasks > 0)
        lines << QStringLiteral("Dates of %1 moved to agree with the working calendar and the "
                                "links.")
                     .arg(counted(notes.movedTasks, "task", "tasks"));
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
        if (!task.isNull && !DocumentReader::isProjectSummary(task))
            rows.push_back(&task);
    std::stable_sort(rows.begin(), rows.end(), [](const Task *a, const Task *b) {
        return (a->id >= 0 ? a->id : a->order) < (b->id >= 0 ? b->id : b->order);
    });
    QHash<int, int> rowOfUid;
    for (int i = 0; i < int(rows.size()); ++i)
        rowOfUid.insert(rows[i]->uid, i + 1);

    QHash<qint64, QString> dateTexts;
    const auto dateText = [&dateTexts](const QDate &date) -> const QString & {
        const qint64 day = msp::DayOf(date);
        auto it = dateTexts.find(day);
        if (it == dateTexts.end())
            it = dateTexts.insert(day, DateToStr(static_cast<TDateTime>(day)));
        return *it;
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
        settings.setValue(SettingsBlock::StartDate, dateText(projectStart));

    const WorkWeek week(mask);
    std::vector<QString> fileStart(rows.size() + 1), fileEnd(rows.size() + 1);
    int previousLevel = 0;
    for (int row = 1; row <= int(rows.size()); ++row) {
        const Task &task = *rows[row - 1];
        table.setCell(ColTask, row,
                      task.name.isEmpty() ? QStringLiteral("Task %1").arg(task.id) : task.name);
        // A level may rise by one over the row above, as in any outline.
        const int level =
            std::clamp(task.outlineLevel < 1 ? 1 : task.outlineLevel, 1, previousLevel + 1);
        table.setCell(ColLevel, row, QString::number(level));
        previousLevel = level;

        QDate start = task.start ? task.start->date : QDate();
        QDate finish = task.finish ? task.finish->date : QDate();
        // A finish at midnight ends the day before.
        if (task.finish && task.finish->minutes == 0 && start.isValid() && finish > start)
            finish = finish.addDays(-1);
        if (start.isValid())
            table.setCell(ColStart, row, fileStart[row] = dateText(start));
        if (finish.isValid())
            table.setCell(ColEnd, row, fileEnd[row] = dateText(finish));

        int days = 1; // what MS Project gives a task without a duration
        if (task.milestone || (task.minutes && *task.minutes <= 0))
            days = 0;
        else if (task.minutes)
            days = std::max(1, int(std::ceil(*task.minutes / minutesPerDay - 1e-9)));
        else if (start.isValid() && finish.isValid())
            days = std::max<int>(1, week.count(msp::DayOf(start), msp::DayOf(finish)));
        table.setCell(ColDuration, row, durationText(days));
        // A task without a Start starts with the project, as in MS Project.
        if (!start.isValid())
            table.setCell(ColStart, row, settings.startDate());
        if (task.percent >= 0)
            table.setCell(ColCompletion, row,
                          QString::number(std::clamp(task.percent, 0, 100)) + QLatin1String(" %"));

        QString forerunners;
        QSet<int> named;
        for (const Link &link : task.links) {
            ++notes.links;
            const int predecessor = link.crossProject ? 0 : rowOfUid.value(link.predecessorUid);
            if (predecessor == 0 || predecessor == row) {
                ++notes.droppedLinks;
                continue;
            }
            const bool otherType = link.type != FinishToStart;
            if (otherType && link.type >= 0 && link.type <= 3)
                ++notes.byType[link.type];
            if (link.lag != 0)
                ++notes.lagged;
            if (otherType || link.lag != 0)
                ++notes.changedLinks;
            if (!named.contains(predecessor)) {
                named.insert(predecessor);
                forerunners += QLatin1Char(' ') + QString::number(predecessor) + QLatin1Char(';');
            }
        }
        table.setCell(ColForerunner, row, forerunners);
    }
    const int lastRow = int(rows.size());
    for (int row = 1; row < lastRow; ++row)
        if (StrToInt(table.cell(ColLevel, row + 1)) > StrToInt(table.cell(ColLevel, row)))
            table.setCell(ColVeha, row, QStringLiteral("v"));

    // Resources in ID order, named by the resource rules.
    std::vector<const Resource *> resources;
    for (const Resource &resource : doc.resources)
        if (DocumentReader::isResource(resource))
            resources.push_back(&resource);
    std::stable_sort(resources.begin(), resources.end(),
                     [](const Resource *a, const Resource *b) { return a->id < b->id; });
    QSet<QString> taken;
    QHash<int, QString> nameOfUid;
    for (int i = 0; i < int(resources.size()); ++i) {
        const Resource &resource = *resources[i];
        const QString name = acceptableName(resource, taken);
        if (name != resource.name)
            ++notes.renamedResources;
        taken.insert(name);
        nameOfUid.insert(resource.uid, name);
        fresh.resourceTable.setCell(ResColName, i + 1, name);
        if (resource.rate)
            fresh.resourceTable.setCell(ResColCost, i + 1, costText(*resource.rate));
    }
    std::vector<QString> resourceLists(lastRow + 1);
    for (const auto &[taskUid, resourceUid] : doc.assignments) {
        const int row = rowOfUid.value(taskUid);
        const auto name = nameOfUid.constFind(resourceUid);
        if (row == 0 || name == nameOfUid.constEnd())
            continue;
        const QString item = QLatin1Char(' ') + *name + QLatin1Char(';');
        if (!resourceLists[row].contains(item))
            resourceLists[row] += item;
    }
    for (int row = 1; row <= lastRow; ++row)
        table.setCell(ColResource, row, resourceLists[row]);

    // The dates are made to agree with the planner's own calendar and links: every
    // task's End follows from its Start and Duration, then one recalculation.
    fresh.LastTaskRow = lastRow;
    for (int row = 1; row <= lastRow; ++row)
        if (table.cell(ColVeha, row).isEmpty() && !table.cell(ColStart, row).isEmpty() &&
            !table.cell(ColDuration, row).isEmpty())
            CalcEndDate(fresh, row);
    RecalcSchedule(fresh, host);
    for (int row = 1; row <= lastRow; ++row)
        if ((!fileStart[row].isEmpty() && fileStart[row] != table.cell(ColStart, row)) ||
            (!fileEnd[row].isEmpty() && fileEnd[row] != table.cell(ColEnd, row)))
            ++notes.movedTasks;
}

// Puts the new project in place of the open one, as opening a file would.
void replaceProject(Project &project, Host &host, const Project &fresh)
{
    ClearProject(project, true);
    InitNewProject(project, host);
    for (int column = ColTask; column <= ColVeha; ++column)
        for (int row = 1; row <= fresh.LastTaskRow; ++row)
            project.taskTable.setCell(column, row, fresh.taskTable.cell(column, row));
    for (int row = 1; row <= 20; ++row)
        project.taskTable.setCell(ColSettings, row, fresh.taskTable.cell(ColSettings, row));
    for (int row = 1; row < ResourceTable::Rows; ++row) {
        if (fresh.resourceTable.cell(ResColName, row).isEmpty())
            break;
        for (int column = ResColName; column <= ResColAddress; ++column)
            project.resourceTable.setCell(column, row, fresh.resourceTable.cell(column, row));
    }
    project.LastTaskRow = fresh.LastTaskRow;
    project.CriticalChain = fresh.CriticalChain;
    // An imported plan has not been saved as a project file yet.
    project.settings().markModified();
    host.RepaintTaskGrid();
    host.RepaintChart();
}

} // namespace

bool IsMsProjectXml(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    DocumentReader reader(&file);
    return reader.readRoot();
}

void ImportMsProjectXml(Project &project, Host &host, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showError(host, QStringLiteral("Cannot open the file '%1'.").arg(path));
        return;
    }
    Document doc;
    DocumentReader reader(&file);
    if (!reader.read(doc)) {
        if (reader.notMsProjectXml())
            showError(host,
                      QStringLiteral("The file '%1' is not an MS Project XML document.").arg(path));
        else if (!reader.problem().isEmpty())
            showError(host, reader.problem());
        else
            showError(host, QStringLiteral("The file '%1' is not well-formed XML: %2 (line %3, "
                                           "column %4).")
                                .arg(path, reader.errorString())
                                .arg(reader.line())
                                .arg(reader.column()));
        return;
    }
    file.close();

    auto fresh = std::make_unique<Project>();
    ImportHost importHost(host);
    InitNewProject(*fresh, importHost);
    Notes notes;
    try {
        buildProject(doc, *fresh, importHost, notes);
    } catch (const ConversionError &e) {
        showError(host, e.message());
        return;
    }
    replaceProject(project, host, *fresh);

    const QString text = notesText(notes);
    if (text.isEmpty())
        return;
    const bool lost =
        notes.changedLinks + notes.droppedLinks + notes.renamedResources > 0 || notes.noWorkingDay;
    host.MessageBox(lost ? QStringLiteral("Warning") : QStringLiteral("Info"), text,
                    lost ? MsgIcon::Warning : MsgIcon::Information, MsgButtons::Ok);
}

} // namespace morvaine
