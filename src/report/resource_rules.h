#pragma once
// What the resource dialog does with the resource table and the tasks' Resource lists,
// without widgets: the dialog shows the three fields, the buttons and the selected row,
// and forwards every click here.

#include "model/host.h"
#include "model/project.h"

#include <functional>

namespace morvaine {

/// Removes the list item name (with its ";") from every task's Resource list; a list left
/// without items becomes empty. Longer names containing name are not touched.
void RemoveResourceFromTasks(Project &project, const QString &name);

/// The first task row whose Resource list would grow past what a project file holds in
/// a cell when oldName became newName; 0 when every list still fits.
int RenameOverflowsTask(const Project &project, const QString &oldName, const QString &newName);

/// Turns each " oldName;" into " newName;" in every task's Resource list, once per
/// occurrence, left to right.
void RenameResourceInTasks(Project &project, const QString &oldName, const QString &newName);

/// The three input fields of the dialog.
struct ResourceFields {
    QString name;
    QString cost;
    QString address;
};

/// The dialog's state and commands over the resource table. Rows are resource table rows
/// (1..999); selectedRow is the grid's selected row.
class ResourceEditor {
public:
    ResourceEditor(Project &project, Prompts &prompts);

    /// What the fields hold; commands read them and may rewrite them.
    ResourceFields fields;

    bool editing() const { return m_editing; }
    int editedRow() const { return m_editedRow; }
    /// Add and Delete are usable only while browsing.
    bool addEnabled() const { return !m_editing; }
    bool deleteEnabled() const { return !m_editing; }
    bool editEnabled() const { return m_editEnabled; }
    /// "Edit" while browsing, "Update" while editing.
    QString editCaption() const;
    /// "Close" while browsing, "Cancel" while editing.
    QString closeCaption() const;
    /// True once after a command put the focus into the Name field.
    bool takeNameFocus();
    /// Called when a command rewrites the fields before it ends, so that the dialog can
    /// show the cost as it was rewritten (blanks around it gone, "," turned into ".")
    /// while a refusal's message is up.
    void setFieldsListener(std::function<void()> listener)
    {
        m_fieldsListener = std::move(listener);
    }

    /// The dialog is being shown: headers written, browsing, focus in the Name field.
    void show(int selectedRow);
    /// A grid row was selected.
    void selectRow(int row);
    /// Adds the fields as a new resource in the first free row, if they pass validation.
    void add(int selectedRow);
    /// "Edit" loads the selected row into the fields; "Update" writes them back and
    /// carries a new name into the tasks.
    void editOrUpdate(int selectedRow);
    /// "Cancel" leaves editing; "Close" marks the project modified and returns true: the
    /// dialog closes.
    bool closeOrCancel();
    /// Deletes the resource of the selected row from the table and from every task.
    void deleteRow(int selectedRow);

private:
    enum class Command { Add, Update };
    bool validate(Command command);
    void clearFields();
    void updateEditEnabled(int selectedRow);

    Project &m_project;
    Prompts &m_prompts;
    bool m_editing = false;
    int m_editedRow = 0;
    bool m_editEnabled = false;
    bool m_nameFocus = false;
    std::function<void()> m_fieldsListener;
};

} // namespace morvaine
