#pragma once
// The element paths of an MS Project XML document that the reader follows: each scope
// (the project, a calendar, a week day, an exception, a task, one of its links, a
// resource, an assignment) lists the children it reads, as a value (a field) or as a
// scope of its own. A new value or a new record is one more line here.

#include <QtGlobal>

#include <array>
#include <cstring>
#include <span>
#include <string_view>

namespace morvaine::msp::elements {

enum class Scope : quint8 {
    Document,
    Project,
    Calendars,
    Calendar,
    WeekDays,
    WeekDay,
    WeekDayPeriod,
    Exceptions,
    Exception,
    ExceptionPeriod,
    Tasks,
    Task,
    PredecessorLink,
    Resources,
    Resource,
    Assignments,
    Assignment,
};

enum class Field : quint8 {
    None,
    Name,
    Title,
    Author,
    CurrencySymbol,
    StartDate,
    MinutesPerDay,
    CalendarUid,
    Uid,
    Id,
    BaseCalendarUid,
    IsBaseCalendar,
    DayType,
    DayWorking,
    FromDate,
    ToDate,
    Period,
    Occurrences,
    EnteredByOccurrences,
    DaysOfWeek,
    MonthItem,
    MonthPosition,
    Month,
    MonthDay,
    IsNull,
    OutlineLevel,
    Milestone,
    Start,
    Finish,
    PercentComplete,
    Duration,
    DurationFormat,
    PredecessorUid,
    Type,
    LinkLag,
    LagFormat,
    CrossProject,
    StandardRate,
    TaskUid,
    ResourceUid,
};

// A child element that a scope reads: a value (field) or a scope of its own.
struct Child {
    constexpr Child(std::string_view n, Field f) : name(n), field(f) {}
    constexpr Child(std::string_view n, Scope s) : name(n), scope(s) {}
    std::string_view name;
    Field field = Field::None;
    Scope scope = Scope::Document;
};

inline constexpr Child ProjectChildren[] = {
    {"Name", Field::Name},
    {"Title", Field::Title},
    {"Author", Field::Author},
    {"CurrencySymbol", Field::CurrencySymbol},
    {"StartDate", Field::StartDate},
    {"MinutesPerDay", Field::MinutesPerDay},
    {"CalendarUID", Field::CalendarUid},
    {"Calendars", Scope::Calendars},
    {"Tasks", Scope::Tasks},
    {"Resources", Scope::Resources},
    {"Assignments", Scope::Assignments},
};
inline constexpr Child CalendarsChildren[] = {{"Calendar", Scope::Calendar}};
inline constexpr Child CalendarChildren[] = {
    {"UID", Field::Uid},
    {"BaseCalendarUID", Field::BaseCalendarUid},
    {"IsBaseCalendar", Field::IsBaseCalendar},
    {"WeekDays", Scope::WeekDays},
    {"Exceptions", Scope::Exceptions},
};
inline constexpr Child WeekDaysChildren[] = {{"WeekDay", Scope::WeekDay}};
inline constexpr Child WeekDayChildren[] = {
    {"DayType", Field::DayType},
    {"DayWorking", Field::DayWorking},
    {"TimePeriod", Scope::WeekDayPeriod},
};
inline constexpr Child TimePeriodChildren[] = {
    {"FromDate", Field::FromDate},
    {"ToDate", Field::ToDate},
};
inline constexpr Child ExceptionsChildren[] = {{"Exception", Scope::Exception}};
inline constexpr Child ExceptionChildren[] = {
    {"DayWorking", Field::DayWorking},
    {"TimePeriod", Scope::ExceptionPeriod},
    {"Type", Field::Type},
    {"Period", Field::Period},
    {"Occurrences", Field::Occurrences},
    {"EnteredByOccurrences", Field::EnteredByOccurrences},
    {"DaysOfWeek", Field::DaysOfWeek},
    {"MonthItem", Field::MonthItem},
    {"MonthPosition", Field::MonthPosition},
    {"Month", Field::Month},
    {"MonthDay", Field::MonthDay},
};
inline constexpr Child TasksChildren[] = {{"Task", Scope::Task}};
inline constexpr Child TaskChildren[] = {
    {"UID", Field::Uid},
    {"ID", Field::Id},
    {"Name", Field::Name},
    {"IsNull", Field::IsNull},
    {"OutlineLevel", Field::OutlineLevel},
    {"Milestone", Field::Milestone},
    {"Start", Field::Start},
    {"Finish", Field::Finish},
    {"PercentComplete", Field::PercentComplete},
    {"Duration", Field::Duration},
    {"DurationFormat", Field::DurationFormat},
    {"PredecessorLink", Scope::PredecessorLink},
};
inline constexpr Child PredecessorLinkChildren[] = {
    {"PredecessorUID", Field::PredecessorUid},
    {"Type", Field::Type},
    {"LinkLag", Field::LinkLag},
    {"LagFormat", Field::LagFormat},
    {"CrossProject", Field::CrossProject},
};
inline constexpr Child ResourcesChildren[] = {{"Resource", Scope::Resource}};
inline constexpr Child ResourceChildren[] = {
    {"UID", Field::Uid},
    {"ID", Field::Id},
    {"Name", Field::Name},
    {"IsNull", Field::IsNull},
    {"StandardRate", Field::StandardRate},
};
inline constexpr Child AssignmentsChildren[] = {{"Assignment", Scope::Assignment}};
inline constexpr Child AssignmentChildren[] = {
    {"TaskUID", Field::TaskUid},
    {"ResourceUID", Field::ResourceUid},
};

// A scope's children by a hash of their names' length and first and last letters, which
// tells most names apart: the child an element may be is found with one comparison.
class ChildIndex {
public:
    template <std::size_t N>
    constexpr explicit ChildIndex(const Child (&children)[N]) : m_children(children)
    {
        static_assert(N < Slots);
        for (std::size_t i = 0; i < N; ++i) {
            std::size_t at = hash(children[i].name);
            while (m_slots[at] != 0)
                at = (at + 1) % Slots;
            m_slots[at] = quint8(i + 1);
        }
    }

