#include "report/resource_rules.h"

#include "model/project_file.h"

#include <QCoreApplication>
#include <QStringList>

namespace morvaine {

namespace {

constexpr int LastResourceRow = ResourceTable::Rows - 1;

const QString &resourceName(const Project &project, int row)
{
    return project.resourceTable.cell(ResColName, row);
}

// Costs below a thousand million per hour: every figure of the report built from
// them shows whole in its cell.
constexpr int MaxCostDigits = 9;

bool hasForbiddenCharacter(const QString &name)
{
    for (const QChar c : name)
        if (c == QLatin1Char(',') || c == QLatin1Char('.') || c == QLatin1Char(';') ||
            c == QLatin1Char(':'))
            return true;
    return false;
}

} // namespace

void RemoveResourceFromTasks(Project &project, const QString &name)
{
    TaskTable &table = project.taskTable;
    for (int row = 1; row < TaskTable::Rows; ++row) {
        const QString &list = table.cell(ColResource, row);
        if (list.isEmpty())
            continue;
        QStringList kept;
        bool removed = false;
        for (const QString &item : list.split(QLatin1Char(';'))) {
            const QString trimmed = item.trimmed();
            if (trimmed == name)
                removed = true;
            else if (!trimmed.isEmpty())
                kept << trimmed;
        }
        if (!removed)
            continue;
        QString text;
        for (const QString &item : kept)
            text += QLatin1Char(' ') + item + QLatin1Char(';');
        table.setCell(ColResource, row, text);
    }
}

// The first task row whose Resource list grows past a project file's cell when oldName
// becomes newName; 0 when every list still fits.
int RenameOverflowsTask(const Project &project, const QString &oldName, const QString &newName)
{
    const QString before = QLatin1Char(' ') + oldName + QLatin1Char(';');
    const QString after = QLatin1Char(' ') + newName + QLatin1Char(';');
    for (int row = 1; row < TaskTable::Rows; ++row) {
        const QString &list = project.taskTable.cell(ColResource, row);
        if (!list.isEmpty() && list.contains(before) &&
            !FitsProjectFileCell(QString(list).replace(before, after)))
            return row;
    }
    return 0;
}

void RenameResourceInTasks(Project &project, const QString &oldName, const QString &newName)
{
    const QString before = QLatin1Char(' ') + oldName + QLatin1Char(';');
    const QString after = QLatin1Char(' ') + newName + QLatin1Char(';');
    TaskTable &table = project.taskTable;
    for (int row = 1; row < TaskTable::Rows; ++row) {
        const QString &list = table.cell(ColResource, row);
        if (list.isEmpty() || !list.contains(before))
            continue;
        // QString::replace goes on after each inserted name, so "Bob" renamed to
        // "Mr Bob" is replaced once.
        table.setCell(ColResource, row, QString(list).replace(before, after));
    }
}

ResourceEditor::ResourceEditor(Project &project, Prompts &prompts)
    : m_project(project), m_prompts(prompts)
{
}

QString ResourceEditor::editCaption() const
{
    return m_editing ? QCoreApplication::translate("ResourceEditor", "Update")
                     : QCoreApplication::translate("ResourceEditor", "Edit");
}

QString ResourceEditor::closeCaption() const
{
    return m_editing ? QCoreApplication::translate("ResourceEditor", "Cancel")
                     : QCoreApplication::translate("ResourceEditor", "Close");
}

bool ResourceEditor::takeNameFocus()
{
    return std::exchange(m_nameFocus, false);
}

void ResourceEditor::show(int selectedRow)
{
    ResourceTable &resources = m_project.resourceTable;
    resources.setCell(ResColName, 0, QStringLiteral("Name"));
    resources.setCell(ResColCost, 0, QStringLiteral("Cost/Hour"));
    resources.setCell(ResColAddress, 0, QStringLiteral("Address"));
    m_nameFocus = true;
    m_editing = false;
    updateEditEnabled(selectedRow);
}

void ResourceEditor::selectRow(int row)
{
    updateEditEnabled(row);
}

void ResourceEditor::updateEditEnabled(int selectedRow)
{
    m_editEnabled = selectedRow >= 1 && selectedRow <= LastResourceRow &&
                    !resourceName(m_project, selectedRow).isEmpty();
}

void ResourceEditor::clearFields()
{
    fields = {};
    m_nameFocus = true;
}

bool ResourceEditor::validate(Command command)
{
    auto refuse = [this](const char *title, const QString &text) {
        m_prompts.MessageBox(QCoreApplication::translate("Messages", title), text, MsgIcon::Warning,
                             MsgButtons::Ok);
        return false;
    };

    if (command == Command::Add && !resourceName(m_project, LastResourceRow).isEmpty()) {
        refuse(QT_TRANSLATE_NOOP("Messages", "Sorry"),
               QCoreApplication::translate("ResourceEditor",
                                           "Sorry, there can be only 999 types of resources."));
        clearFields();
        return false;
    }
    // Each field becomes a cell of the project file, which holds only so many bytes.
    const std::pair<const char *, const QString *> cells[] = {
        {QT_TRANSLATE_NOOP("ResourceTable", "Name"), &fields.name},
        {QT_TRANSLATE_NOOP("ResourceTable", "Cost/Hour"), &fields.cost},
        {QT_TRANSLATE_NOOP("ResourceTable", "Address"), &fields.address}};
    for (const auto &[label, text] : cells)
        if (!FitsProjectFileCell(*text))
            return refuse(QT_TRANSLATE_NOOP("Messages", "Attention!"),
                          QCoreApplication::translate(
                              "ResourceEditor", "Sorry, the '%1' field is too long: a project file "
                                                "holds at most %2 bytes in a cell.")
                              .arg(QCoreApplication::translate("ResourceTable", label))
                              .arg(MaxCellBytes));
    const QString name = fields.name.trimmed();
    if (name.isEmpty())
        return refuse(
            QT_TRANSLATE_NOOP("Messages", "Info"),
            QCoreApplication::translate("ResourceEditor", "Please specify the 'Name' field."));
    if (hasForbiddenCharacter(fields.name))
        return refuse(QT_TRANSLATE_NOOP("Messages", "Attention!"),
                      QCoreApplication::translate("ResourceEditor",
                                                  "Sorry, it is impossible to use the "
                                                  "', . ; :' characters in the 'Name' field."));
    for (int row = 1; row <= LastResourceRow; ++row) {
        const QString &stored = resourceName(m_project, row);
        if (stored.isEmpty())
            break;
        if (stored == name && !(command == Command::Update && row == m_editedRow))
            return refuse(QT_TRANSLATE_NOOP("Messages", "Attention!"),
                          QCoreApplication::translate("ResourceEditor",
                                                      "Sorry, this name already exists.\n"
                                                      "Please specify another one."));
    }

    // Blanks around the cost go, and the first decimal separator becomes "." in the
    // field at once, whatever follows.
    const QString costMessage = QCoreApplication::translate(
        "ResourceEditor",
        "Sorry, you can type only digits and the '.' character in the 'Cost/Hour' field.");
    QString &cost = fields.cost;
    if (cost.trimmed() != cost) {
        cost = cost.trimmed();
        if (m_fieldsListener)
            m_fieldsListener();
    }
    if (cost == QLatin1String(".") || cost == QLatin1String(","))
        return refuse(QT_TRANSLATE_NOOP("Messages", "Error"), costMessage);
    bool separatorSeen = false;
    for (QChar &c : cost) {
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (separatorSeen)
                return refuse(QT_TRANSLATE_NOOP("Messages", "Error"), costMessage);
            separatorSeen = true;
            if (c != QLatin1Char('.')) {
                c = QLatin1Char('.');
                if (m_fieldsListener)
                    m_fieldsListener();
            }
        } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return refuse(QT_TRANSLATE_NOOP("Messages", "Error"), costMessage);
        }
    }
    // A cost the report's figures cannot show whole is refused.
    QStringView whole = QStringView(cost).left(cost.indexOf(QLatin1Char('.')));
    while (whole.startsWith(QLatin1Char('0')))
        whole = whole.mid(1);
    if (whole.size() > MaxCostDigits)
        return refuse(QT_TRANSLATE_NOOP("Messages", "Error"),
                      QCoreApplication::translate("ResourceEditor",
                                                  "Sorry, the 'Cost/Hour' must be less than %1.")
                          .arg(QStringLiteral("1000000000")));
    return true;
}

