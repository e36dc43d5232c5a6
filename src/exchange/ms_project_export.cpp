// Writing a project as an MS Project XML document. Elements come in the order of MS
// Project's schema, whose sequences MS Project checks when it opens a file.

#include "ms_project_calendar.h"
#include "ms_project_format.h"
#include "ms_project_links.h"
#include "ms_project_xml.h"

#include "schedule/calendar.h"
#include "schedule/date_text.h"

#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#include <QCoreApplication>
#include <charconv>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace morvaine {

namespace {

// The working day laid out from 08:00, with a lunch hour after four hours when the day
// has eight hours or more, moved earlier where it would run past midnight.
struct WorkingDay {
    int start = 8 * 60;
    int lunch = 0; // minutes
    int hours = 8;
    explicit WorkingDay(int workingHours) : hours(std::clamp(workingHours, 1, 24))
    {
        lunch = hours >= 8 ? 60 : 0;
        if (start + hours * 60 + lunch > 1440)
            start = 1440 - hours * 60 - lunch;
        if (start < 0) {
            lunch = 0;
            start = 1440 - hours * 60;
        }
    }
    int end() const { return start + hours * 60 + lunch; }
};

// The links a Forerunner list (" 3; 5SS+2;") names. Throws ConversionError for an item
// that has no task number; malformed items are left out, as the schedule leaves them.
QList<LinkItem> forerunnerLinks(const QString &list)
{
    const ParsedLinks parsed = ParseLinks(list);
    if (!parsed.error.isEmpty())
        throw ConversionError(parsed.error);
    return parsed.links;
}

// Makes the rename of a written file survive a power cut.
void syncFolder(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

// A write to the file that failed; it ends the export at once.
struct WriteFailed {};

// The document's UTF-8 bytes, written directly through a buffer of a fixed size into
// the file: elements without attributes (but the root's namespace) and escaped text.
// Throws WriteFailed when the file takes less than it was given.
class XmlOut {
public:
    explicit XmlOut(QIODevice &file) : m_file(file), m_buffer(new char[Capacity]) {}
    void declaration() { append("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"); }
    void start(const char *name, const char *xmlns = nullptr)
    {
        append('<');
        append(name);
        if (xmlns) {
            append(" xmlns=\"");
            append(xmlns);
            append('"');
        }
        append('>');
        m_open.push_back(name);
    }
    void end()
    {
        append("</");
        append(m_open.back());
        append('>');
        m_open.pop_back();
    }
    void element(const char *name, const QString &text)
    {
        start(name);
        appendEscaped(text);
        end();
    }
    /// An element of plain ASCII text that needs no escaping.
    void element(const char *name, const char *text)
    {
        start(name);
        append(text);
        end();
    }
    /// A duration of whole hours, "PT16H0M0S".
    void duration(const char *name, qint64 hours)
    {
        start(name);
        append("PT");
        appendNumber(hours);
        append("H0M0S");
        end();
    }
    void element(const char *name, qint64 number)
    {
        start(name);
        appendNumber(number);
        end();
    }
    /// A dateTime "2026-12-07T08:00:00" of a day value and minutes after midnight.
    void dateTime(const char *name, qint64 day, int minutes)
    {
        if (minutes >= 1440) {
            ++day;
            minutes -= 1440;
        }
        int year = 0, month = 0, dayOfMonth = 0;
        msp::DateOf(day).getDate(&year, &month, &dayOfMonth);
        char text[24];
        const int values[] = {year / 100, year % 100,   month,
                              dayOfMonth, minutes / 60, minutes % 60};
        const char separators[] = {0, 0, '-', '-', 'T', ':'};
        int at = 0;
        for (int i = 0; i < 6; ++i) {
            if (separators[i])
                text[at++] = separators[i];
            text[at++] = char('0' + values[i] / 10);
            text[at++] = char('0' + values[i] % 10);
        }
        std::memcpy(text + at, ":00", 3);
        start(name);
        append(text, std::size_t(at) + 3);
        end();
    }
    /// Writes what the buffer holds.
    void flush()
    {
        if (m_used > 0 && m_file.write(m_buffer.get(), qint64(m_used)) != qint64(m_used))
            throw WriteFailed();
        m_used = 0;
    }

private:
    static constexpr std::size_t Capacity = 64 * 1024;

    void append(const char *data, std::size_t size)
    {
        if (size > Capacity - m_used) {
            flush();
            if (size > Capacity) {
                if (m_file.write(data, qint64(size)) != qint64(size))
                    throw WriteFailed();
                return;
            }
        }
        std::memcpy(m_buffer.get() + m_used, data, size);
        m_used += size;
    }
    void append(const char *text) { append(text, std::strlen(text)); }
    void append(char c)
    {
        if (m_used == Capacity)
            flush();
        m_buffer[m_used++] = c;
    }
    void appendNumber(qint64 number)
    {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, number);
        append(digits, std::size_t(result.ptr - digits));
    }
    void appendEscaped(const QString &text)
    {
        // Most texts are plain ASCII: their characters go as they are.
        qsizetype i = 0;
        for (; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            if (c >= 0x80 || c < 0x20 || c == u'&' || c == u'<' || c == u'>')
                break;
            append(char(c));
        }
        if (i == text.size())
            return;
        QString escaped;
        for (; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('&'))
                escaped += QLatin1String("&amp;");
            else if (c == QLatin1Char('<'))
                escaped += QLatin1String("&lt;");
            else if (c == QLatin1Char('>'))
                escaped += QLatin1String("&gt;");
            else if (c == QLatin1Char('\r'))
                escaped += QLatin1String("&#13;");
            else if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t'))
                escaped += QLatin1Char(' '); // not a character XML can hold
            else
                escaped += c;
        }
        const QByteArray utf8 = escaped.toUtf8();
        append(utf8.constData(), std::size_t(utf8.size()));
    }

