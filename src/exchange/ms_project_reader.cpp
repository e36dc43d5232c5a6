// Reading an MS Project XML document into plain records. Expat reports the elements as
// it reads them, and a small state machine follows their path: the scope says which
// record is being read (the project, a calendar, a week day, a task, one of its links,
// a resource, an assignment), the field which value's text is being collected, and an
// element that no scope reads is skipped with all it holds (views, extended attributes,
// baselines, time-phased data...). Each scope lists the children it reads in
// ms_project_elements.h; a new value or a new record is one more line there and one
// more case here where it is stored.

#include "ms_project_reader.h"

#include "ms_project_elements.h"
#include "xml_event_reader.h"

#include <QCoreApplication>
#include <charconv>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace morvaine::msp {

namespace {

// No value the planner reads comes near this; a longer text is not held in memory.
constexpr std::size_t MaxTextBytes = 1 << 20;

using namespace elements;

// Follows the document's element path and stores what it reads in doc. A value that
// cannot be read stops the reading with a message of its own.
class DocumentParser final : public XmlEventHandler {
public:
    DocumentParser(XmlEventReader &xml, Document &doc) : m_xml(xml), m_doc(doc) {}

    void startElement(std::string_view ns, std::string_view local) override
    {
        // An element inside a skipped one, or inside a value (whose text goes on after it).
        if (m_skip > 0 || m_field != Field::None) {
            ++m_skip;
            return;
        }
        const bool ours = isOurs(ns);
        if (m_scope == Scope::Document) {
            if (ours && local == "Project") {
                m_scope = Scope::Project;
            } else {
                m_result.kind = ReadResult::NotMsProjectXml;
                m_result.message = QString::fromUtf8(local.data(), qsizetype(local.size()));
                stop();
            }
            return;
        }
        if (const Child *child = ours ? findChild(m_scope, local) : nullptr) {
            if (child->field != Field::None) {
                m_field = child->field;
                m_fieldName = child->name;
                m_text.clear();
            } else {
                enter(child->scope);
            }
            return;
        }
        m_skip = 1;
    }

    void endElement() override
    {
        if (m_skip > 0) {
            --m_skip;
        } else if (m_field != Field::None) {
            storeField();
            m_field = Field::None;
        } else {
            leave();
        }
    }

    void characters(const char *text, int length) override
    {
        if (m_field == Field::None || m_skip > 0)
            return;
        if (m_text.size() + std::size_t(length) > MaxTextBytes) {
            refuse(QCoreApplication::translate(
                       "MsProjectImport",
                       "The text of <%1> on line %2 is longer than any value of a "
                       "plan (1 MiB).")
                       .arg(fieldName(), line()));
            return;
        }
        m_text.append(text, std::size_t(length));
    }

    // How the reading ended for this parser: NotMsProjectXml or Refused when it stopped
    // the reading, otherwise Read.
    const ReadResult &result() const { return m_result; }

private:
    // Whether ns is the MS Project namespace; compared at a length known here, so that
    // the comparison is a few instructions.
    static bool isOurs(std::string_view ns)
    {
        static constexpr std::string_view Ours = Namespace;
        return ns.size() == Ours.size() && std::memcmp(ns.data(), Ours.data(), Ours.size()) == 0;
    }

    void stop()
    {
        m_result.line = m_xml.line();
        m_result.column = m_xml.column();
        m_xml.stop();
    }

    void refuse(const QString &message)
    {
        if (m_result.kind != ReadResult::Read)
            return;
        m_result.kind = ReadResult::Refused;
        m_result.message = message;
        stop();
    }

    QString line() const { return QString::number(m_xml.line()); }
    // The task being read, kept in place at the end of the document's tasks.
    Task &task() { return m_doc.tasks.back(); }
    QString fieldName() const { return QString::fromLatin1(m_fieldName); }
    QString text() const { return QString::fromUtf8(m_text); }

    void enter(Scope scope)
    {
        m_scope = scope;
        switch (scope) {
        case Scope::Calendar:
            m_calendar = Calendar();
            break;
        case Scope::WeekDay:
            m_dayType = -1;
            m_dayWorking = -1;
            m_exception = CalendarException();
            break;
        case Scope::Exception:
            m_exception = CalendarException();
            break;
        case Scope::Task:
            m_doc.tasks.emplace_back().order = m_taskOrder++;
            task().firstLink = int(m_doc.links.size());
            break;
        case Scope::PredecessorLink:
            m_link = Link();
            break;
        case Scope::Resource:
            m_resource = Resource();
            break;
        case Scope::Assignment:
            m_taskUid = m_resourceUid = -1;
            break;
        default:
            break;
        }
    }

