// The project file (.mrv). All numbers are 32-bit little-endian signed integers.
//
//   offset  size  field
//   0       4     magic 0xE5E14770 (bytes 70 47 E1 E5)
//   4       4     version 110011 (bytes BB AD 01 00)
//   8       4     TaskColumns (11)
//   12      4     TaskRows (last used row + 1, at least 60)
//   16            (TaskColumns - 1) x (TaskRows - 1) task cell records
//           4     ResourceColumns (4)
//           4     ResourceRows (first empty Name row + 1, at least 20)
//                 (ResourceColumns - 1) x (ResourceRows - 1) resource cell records
//
// A cell record is a length n and n bytes of text (no terminator; an empty cell is
// the length 0 alone). Records run column by column, and within a column row by
// row, from column 1 and row 1: row 0 (headers) and column 0 (row numbers) are
// never stored. Nothing follows the last resource record.

#include "project_file.h"

#include "file_path.h"
#include "new_project.h"
#include "text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <QCoreApplication>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace morvaine {

namespace {

constexpr quint32 Magic = 0xE5E14770u;
constexpr qint32 Version = 110011;
constexpr int MinTaskRows = 60;
constexpr int MinResourceRows = 20;

WriteLimiter &writeLimiter()
{
    static WriteLimiter limiter;
    return limiter;
}

void showError(Host &host, const QString &text)
{
    host.MessageBox(QCoreApplication::translate("Messages", "Error"), text, MsgIcon::Error,
                    MsgButtons::Ok);
}

QString saveError(int code)
{
    return QCoreApplication::translate("ProjectFile", "Error saving the file. Code #%1")
        .arg(code, 4, 10, QLatin1Char('0'));
}

QString openError(int code)
{
    return QCoreApplication::translate("ProjectFile", "Error opening the file. Code #%1")
        .arg(code, 4, 10, QLatin1Char('0'));
}

// Writes into the save file; a write that cannot be made whole marks the save failed.
class Writer {
public:
    explicit Writer(QSaveFile &file) : m_file(file) {}

