#include "csv_export.h"

#include "model/file_path.h"

#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>

namespace morvaine {

namespace {

// A spreadsheet opening the file runs a cell that begins with one of these as a formula
// (a tab or carriage return may hide one), so such a text gets a leading apostrophe, as
// spreadsheet-safe exporters do. A plain number keeps its sign; dates begin with a digit.
bool RunsAsFormula(const QString &text)
{
    static const QString starts = QStringLiteral("=+-@\t\r");
    static const QRegularExpression plainNumber(QStringLiteral("^[+-]?[0-9]+([.,][0-9]+)?$"));
    return !text.isEmpty() && starts.contains(text.front()) && !plainNumber.match(text).hasMatch();
}

QString csvField(const QString &cell)
{
    const QString text = RunsAsFormula(cell) ? QLatin1Char('\'') + cell : cell;
    static const QString special = QStringLiteral(",\"\r\n");
    for (QChar c : special)
        if (text.contains(c)) {
            QString quoted = text;
            quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    return text;
}

} // namespace

QByteArray TaskTableCsv(const Project &project)
{
    const TaskTable &table = project.taskTable;
    int lastRow = project.LastTaskRow;
    for (int row = TaskTable::LastRow; row > lastRow; --row) {
        bool used = false;
        for (int column = ColTask; column <= ColCompletion && !used; ++column)
            used = !table.cell(column, row).isEmpty();
        if (used) {
            lastRow = row;
            break;
        }
    }
    QString csv;
    for (int row = 0; row <= lastRow; ++row) {
        for (int column = ColNumber; column <= ColVeha; ++column) {
            if (column > ColNumber)
                csv += QLatin1Char(',');
            // The group marks' column is headed by what it tells, not by its inner name.
            if (row == 0 && column == ColVeha)
                csv += QLatin1String("Group Task");
            else
                csv += csvField(table.cell(column, row));
        }
        csv += QLatin1String("\r\n");
    }
    return csv.toUtf8();
}

bool WriteTaskTableCsv(const Project &project, const QString &path, QString *reason)
{
    // QSaveFile would write a name holding non-UTF-8 bytes under another name.
    if (PathNeedsRawBytes(path))
        return false;
    const QByteArray bytes = TaskTableCsv(project);
    QSaveFile file(path);
    // Buffered bytes that fail on their way to a full disk go unnoticed by the commit:
    // they are flushed and checked before it. A write cut short leaves Qt's own error
    // text empty, so the reason is the system's error of the call that failed.
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        file.commit())
        return true;
    const int error = errno;
    if (reason)
        *reason = error != 0 ? qt_error_string(error) : file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace morvaine
