#pragma once
// The resource dialog: keeps the project's resources, each with a name, a
// cost per hour and an address. Its grid shows the resource table itself; the buttons
// forward to the resource rules, and the dialog shows what they leave in the fields.

#include "model/host.h"
#include "model/project.h"
#include "report/resource_rules.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableView;

namespace morvaine {

class ResourceTableModel;

class ResourceDialog : public QDialog {
    Q_OBJECT
public:
    /// Created once; mainWindow is the window it centres over when shown.
    ResourceDialog(Project &project, Prompts &prompts, QWidget *mainWindow = nullptr);

    /// The model over the resource table that the grid shows.
    ResourceTableModel *tableModel() const { return m_model; }
    /// The resource table row selected in the grid.
    int selectedRow() const;

    /// Escape does what the Close button does: Cancel while a row is being edited,
    /// otherwise Close. The window's own close does nothing.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void onAdd();
    void onEditOrUpdate();
    void onDelete();
    void onCloseOrCancel();
    void onRowSelected();
    // Hands the fields to the rules before a command and shows the result after it.
    void takeFields();
    void showState();

    Project &m_project;
    QWidget *m_mainWindow;
    ResourceEditor m_editor;
    ResourceTableModel *m_model;
    QLineEdit *m_name;
    QLineEdit *m_cost;
    QLineEdit *m_address;
    QTableView *m_grid;
    QPushButton *m_add;
    QPushButton *m_delete;
    QPushButton *m_edit;
    QPushButton *m_close;
};

} // namespace morvaine