    bool write(const char *data, qint64 size)
    {
        qint64 allowed = size;
        if (writeLimiter())
            allowed = std::min(size, writeLimiter()(size));
        const qint64 written = allowed > 0 ? m_file.write(data, allowed) : 0;
        if (written != size)
            m_failed = true;
        return written == size;
    }
    bool writeInt(qint32 value)
    {
        const qint32 le = qToLittleEndian(value);
        return write(reinterpret_cast<const char *>(&le), sizeof le);
    }
    bool failed() const { return m_failed; }

private:
    QSaveFile &m_file;
    bool m_failed = false;
};

// Writes the cell records of columns 1..columns-1, rows 1..rows-1. The first
// failure ends the records; returns its code, or 0.
int writeCells(Writer &writer, const CellTable &table, int columns, int rows, int lengthCode,
               int bytesCode)
{
    for (int column = 1; column < columns; ++column) {
        for (int row = 1; row < rows; ++row) {
            const QByteArray bytes = EncodeCellText(table.cell(column, row));
            if (!writer.writeInt(static_cast<qint32>(bytes.size())))
                return lengthCode;
            if (!bytes.isEmpty() && !writer.write(bytes.constData(), bytes.size()))
                return bytesCode;
        }
    }
    return 0;
}

// Writes the whole file: the header, the task cells, the resource header and cells.
// A failure in the task cells still lets the resources be written. Returns the codes
// of the failures, in order.
QList<int> writeProject(Writer &writer, const Project &project)
{
    const int taskRows = TaskRowsToStore(project);
    if (!writer.writeInt(static_cast<qint32>(Magic)) || !writer.writeInt(Version) ||
        !writer.writeInt(TaskTable::Columns) || !writer.writeInt(taskRows))
        return {11};
    QList<int> failures;
    if (const int code =
            writeCells(writer, project.taskTable, TaskTable::Columns, taskRows, 12, 13))
        failures << code;
    const int resourceRows = ResourceRowsToStore(project);
    if (!writer.writeInt(ResourceTable::Columns) || !writer.writeInt(resourceRows))
        return failures << 14;
    if (const int code =
            writeCells(writer, project.resourceTable, ResourceTable::Columns, resourceRows, 15, 16))
        failures << code;
    return failures;
}

// Buffered bytes may still fail on their way to the disk: flush and check before the
// rename rather than trusting the commit alone. Returns the code of a failure, or 0.
int commitFile(QSaveFile &file)
{
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return 16;
    if (!file.commit())
        return 10;
    return 0;
}

// Makes the rename of a saved file survive a power cut.
void syncFolder(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray folder = EncodePath(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

// Opens path for reading when it is a regular file. A FIFO, a directory or a device
// is refused: reading one could block for ever or never end. The file is opened
// without blocking first and checked on the opened descriptor, so nothing can swap
// it between the check and the read. Returns why the file cannot be read, or nothing.
QString openRegularFile(QFile &file, const QString &path)
{
    const QString notRegular = QCoreApplication::translate("ProjectFile", "not a regular file");
#ifdef Q_OS_UNIX
    const QByteArray name = EncodePath(path);
    if (name.isEmpty())
        return qt_error_string(ENOENT);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat info;
    QString reason;
    if (::fstat(fd, &info) != 0 || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        reason = qt_error_string(errno);
    else if (!S_ISREG(info.st_mode))
        reason = notRegular;
    else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        reason = file.errorString();
    if (!reason.isEmpty())
        ::close(fd);
    return reason;
#else
    file.setFileName(path);
    if (!QFileInfo(path).isFile())
        return QFileInfo::exists(path) ? notRegular : qt_error_string(ENOENT);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
#endif
}

// Reads from the project file; lengths are checked against the bytes left before
// anything is allocated.
class Reader {
public:
    explicit Reader(QFile &file) : m_file(file), m_size(file.size()) {}

    bool readInt(qint32 &value)
    {
        char bytes[4];
        if (m_file.read(bytes, 4) != 4)
            return false;
        value = qFromLittleEndian<qint32>(bytes);
        return true;
    }
    qint64 bytesLeft() const { return m_size - m_file.pos(); }
    QByteArray read(qint64 size) { return m_file.read(size); }
    void skipToEnd() { m_file.seek(m_size); }

private:
    QFile &m_file;
    qint64 m_size;
};

enum class CellsResult { Complete, Short, Malformed };

// Reads cell records into columns 1..columns-1, rows 1..rows-1 of the table. A
// record of length 0 leaves its cell as it is; a text ends at its first zero byte.
// textRead is set once a cell receives a text.
CellsResult readCells(Reader &reader, Host &host, CellTable &table, qint32 columns, qint32 rows,
                      int lengthCode, int bytesCode, bool &textRead)
{
    for (qint32 column = 1; column < columns; ++column) {
        for (qint32 row = 1; row < rows; ++row) {
            qint32 length = 0;
            if (!reader.readInt(length)) {
                showError(host, openError(lengthCode));
                return CellsResult::Short;
            }
            if (length < 0 || length > MaxCellBytes) {
                showError(host, openError(lengthCode));
                return CellsResult::Malformed;
            }
            if (length == 0)
                continue;
            if (length > reader.bytesLeft()) {
                reader.skipToEnd();
                showError(host, openError(bytesCode));
                return CellsResult::Short;
            }
            QByteArray bytes = reader.read(length);
            if (bytes.size() != length) {
                showError(host, openError(bytesCode));
                return CellsResult::Short;
            }
            const qsizetype zero = bytes.indexOf('\0');
            if (zero >= 0)
                bytes.truncate(zero);
            table.setCell(column, row, DecodeCellText(bytes));
            textRead = true;
        }
    }
    return CellsResult::Complete;
}

// The header of a column, as the message about a cell too long names it.
QString columnName(const CellTable &table, int column)
{
    static const char *const taskColumns[] = {"",
                                              QT_TRANSLATE_NOOP("TaskTable", "Task"),
                                              QT_TRANSLATE_NOOP("TaskTable", "Duration"),
                                              QT_TRANSLATE_NOOP("TaskTable", "Start"),
                                              QT_TRANSLATE_NOOP("TaskTable", "End"),
                                              QT_TRANSLATE_NOOP("TaskTable", "Forerunner"),
                                              QT_TRANSLATE_NOOP("TaskTable", "Resource"),
                                              QT_TRANSLATE_NOOP("TaskTable", "Completion"),
                                              QT_TRANSLATE_NOOP("TaskTable", "Level"),
                                              QT_TRANSLATE_NOOP("TaskTable", "Veha"),
                                              QT_TRANSLATE_NOOP("TaskTable", "Settings")};
    static const char *const resourceColumns[] = {"", QT_TRANSLATE_NOOP("ResourceTable", "Name"),
                                                  QT_TRANSLATE_NOOP("ResourceTable", "Cost/Hour"),
                                                  QT_TRANSLATE_NOOP("ResourceTable", "Address")};
    if (table.columnCount() == TaskTable::Columns)
        return QCoreApplication::translate("TaskTable", taskColumns[column]);
    return QCoreApplication::translate("ResourceTable", resourceColumns[column]);
}

// The first stored cell too long for the file, told as the user sees it; empty when
// every cell fits.
QString cellTooLong(const Project &project)
{
    const int taskRows = TaskRowsToStore(project);
    for (int column = 1; column < TaskTable::Columns; ++column) {
        for (int row = 1; row < taskRows; ++row) {
            if (FitsProjectFileCell(project.taskTable.cell(column, row)))
                continue;
            if (column == ColSettings)
                return QCoreApplication::translate("ProjectFile", "the setting \"%1\"")
                    .arg(project.taskTable.cell(column, row - 1));
            return QCoreApplication::translate("ProjectFile", "task %1, column \"%2\"")
                .arg(row)
                .arg(columnName(project.taskTable, column));
        }
    }
    const int resourceRows = ResourceRowsToStore(project);
    for (int column = 1; column < ResourceTable::Columns; ++column)
        for (int row = 1; row < resourceRows; ++row)
            if (!FitsProjectFileCell(project.resourceTable.cell(column, row)))
                return QCoreApplication::translate("ProjectFile", "resource %1, column \"%2\"")
                    .arg(row)
                    .arg(columnName(project.resourceTable, column));
    return QString();
}

int cutCells(CellTable &table)
{
    int cut = 0;
    for (int column = 1; column < table.columnCount(); ++column)
        for (int row = 1; row < table.rowCount(); ++row)
            if (!FitsProjectFileCell(table.cell(column, row))) {
                table.setCell(column, row, CutToProjectFileCell(table.cell(column, row)));
                ++cut;
            }
    return cut;
}

} // namespace

bool FitsProjectFileCell(const QString &text)
{
    // No character takes more than three bytes for each of its UTF-16 units.
    if (text.size() <= MaxCellBytes / 3)
        return true;
    return EncodeCellText(text).size() <= MaxCellBytes;
}

QString CutToProjectFileCell(const QString &text)
{
    qsizetype length = std::min<qsizetype>(text.size(), MaxCellBytes);
    for (;;) {
        // Never half a surrogate pair.
        if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
            --length;
        const qsizetype bytes = EncodeCellText(text.left(length)).size();
        if (bytes <= MaxCellBytes)
            return text.left(length);
        // Each character left out takes at least one byte with it.
        length -= std::max<qsizetype>(1, (bytes - MaxCellBytes) / 3);
    }
}

QString CellCutMessage()
{
    return QCoreApplication::translate(
               "ProjectFile", "The text was too long for one cell and was cut to the %1 bytes a "
                              "project file holds in a cell.")
        .arg(MaxCellBytes);
}

int CutCellsToProjectFile(Project &project, Prompts &prompts)
{
    const int cut = cutCells(project.taskTable) + cutCells(project.resourceTable);
    if (cut > 0)
        prompts.MessageBox(
            QCoreApplication::translate("Messages", "Warning"),
            (cut == 1 ? QCoreApplication::translate("ProjectFile",
                                                    "1 text was too long for one cell and cut to "
                                                    "the %1 bytes a project file holds in a cell.")
                      : QCoreApplication::translate("ProjectFile",
                                                    "%n texts were too long for one cell and cut "
                                                    "to the %1 bytes a project file holds in a "
                                                    "cell.",
                                                    nullptr, cut))
                .arg(MaxCellBytes),
            MsgIcon::Warning, MsgButtons::Ok);
    return cut;
}

void SetProjectFileWriteLimiter(WriteLimiter limiter)
{
    writeLimiter() = std::move(limiter);
}

int TaskRowsToStore(const Project &project)
{
    const TaskTable &table = project.taskTable;
    int rows = MinTaskRows;
    for (int column = ColTask; column <= ColCompletion; ++column) {
        int row = TaskTable::LastRow;
        while (row >= 1 && table.cell(column, row).isEmpty())
            --row;
        if (row >= 1) {
            rows = row + 1;
            break;
        }
    }
    return std::max(rows, MinTaskRows);
}

int ResourceRowsToStore(const Project &project)
{
    const ResourceTable &table = project.resourceTable;
    int row = 0;
    while (row < ResourceTable::Rows && !table.cell(ResColName, row).isEmpty())
        ++row;
    const int rows = row < ResourceTable::Rows ? row + 1 : ResourceTable::Rows;
    return std::max(rows, MinResourceRows);
}

void SaveProject(Project &project, Host &host, const QString &mode)
{
    const bool saveAs = mode == QLatin1String("SaveAs");
    if (!saveAs && mode != QLatin1String("Save"))
        return;

    // A file with a cell the reader refuses could never be opened again.
    const QString tooLong = cellTooLong(project);
    if (!tooLong.isEmpty()) {
        showError(host,
                  QCoreApplication::translate(
                      "ProjectFile", "Error saving the file. The text of %1 is longer than "
                                     "the %2 bytes a project file holds in a cell; shorten it "
                                     "and save again.")
                      .arg(tooLong)
                      .arg(MaxCellBytes));
        return;
    }

    SettingsBlock settings = project.settings();
    QString path = settings.fileName();
    if (saveAs) {
        path = host.AskSaveFileName();
        if (path.isEmpty())
            return;
    }

    // The file is written beside its final place and renamed over it only when
    // everything was written, so a failed save never destroys the previous file.
    // A name with bytes that are not UTF-8 would reach the disk as another name
    // through QSaveFile, so it is refused rather than written somewhere else.
    QSaveFile file(path);
    if (PathNeedsRawBytes(path) || !file.open(QIODevice::WriteOnly)) {
        showError(host, saveError(10));
        return;
    }

    const SettingsBlock::ValueRow touched[] = {SettingsBlock::FileName, SettingsBlock::CreateDate,
                                               SettingsBlock::ChangeDate, SettingsBlock::Modify};
    QString before[std::size(touched)];
    for (std::size_t i = 0; i < std::size(touched); ++i)
        before[i] = settings.value(touched[i]);

    const QString today = DateToStr(Date());
    if (saveAs) {
        settings.setValue(SettingsBlock::FileName, path);
        settings.setValue(SettingsBlock::CreateDate, today);
    }
    settings.setValue(SettingsBlock::ChangeDate, today);
    settings.setValue(SettingsBlock::Modify, QStringLiteral("No"));

    Writer writer(file);
    const QList<int> failures = writeProject(writer, project);
    for (int code : failures)
        showError(host, saveError(code));
    bool saved = failures.isEmpty() && !writer.failed();
    if (saved) {
        if (const int code = commitFile(file)) {
            showError(host, saveError(code));
            saved = false;
        }
    }
    if (!saved) {
        file.cancelWriting();
        // The project stays as it was, still marked with its unsaved changes.
        for (std::size_t i = 0; i < std::size(touched); ++i)
            settings.setValue(touched[i], before[i]);
        return;
    }
    syncFolder(path);

    if (saveAs)
        host.SetCaption(CaptionFor(path));
}

bool WriteProjectFile(const Project &project, const QString &path)
{
    if (!cellTooLong(project).isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    Writer writer(file);
    if (!writeProject(writer, project).isEmpty() || writer.failed() || commitFile(file) != 0) {
        file.cancelWriting();
        return false;
    }
    syncFolder(path);
    return true;
}

void LoadProject(Project &project, Host &host, const QString &path)
{
    // The settings block read from a file names the file it was saved as, which may be
    // any path at all. Whatever happens below, the name kept is the file opened here
    // once its cells were read, or the untitled value when nothing was read, so that a
    // later Save never writes where a damaged or crafted file points.
    bool cellsRead = false;
    struct FileNameGuard {
        Project &project;
        const QString &path;
        const bool &cellsRead;
        ~FileNameGuard()
        {
            project.settings().setValue(SettingsBlock::FileName,
                                        cellsRead ? path : QStringLiteral("no save file"));
        }
    } fileNameGuard{project, path, cellsRead};

    QFile file;
    if (const QString reason = openRegularFile(file, path); !reason.isEmpty()) {
        // The numbered message, and on a line of its own which file and why.
        showError(host, openError(1) + QLatin1Char('\n') + QDir::toNativeSeparators(path) +
                            QStringLiteral(": ") + reason);
        return;
    }
    Reader reader(file);

    qint32 magic = 0;
    if (!reader.readInt(magic)) {
        showError(host, openError(4));
        return;
    }
    if (static_cast<quint32>(magic) != Magic) {
        showError(host,
                  QCoreApplication::translate(
                      "ProjectFile", "Error opening the file. Unknown file format. Code #0005"));
        return;
    }
    qint32 version = 0;
    if (!reader.readInt(version)) {
        showError(host, openError(4));
        return;
    }
    if (version != Version) {
        showError(host, QCoreApplication::translate(
                            "ProjectFile",
                            "Error opening the file. Unknown version file format. Code #0006"));
        return;
    }
    qint32 taskColumns = 0;
    qint32 taskRows = 0;
    if (!reader.readInt(taskColumns) || !reader.readInt(taskRows)) {
        showError(host, openError(4));
        return;
    }
    // Counts beyond the tables (or negative) are not a file this program wrote.
    if (taskColumns < 0 || taskColumns > TaskTable::Columns || taskRows < 0 ||
        taskRows > TaskTable::Rows) {
        showError(host,
                  QCoreApplication::translate(
                      "ProjectFile", "Error opening the file. Unknown file format. Code #0005"));
        return;
    }

    if (readCells(reader, host, project.taskTable, taskColumns, taskRows, 2, 3, cellsRead) ==
        CellsResult::Malformed)
        return;

    qint32 resourceColumns = 0;
    qint32 resourceRows = 0;
    if (!reader.readInt(resourceColumns) || !reader.readInt(resourceRows) || resourceColumns < 0 ||
        resourceColumns > ResourceTable::Columns || resourceRows < 0 ||
        resourceRows > ResourceTable::Rows) {
        showError(host, openError(7));
        return;
    }
    if (readCells(reader, host, project.resourceTable, resourceColumns, resourceRows, 8, 9,
                  cellsRead) == CellsResult::Malformed)
        return;
    file.close();

    host.SetCaption(CaptionFor(path));

    int row = std::min(taskRows + 1, TaskTable::LastRow);
    while (row >= 1 && project.taskTable.cell(ColDuration, row).isEmpty())
        --row;
    project.LastTaskRow = std::max(row, 0);

    host.RepaintTaskGrid();
    host.RepaintChart();
}

} // namespace morvaine
