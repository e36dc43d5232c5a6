#include "main_window.h"

#include "edit/command_guard.h"
#include "dialogs/about_box.h"
#include "dialogs/settings_dialog.h"
#include "edit/cell_editing.h"
#include "edit/date_picker.h"
#include "edit/task_structure.h"
#include "file_association.h"
#include "gantt_chart.h"
#include "widgets/help_links.h"
#include "widgets/icons.h"
#include "widgets/message_box.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "schedule/critical_path.h"
#include "task_grid.h"
#include "widgets/window_position.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace morvaine {

namespace {

const QStringList &projectFileFilters()
{
    static const QStringList filters = {QStringLiteral("Morvaine Files (*.mrv)"),
                                        QStringLiteral("All Files (*)")};
    return filters;
}

QFont boldFont()
{
    QFont font;
    font.setBold(true);
    return font;
}

const QDate &epoch()
{
    static const QDate day(1899, 12, 30);
    return day;
}

} // namespace

TForm1::TForm1(const QStringList &parameters, QWidget *parent)
    : QMainWindow(parent), m_parameters(parameters)
{
    InitResources();
    setObjectName(QStringLiteral("TForm1"));
    setWindowIcon(SvgIcon(QStringLiteral(":/icons/morvaine.svg")));
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    createActions();
    createMenus();
    createToolBar();

    m_stringGrid1 = new TaskGrid(m_project);
    m_stringGrid1->setHost(this);
    m_drawGrid1 = new GanttChart(m_project);
    m_splitter1 = new QSplitter(Qt::Horizontal);
    m_splitter1->setObjectName(QStringLiteral("Splitter1"));
    m_splitter1->addWidget(m_stringGrid1);
    m_splitter1->addWidget(m_drawGrid1);
    m_splitter1->setChildrenCollapsible(false);
    m_splitter1->setStretchFactor(1, 1);
    m_splitter1->setSizes({529, 954 - 529});
    setCentralWidget(m_splitter1);

    // The in-grid date picker lives on the task grid, hidden until a date cell
    // is selected.
    m_dateTimePicker1 = new QDateEdit(m_stringGrid1->viewport());
    m_dateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    m_dateTimePicker1->setCalendarPopup(true);
    m_dateTimePicker1->setDisplayFormat(ShortDateFormat());
    m_dateTimePicker1->hide();
    m_dateTimePicker1->installEventFilter(this);
    m_stringGrid1->installEventFilter(this);
    if (auto *line = m_dateTimePicker1->findChild<QLineEdit *>())
        line->installEventFilter(this);
    // The calendar's window showing and hiding is the drop-down and the close-up.
    m_pickerCalendar = m_dateTimePicker1->calendarWidget()->window();
    m_pickerCalendar->installEventFilter(this);
    connect(m_dateTimePicker1, &QDateEdit::dateChanged, this,
            [this](QDate date) { DateTimePicker1Change(date); });

    connect(m_stringGrid1, &TaskGrid::selectCellRequested, this, [this](int column, int row) {
        if (!StringGrid1SelectCell(column, row))
            m_stringGrid1->refuseSelection();
    });
    connect(m_stringGrid1, &TaskGrid::editTextChanged, this,
            [this](int column, int row, const QString &text) {
                StringGrid1SetEditText(column, row, text);
            });
    connect(m_stringGrid1, &TaskGrid::enterPressed, this,
            [this] { StringGrid1KeyPress(Qt::Key_Return); });
    connect(m_stringGrid1, &TaskGrid::mouseDown, this,
            [this](Qt::MouseButton button, int column, int row) {
                StringGrid1MouseDown(button, column, row);
            });
    connect(m_stringGrid1, &TaskGrid::contextMenuWanted, this,
            [this](const QPoint &at) { m_popupMenu1->popup(at); });
    connect(m_stringGrid1, &TaskGrid::cellsMoved, this, [this] { placeDatePicker(); });
    connect(m_stringGrid1, &TaskGrid::topRowChanged, this, [this] { StringGrid1TopLeftChanged(); });
    connect(m_drawGrid1, &GanttChart::topRowChanged, this, [this] { DrawGrid1TopLeftChanged(); });
    connect(m_popupMenu1, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });

    // Client area 954 x 627 below the menu bar, at the design position.
    resize(954, 627 + menuBar()->sizeHint().height());
    move(100, 100);

    InitNewProject(m_project, *this);

    // The dialogs the window opens.
    m_formSettings = new TFormSettings(m_project, *this, this);
    m_formAbout = new TFormAbout(this);
}