void ResourceEditor::add(int selectedRow)
{
    if (!validate(Command::Add))
        return;
    ResourceTable &resources = m_project.resourceTable;
    for (int row = 1; row <= LastResourceRow; ++row) {
        if (!resourceName(m_project, row).isEmpty())
            continue;
        resources.setCell(ResColName, row, fields.name.trimmed());
        if (!fields.cost.isEmpty())
            resources.setCell(ResColCost, row, fields.cost);
        resources.setCell(ResColAddress, row, fields.address);
        break;
    }
    clearFields();
    updateEditEnabled(selectedRow);
}

void ResourceEditor::editOrUpdate(int selectedRow)
{
    ResourceTable &resources = m_project.resourceTable;
    if (!m_editing) {
        if (selectedRow < 1 || selectedRow > LastResourceRow)
            return;
        m_editedRow = selectedRow;
        fields = {resources.cell(ResColName, selectedRow), resources.cell(ResColCost, selectedRow),
                  resources.cell(ResColAddress, selectedRow)};
        m_editing = true;
        return;
    }
    if (!validate(Command::Update))
        return;
    const QString oldName = resources.cell(ResColName, m_editedRow);
    const QString newName = fields.name.trimmed();
    // A longer name must still fit every task list that names the resource.
    if (newName != oldName) {
        if (const int row = RenameOverflowsTask(m_project, oldName, newName)) {
            m_prompts.MessageBox(
                QCoreApplication::translate("Messages", "Attention!"),
                QCoreApplication::translate("ResourceEditor",
                                            "Sorry, with this name the 'Resource' of task %1 "
                                            "would be too long for a project file.")
                    .arg(row),
                MsgIcon::Warning, MsgButtons::Ok);
            return;
        }
    }
    m_editing = false;
    resources.setCell(ResColName, m_editedRow, newName);
    // An emptied cost field keeps the stored cost.
    if (!fields.cost.isEmpty())
        resources.setCell(ResColCost, m_editedRow, fields.cost);
    resources.setCell(ResColAddress, m_editedRow, fields.address);
    clearFields();
    if (newName != oldName)
        RenameResourceInTasks(m_project, oldName, newName);
}

bool ResourceEditor::closeOrCancel()
{
    if (m_editing) {
        m_editing = false;
        clearFields();
        return false;
    }
    m_project.settings().markModified();
    return true;
}

void ResourceEditor::deleteRow(int selectedRow)
{
    if (selectedRow < 1 || selectedRow > LastResourceRow)
        return;
    const QString name = resourceName(m_project, selectedRow);
    if (name.isEmpty())
        return;
    RemoveResourceFromTasks(m_project, name);
    ResourceTable &resources = m_project.resourceTable;
    for (int row = selectedRow; row <= LastResourceRow; ++row) {
        for (int column = ResColName; column <= ResColAddress; ++column)
            resources.setCell(column, row,
                              row < LastResourceRow ? resources.cell(column, row + 1) : QString());
        if (resourceName(m_project, row).isEmpty())
            break;
    }
    if (resourceName(m_project, selectedRow).isEmpty())
        m_editEnabled = false;
}

} // namespace morvaine