    QIODevice &m_file;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_used = 0;
    std::vector<const char *> m_open;
};

class DocumentWriter {
public:
    DocumentWriter(const Project &project, QIODevice &file)
        : m_project(project), m_table(project.taskTable), m_xml(file),
          m_day(StrToIntOr(project.settings().workingTime(), 8))
    {
    }

    // Throws ConversionError for a date or number cell that does not read, WriteFailed
    // when the file takes less than it is given.
    void write(const QString &fileName)
    {
        const ConstSettingsBlock settings = m_project.settings();
        collectRows();
        collectResources();

        m_xml.declaration();
        m_xml.start("Project", msp::Namespace);
        element("SaveVersion", "14");
        element("Name", fileName);
        element("Title", settings.projectName());
        element("Author", settings.author());
        element("ScheduleFromStart", "1");
        const qint64 projectStart = day(settings.startDate());
        m_xml.dateTime("StartDate", projectStart, m_day.start);
        m_projectEnd = static_cast<qint64>(ProjectEndDate(m_project));
        m_xml.dateTime("FinishDate", m_projectEnd, m_day.end());
        element("CurrencySymbol", settings.currency());
        if (settings.currency() == QLatin1String("$"))
            element("CurrencyCode", "USD");
        else if (settings.currency() == QString(QChar(0x20AC)))
            element("CurrencyCode", "EUR");
        element("CalendarUID", "1");
        element("DefaultStartTime", msp::FormatTime(m_day.start));
        element("DefaultFinishTime", msp::FormatTime(m_day.end()));
        element("MinutesPerDay", qint64(m_day.hours * 60));
        element("MinutesPerWeek",
                QString::number(m_day.hours * 60 *
                                WorkWeek(settings.workingDays()).workingDaysPerWeek()));
        writeCalendar(settings.workingDays());
        writeTasks(projectStart);
        writeResources();
        writeAssignments();
        m_xml.end();
        m_xml.flush();
    }

private:
    static int StrToIntOr(const QString &text, int fallback)
    {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        return ok ? value : fallback;
    }

    void element(const char *name, const QString &text) { m_xml.element(name, text); }
    void element(const char *name, const char *text) { m_xml.element(name, text); }
    void element(const char *name, qint64 number) { m_xml.element(name, number); }

    qint64 day(const QString &text) { return static_cast<qint64>(m_dates.read(text)); }

    // Task rows: every row up to the last one holding a name or a duration; rows
    // without a name become null tasks, the blank lines of an MS Project plan.
    void collectRows()
    {
        m_lastRow = m_project.LastTaskRow;
        for (int row = TaskTable::LastRow; row > m_lastRow; --row)
            if (!m_table.cell(ColTask, row).isEmpty()) {
                m_lastRow = row;
                break;
            }
        while (m_lastRow > 0 && m_table.cell(ColTask, m_lastRow).isEmpty())
            --m_lastRow;
    }

    // The resource table, then any name a task lists that the table lacks, so that
    // every assignment has its resource.
    void collectResources()
    {
        const ResourceTable &resources = m_project.resourceTable;
        for (int row = 1; row < ResourceTable::Rows; ++row) {
            const QString &name = resources.cell(ResColName, row);
            if (name.isEmpty())
                break;
            if (!m_resourceUid.contains(name)) {
                m_resourceUid.insert(name, int(m_resources.size()) + 1);
                m_resources.push_back({name, resources.cell(ResColCost, row)});
            }
        }
        for (int row = 1; row <= m_lastRow; ++row) {
            if (m_table.cell(ColTask, row).isEmpty())
                continue;
            for (const QString &name : resourcesOf(row)) {
                if (!m_resourceUid.contains(name)) {
                    m_resourceUid.insert(name, int(m_resources.size()) + 1);
                    m_resources.push_back({name, QString()});
                }
            }
        }
    }

