#pragma once
// The main window TForm1: tool bar, menus, the task grid and the Gantt chart side by
// side, and the document commands. It owns the project and lends itself to the
// operations as their Host; its handlers only forward to them.

#include "model/host.h"
#include "model/project.h"

#include <QMainWindow>
#include <QStringList>


class QAction;
class QActionGroup;
class QDateEdit;
class QMenu;
class QSplitter;
class QToolBar;

namespace morvaine {

class GanttChart;
class TaskGrid;
class TFormAbout;
class TFormSettings;

class TForm1 : public QMainWindow, public Host {
    Q_OBJECT
public:
    /// parameters: the command-line parameters after the program name; the first,
    /// when present, is the project file opened when the window is first shown.
    explicit TForm1(const QStringList &parameters = {}, QWidget *parent = nullptr);
    ~TForm1() override;

    Project &project() { return m_project; }
    TaskGrid *taskGrid() const { return m_stringGrid1; }
    GanttChart *ganttChart() const { return m_drawGrid1; }
    QDateEdit *datePicker() const { return m_dateTimePicker1; }
    QMenu *popupMenu() const { return m_popupMenu1; }
    /// The action of a menu item or tool button, by component name ("New1", "Scale2").
    QAction *action(const QString &name) const;

    // Host
    MsgAnswer MessageBox(const QString &title, const QString &text, MsgIcon icon,
                         MsgButtons buttons) override;
    void Beep() override;
    void SetCaption(const QString &text) override;
    QString AskSaveFileName() override;
    int FirstVisibleTaskRow() override;
    int CurrentColumn() override;
    int CurrentRow() override;
    void SelectCell(int column, int row) override;
    void SetEditing(bool on) override;
    void ShowDatePicker(int column, int row) override;
    void HideDatePicker() override;
    void SetPickerDate(TDateTime date) override;
    void RepaintTaskGrid() override;
    void RepaintChart() override;
    void ShowGanttScale(int scale) override;
    void ShowCriticalPathOn(bool on) override;
    void HideHiddenColumns() override;

    /// Asks for a project file to open; empty when the user cancels.
    QString AskOpenFileName();

    /// First showing: centres the window on the screen; then, queued, opens the file
    /// named on the command line or writes the file association.
    void FormShow();
    /// Opens the command-line file, or registers the file type when there is none.
    void OpenStartFile();
    /// Asks about unsaved changes before the window closes; false keeps it open.
    bool FormCloseQuery();
    /// When the project has unsaved changes, asks whether to save them (Yes saves).
    /// Returns false when the user cancels.
    bool AskToSaveChanges();

    // Commands; each tool button shares the action of its menu item.
    void New1Click();
    void Load1Click();
    void Save1Click();
    void SaveAs1Click();
    void Exit1Click();
    void Settings1Click();
    void CriticalPath1Click();
    void ScaleClick(int scale);
    void MorvaineHelp1Click();
    void MorvaineHomePage1Click();
    void SendFeedback1Click();
    void Support1Click();
    void AboutMorvaine1Click();

    // Task structure commands of the Task menu, the popup menu and the tool buttons.
    void InsertNewTask1Click();
    void DeleteTask1Click();
    void Outdent1Click();
    void Indent1Click();
    /// Enables the popup menu's items before it opens.
    void PopupMenu1Popup();

    // Task grid and date picker events, forwarded to the editing rules.
    /// Before the selection moves; false keeps it where it is.
    bool StringGrid1SelectCell(int column, int row);
    /// The editor's text changed; returns the text the typing filter left.
    QString StringGrid1SetEditText(int column, int row, const QString &text);
    void StringGrid1KeyPress(int key);
    void StringGrid1MouseDown(Qt::MouseButton button, int column, int row);
    void StringGrid1TopLeftChanged();
    void DrawGrid1TopLeftChanged();
    void DateTimePicker1Change(const QDate &date);
    void DateTimePicker1DropDown();
    void DateTimePicker1CloseUp();
    /// A key typed in the picker; true when it was used.
    bool DateTimePicker1KeyPress(int key);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    QAction *addAction(const char *name, const QString &text, const char *icon = nullptr,
                       const QString &toolTip = QString(),
                       const QKeySequence &shortcut = QKeySequence());
    void connectCommand(QAction *action, void (TForm1::*handler)());
    void runCommand(const std::function<void()> &command);
    /// Selects row 1, column 1 and gives the grid the keyboard focus, so the user types
    /// at once; whatever a file put there counts as the cell's own text.
    void startTypingAtFirstCell();
    /// Keeps the picker over its cell while the grid scrolls or resizes.
    void placeDatePicker();
    /// Whether the keyboard is in the task grid, its editor or the picker.
    bool gridHasFocus() const;

    Project m_project;
    QStringList m_parameters;
    bool m_shown = false;

    QToolBar *m_toolBar1 = nullptr;
    QSplitter *m_splitter1 = nullptr;
    TaskGrid *m_stringGrid1 = nullptr;
    GanttChart *m_drawGrid1 = nullptr;
    QDateEdit *m_dateTimePicker1 = nullptr;
    QWidget *m_pickerCalendar = nullptr; // the picker's drop-down window
    // The cell the picker stands over; -1 while it is hidden.
    int m_pickerColumn = -1;
    int m_pickerRow = -1;
    QMenu *m_popupMenu1 = nullptr;
    QActionGroup *m_scaleGroup = nullptr;
    QHash<QString, QAction *> m_actions;

    TFormSettings *m_formSettings = nullptr;
    TFormAbout *m_formAbout = nullptr;
};

} // namespace morvaine