TForm1::~TForm1()
{
    // The grids and dialogs use the project, a member that is gone before the base
    // class deletes its children: they go first, and tell this window nothing more.
    m_stringGrid1->disconnect(this);
    m_dateTimePicker1->disconnect(this);
    m_pickerCalendar->removeEventFilter(this);
    m_pickerCalendar = nullptr;
    delete m_formAbout;
    delete m_formSettings;
    delete takeCentralWidget();
}

QAction *TForm1::action(const QString &name) const
{
    return m_actions.value(name);
}

QAction *TForm1::addAction(const char *name, const QString &text, const char *icon,
                           const QString &toolTip, const QKeySequence &shortcut)
{
    auto *item = new QAction(text, this);
    item->setObjectName(QLatin1String(name));
    if (icon)
        item->setIcon(SvgIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    item->setToolTip(toolTip.isEmpty() ? text : toolTip);
    if (!shortcut.isEmpty())
        item->setShortcut(shortcut);
    m_actions.insert(QLatin1String(name), item);
    return item;
}

void TForm1::connectCommand(QAction *item, void (TForm1::*handler)())
{
    connect(item, &QAction::triggered, this,
            [this, handler] { runCommand([this, handler] { (this->*handler)(); }); });
}

void TForm1::runCommand(const std::function<void()> &command)
{
    RunCommand(*this, command);
}

void TForm1::createActions()
{
    connectCommand(addAction("New1", QStringLiteral("New..."), "new", QStringLiteral("New"),
                             QKeySequence(Qt::CTRL | Qt::Key_N)),
                   &TForm1::New1Click);
    connectCommand(addAction("Load1", QStringLiteral("Open..."), "open", QStringLiteral("Open"),
                             QKeySequence(Qt::CTRL | Qt::Key_O)),
                   &TForm1::Load1Click);
    connectCommand(addAction("Save1", QStringLiteral("Save..."), "save", QStringLiteral("Save"),
                             QKeySequence(Qt::CTRL | Qt::Key_S)),
                   &TForm1::Save1Click);
    connectCommand(
        addAction("SaveAs1", QStringLiteral("Save As..."), "save_as", QStringLiteral("Save As")),
        &TForm1::SaveAs1Click);
    addAction("Export1", QStringLiteral("Export"), "export");
    addAction("Printsetup1", QStringLiteral("Print Setup..."));
    addAction("Preview1", QStringLiteral("Print Preview"), "preview", QStringLiteral("Preview"));
    addAction("Print1", QStringLiteral("Print..."), "print", QStringLiteral("Print"),
              QKeySequence(Qt::CTRL | Qt::Key_P));
    connectCommand(addAction("Exit1", QStringLiteral("Exit")), &TForm1::Exit1Click);

    addAction("GanttZoomIn1", QStringLiteral("Gantt Zoom In"), "zoom_in");
    addAction("GanttZoomOut1", QStringLiteral("Gantt Zoom Out"), "zoom_out");

    // The Task menu, the popup menu and the tool buttons share four commands.
    connectCommand(addAction("InsertNewTask1", QStringLiteral("Insert New Task"), "insert_task",
                             QString(), QKeySequence(Qt::CTRL | Qt::Key_Insert)),
                   &TForm1::InsertNewTask1Click);
    connectCommand(addAction("DeleteTask1", QStringLiteral("Delete Task"), "delete_task", QString(),
                             QKeySequence(Qt::CTRL | Qt::Key_Delete)),
                   &TForm1::DeleteTask1Click);
    connectCommand(
        addAction("Outdent1", QStringLiteral("Outdent"), "outdent", QStringLiteral("Outdent")),
        &TForm1::Outdent1Click);
    connectCommand(
        addAction("Indent1", QStringLiteral("Indent"), "indent", QStringLiteral("Indent")),
        &TForm1::Indent1Click);
    connectCommand(addAction("InsertRow1", QStringLiteral("Insert New Task"), "insert_task"),
                   &TForm1::InsertNewTask1Click);
    connectCommand(addAction("DeleteRow1", QStringLiteral("Delete Task"), "delete_task"),
                   &TForm1::DeleteTask1Click);
    connectCommand(addAction("Outdent2", QStringLiteral("Outdent"), "outdent"),
                   &TForm1::Outdent1Click);
    connectCommand(addAction("Indent2", QStringLiteral("Indent"), "indent"), &TForm1::Indent1Click);

    addAction("Resource1", QStringLiteral("Resource..."), "resource", QStringLiteral("Resource"),
              QKeySequence(Qt::CTRL | Qt::Key_R));
    QAction *criticalPath = addAction("CriticalPath1", QStringLiteral(" Critical Path"),
                                      "critical_path_off", QStringLiteral("Critical Path On/Off"));
    criticalPath->setCheckable(true);
    connectCommand(criticalPath, &TForm1::CriticalPath1Click);
    connectCommand(addAction("Settings1", QStringLiteral("Settings..."), "settings",
                             QStringLiteral("Settings")),
                   &TForm1::Settings1Click);
    addAction("TotalReport1", QStringLiteral("Total Report"), "reports", QStringLiteral("Reports"));

    connectCommand(addAction("MorvaineHelp1", QStringLiteral("Help (pdf)"), nullptr, QString(),
                             QKeySequence(Qt::Key_F1)),
                   &TForm1::MorvaineHelp1Click);
    connectCommand(addAction("MorvaineHomePage1", QStringLiteral("Morvaine Home Page")),
                   &TForm1::MorvaineHomePage1Click);
    connectCommand(addAction("SendFeedback1", QStringLiteral("Send Feedback")),
                   &TForm1::SendFeedback1Click);
    connectCommand(addAction("Support1", QStringLiteral("Support")), &TForm1::Support1Click);
    connectCommand(addAction("AboutMorvaine1", QStringLiteral("About Morvaine")),
                   &TForm1::AboutMorvaine1Click);

    // Exactly one scale button is down.
    m_scaleGroup = new QActionGroup(this);
    m_scaleGroup->setExclusive(true);
    static const char *const scaleNames[] = {"Scale1", "Scale2", "Scale3"};
    for (int scale = 1; scale <= 3; ++scale) {
        // The scale buttons carry a picture only, no caption and no tool tip.
        QAction *item = addAction(scaleNames[scale - 1], QString(), scaleNames[scale - 1]);
        item->setToolTip(QString());
        item->setCheckable(true);
        m_scaleGroup->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, scale] { runCommand([this, scale] { ScaleClick(scale); }); });
    }
    action(QStringLiteral("Scale1"))->setChecked(true);

    // Export, printing, zoom, resources and the report are not built yet: their items
    // stay in place but greyed, so that no click silently does nothing.
    for (const char *name : {"Export1", "Printsetup1", "Preview1", "Print1", "GanttZoomIn1",
                             "GanttZoomOut1", "Resource1", "TotalReport1"})
        action(QLatin1String(name))->setEnabled(false);
}