    // The names of a Resource cell, each once; most plans repeat a few cell texts.
    const QStringList &resourcesOf(int row)
    {
        const QString &cell = m_table.cell(ColResource, row);
        auto it = m_resourceLists.constFind(cell);
        if (it != m_resourceLists.constEnd())
            return *it;
        QStringList names;
        for (const QString &item : cell.split(QLatin1Char(';'))) {
            const QString name = item.trimmed();
            if (!name.isEmpty() && !names.contains(name))
                names << name;
        }
        return *m_resourceLists.insert(cell, names);
    }

    void writeCalendar(const QString &mask)
    {
        const std::vector<msp::ExportedException> exceptions = msp::ExceptionsForExport(m_project);
        const auto workingTimes = [this] { writeWorkingTimes(); };
        m_xml.start("Calendars");
        m_xml.start("Calendar");
        element("UID", "1");
        element("Name", "Standard");
        element("IsBaseCalendar", "1");
        element("BaseCalendarUID", "-1");
        m_xml.start("WeekDays");
        for (int dayType = 1; dayType <= 7; ++dayType) {
            // Day type 1 is Sunday, the mask's seventh letter; 2-7 are Monday to Saturday.
            const int position = dayType == 1 ? 6 : dayType - 2;
            const bool working = position < mask.size() && mask.at(position) == QLatin1Char('Y');
            m_xml.start("WeekDay");
            element("DayType", qint64(dayType));
            element("DayWorking", working ? "1" : "0");
            if (working)
                writeWorkingTimes();
            m_xml.end();
        }
        msp::WriteExceptionWeekDays(m_xml, exceptions, workingTimes);
        m_xml.end();
        msp::WriteExceptions(m_xml, exceptions, workingTimes);
        m_xml.end();
        m_xml.end();
    }

    void writeWorkingTimes()
    {
        m_xml.start("WorkingTimes");
        if (m_day.lunch > 0) {
            workingTime(m_day.start, m_day.start + 4 * 60);
            workingTime(m_day.start + 4 * 60 + m_day.lunch, m_day.end());
        } else {
            workingTime(m_day.start, m_day.end());
        }
        m_xml.end();
    }

    void workingTime(int from, int to)
    {
        m_xml.start("WorkingTime");
        element("FromTime", msp::FormatTime(from));
        element("ToTime", msp::FormatTime(to));
        m_xml.end();
    }

    void writeTasks(qint64 projectStart)
    {
        m_xml.start("Tasks");
        // The project summary task, UID 0, spans the plan.
        m_xml.start("Task");
        element("UID", "0");
        element("ID", "0");
        element("Name", m_project.settings().projectName());
        element("Type", "1");
        element("IsNull", "0");
        element("OutlineNumber", "0");
        element("OutlineLevel", "0");
        m_xml.dateTime("Start", projectStart, m_day.start);
        m_xml.dateTime("Finish", m_projectEnd, m_day.end());
        element("Summary", "1");
        m_xml.end();

        std::vector<int> outline;
        for (int row = 1; row <= m_lastRow; ++row) {
            m_xml.start("Task");
            element("UID", qint64(row));
            element("ID", qint64(row));
            if (m_table.cell(ColTask, row).isEmpty()) {
                element("IsNull", "1");
                m_xml.end();
                continue;
            }
            writeTask(row, outline);
            m_xml.end();
        }
        m_xml.end();
    }

