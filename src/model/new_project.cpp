#include "new_project.h"

#include <QFileInfo>

#include <iterator>

namespace morvaine {

QString CaptionFor(const QString &path)
{
    return QLatin1String(AppTitle) + QLatin1String(" - ") + QFileInfo(path).fileName();
}

void InitNewProject(Project &project, Host &host)
{
    TaskTable &table = project.taskTable;

    host.SetCaption(QLatin1String(AppTitle));

    project.LastTaskRow = 0;
    // Forget the tracked cell too: its text belonged to the project being replaced, and
    // comparing it with the cleared cell would commit a change nobody typed.
    project.Edit = EditState();

    // Selecting a second cell first makes the tracking of the cell being left start
    // afresh at the first task cell.
    host.SelectCell(ColDuration, 2);
    host.SelectCell(ColTask, 1);

    const QString level = QStringLiteral("1");
    for (int row = 1; row < TaskTable::Rows; ++row) {
        // A project renewed in place mostly holds its row numbers already: they are
        // compared as digits, and only a number that differs is made into a text.
        char16_t digits[8];
        qsizetype at = std::size(digits);
        for (int rest = row; rest > 0; rest /= 10)
            digits[--at] = char16_t(u'0' + rest % 10);
        const QStringView number(digits + at, std::size(digits) - at);
        if (table.cell(ColNumber, row) != number)
            table.setCell(ColNumber, row, number.toString());
        table.setCell(ColLevel, row, level);
    }

    static const char *const headers[] = {"Task",     "Duration",   "Start", "End",  "Forerunner",
                                          "Resource", "Completion", "Level", "Veha", "Settings"};
    for (int column = ColTask; column <= ColSettings; ++column)
        table.setCell(column, 0, QLatin1String(headers[column - 1]));

    host.HideHiddenColumns();

    const QString noFile = QStringLiteral("no save file");
    const QString settings[20] = {
        QStringLiteral("Create date"),
        noFile,
        QStringLiteral("Date of change"),
        noFile,
        QStringLiteral("File name"),
        noFile,
        QStringLiteral("Project name"),
        QStringLiteral("My test project"),
        QStringLiteral("Author"),
        QStringLiteral("testBob"),
        QStringLiteral("Date of start project"),
        DateToStr(Date()),
        QStringLiteral("Working days"),
        QStringLiteral("YYYYYNN"),
        QStringLiteral("Working time"),
        QStringLiteral("8"),
        QStringLiteral("Modify"),
        QStringLiteral("No"),
        QStringLiteral("Currency"),
        QStringLiteral("$"),
    };
    for (int row = 1; row <= 20; ++row)
        table.setCell(ColSettings, row, settings[row - 1]);
    // The holidays and extra working days (rows 21-24) of the plan being replaced.
    table.clear(ColSettings, ColSettings, 21, 24);

    project.GanttScale = 1;
    host.ShowGanttScale(1);

    project.CriticalPathOn = false;
    host.ShowCriticalPathOn(false);
    std::fill(project.CriticalMarks.begin(), project.CriticalMarks.end(), -1);
}

void ClearProject(Project &project, bool allRows)
{
    TaskTable &table = project.taskTable;
    const int lastRow = allRows ? TaskTable::LastRow : project.LastTaskRow;
    table.clear(ColTask, ColCompletion, 1, lastRow);
    table.clear(ColVeha, ColVeha, 1, lastRow);
    project.resourceTable.clear(ResColName, ResColAddress, 1, ResourceTable::Rows - 1);
}

} // namespace morvaine
