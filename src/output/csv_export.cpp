#include "csv_export.h"

#include "model/file_path.h"

#include <QSaveFile>

namespace morvaine {

namespace {

QString csvField(const QString &text)
{
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

bool WriteTaskTableCsv(const Project &project, const QString &path)
{
    // QSaveFile would write a name holding non-UTF-8 bytes under another name.
    if (PathNeedsRawBytes(path))
        return false;
    const QByteArray bytes = TaskTableCsv(project);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace morvaine