    void writeTask(int row, std::vector<int> &outline)
    {
        const int level = std::max(1, StrToInt(m_table.cell(ColLevel, row)));
        // The outline number counts the rows at each level: 1, 1.1, 1.2, 2...
        if (int(outline.size()) >= level)
            outline.resize(level);
        else
            while (int(outline.size()) < level)
                outline.push_back(0);
        ++outline.back();
        std::string outlineNumber;
        for (std::size_t i = 0; i < outline.size(); ++i) {
            if (i > 0)
                outlineNumber += '.';
            outlineNumber += std::to_string(outline[i]);
        }

        const int days = DurationDays(m_table.cell(ColDuration, row));
        const QStringList &resources = resourcesOf(row);
        element("Name", m_table.cell(ColTask, row));
        element("Type", "1"); // fixed duration
        element("OutlineNumber", outlineNumber.c_str());
        element("OutlineLevel", qint64(level));
        if (!m_table.cell(ColStart, row).isEmpty())
            m_xml.dateTime("Start", day(m_table.cell(ColStart, row)), m_day.start);
        if (!m_table.cell(ColEnd, row).isEmpty()) {
            const qint64 end = day(m_table.cell(ColEnd, row));
            // A milestone ends where it starts.
            m_xml.dateTime("Finish", end, days == 0 ? m_day.start : m_day.end());
        }
        if (days >= 0) {
            const qint64 hours = qint64(days) * m_day.hours;
            m_xml.duration("Duration", hours);
            m_xml.duration("Work", hours * resources.size());
        }
        element("Milestone", days == 0 ? "1" : "0");
        element("Summary", m_table.cell(ColVeha, row).isEmpty() ? "0" : "1");
        const QString &completion = m_table.cell(ColCompletion, row);
        if (!completion.isEmpty())
            element("PercentComplete",
                    QString::number(StrToInt(completion.section(QLatin1Char('%'), 0, 0))));
        if (!m_table.cell(ColForerunner, row).isEmpty())
            for (const LinkItem &link : forerunnerLinks(m_table.cell(ColForerunner, row))) {
                // MS Project links tasks only.
                const int predecessor = link.row;
                if (predecessor < 1 || predecessor > m_lastRow || predecessor == row ||
                    m_table.cell(ColTask, predecessor).isEmpty())
                    continue;
                const msp::ExportedLink exported = msp::ExportedLinkOf(link, m_day.hours * 60);
                m_xml.start("PredecessorLink");
                element("PredecessorUID", qint64(predecessor));
                element("Type", qint64(exported.type));
                element("LinkLag", exported.lag);
                element("LagFormat", qint64(exported.lagFormat));
                m_xml.end();
            }
        for (const QString &name : resources)
            m_assignments.push_back({row, m_resourceUid.value(name)});
    }

    void writeResources()
    {
        m_xml.start("Resources");
        for (int i = 0; i < int(m_resources.size()); ++i) {
            m_xml.start("Resource");
            element("UID", qint64(i + 1));
            element("ID", qint64(i + 1));
            element("Name", m_resources[i].name);
            element("Type", "1"); // work
            element("IsNull", "0");
            element("MaxUnits", "1.00");
            bool ok = false;
            const double rate = m_resources[i].cost.toDouble(&ok);
            if (ok) {
                element("StandardRate", QString::number(rate, 'g', 15));
                element("StandardRateFormat", "2"); // per hour
            }
            m_xml.end();
        }
        m_xml.end();
    }

    void writeAssignments()
    {
        m_xml.start("Assignments");
        int uid = 0;
        for (const auto &[row, resourceUid] : m_assignments) {
            m_xml.start("Assignment");
            element("UID", qint64(++uid));
            element("TaskUID", qint64(row));
            element("ResourceUID", qint64(resourceUid));
            element("Units", "1");
            m_xml.end();
        }
        m_xml.end();
    }

    struct Resource {
        QString name;
        QString cost;
    };

    const Project &m_project;
    const TaskTable &m_table;
    XmlOut m_xml;
    WorkingDay m_day;
    int m_lastRow = 0;
    qint64 m_projectEnd = 0;
    QHash<QString, QStringList> m_resourceLists; // a Resource cell's names, by its text
    DateCodec m_dates;
    std::vector<Resource> m_resources;
    QHash<QString, int> m_resourceUid;
    std::vector<std::pair<int, int>> m_assignments; // task row, resource UID
};

void showError(Prompts &prompts, const QString &text)
{
    prompts.MessageBox(QCoreApplication::translate("Messages", "Error"), text, MsgIcon::Error,
                       MsgButtons::Ok);
}

} // namespace

void ExportMsProjectXml(const Project &project, Prompts &prompts, const QString &path)
{
    // Written beside its final place and renamed over it only when complete, so a
    // failed export never destroys a file of the same name.
    QSaveFile file(path);
    const auto cannotWrite = [&] {
        file.cancelWriting();
        showError(prompts, QCoreApplication::translate("Export", "Cannot write the file '%1'.").arg(path));
    };
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite();
    try {
        DocumentWriter(project, file).write(QFileInfo(path).fileName());
    } catch (const ConversionError &e) {
        file.cancelWriting();
        showError(prompts, e.message());
        return;
    } catch (const WriteFailed &) {
        return cannotWrite();
    }
    if (!file.flush() || file.error() != QFileDevice::NoError || !file.commit())
        return cannotWrite();
    syncFolder(path);
}

} // namespace morvaine