void TForm1::createMenus()
{
    auto add = [this](QMenu *menu, const char *name) {
        QAction *item = action(QLatin1String(name));
        menu->addAction(item);
        return item;
    };
    auto makeDefault = [](QMenu *menu, QAction *item) {
        menu->setDefaultAction(item);
        item->setFont(boldFont());
    };

    // The menu titles carry Alt+letter mnemonics (shown underlined), so every
    // command is in reach of the keyboard.
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    add(file, "New1");
    makeDefault(file, add(file, "Load1"));
    file->addSeparator();
    add(file, "Save1");
    add(file, "SaveAs1");
    file->addSeparator();
    add(file, "Export1");
    file->addSeparator();
    add(file, "Printsetup1");
    add(file, "Preview1");
    add(file, "Print1");
    file->addSeparator();
    add(file, "Exit1");

    bar->addMenu(QStringLiteral("&Edit"));

    QMenu *view = bar->addMenu(QStringLiteral("&View"));
    add(view, "GanttZoomIn1");
    add(view, "GanttZoomOut1");

    QMenu *task = bar->addMenu(QStringLiteral("&Task"));
    makeDefault(task, add(task, "InsertNewTask1"));
    add(task, "DeleteTask1");
    task->addSeparator();
    add(task, "Outdent1");
    add(task, "Indent1");

    QMenu *tools = bar->addMenu(QStringLiteral("T&ools"));
    makeDefault(tools, add(tools, "Resource1"));
    add(tools, "CriticalPath1");
    tools->addSeparator();
    add(tools, "Settings1");

    QMenu *report = bar->addMenu(QStringLiteral("&Report"));
    makeDefault(report, add(report, "TotalReport1"));

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    add(help, "MorvaineHelp1");
    help->addSeparator();
    add(help, "MorvaineHomePage1");
    add(help, "SendFeedback1");
    add(help, "Support1");
    help->addSeparator();
    makeDefault(help, add(help, "AboutMorvaine1"));

    m_popupMenu1 = new QMenu(this);
    m_popupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    add(m_popupMenu1, "InsertRow1");
    add(m_popupMenu1, "DeleteRow1");
    m_popupMenu1->addSeparator();
    add(m_popupMenu1, "Outdent2");
    add(m_popupMenu1, "Indent2");
}

