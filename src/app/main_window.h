#pragma once
// The main window: tool bar, menus, the task grid and the Gantt chart side by
// side. It owns the project, lays out the widgets, builds the menus and the tool bar
// from the command table and wires the controllers that handle the commands. It lends
// itself to the operations as their Host, forwarding to the widgets and controllers.

#include "model/host.h"
#include "model/project.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QMenu;

namespace morvaine {

class ChartInteractionController;
class CommandActions;
class DateField;
class DocumentController;
class ExchangeController;
class GanttChart;
class GridEditingController;
class HelpController;
class HistoryController;
class OutputController;
class RecentFilesMenu;
class RecoveryController;
class TaskController;
class TaskGrid;
class ToolsController;
class ViewController;

class MainWindow : public QMainWindow, public Host {
    Q_OBJECT
public:
    /// parameters: the command-line parameters after the program name; the first,
    /// when present, is the project file opened when the window is first shown.
    explicit MainWindow(const QStringList &parameters = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The project the window shows.
    Project &project() { return m_project; }
    /// The task table on the left.
    TaskGrid *taskGrid() const { return m_taskGrid; }
    /// The Gantt chart on the right.
    GanttChart *ganttChart() const { return m_ganttChart; }
    /// The mouse gestures on the Gantt chart.
    ChartInteractionController &chartInteraction() const { return *m_chartInteraction; }
    /// The date picker over the task grid's date cells.
    DateField *datePicker() const;
    /// The task grid's popup menu.
    QMenu *popupMenu() const { return m_popupMenu; }
    /// The action of a command id, the component name of a menu item or tool button
    /// ("New1", "Scale2").
    QAction *action(const QString &id) const;
    /// The actions of the command table and their handlers.
    CommandActions &commands() const { return *m_commands; }
    /// Undo and Redo.
    HistoryController &history() const { return *m_history; }
    /// The recovery copies of unsaved work.
    RecoveryController &recovery() const { return *m_recovery; }
    /// The printer and margins of the output commands.
    OutputController &output() const { return *m_output; }
    /// The resource dialog, the settings dialog and the report window.
    ToolsController &tools() const { return *m_tools; }

    // Host
    MsgAnswer MessageBox(const QString &title, const QString &text, MsgIcon icon,
                         MsgButtons buttons) override;
    void Beep() override;
    QString AskSaveFileName() override;
    int FirstVisibleTaskRow() override;
    int CurrentColumn() override;
    int CurrentRow() override;
    void SelectCell(int column, int row) override;
    void SetEditing(bool on) override;
    void ShowDatePicker(int column, int row) override;
    void HideDatePicker() override;
    void SetPickerDate(TDateTime date) override;
    void SetCaption(const QString &text) override;
    void RepaintTaskGrid() override;
    void RepaintChart() override;
    void ShowGanttScale(int scale) override;
    void ShowCriticalPathOn(bool on) override;
    void HideHiddenColumns() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void createToolBar();
    /// First showing: centres the window on the screen, puts the keyboard in the first
    /// cell, then, queued, opens the command-line file or writes the file association.
    void onFirstShow();

    Project m_project;
    bool m_shown = false;

    TaskGrid *m_taskGrid = nullptr;
    GanttChart *m_ganttChart = nullptr;
    QMenu *m_popupMenu = nullptr;

    CommandActions *m_commands = nullptr;
    DocumentController *m_documents = nullptr;
    ExchangeController *m_exchange = nullptr;
    TaskController *m_tasks = nullptr;
    ViewController *m_view = nullptr;
    OutputController *m_output = nullptr;
    ToolsController *m_tools = nullptr;
    HelpController *m_help = nullptr;
    GridEditingController *m_gridEditing = nullptr;
    ChartInteractionController *m_chartInteraction = nullptr;
    HistoryController *m_history = nullptr;
    RecoveryController *m_recovery = nullptr;
    RecentFilesMenu *m_recentFiles = nullptr;
};

} // namespace morvaine
