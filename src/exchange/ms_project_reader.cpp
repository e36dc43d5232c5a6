// Reading an MS Project XML document into plain records.

#include "ms_project_reader.h"

#include <algorithm>

#include "xml_pull_reader.h"

#include <QCoreApplication>
#include <cmath>

namespace morvaine::msp {

namespace {

// Whether an element's name is the given one; inline, as every element read is told
// apart by a row of these.
template <std::size_t N> bool is(QStringView name, const char16_t (&literal)[N])
{
    return name.size() == qsizetype(N - 1) && std::equal(literal, literal + N - 1, name.utf16());
}

// Reads the elements the planner uses and skips every other one (views, extended
// attributes, baselines, time-phased data...). A value that cannot be read ends the
// reading with a message of its own.
class DocumentReader {
public:
    explicit DocumentReader(const QByteArray &bytes) : m_xml(bytes) {}

    ReadResult read(Document &doc)
    {
        ReadResult result;
        if (readRoot())
            children([&](QStringView name) { return readProjectElement(name, doc); });
        if (m_notMsp || m_xml.hasDocumentType())
            result.kind = ReadResult::NotMsProjectXml;
        else if (!m_problem.isEmpty())
            result.kind = ReadResult::Refused;
        else if (m_xml.hasError())
            result.kind = ReadResult::Malformed;
        result.message = m_problem.isEmpty() ? m_xml.errorString() : m_problem;
        result.line = m_xml.lineNumber();
        result.column = m_xml.columnNumber();
        return result;
    }

    // The first element, without reading further: whether it is an MS Project <Project>.
    bool readRoot()
    {
        if (!m_xml.readNextStartElement())
            return false;
        if (m_xml.name() == QLatin1String("Project") &&
            m_xml.namespaceUri() == QLatin1String(Namespace))
            return true;
        m_notMsp = true;
        return false;
    }

private:
    template <typename Handler> void children(Handler &&handler)
    {
        while (m_xml.readNextStartElement()) {
            if (!handler(m_xml.name()))
                m_xml.skipCurrentElement();
        }
    }

    QString text() { return m_xml.readElementTextView().toString(); }
    QStringView textView() { return m_xml.readElementTextView(); }

    void fail(const QString &message)
    {
        if (m_problem.isEmpty())
            m_problem = message;
        m_xml.raiseError(message);
    }

    // The line of the element being read, counted only when a message needs it.
    QString line() const { return QString::number(m_xml.currentLine()); }

    // A plain whole number ("-12", "480"), the most common text of a plan, read without
    // the locale machinery of Qt's conversions; false for anything else.
    static bool plainWhole(QStringView text, int maxDigits, qint64 &value)
    {
        const qsizetype sign = !text.isEmpty() && text.front() == QLatin1Char('-') ? 1 : 0;
        if (text.size() == sign || text.size() - sign > maxDigits)
            return false;
        value = 0;
        for (qsizetype i = sign; i < text.size(); ++i) {
            const unsigned digit = text[i].unicode() - u'0';
            if (digit > 9)
                return false;
            value = value * 10 + digit;
        }
        if (sign)
            value = -value;
        return true;
    }

    int integer()
    {
        const QStringView value = textView();
        qint64 whole = 0;
        if (plainWhole(value, 9, whole))
            return int(whole);
        bool ok = false;
        const int result = value.trimmed().toInt(&ok);
        if (!ok)
            fail(QCoreApplication::translate("MsProjectImport",
                                             "'%1' on line %2 is not a valid value of <%3>.")
                     .arg(value, line(), m_xml.name()));
        return result;
    }

    double decimal()
    {
        const QStringView value = textView();
        qint64 whole = 0;
        if (plainWhole(value, 15, whole))
            return double(whole);
        bool ok = false;
        const double result = value.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(result))
            fail(QCoreApplication::translate("MsProjectImport",
                                             "'%1' on line %2 is not a valid value of <%3>.")
                     .arg(value, line(), m_xml.name()));
        return ok && std::isfinite(result) ? result : 0;
    }

    bool boolean()
    {
        const QStringView value = textView().trimmed();
        return value == QLatin1String("1") || value == QLatin1String("true");
    }

    std::optional<DateTime> dateTime()
    {
        const QStringView value = textView();
        const std::optional<DateTime> result = ParseDateTime(value);
        if (!result || result->date.year() < 1 || result->date.year() > 9999) {
            fail(QCoreApplication::translate(
                     "MsProjectImport",
                     "The date '%1' on line %2 is not a date of the years 1 to 9999.")
                     .arg(value.trimmed(), line()));
            return std::nullopt;
        }
        return result;
    }

