#pragma once
// An MS Project XML document read into plain records: the project's values, its
// calendars, tasks, resources and assignments, as the file has them.

#include "ms_project_format.h"

#include "model/project.h"

#include <QIODevice>
#include <QString>

#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace morvaine::msp {

/// The most tasks and resources the planner's tables hold.
inline constexpr int MaxTasks = TaskTable::LastRow;          // 9999
inline constexpr int MaxResources = ResourceTable::Rows - 1; // 999
/// Far more calendars than a plan that fits has (a few base calendars and one for each
/// resource); only the project's calendar and its bases are used.
inline constexpr int MaxCalendars = 10000;
inline constexpr int DefaultMinutesPerDay = 480;

enum LinkType { FinishToFinish = 0, FinishToStart = 1, StartToFinish = 2, StartToStart = 3 };

struct Link {
    int predecessorUid = -1;
    int type = FinishToStart;
    double lag = 0;     // tenths of a minute, of working time or elapsed (lagFormat)
    int lagFormat = -1; // a DurationFormat code; -1 when the file gives none
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
    std::optional<IsoDuration> duration;
    int durationFormat = -1; // -1 when the file gives none
    std::optional<DateTime> start;
    std::optional<DateTime> finish;
    int percent = -1;
    int firstLink = 0; // its links in Document::links
    int linkCount = 0;
};

struct Resource {
    int uid = -1;
    int id = -1;
    QString name;
    bool isNull = false;
    std::optional<double> rate;
};

/// A calendar exception as the document states it, before it is expanded into days:
/// an <Exception> (MS Project 2007 and later) or a <WeekDay> of day type 0 (2003).
struct CalendarException {
    qint64 from = -1; // day numbers; -1 when the file gives none or one that does not read
    qint64 to = -1;
    int type = 1; // 1 daily, 2 yearly by date, 3 yearly by position, 4 monthly by date,
                  // 5 monthly by position, 6 weekly, 7 by day count, 8 by weekday count
    int period = 1;
    int occurrences = 0;
    bool byOccurrences = false;
    int daysOfWeek = 0;    // bit 0 Sunday .. bit 6 Saturday
    int monthItem = 0;     // 0 day, 1 weekday, 2 weekend day, 3 Sunday .. 9 Saturday
    int monthPosition = 0; // 0 first .. 3 fourth, 4 last
    int month = 0;         // 0 January .. 11 December
    int monthDay = 1;
    bool working = false;
};

/// Far more exceptions than any calendar has (MS Project lists each day of a
/// recurring one once more in the 2003 form).
inline constexpr int MaxCalendarExceptions = 100000;

struct Calendar {
    int uid = -1;
    int baseUid = -1;
    bool isBase = false;
    int working[8] = {-1, -1, -1, -1, -1, -1, -1, -1}; // by DayType 1 (Sunday) .. 7
    std::vector<CalendarException> exceptions;
};

struct Document {
    QString name;
    QString title;
    QString author;
    QString currency;
    std::optional<DateTime> startDate;
    int minutesPerDay = DefaultMinutesPerDay;
    int calendarUid = -1;
    std::vector<Calendar> calendars;
    // The task rows, without null tasks and the project summary; a deque, so the task
    // being read stays in place while the list grows.
    std::deque<Task> tasks;
    std::vector<Link> links;                      // of every task, each task's together
    std::vector<Resource> resources;              // without the null resource
    std::vector<std::pair<int, int>> assignments; // task UID, resource UID

    std::span<const Link> linksOf(const Task &task) const
    {
        return {links.data() + task.firstLink, std::size_t(task.linkCount)};
    }
};

/// The project summary task (UID 0, outline level 0) stands for the whole project.
bool IsProjectSummary(const Task &task);
/// The null resource (UID 0 without a name) stands for "no resource".
bool IsResource(const Resource &resource);

/// How reading a document ended, and where: line and column (from 1) of the place.
struct ReadResult {
    enum Kind {
        Read,
        NotMsProjectXml, // well-formed so far, but the first element is no MSPDI <Project>
        Malformed,       // not well-formed XML
        DocumentType,    // a document type declaration, which is never read
        TooDeep,         // elements nested deeper than any plan's
        Refused,         // a value or a count the planner cannot take
        ReadFailed,      // the file could not be read, or not in memory
    } kind = Read;
    QString message; // NotMsProjectXml: the first element's name; Malformed: expat's reason;
                     // Refused: the whole message
    qint64 line = 0;
    qint64 column = 0;
};

/// Reads the document from input into doc, in chunks, skipping every element the
/// planner does not use and every record that becomes no row. More than MaxTasks tasks,
/// MaxResources resources or MaxCalendars calendars, or a value that does not read, is
/// Refused with a message of its own.
ReadResult ReadDocument(QIODevice &input, Document &doc);

} // namespace morvaine::msp