    void leave()
    {
        switch (m_scope) {
        case Scope::Calendar:
            if (m_doc.calendars.size() == std::size_t(MaxCalendars))
                refuse(QCoreApplication::translate(
                           "MsProjectImport", "The plan has more than %1 calendars; no plan that "
                                              "Morvaine holds has that many.")
                           .arg(MaxCalendars));
            else
                m_doc.calendars.push_back(std::move(m_calendar));
            break;
        case Scope::WeekDay:
            // Day type 0 holds an exception of the 2003 form: every day of its period.
            if (m_dayType >= 1 && m_dayType <= 7 && m_dayWorking >= 0)
                m_calendar.working[m_dayType] = m_dayWorking;
            else if (m_dayType == 0)
                keepException(m_dayWorking == 1);
            break;
        case Scope::Exception:
            keepException(m_exception.working);
            break;
        case Scope::Task:
            // Null tasks and the project summary become no row: they are not kept, so
            // that a file of nothing else takes no memory however long it is.
            if (task().isNull || IsProjectSummary(task())) {
                m_doc.links.resize(std::size_t(task().firstLink));
                m_doc.tasks.pop_back();
            } else if (++m_taskRows > MaxTasks)
                refuse(QCoreApplication::translate(
                           "MsProjectImport",
                           "The plan has more than %1 tasks; Morvaine holds at most %1.")
                           .arg(MaxTasks));
            break;
        case Scope::PredecessorLink:
            m_doc.links.push_back(m_link);
            ++task().linkCount;
            break;
        case Scope::Resource:
            if (!IsResource(m_resource))
                break; // the null resource, kept as no row either
            if (++m_resourceRows > MaxResources)
                refuse(QCoreApplication::translate(
                           "MsProjectImport",
                           "The plan has more than %1 resources; Morvaine holds at most %1.")
                           .arg(MaxResources));
            m_doc.resources.push_back(std::move(m_resource));
            break;
        case Scope::Assignment:
            m_doc.assignments.emplace_back(m_taskUid, m_resourceUid);
            break;
        default:
            break;
        }
        m_scope = parentOf(m_scope);
    }

    void storeField()
    {
        switch (m_scope) {
        case Scope::Project:
            return storeProjectField();
        case Scope::Calendar:
            if (m_field == Field::Uid)
                m_calendar.uid = integer();
            else if (m_field == Field::BaseCalendarUid)
                m_calendar.baseUid = integer();
            else if (m_field == Field::IsBaseCalendar)
                m_calendar.isBase = boolean();
            return;
        case Scope::WeekDay:
            if (m_field == Field::DayType)
                m_dayType = integer();
            else if (m_field == Field::DayWorking)
                m_dayWorking = boolean() ? 1 : 0;
            return;
        case Scope::WeekDayPeriod:
        case Scope::ExceptionPeriod:
            if (m_field == Field::FromDate)
                m_exception.from = day();
            else if (m_field == Field::ToDate)
                m_exception.to = day();
            return;
        case Scope::Exception:
            return storeExceptionField();
        case Scope::Task:
            return storeTaskField();
        case Scope::PredecessorLink:
            return storeLinkField();
        case Scope::Resource:
            return storeResourceField();
        case Scope::Assignment:
            if (m_field == Field::TaskUid)
                m_taskUid = integer();
            else if (m_field == Field::ResourceUid)
                m_resourceUid = integer();
            return;
        default:
            return;
        }
    }

    // Exceptions are read leniently: a value that does not read leaves its default, as a
    // calendar the planner cannot use is no reason to refuse the plan.
    void storeExceptionField()
    {
        CalendarException &e = m_exception;
        const int value = lenientInteger();
        switch (m_field) {
        case Field::DayWorking:
            e.working = value == 1;
            break;
        case Field::Type:
            e.type = value;
            break;
        case Field::Period:
            e.period = std::max(1, value);
            break;
        case Field::Occurrences:
            e.occurrences = value;
            break;
        case Field::EnteredByOccurrences:
            e.byOccurrences = value == 1;
            break;
        case Field::DaysOfWeek:
            e.daysOfWeek = value;
            break;
        case Field::MonthItem:
            e.monthItem = value;
            break;
        case Field::MonthPosition:
            e.monthPosition = value;
            break;
        case Field::Month:
            e.month = value;
            break;
        case Field::MonthDay:
            e.monthDay = value;
            break;
        default:
            break;
        }
    }