    /// The child named local; nullptr for none.
    const Child *find(std::string_view local) const
    {
        if (local.empty())
            return nullptr;
        for (std::size_t at = hash(local); m_slots[at] != 0; at = (at + 1) % Slots) {
            const Child &child = m_children[m_slots[at] - 1];
            if (child.name.size() == local.size() &&
                std::memcmp(child.name.data(), local.data(), local.size()) == 0)
                return &child;
        }
        return nullptr;
    }

private:
    static constexpr std::size_t Slots = 32;
    static constexpr std::size_t hash(std::string_view name)
    {
        return (name.size() * 7 + std::size_t(static_cast<unsigned char>(name.front())) * 3 +
                static_cast<unsigned char>(name.back())) %
               Slots;
    }

    const Child *m_children;
    std::array<quint8, Slots> m_slots{};
};

/// The child of scope named local; nullptr when the scope reads no such child.
inline const Child *findChild(Scope scope, std::string_view local)
{
    static constexpr ChildIndex Project(ProjectChildren), Calendars(CalendarsChildren),
        Calendar(CalendarChildren), WeekDays(WeekDaysChildren), WeekDay(WeekDayChildren),
        TimePeriod(TimePeriodChildren), Exceptions(ExceptionsChildren),
        Exception(ExceptionChildren), Tasks(TasksChildren), Task(TaskChildren),
        PredecessorLink(PredecessorLinkChildren), Resources(ResourcesChildren),
        Resource(ResourceChildren), Assignments(AssignmentsChildren),
        Assignment(AssignmentChildren);
    switch (scope) {
    case Scope::Document:
        break;
    case Scope::Project:
        return Project.find(local);
    case Scope::Calendars:
        return Calendars.find(local);
    case Scope::Calendar:
        return Calendar.find(local);
    case Scope::WeekDays:
        return WeekDays.find(local);
    case Scope::WeekDay:
        return WeekDay.find(local);
    case Scope::WeekDayPeriod:
    case Scope::ExceptionPeriod:
        return TimePeriod.find(local);
    case Scope::Exceptions:
        return Exceptions.find(local);
    case Scope::Exception:
        return Exception.find(local);
    case Scope::Tasks:
        return Tasks.find(local);
    case Scope::Task:
        return Task.find(local);
    case Scope::PredecessorLink:
        return PredecessorLink.find(local);
    case Scope::Resources:
        return Resources.find(local);
    case Scope::Resource:
        return Resource.find(local);
    case Scope::Assignments:
        return Assignments.find(local);
    case Scope::Assignment:
        return Assignment.find(local);
    }
    return nullptr;
}

inline Scope parentOf(Scope scope)
{
    switch (scope) {
    case Scope::Document:
    case Scope::Project:
        return Scope::Document;
    case Scope::Calendars:
    case Scope::Tasks:
    case Scope::Resources:
    case Scope::Assignments:
        return Scope::Project;
    case Scope::Calendar:
        return Scope::Calendars;
    case Scope::WeekDays:
    case Scope::Exceptions:
        return Scope::Calendar;
    case Scope::WeekDay:
        return Scope::WeekDays;
    case Scope::WeekDayPeriod:
        return Scope::WeekDay;
    case Scope::Exception:
        return Scope::Exceptions;
    case Scope::ExceptionPeriod:
        return Scope::Exception;
    case Scope::Task:
        return Scope::Tasks;
    case Scope::PredecessorLink:
        return Scope::Task;
    case Scope::Resource:
        return Scope::Resources;
    case Scope::Assignment:
        return Scope::Assignments;
    }
    return Scope::Document;
}

} // namespace morvaine::msp::elements