    bool readProjectElement(QStringView name, Document &doc)
    {
        if (is(name, u"Name"))
            doc.name = text();
        else if (is(name, u"Title"))
            doc.title = text();
        else if (is(name, u"Author"))
            doc.author = text();
        else if (is(name, u"CurrencySymbol"))
            doc.currency = text().trimmed();
        else if (is(name, u"StartDate"))
            doc.startDate = dateTime();
        else if (is(name, u"MinutesPerDay"))
            doc.minutesPerDay = integer();
        else if (is(name, u"CalendarUID"))
            doc.calendarUid = integer();
        else if (is(name, u"Calendars"))
            children([&](QStringView n) { return is(n, u"Calendar") && readCalendar(doc); });
        else if (is(name, u"Tasks"))
            children([&](QStringView n) { return is(n, u"Task") && readTask(doc); });
        else if (is(name, u"Resources"))
            children([&](QStringView n) { return is(n, u"Resource") && readResource(doc); });
        else if (is(name, u"Assignments"))
            children([&](QStringView n) { return is(n, u"Assignment") && readAssignment(doc); });
        else
            return false;
        return true;
    }

    bool readCalendar(Document &doc)
    {
        Calendar calendar;
        children([&](QStringView name) {
            if (is(name, u"UID"))
                calendar.uid = integer();
            else if (is(name, u"BaseCalendarUID"))
                calendar.baseUid = integer();
            else if (is(name, u"IsBaseCalendar"))
                calendar.isBase = boolean();
            else if (is(name, u"WeekDays"))
                children([&](QStringView n) { return is(n, u"WeekDay") && readWeekDay(calendar); });
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
            if (is(name, u"DayType"))
                dayType = integer();
            else if (is(name, u"DayWorking"))
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
            if (is(name, u"UID"))
                task.uid = integer();
            else if (is(name, u"ID"))
                task.id = integer();
            else if (is(name, u"Name"))
                task.name = text();
            else if (is(name, u"IsNull"))
                task.isNull = boolean();
            else if (is(name, u"OutlineLevel"))
                task.outlineLevel = integer();
            else if (is(name, u"Milestone"))
                task.milestone = boolean();
            else if (is(name, u"Start"))
                task.start = dateTime();
            else if (is(name, u"Finish"))
                task.finish = dateTime();
            else if (is(name, u"PercentComplete"))
                task.percent = integer();
            else if (is(name, u"Duration"))
                task.minutes = duration(doc.minutesPerDay);
            else if (is(name, u"PredecessorLink"))
                task.links.push_back(readLink());
            else
                return false;
            return true;
        });
        if (!task.isNull && !IsProjectSummary(task) && ++m_taskRows > MaxTasks)
            fail(QCoreApplication::translate(
                     "MsProjectImport",
                     "The plan has more than %1 tasks; Morvaine holds at most %1.")
                     .arg(MaxTasks));
        doc.tasks.push_back(std::move(task));
        return true;
    }

    std::optional<double> duration(int minutesPerDay)
    {
        const QStringView value = textView();
        const std::optional<double> minutes =
            ParseDurationMinutes(value, std::max(minutesPerDay, 1));
        if (!minutes)
            fail(QCoreApplication::translate("MsProjectImport",
                                             "'%1' on line %2 is not a valid value of <Duration>.")
                     .arg(value, line()));
        return minutes;
    }

    Link readLink()
    {
        Link link;
        children([&](QStringView name) {
            if (is(name, u"PredecessorUID"))
                link.predecessorUid = integer();
            else if (is(name, u"Type"))
                link.type = integer();
            else if (is(name, u"LinkLag"))
                link.lag = decimal();
            else if (is(name, u"LagFormat"))
                link.lagFormat = integer();
            else if (is(name, u"CrossProject"))
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
            if (is(name, u"UID"))
                resource.uid = integer();
            else if (is(name, u"ID"))
                resource.id = integer();
            else if (is(name, u"Name"))
                resource.name = text();
            else if (is(name, u"IsNull"))
                resource.isNull = boolean();
            else if (is(name, u"StandardRate"))
                resource.rate = decimal();
            else
                return false;
            return true;
        });
        if (IsResource(resource) && ++m_resourceRows > MaxResources)
            fail(QCoreApplication::translate(
                     "MsProjectImport",
                     "The plan has more than %1 resources; Morvaine holds at most %1.")
                     .arg(MaxResources));
        doc.resources.push_back(std::move(resource));
        return true;
    }

    bool readAssignment(Document &doc)
    {
        int taskUid = -1;
        int resourceUid = -1;
        children([&](QStringView name) {
            if (is(name, u"TaskUID"))
                taskUid = integer();
            else if (is(name, u"ResourceUID"))
                resourceUid = integer();
            else
                return false;
            return true;
        });
        doc.assignments.emplace_back(taskUid, resourceUid);
        return true;
    }

private:
    XmlPullReader m_xml;
    QString m_problem;
    bool m_notMsp = false;
    int m_taskRows = 0;
    int m_resourceRows = 0;
};

} // namespace

bool IsProjectSummary(const Task &task)
{
    return task.outlineLevel == 0 || (task.outlineLevel < 0 && task.uid == 0);
}

bool IsResource(const Resource &resource)
{
    return !resource.isNull && !(resource.uid == 0 && resource.name.trimmed().isEmpty());
}

ReadResult ReadDocument(const QByteArray &bytes, Document &doc)
{
    DocumentReader reader(bytes);
    return reader.read(doc);
}

bool BeginsMsProjectDocument(const QByteArray &bytes)
{
    DocumentReader reader(bytes);
    return reader.readRoot();
}

} // namespace morvaine::msp
