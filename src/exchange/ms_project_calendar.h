#pragma once
// The holidays and extra working days in MS Project XML: read from the project
// calendar's exceptions (MS Project 2007 and later, recurring ones expanded) and its
// day-type-0 week days (MS Project 2003), written as both for the Standard calendar.

#include "ms_project_reader.h"

#include "schedule/calendar.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace morvaine::msp {

/// The most exception dates an import takes.
inline constexpr int MaxImportedExceptionDays = 1000;

struct CalendarExceptions {
    DayRanges holidays;
    DayRanges extraDays;
    qint64 leftOut = 0;          ///< dates within the days asked for that were not taken
    bool leftOutAtLeast = false; ///< the exceptions held more days than were looked at
};

/// The exceptions of the calendar calendarUid (else of the first base calendar) and of
/// the calendars it derives from, within firstDay..lastDay: non-working ones as
/// holidays, working ones as extra working days, at most MaxImportedExceptionDays dates
/// (the earliest).
CalendarExceptions CalendarExceptionsOf(const Document &doc, int calendarUid, qint64 firstDay,
                                        qint64 lastDay);
/// The same, of a whole document in memory.
CalendarExceptions ReadCalendarExceptions(const QByteArray &bytes, int calendarUid, qint64 firstDay,
                                          qint64 lastDay);

/// Puts the exceptions of the document's project calendar, over the years its plan
/// covers and one year on either side, into the settings rows of project. Returns the
/// text of an "Info" when dates were left out, else the empty text.
QString ImportCalendarExceptions(const Document &doc, Project &project);

/// One run of days the export writes as an exception.
struct ExportedException {
    qint64 first;
    qint64 last;
    bool working;
};
/// The project's holidays and extra working days; throws ConversionError when a list
/// does not read.
std::vector<ExportedException> ExceptionsForExport(const Project &project);

/// The day-type-0 <WeekDay> entries of the exceptions, inside <WeekDays>, as MS Project
/// 2003 reads them; workingTimes writes the <WorkingTimes> of a working day.
template <typename Xml>
void WriteExceptionWeekDays(Xml &xml, const std::vector<ExportedException> &exceptions,
                            const std::function<void()> &workingTimes)
{
    for (const ExportedException &e : exceptions) {
        xml.start("WeekDay");
        xml.element("DayType", "0");
        xml.element("DayWorking", e.working ? "1" : "0");
        xml.start("TimePeriod");
        xml.dateTime("FromDate", e.first, 0);
        xml.dateTime("ToDate", e.last, 23 * 60 + 59);
        xml.end();
        if (e.working)
            workingTimes();
        xml.end();
    }
}

/// The <Exceptions> element of the calendar (nothing without exceptions): each run of
/// days one daily exception.
template <typename Xml>
void WriteExceptions(Xml &xml, const std::vector<ExportedException> &exceptions,
                     const std::function<void()> &workingTimes)
{
    if (exceptions.empty())
        return;
    xml.start("Exceptions");
    for (const ExportedException &e : exceptions) {
        xml.start("Exception");
        xml.element("EnteredByOccurrences", "0");
        xml.start("TimePeriod");
        xml.dateTime("FromDate", e.first, 0);
        xml.dateTime("ToDate", e.last, 23 * 60 + 59);
        xml.end();
        xml.element("Occurrences", e.last - e.first + 1);
        xml.element("Name", e.working ? "Extra working day" : "Holiday");
        xml.element("Type", "1");
        xml.element("Period", "1");
        xml.element("DayWorking", e.working ? "1" : "0");
        if (e.working)
            workingTimes();
        xml.end();
    }
    xml.end();
}

} // namespace morvaine::msp
