#include "list_normalize.h"

#include "model/project_file.h"
#include "schedule/forerunner.h"
#include <QCoreApplication>

namespace morvaine {

namespace {

// The common tail of both lists: one blank after each ";", one blank in front and a
// closing ";".
QString finishList(QString text)
{
    text.replace(QLatin1Char(';'), QLatin1String("; "));
    text = QLatin1Char(' ') + text.trimmed();
    if (!text.endsWith(QLatin1Char(';')))
        text += QLatin1Char(';');
    return text;
}

// A list longer than a project file holds in a cell keeps its whole items that fit,
// and the user is told.
QString fitList(Host &host, const QString &list)
{
    if (FitsProjectFileCell(list))
        return list;
    QString head = CutToProjectFileCell(list);
    head.truncate(head.lastIndexOf(QLatin1Char(';')) + 1);
    host.MessageBox(QCoreApplication::translate("Messages", "Warning"), CellCutMessage(),
                    MsgIcon::Warning, MsgButtons::Ok);
    return head;
}

// Adds name to the resource table unless it is there; false when the table is full.
bool addResource(ResourceTable &resources, const QString &name)
{
    for (int row = 1; row < ResourceTable::Rows; ++row) {
        const QString &existing = resources.cell(ResColName, row);
        if (existing == name)
            return true;
        if (existing.isEmpty()) {
            resources.setCell(ResColName, row, name);
            return true;
        }
    }
    return false;
}

} // namespace

void NormalizeResourceList(Project &project, Host &host, int row)
{
    TaskTable &table = project.taskTable;
    QString text = table.cell(ColResource, row).trimmed();

    if (text.isEmpty() || text == QLatin1String(";") || text == QLatin1String(":") ||
        text == QLatin1String(".") || text == QLatin1String(",")) {
        host.Beep();
        table.setCell(ColResource, row, QString());
        return;
    }

    for (const char separator : {',', ':', '.'})
        text.replace(QLatin1Char(separator), QLatin1Char(';'));
    // A name keeps the blanks inside it ("Ann Lee", as the resource dialog takes it);
    // the blanks around each name go.
    QStringList items = text.split(QLatin1Char(';'));
    for (QString &item : items)
        item = item.trimmed();
    text = fitList(host, finishList(items.join(QLatin1Char(';'))));
    table.setCell(ColResource, row, text);

    bool tableFull = false;
    for (const QString &item : text.split(QLatin1Char(';'))) {
        const QString name = item.trimmed();
        if (!name.isEmpty() && !addResource(project.resourceTable, name))
            tableFull = true;
    }
    if (tableFull)
        host.Beep();
}

void NormalizeForerunnerList(Project &project, Host &host, int row)
{
    TaskTable &table = project.taskTable;
    QList<LinkItemError> malformed;
    // An empty item (";;") names no row: it would fail every recalculation, so it goes.
    const QString list = CanonicalForerunnerList(table.cell(ColForerunner, row), &malformed);
    table.setCell(ColForerunner, row, list.isEmpty() ? list : fitList(host, list));
    // A malformed item stays in the cell, as a link error does, and is not followed.
    if (!malformed.isEmpty()) {
        QStringList messages;
        for (const LinkItemError &error : malformed)
            messages << MalformedLinkMessage(row, error);
        host.MessageBox(QCoreApplication::translate("Messages", "Error"),
                        messages.join(QLatin1Char('\n')), MsgIcon::Error, MsgButtons::Ok);
    }
}

} // namespace morvaine
