#pragma once
// The element paths of an MS Project XML document that the reader follows: each scope
// (the project, a calendar, a week day, an exception, a task, one of its links, a
// resource, an assignment) lists the children it reads, as a value (a field) or as a
// scope of its own. A new value or a new record is one more line here.

#include <QtGlobal>

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

constexpr Child ProjectChildren[] = {
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
constexpr Child CalendarsChildren[] = {{"Calendar", Scope::Calendar}};
constexpr Child CalendarChildren[] = {
    {"UID", Field::Uid},
    {"BaseCalendarUID", Field::BaseCalendarUid},
    {"IsBaseCalendar", Field::IsBaseCalendar},
    {"WeekDays", Scope::WeekDays},
    {"Exceptions", Scope::Exceptions},
};
constexpr Child WeekDaysChildren[] = {{"WeekDay", Scope::WeekDay}};
constexpr Child WeekDayChildren[] = {
    {"DayType", Field::DayType},
    {"DayWorking", Field::DayWorking},
    {"TimePeriod", Scope::WeekDayPeriod},
};
constexpr Child TimePeriodChildren[] = {
    {"FromDate", Field::FromDate},
    {"ToDate", Field::ToDate},
};
constexpr Child ExceptionsChildren[] = {{"Exception", Scope::Exception}};
constexpr Child ExceptionChildren[] = {
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
constexpr Child TasksChildren[] = {{"Task", Scope::Task}};
constexpr Child TaskChildren[] = {
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
constexpr Child PredecessorLinkChildren[] = {
    {"PredecessorUID", Field::PredecessorUid},
    {"Type", Field::Type},
    {"LinkLag", Field::LinkLag},
    {"LagFormat", Field::LagFormat},
    {"CrossProject", Field::CrossProject},
};
constexpr Child ResourcesChildren[] = {{"Resource", Scope::Resource}};
constexpr Child ResourceChildren[] = {
    {"UID", Field::Uid},
    {"ID", Field::Id},
    {"Name", Field::Name},
    {"IsNull", Field::IsNull},
    {"StandardRate", Field::StandardRate},
};
constexpr Child AssignmentsChildren[] = {{"Assignment", Scope::Assignment}};
constexpr Child AssignmentChildren[] = {
    {"TaskUID", Field::TaskUid},
    {"ResourceUID", Field::ResourceUid},
};

inline std::span<const Child> childrenOf(Scope scope)
{
    switch (scope) {
    case Scope::Document:
        break;
    case Scope::Project:
        return ProjectChildren;
    case Scope::Calendars:
        return CalendarsChildren;
    case Scope::Calendar:
        return CalendarChildren;
    case Scope::WeekDays:
        return WeekDaysChildren;
    case Scope::WeekDay:
        return WeekDayChildren;
    case Scope::WeekDayPeriod:
    case Scope::ExceptionPeriod:
        return TimePeriodChildren;
    case Scope::Exceptions:
        return ExceptionsChildren;
    case Scope::Exception:
        return ExceptionChildren;
    case Scope::Tasks:
        return TasksChildren;
    case Scope::Task:
        return TaskChildren;
    case Scope::PredecessorLink:
        return PredecessorLinkChildren;
    case Scope::Resources:
        return ResourcesChildren;
    case Scope::Resource:
        return ResourceChildren;
    case Scope::Assignments:
        return AssignmentsChildren;
    case Scope::Assignment:
        return AssignmentChildren;
    }
    return {};
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