void TForm1::createToolBar()
{
    m_toolBar1 = new QToolBar(QStringLiteral("ToolBar1"), this);
    m_toolBar1->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar1->setMovable(false);
    m_toolBar1->setFloatable(false);
    m_toolBar1->setIconSize(QSize(24, 24));
    m_toolBar1->setFixedHeight(43);
    m_toolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, m_toolBar1);

    auto button = [this](const char *actionName, const char *buttonName) {
        QAction *item = action(QLatin1String(actionName));
        m_toolBar1->addAction(item);
        QWidget *widget = m_toolBar1->widgetForAction(item);
        widget->setObjectName(QLatin1String(buttonName));
        widget->setFixedSize(36, 36);
        if (auto *toolButton = qobject_cast<QToolButton *>(widget))
            toolButton->setAutoRaise(true);
    };
    button("New1", "ButtonNew");
    button("Load1", "ButtonLoad");
    button("Save1", "ButtonSave");
    button("SaveAs1", "ButtonSaveAs");
    m_toolBar1->addSeparator();
    button("Preview1", "ButtonPreview");
    button("Print1", "ButtonPrint");
    m_toolBar1->addSeparator();
    button("Outdent1", "ButtonLevelUp");
    button("Indent1", "ButtonLevelDown");
    m_toolBar1->addSeparator();
    button("Resource1", "ButtonResource");
    button("Settings1", "ButtonSettings");
    button("TotalReport1", "ButtonReports");
    button("CriticalPath1", "ButtonCriticalPath");
    m_toolBar1->addSeparator();

    // The scale buttons keep to the right edge of the bar.
    auto *spacer = new QWidget(m_toolBar1);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar1->addWidget(spacer);
    button("Scale1", "Scale1");
    button("Scale2", "Scale2");
    button("Scale3", "Scale3");
}

// ---- Host ----

MsgAnswer TForm1::MessageBox(const QString &title, const QString &text, MsgIcon icon,
                             MsgButtons buttons)
{
    return ShowMessageBox(title, text, icon, buttons);
}

void TForm1::Beep()
{
    QApplication::beep();
}

void TForm1::SetCaption(const QString &text)
{
    setWindowTitle(text);
}

