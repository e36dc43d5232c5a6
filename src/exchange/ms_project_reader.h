#pragma once
// An MS Project XML document read into plain records: the project's values, its
// calendars, tasks, resources and assignments, as the file has them.

#include "ms_project_format.h"

#include "model/project.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace morvaine::msp {

/// The most tasks and resources the planner's tables hold.
inline constexpr int MaxTasks = TaskTable::LastRow;          // 9999
inline constexpr int MaxResources = ResourceTable::Rows - 1; // 999
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
    std::optional<double> minutes;
    std::optional<DateTime> start;
    std::optional<DateTime> finish;
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
    std::optional<DateTime> startDate;
    int minutesPerDay = DefaultMinutesPerDay;
    int calendarUid = -1;
    std::vector<Calendar> calendars;
    std::vector<Task> tasks;
    std::vector<Resource> resources;
    std::vector<std::pair<int, int>> assignments; // task UID, resource UID
};

/// The project summary task (UID 0, outline level 0) stands for the whole project.
bool IsProjectSummary(const Task &task);
/// The null resource (UID 0 without a name) stands for "no resource".
bool IsResource(const Resource &resource);

/// How reading a document ended; message, line and column tell why it failed.
struct ReadResult {
    enum Kind { Read, NotMsProjectXml, Malformed, Refused } kind = Read;
    QString message;
    qint64 line = 0;
    qint64 column = 0;
};

/// Reads the document's bytes into doc, skipping every element the planner does not
/// use. More than MaxTasks tasks or MaxResources resources, or a value that does not
/// read, is Refused with a message of its own.
ReadResult ReadDocument(const QByteArray &bytes, Document &doc);

/// Whether the bytes begin an MS Project XML document: the first element is <Project>
/// in the MS Project namespace.
bool BeginsMsProjectDocument(const QByteArray &bytes);

} // namespace morvaine::msp