    int lenientInteger() const
    {
        const std::string_view value = TrimmedXmlText(m_text);
        int result = -1;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), result);
        return error == std::errc() && end == value.data() + value.size() ? result : -1;
    }

    qint64 day() const
    {
        const std::optional<DateTime> value = ParseDateTime(m_text);
        return value ? DayOf(value->date) : -1;
    }

    void keepException(bool working)
    {
        if (++m_exceptions > MaxCalendarExceptions) {
            refuse(QCoreApplication::translate(
                       "MsProjectImport",
                       "The plan has more than %1 calendar exceptions; no plan that "
                       "Morvaine holds has that many.")
                       .arg(MaxCalendarExceptions));
            return;
        }
        m_exception.working = working;
        m_calendar.exceptions.push_back(m_exception);
    }

    void storeProjectField()
    {
        switch (m_field) {
        case Field::Name:
            m_doc.name = text();
            break;
        case Field::Title:
            m_doc.title = text();
            break;
        case Field::Author:
            m_doc.author = text();
            break;
        case Field::CurrencySymbol:
            m_doc.currency = text().trimmed();
            break;
        case Field::StartDate:
            m_doc.startDate = dateTime();
            break;
        case Field::MinutesPerDay:
            m_doc.minutesPerDay = integer();
            break;
        case Field::CalendarUid:
            m_doc.calendarUid = integer();
            break;
        default:
            break;
        }
    }

    void storeTaskField()
    {
        Task &task = this->task();
        switch (m_field) {
        case Field::Uid:
            task.uid = integer();
            break;
        case Field::Id:
            task.id = integer();
            break;
        case Field::Name:
            task.name = text();
            break;
        case Field::IsNull:
            task.isNull = boolean();
            break;
        case Field::OutlineLevel:
            task.outlineLevel = integer();
            break;
        case Field::Milestone:
            task.milestone = boolean();
            break;
        case Field::Start:
            task.start = dateTime();
            break;
        case Field::Finish:
            task.finish = dateTime();
            break;
        case Field::PercentComplete:
            task.percent = integer();
            break;
        case Field::Duration:
            task.duration = ParseDuration(m_text);
            if (!task.duration)
                invalidValue();
            break;
        case Field::DurationFormat:
            task.durationFormat = integer();
            break;
        default:
            break;
        }
    }

    // The link's Type and LinkLag are kept as the file has them; the import decides
    // what the planner's finish-to-start links make of them.
    void storeLinkField()
    {
        switch (m_field) {
        case Field::PredecessorUid:
            m_link.predecessorUid = integer();
            break;
        case Field::Type:
            m_link.type = integer();
            break;
        case Field::LinkLag:
            m_link.lag = decimal();
            break;
        case Field::LagFormat:
            m_link.lagFormat = integer();
            break;
        case Field::CrossProject:
            m_link.crossProject = boolean();
            break;
        default:
            break;
        }
    }

    void storeResourceField()
    {
        switch (m_field) {
        case Field::Uid:
            m_resource.uid = integer();
            break;
        case Field::Id:
            m_resource.id = integer();
            break;
        case Field::Name:
            m_resource.name = text();
            break;
        case Field::IsNull:
            m_resource.isNull = boolean();
            break;
        case Field::StandardRate:
            m_resource.rate = decimal();
            break;
        default:
            break;
        }
    }

    void invalidValue()
    {
        refuse(QCoreApplication::translate("MsProjectImport",
                                           "'%1' on line %2 is not a valid value of <%3>.")
                   .arg(text(), line(), fieldName()));
    }

    int integer()
    {
        const std::optional<int> value = ParseInteger(m_text);
        if (!value)
            invalidValue();
        return value.value_or(0);
    }

    double decimal()
    {
        const std::optional<double> value = ParseDecimal(m_text);
        if (!value)
            invalidValue();
        return value.value_or(0);
    }

    bool boolean() const
    {
        const std::string_view value = TrimmedXmlText(m_text);
        return value == "1" || value == "true";
    }

    std::optional<DateTime> dateTime()
    {
        // Four digits of a year and no year 0: a date that reads lies in the years 1 to 9999.
        const std::optional<DateTime> result = ParseDateTime(m_text);
        if (!result) {
            refuse(QCoreApplication::translate(
                       "MsProjectImport",
                       "The date '%1' on line %2 is not a date of the years 1 to 9999.")
                       .arg(text().trimmed(), line()));
            return std::nullopt;
        }
        return result;
    }

    XmlEventReader &m_xml;
    Document &m_doc;
    ReadResult m_result;
    Scope m_scope = Scope::Document;
    Field m_field = Field::None;
    std::string_view m_fieldName;
    std::string m_text; // the field's text so far, UTF-8
    int m_skip = 0;     // depth inside an element that is skipped
    int m_taskRows = 0;
    int m_taskOrder = 0; // tasks read so far, those not kept too
    int m_resourceRows = 0;

    // The records being read.
    Calendar m_calendar;
    int m_dayType = -1;
    int m_dayWorking = -1;
    CalendarException m_exception;
    int m_exceptions = 0; // of every calendar
    Link m_link;
    Resource m_resource;
    int m_taskUid = -1;
    int m_resourceUid = -1;
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

ReadResult ReadDocument(QIODevice &input, Document &doc)
{
    XmlEventReader xml;
    DocumentParser parser(xml, doc);
    const XmlEventReader::Outcome outcome = xml.read(input, parser);
    if (outcome == XmlEventReader::Outcome::Stopped)
        return parser.result();
    ReadResult result;
    result.line = xml.line();
    result.column = xml.column();
    switch (outcome) {
    case XmlEventReader::Outcome::Read:
    case XmlEventReader::Outcome::Stopped:
        break;
    case XmlEventReader::Outcome::Malformed:
        result.kind = ReadResult::Malformed;
        result.message = xml.reason();
        break;
    case XmlEventReader::Outcome::DocumentType:
        result.kind = ReadResult::DocumentType;
        break;
    case XmlEventReader::Outcome::TooDeep:
        result.kind = ReadResult::TooDeep;
        break;
    case XmlEventReader::Outcome::ReadFailed:
    case XmlEventReader::Outcome::OutOfMemory:
        result.kind = ReadResult::ReadFailed;
        break;
    }
    return result;
}

} // namespace morvaine::msp