QString TForm1::AskSaveFileName()
{
    QFileDialog dialog(this, QStringLiteral("Save As"));
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(projectFileFilters());
    dialog.setDefaultSuffix(QStringLiteral("mrv"));
    // The file is replaced without asking, as saving promises.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString TForm1::AskOpenFileName()
{
    QFileDialog dialog(this, QStringLiteral("Open"));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(projectFileFilters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

int TForm1::FirstVisibleTaskRow()
{
    return m_stringGrid1->topRow();
}

int TForm1::CurrentColumn()
{
    return m_stringGrid1->currentColumn();
}

int TForm1::CurrentRow()
{
    return m_stringGrid1->currentRow();
}

void TForm1::SelectCell(int column, int row)
{
    m_stringGrid1->selectCell(column, row);
}

void TForm1::SetEditing(bool on)
{
    m_stringGrid1->setEditing(on);
}

void TForm1::ShowDatePicker(int column, int row)
{
    const bool focus = gridHasFocus();
    m_pickerColumn = column;
    m_pickerRow = row;
    placeDatePicker();
    m_dateTimePicker1->raise();
    // Only while the user works in the grid: the picker never takes the keyboard
    // from a dialog or another part of the window.
    if (focus && m_dateTimePicker1->isVisible())
        m_dateTimePicker1->setFocus();
}

void TForm1::HideDatePicker()
{
    m_pickerColumn = m_pickerRow = -1;
    placeDatePicker();
}

void TForm1::placeDatePicker()
{
    const QRect rect =
        m_pickerColumn < 0 ? QRect() : m_stringGrid1->cellRect(m_pickerColumn, m_pickerRow);
    // Scrolled out of sight, the picker hides until its cell comes back.
    const bool visible = rect.isValid() && m_stringGrid1->viewport()->rect().intersects(rect);
    if (visible) {
        m_dateTimePicker1->setGeometry(rect);
        m_dateTimePicker1->show();
        return;
    }
    // The keyboard stays in the grid rather than moving on to the next widget.
    if (m_dateTimePicker1->isAncestorOf(QApplication::focusWidget()) ||
        m_dateTimePicker1->hasFocus())
        m_stringGrid1->setFocus();
    m_dateTimePicker1->hide();
}

bool TForm1::gridHasFocus() const
{
    const QWidget *focus = focusWidget();
    return focus && (focus == m_stringGrid1 || m_stringGrid1->isAncestorOf(focus));
}

void TForm1::SetPickerDate(TDateTime date)
{
    // A date set by the program is not a change made by the user.
    const QSignalBlocker blocker(m_dateTimePicker1);
    m_dateTimePicker1->setDisplayFormat(ShortDateFormat());
    m_dateTimePicker1->setDate(epoch().addDays(static_cast<qint64>(date)));
}

void TForm1::RepaintTaskGrid()
{
    m_stringGrid1->viewport()->update();
    m_stringGrid1->horizontalHeader()->viewport()->update();
    m_stringGrid1->verticalHeader()->viewport()->update();
}

void TForm1::RepaintChart()
{
    m_drawGrid1->viewport()->update();
}

void TForm1::ShowGanttScale(int scale)
{
    if (QAction *item = action(QStringLiteral("Scale%1").arg(scale)))
        item->setChecked(true);
}

void TForm1::ShowCriticalPathOn(bool on)
{
    QAction *item = action(QStringLiteral("CriticalPath1"));
    item->setChecked(on);
    item->setIcon(SvgIcon(on ? QStringLiteral(":/icons/critical_path_on.svg")
                             : QStringLiteral(":/icons/critical_path_off.svg")));
}

void TForm1::HideHiddenColumns()
{
    for (int column = ColLevel; column <= ColSettings; ++column)
        m_stringGrid1->setColumnHidden(column, true);
}

// ---- Start-up and shut-down ----

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TForm1::FormShow()
{
    if (QScreen *display = screen()) {
        QSize outer = frameGeometry().size();
        if (outer.isEmpty())
            outer = size();
        if (const auto place = CentredOnScreen(display->geometry(), outer))
            move(*place);
    }
    startTypingAtFirstCell();
    // Opening a file may show message boxes: they come once the window is up.
    QTimer::singleShot(0, this, [this] { OpenStartFile(); });
}

void TForm1::OpenStartFile()
{
    if (!m_parameters.isEmpty()) {
        const QString path = QFileInfo(m_parameters.constFirst()).absoluteFilePath();
        runCommand([this, path] { LoadProject(m_project, *this, path); });
        startTypingAtFirstCell();
        return;
    }
    runCommand([] { RegisterFileType(QCoreApplication::applicationFilePath(), UserDataHome()); });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    runCommand([this, &canClose] { canClose = FormCloseQuery(); });
    if (canClose)
        event->accept();
    else
        event->ignore();
}

bool TForm1::FormCloseQuery()
{
    m_stringGrid1->finishEditing();
    return AskToSaveChanges();
}

bool TForm1::AskToSaveChanges()
{
    if (!m_project.settings().isModified())
        return true;
    switch (MessageBox(QStringLiteral("Confirm"),
                       QStringLiteral("Save changes in the project before closing the program?"),
                       MsgIcon::Warning, MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes:
        // The command goes on whatever became of the save.
        runCommand([this] { Save1Click(); });
        return true;
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

// ---- Document commands ----

void TForm1::New1Click()
{
    m_stringGrid1->finishEditing();
    if (!AskToSaveChanges())
        return;
    // A cell typed into but not yet left has not raised LastTaskRow; it belongs to
    // the old project as well.
    m_project.LastTaskRow = qMax(m_project.LastTaskRow, CurrentRow());
    ClearProject(m_project, false);
    InitNewProject(m_project, *this);
    startTypingAtFirstCell();
    RepaintChart();
}

void TForm1::Load1Click()
{
    m_stringGrid1->finishEditing();
    if (!AskToSaveChanges())
        return;
    // The current project is closed before the file dialog shows.
    ClearProject(m_project, true);
    InitNewProject(m_project, *this);
    SelectCell(ColTask, 1);
    const QString path = AskOpenFileName();
    if (!path.isEmpty())
        LoadProject(m_project, *this, path);
    startTypingAtFirstCell();
}

void TForm1::Save1Click()
{
    SaveProject(m_project, *this,
                m_project.settings().hasFileName() ? QStringLiteral("Save")
                                                   : QStringLiteral("SaveAs"));
}

void TForm1::SaveAs1Click()
{
    SaveProject(m_project, *this, QStringLiteral("SaveAs"));
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::Settings1Click()
{
    m_formSettings->Execute();
}

void TForm1::CriticalPath1Click()
{
    ToggleCriticalPath(m_project, *this);
    // The action checks itself when triggered; the project decides.
    ShowCriticalPathOn(m_project.CriticalPathOn);
}

void TForm1::ScaleClick(int scale)
{
    m_project.GanttScale = scale;
    RepaintChart();
}

void TForm1::MorvaineHelp1Click()
{
    OpenManual();
}

void TForm1::MorvaineHomePage1Click()
{
    OpenWebAddress(QLatin1String(HomePageAddress));
}

void TForm1::SendFeedback1Click()
{
    OpenMailTo(QLatin1String(InfoMailAddress));
}

void TForm1::Support1Click()
{
    OpenMailTo(QLatin1String(SupportMailAddress));
}

void TForm1::AboutMorvaine1Click()
{
    m_formAbout->Execute();
}

void TForm1::startTypingAtFirstCell()
{
    SelectCell(ColTask, 1);
    // The cell may have been current already, its text now the opened file's.
    RetrackCell(m_project);
    m_stringGrid1->setFocus();
}

// ---- Task structure commands ----

void TForm1::InsertNewTask1Click()
{
    m_stringGrid1->finishEditing();
    InsertTask(m_project, *this);
}

void TForm1::DeleteTask1Click()
{
    m_stringGrid1->finishEditing();
    DeleteTask(m_project, *this);
}

void TForm1::Outdent1Click()
{
    m_stringGrid1->finishEditing();
    OutdentTask(m_project, *this);
}

void TForm1::Indent1Click()
{
    m_stringGrid1->finishEditing();
    IndentTask(m_project, *this);
}

void TForm1::PopupMenu1Popup()
{
    const PopupMenuItems items = morvaine::PopupMenu1Popup(m_project);
    action(QStringLiteral("InsertRow1"))->setEnabled(items.InsertRow1);
    action(QStringLiteral("DeleteRow1"))->setEnabled(items.DeleteRow1);
    action(QStringLiteral("Outdent2"))->setEnabled(items.Outdent2);
    action(QStringLiteral("Indent2"))->setEnabled(items.Indent2);
}

// ---- Task grid and date picker events ----

bool TForm1::StringGrid1SelectCell(int column, int row)
{
    // The rules see the editor's final text in the cell being left.
    m_stringGrid1->finishEditing();
    // After an error the selection moves all the same: the rules tracked the new cell.
    bool allowed = true;
    runCommand([&] { allowed = morvaine::StringGrid1SelectCell(m_project, *this, column, row); });
    return allowed;
}

QString TForm1::StringGrid1SetEditText(int column, int row, const QString &text)
{
    QString filtered = text;
    runCommand(
        [&] { filtered = morvaine::StringGrid1SetEditText(m_project, *this, column, row, text); });
    m_stringGrid1->showEditorText(column, row, filtered);
    return filtered;
}

void TForm1::StringGrid1KeyPress(int key)
{
    runCommand([&] {
        m_stringGrid1->finishEditing();
        morvaine::StringGrid1KeyPress(*this, key);
    });
}

void TForm1::StringGrid1MouseDown(Qt::MouseButton button, int column, int row)
{
    if (button != Qt::RightButton)
        return;
    runCommand([&] {
        m_stringGrid1->finishEditing();
        morvaine::StringGrid1MouseDown(m_project, *this, column, row);
    });
}

void TForm1::DateTimePicker1Change(const QDate &date)
{
    runCommand([&] {
        morvaine::DateTimePicker1Change(m_project, *this,
                                        static_cast<TDateTime>(epoch().daysTo(date)));
    });
}

void TForm1::DateTimePicker1DropDown()
{
    morvaine::DateTimePicker1DropDown(m_project);
}

void TForm1::DateTimePicker1CloseUp()
{
    runCommand([this] { morvaine::DateTimePicker1CloseUp(m_project, *this); });
}

bool TForm1::DateTimePicker1KeyPress(int key)
{
    bool used = false;
    runCommand([&] { used = morvaine::DateTimePicker1KeyPress(*this, key); });
    return used;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pickerCalendar) {
        if (event->type() == QEvent::Show)
            DateTimePicker1DropDown();
        else if (event->type() == QEvent::Hide)
            DateTimePicker1CloseUp();
        return false;
    }
    if (watched == m_stringGrid1 && event->type() == QEvent::KeyPress &&
        m_dateTimePicker1->isVisible()) {
        // The picker covers the current date cell: typing and F2 go to it, never to
        // an editor hidden under it.
        auto *key = static_cast<QKeyEvent *>(event);
        const bool typing = !key->text().isEmpty() && key->text().front().isPrint();
        if (typing || key->key() == Qt::Key_F2) {
            // A key the picker left unused comes back here: it ends here.
            if (m_stringGrid1->hasFocus()) {
                m_dateTimePicker1->setFocus();
                if (typing) {
                    QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
                    QCoreApplication::sendEvent(m_dateTimePicker1, &again);
                }
            }
            return true;
        }
    }
    const bool picker = watched == m_dateTimePicker1 || watched->parent() == m_dateTimePicker1;
    if (picker && event->type() == QEvent::ShortcutOverride &&
        TaskGrid::isTaskShortcut(static_cast<QKeyEvent *>(event))) {
        // Not taken by the picker: the shortcut runs its command.
        event->ignore();
        return true;
    }
    if (picker && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return DateTimePicker1KeyPress(key->key());
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape: {
            // Back to the grid: Tab moves on to the next cell as it does there,
            // Escape only gives the grid the keyboard.
            m_stringGrid1->setFocus();
            if (key->key() != Qt::Key_Escape) {
                QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers());
                QCoreApplication::sendEvent(m_stringGrid1, &again);
            }
            return true;
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::StringGrid1TopLeftChanged()
{
    if (m_drawGrid1->topRow() != m_stringGrid1->topRow())
        m_drawGrid1->setTopRow(m_stringGrid1->topRow());
}

void TForm1::DrawGrid1TopLeftChanged()
{
    if (m_stringGrid1->topRow() != m_drawGrid1->topRow())
        m_stringGrid1->setTopRow(m_drawGrid1->topRow());
}

} // namespace morvaine
