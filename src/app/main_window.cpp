#include "main_window.h"

#include "chart_interaction_controller.h"
#include "command_actions.h"
#include "command_table.h"
#include "document_controller.h"
#include "edit/command_guard.h"
#include "exchange_controller.h"
#include "gantt_chart.h"
#include "grid_editing_controller.h"
#include "help_controller.h"
#include "history_controller.h"
#include "model/new_project.h"
#include "output_controller.h"
#include "recent_files_menu.h"
#include "recovery_controller.h"
#include "task_controller.h"
#include "task_grid.h"
#include "tools_controller.h"
#include "view_controller.h"
#include "widgets/icons.h"
#include "widgets/message_box.h"
#include "widgets/window_position.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>

namespace morvaine {

MainWindow::MainWindow(const QStringList &parameters, QWidget *parent) : QMainWindow(parent)
{
    InitResources();
    setObjectName(QStringLiteral("TForm1"));
    setWindowIcon(SvgIcon(QStringLiteral(":/icons/morvaine.svg")));
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    m_commands = new CommandActions(*this, this);
    createMenus();
    createToolBar();

    m_taskGrid = new TaskGrid(m_project);
    m_taskGrid->setHost(this);
    m_ganttChart = new GanttChart(m_project);
    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->addWidget(m_taskGrid);
    splitter->addWidget(m_ganttChart);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({529, 954 - 529});
    setCentralWidget(splitter);

    // Client area 954 x 627 below the menu bar, at 100, 100 until the window is shown.
    resize(954, 627 + menuBar()->sizeHint().height());
    move(100, 100);

    m_gridEditing = new GridEditingController(m_project, *this, m_taskGrid, m_ganttChart, this);
    m_chartInteraction = new ChartInteractionController(m_project, *this, m_ganttChart, this);
    m_documents =
        new DocumentController(m_project, *this, m_taskGrid, this, *m_commands, parameters);
    m_exchange =
        new ExchangeController(m_project, *this, m_taskGrid, *m_documents, this, *m_commands);
    m_tasks = new TaskController(m_project, *this, m_taskGrid, m_popupMenu, *m_commands, this);
    m_view = new ViewController(m_project, *this, m_ganttChart, *m_commands, this);

    m_history = new HistoryController(m_project, *this, m_taskGrid, *m_commands, this);
    m_recovery = new RecoveryController(m_project, *this, this);
    m_recentFiles = new RecentFilesMenu(*this, *m_documents, *m_commands, this);
    connect(m_documents, &DocumentController::documentReplaced, m_history,
            &HistoryController::documentReplaced);
    connect(m_documents, &DocumentController::documentSaved, m_history,
            &HistoryController::documentSaved);
    connect(m_documents, &DocumentController::documentReplaced, m_recovery,
            &RecoveryController::documentReplaced);
    connect(m_documents, &DocumentController::documentSaved, m_recovery,
            &RecoveryController::documentSaved);

    InitNewProject(m_project, *this);

    // The other windows in their order: the settings dialog, the resource dialog and the
    // report window, then the printer with the preview window.
    m_tools = new ToolsController(m_project, *this, m_taskGrid, this, *m_commands);
    m_output = new OutputController(m_project, *this, this, m_taskGrid, *m_commands);
    m_help = new HelpController(this, *m_commands);
}

MainWindow::~MainWindow()
{
    // The controllers, grids and dialogs use the project, a member that is gone before
    // the base class deletes its children: they go first, the controllers before the
    // widgets they listen to.
    delete m_recentFiles;
    delete m_recovery;
    delete m_history;
    delete m_help;
    delete m_tools;
    delete m_output;
    delete m_view;
    delete m_tasks;
    delete m_exchange;
    delete m_documents;
    delete m_chartInteraction;
    delete m_gridEditing;
    delete takeCentralWidget();
}

DateField *MainWindow::datePicker() const
{
    return m_gridEditing->datePicker();
}

QAction *MainWindow::action(const QString &id) const
{
    return m_commands->action(id);
}

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    for (const MenuLayout &layout : MainMenuLayout())
        m_commands->fillMenu(bar->addMenu(QCoreApplication::translate("Commands", layout.title)),
                             layout.items);

    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_commands->fillMenu(m_popupMenu, PopupMenuLayout());
}

void MainWindow::createToolBar()
{
    auto *toolBar = new QToolBar(QStringLiteral("ToolBar1"), this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(24, 24));
    toolBar->setFixedHeight(43);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, toolBar);
    m_commands->fillToolBar(toolBar, ToolBarLayout());
}

// ---- Host ----

MsgAnswer MainWindow::MessageBox(const QString &title, const QString &text, MsgIcon icon,
                                 MsgButtons buttons)
{
    // The windows repaint while the box is up: they hear of the cells changed so far.
    CellBatch::deliver();
    return ShowMessageBox(title, text, icon, buttons);
}

void MainWindow::Beep()
{
    QApplication::beep();
}

QString MainWindow::AskSaveFileName()
{
    return m_documents->askSaveFileName();
}

int MainWindow::FirstVisibleTaskRow()
{
    return m_taskGrid->topRow();
}

int MainWindow::CurrentColumn()
{
    return m_taskGrid->currentColumn();
}

int MainWindow::CurrentRow()
{
    return m_taskGrid->currentRow();
}

void MainWindow::SelectCell(int column, int row)
{
    m_taskGrid->selectCell(column, row);
}

void MainWindow::SetEditing(bool on)
{
    m_taskGrid->setEditing(on);
}

void MainWindow::ShowDatePicker(int column, int row)
{
    m_gridEditing->showDatePicker(column, row);
}

void MainWindow::HideDatePicker()
{
    m_gridEditing->hideDatePicker();
}

void MainWindow::SetPickerDate(TDateTime date)
{
    m_gridEditing->setPickerDate(date);
}

void MainWindow::SetCaption(const QString &text)
{
    setWindowTitle(text);
}

void MainWindow::RepaintTaskGrid()
{
    m_taskGrid->viewport()->update();
    m_taskGrid->horizontalHeader()->viewport()->update();
    m_taskGrid->verticalHeader()->viewport()->update();
}

void MainWindow::RepaintChart()
{
    m_ganttChart->projectChanged();
}

void MainWindow::ShowGanttScale(int scale)
{
    m_view->showGanttScale(scale);
}

void MainWindow::ShowCriticalPathOn(bool on)
{
    m_view->showCriticalPathOn(on);
}

void MainWindow::HideHiddenColumns()
{
    for (int column = ColLevel; column <= ColSettings; ++column)
        m_taskGrid->setColumnHidden(column, true);
}

// ---- Start-up and shut-down ----

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        onFirstShow();
    }
}

void MainWindow::onFirstShow()
{
    if (QScreen *display = screen()) {
        QSize outer = frameGeometry().size();
        if (outer.isEmpty())
            outer = size();
        if (const auto place = CentredOnScreen(display->geometry(), outer))
            move(*place);
    }
    m_documents->startTypingAtFirstCell();
    // Opening a file may show message boxes: they come once the window is up. Work
    // left unsaved by a killed program is offered first.
    QTimer::singleShot(0, this, [this] {
        bool recovered = false;
        RunCommand(*this,
                   [&] { recovered = m_recovery->offerRecovery(m_documents->startFilePath()); });
        m_documents->openStartFile(recovered);
    });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    RunCommand(*this, [this, &canClose] { canClose = m_documents->confirmClose(); });
    if (canClose) {
        m_recovery->closing();
        event->accept();
    } else
        event->ignore();
}

} // namespace morvaine
