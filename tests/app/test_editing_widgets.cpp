// Typing a plan into the real main window: keys and mouse clicks on the task grid, its
// editor and the popup menu reach the editing rules.
#include "test_classes.h"

#include "app/gantt_chart.h"
#include "app/main_window.h"
#include "app/task_grid.h"
#include "editing_fixture.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"
#include "widgets/date_field.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QToolBar>

using namespace morvaine;

namespace {

using Window = BeepCountingWindow;
EditingSession session;

} // namespace

void TestEditingWidgets::init()
{
    QVERIFY(session.start());
}

void TestEditingWidgets::cleanup()
{
    const QStringList unexpected = session.finish();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
}

void TestEditingWidgets::typedTaskGetsDatesAfterEnter()
{
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    // The window opens ready for typing into the first task cell.
    QCOMPARE(QApplication::focusWidget(), grid);
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(1, 1));

    type(QStringLiteral("Foundation"));
    QVERIFY(grid->cellEditor());
    press(Qt::Key_Tab);
    // Leaving the name made the row a one-day task.
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(2, 1));
    QVERIFY(!grid->cellEditor());
    QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("06.05.2024"));
    QCOMPARE(project.LastTaskRow, 1);

    type(QStringLiteral("5"));
    QCOMPARE(grid->cellEditor()->text(), QStringLiteral("5"));
    press(Qt::Key_Return);

    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(2, 2));
    QVERIFY(!grid->cellEditor());
    const TaskTable &table = project.taskTable;
    QCOMPARE(table.cell(ColTask, 1), QStringLiteral("Foundation"));
    QVERIFY(table.cell(ColDuration, 1).startsWith(QLatin1String("5")));
    QCOMPARE(table.cell(ColStart, 1), QStringLiteral("06.05.2024"));
    QCOMPARE(table.cell(ColEnd, 1), QStringLiteral("10.05.2024"));
    QCOMPARE(project.LastTaskRow, 1);
    QCOMPARE(project.settings().modify(), QStringLiteral("Yes"));

    // Enter without an editor moves on as well.
    press(Qt::Key_Return);
    QCOMPARE(grid->currentRow(), 3);
}

void TestEditingWidgets::filteredKeystrokes_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::newRow("letter in Duration") << int(ColDuration) << ""
                                        << "5x"
                                        << "5" << 0;
    QTest::newRow("typing over a Duration") << int(ColDuration) << "1 day"
                                            << "4x"
                                            << "4" << 0;
    QTest::newRow("comma in Forerunner") << int(ColForerunner) << ""
                                         << "2,3"
                                         << "23" << 1;
    QTest::newRow("Completion capped") << int(ColCompletion) << ""
                                       << "150"
                                       << "100" << 0;
    QTest::newRow("fourth Completion digit") << int(ColCompletion) << ""
                                             << "0994"
                                             << "099" << 0;
}

void TestEditingWidgets::filteredKeystrokes()
{
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(int, beeps);

    auto window = startWindow<Window>();
    TaskGrid *grid = window->taskGrid();
    putTasks(window->project(), {QStringLiteral("Dig"), QStringLiteral("Pour")});
    window->project().taskTable.setCell(column, 2, before);
    window->SelectCell(column, 2);
    type(keys);
    QLineEdit *editor = grid->cellEditor();
    QVERIFY(editor);
    QCOMPARE(editor->text(), shown);
    QCOMPARE(editor->cursorPosition(), int(shown.size()));
    QCOMPARE(window->project().taskTable.cell(column, 2), shown);
    QCOMPARE(window->beeps, beeps);
}

void TestEditingWidgets::escapeRestoresTheCell_data()
{
    QTest::addColumn<int>("opening");
    QTest::addColumn<QString>("typed");
    QTest::newRow("typing over") << int(Qt::Key_X) << "x";
    QTest::newRow("F2 in place") << int(Qt::Key_F2) << "Walls";
}

void TestEditingWidgets::escapeRestoresTheCell()
{
    QFETCH(int, opening);
    QFETCH(QString, typed);

    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    project.taskTable.setCell(ColTask, 2, QStringLiteral("Walls"));
    project.LastTaskRow = 2;
    window->SelectCell(ColTask, 2);

    press(opening);
    QVERIFY(grid->cellEditor());
    QCOMPARE(grid->cellEditor()->text(), typed);
    // F2 leaves the cursor at the end: typing appends.
    type(QStringLiteral("s"));
    QCOMPARE(project.taskTable.cell(ColTask, 2), typed + QLatin1Char('s'));

    press(Qt::Key_Escape);
    QVERIFY(!grid->cellEditor());
    QCOMPARE(project.taskTable.cell(ColTask, 2), QStringLiteral("Walls"));
    // Nothing was committed: leaving the cell gives the row no default Duration.
    press(Qt::Key_Down);
    QCOMPARE(grid->currentRow(), 3);
    QVERIFY(project.taskTable.cell(ColDuration, 2).isEmpty());
}

void TestEditingWidgets::selectionRefusedOrMovedAfterError()
{
    ModalScript &script = *session.dialogs;
    script.answer(QMessageBox::Ok);
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();

    // Fixed and hidden cells cannot be selected.
    window->SelectCell(ColLevel, 3);
    window->SelectCell(ColNumber, 3);
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(1, 1));

    // An unreadable date is reported, and the selection moves all the same.
    project.taskTable.setCell(ColStart, 2, QStringLiteral("garbage"));
    window->SelectCell(ColStart, 2);
    QTRY_VERIFY(script.done());
    QCOMPARE(script.boxes, QStringList{QStringLiteral("Error|'garbage' is not a valid date")});
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(3, 2));
    QVERIFY(!window->datePicker()->isVisible());
    QVERIFY(script.unexpected.isEmpty());
}

void TestEditingWidgets::deleteClearsTheCell_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("cleared");
    // Row 1 is a group over row 2.
    QTest::newRow("Delete on a name") << int(Qt::Key_Delete) << int(ColTask) << 2 << true;
    QTest::newRow("Backspace on a duration")
        << int(Qt::Key_Backspace) << int(ColDuration) << 2 << true;
    QTest::newRow("Delete on a resource") << int(Qt::Key_Delete) << int(ColResource) << 2 << true;
    QTest::newRow("Backspace on a completion")
        << int(Qt::Key_Backspace) << int(ColCompletion) << 2 << true;
    QTest::newRow("Delete on a group's name") << int(Qt::Key_Delete) << int(ColTask) << 1 << true;
    QTest::newRow("Delete on a group's duration")
        << int(Qt::Key_Delete) << int(ColDuration) << 1 << false;
    QTest::newRow("Backspace on a group's completion")
        << int(Qt::Key_Backspace) << int(ColCompletion) << 1 << false;
}

void TestEditingWidgets::deleteClearsTheCell()
{
    QFETCH(int, key);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(bool, cleared);
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    putTasks(project, {QStringLiteral("Phase"), QStringLiteral("Dig")});
    TaskTable &table = project.taskTable;
    table.setCell(ColVeha, 1, QStringLiteral("v"));
    table.setCell(ColLevel, 2, QStringLiteral("2"));
    table.setCell(ColResource, 2, QStringLiteral(" Anna;"));
    for (const int r : {1, 2})
        table.setCell(ColCompletion, r, QStringLiteral("50"));
    window->SelectCell(column, row);
    project.settings().setValue(SettingsBlock::Modify, QStringLiteral("No"));
    const QString before = table.cell(column, row);

    QTest::keyClick(grid, Qt::Key(key));
    QVERIFY(!grid->cellEditor());
    QCOMPARE(table.cell(column, row), cleared ? QString() : before);
    QCOMPARE(project.settings().modify(), cleared ? QStringLiteral("Yes") : QStringLiteral("No"));
    // Committed at once: leaving the cell later has nothing more to commit.
    QCOMPARE(project.Edit.TrackedText, table.cell(column, row));
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(column, row));
}

void TestEditingWidgets::rightClickGreysPopupItems_data()
{
    QTest::addColumn<bool>("onHeader");
    QTest::newRow("header row") << true;
    QTest::newRow("task cell") << false;
}

void TestEditingWidgets::rightClickGreysPopupItems()
{
    QFETCH(bool, onHeader);

    auto window = startWindow<Window>();
    TaskGrid *grid = window->taskGrid();
    QMenu *popup = window->popupMenu();
    if (onHeader) {
        QHeaderView *header = grid->horizontalHeader();
        const int x = header->sectionViewportPosition(ColDuration) + 5;
        QTest::mouseClick(header->viewport(), Qt::RightButton, {}, QPoint(x, 5));
    } else {
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {},
                          grid->cellRect(ColForerunner, 4).center());
    }
    // The selection stays for the header and follows a click on a cell.
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()),
             onHeader ? QPoint(1, 1) : QPoint(5, 4));
    QCOMPARE(window->project().Edit.HeaderRightClick, onHeader);

    if (!popup->isVisible())
        popup->popup(QCursor::pos());
    QTRY_VERIFY(popup->isVisible());
    auto enabled = [&](const char *name) {
        return window->action(QLatin1String(name))->isEnabled();
    };
    QCOMPARE(enabled("InsertRow1"), !onHeader);
    QCOMPARE(enabled("DeleteRow1"), !onHeader);
    QVERIFY(enabled("Outdent2"));
    QVERIFY(enabled("Indent2"));
    popup->close();
}

void TestEditingWidgets::rightClickOnRowNumberSelectsTaskCell()
{
    auto window = startWindow<Window>();
    TaskGrid *grid = window->taskGrid();
    QHeaderView *numbers = grid->verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::RightButton, {},
                      QPoint(5, numbers->sectionViewportPosition(6) + 5));
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(1, 6));
    QVERIFY(!window->project().Edit.HeaderRightClick);
    window->popupMenu()->close();
}

void TestEditingWidgets::shortcutsRenumberLinks_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("linkRow");
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("lastTaskRow");
    // With the editor open, its text is committed before the rows move.
    QTest::newRow("Ctrl+Ins while typing")
        << int(Qt::Key_Insert) << int(ColTask) << 2 << "Pipes" << 4 << " 1; 3;" << 4;
    QTest::newRow("Ctrl+Del") << int(Qt::Key_Delete) << int(ColTask) << 1 << "" << 2 << " 1;" << 2;
    QTest::newRow("Ctrl+Del in the picker")
        << int(Qt::Key_Delete) << int(ColStart) << 2 << "" << 2 << " 1;" << 2;
}

void TestEditingWidgets::shortcutsRenumberLinks()
{
    QFETCH(int, key);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(int, linkRow);
    QFETCH(QString, link);
    QFETCH(int, lastTaskRow);

    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    putTasks(project, {QStringLiteral("Dig"), QStringLiteral("Pour"), QStringLiteral("Walls")});
    project.taskTable.setCell(ColForerunner, 3, QStringLiteral(" 1; 2;"));
    window->SelectCell(column, row);
    if (!typed.isEmpty()) {
        type(typed);
        QVERIFY(grid->cellEditor());
    }

    press(key, Qt::ControlModifier);
    QVERIFY(!grid->cellEditor());
    QCOMPARE(project.taskTable.cell(ColForerunner, linkRow), link);
    QCOMPARE(project.LastTaskRow, lastTaskRow);
    if (!typed.isEmpty()) {
        QVERIFY(project.taskTable.cell(ColTask, row).isEmpty());
        QCOMPARE(project.taskTable.cell(ColTask, row + 1), typed);
    }
}

void TestEditingWidgets::toolButtonsIndentAndOutdent()
{
    auto window = startWindow<Window>();
    Project &project = window->project();
    putTasks(project, {QStringLiteral("Phase"), QStringLiteral("Dig")});
    auto *bar = window->findChild<QToolBar *>(QStringLiteral("ToolBar1"));
    QWidget *indent = bar->widgetForAction(window->action(QStringLiteral("Indent1")));
    QWidget *outdent = bar->widgetForAction(window->action(QStringLiteral("Outdent1")));
    window->SelectCell(ColTask, 2);

    QTest::mouseClick(indent, Qt::LeftButton);
    QCOMPARE(project.taskTable.cell(ColLevel, 2), QStringLiteral("2"));
    QCOMPARE(project.taskTable.cell(ColVeha, 1), QStringLiteral("v"));
    QCOMPARE(window->beeps, 0);
    // One level below the task above is as deep as it goes.
    QTest::mouseClick(indent, Qt::LeftButton);
    QCOMPARE(project.taskTable.cell(ColLevel, 2), QStringLiteral("2"));
    QCOMPARE(window->beeps, 1);

    QTest::mouseClick(outdent, Qt::LeftButton);
    QCOMPARE(project.taskTable.cell(ColLevel, 2), QStringLiteral("1"));
    QVERIFY(project.taskTable.cell(ColVeha, 1).isEmpty());
}

void TestEditingWidgets::openedFileStartsAtFirstCell()
{
    // A file whose first task, still without a Duration, sits in the cell the user
    // starts in.
    const QString path = session.tempDir->filePath(QStringLiteral("plan.mrv"));
    {
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        putTasks(project, {QStringLiteral("Dig"), QStringLiteral("Pour")});
        for (int column : {ColDuration, ColStart, ColEnd})
            project.taskTable.setCell(column, 1, QString());
        host.saveFileName = path;
        SaveProject(project, host, QStringLiteral("SaveAs"));
        QVERIFY(host.messages.isEmpty());
    }

    ModalScript &script = *session.dialogs;
    script.chooseFile(path);
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    window->SelectCell(ColResource, 5);
    window->action(QStringLiteral("Load1"))->trigger();
    QVERIFY(script.done());
    QCOMPARE(project.taskTable.cell(ColTask, 1), QStringLiteral("Dig"));
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(1, 1));
    QCOMPARE(window->focusWidget(), grid);
    // The offscreen platform does not give the window back after the file dialog.
    QApplication::setActiveWindow(window.get());

    // The loaded text is the cell's own: moving on commits nothing (a commit would
    // give the task its default Duration).
    press(Qt::Key_Down);
    QCOMPARE(grid->currentRow(), 2);
    QVERIFY(project.taskTable.cell(ColDuration, 1).isEmpty());
    QCOMPARE(project.settings().modify(), QStringLiteral("No"));

    // After New, typing starts in the first cell again.
    window->SelectCell(ColResource, 5);
    window->action(QStringLiteral("New1"))->trigger();
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(1, 1));
    QCOMPARE(QApplication::focusWidget(), grid);
    type(QStringLiteral("A"));
    QCOMPARE(project.taskTable.cell(ColTask, 1), QStringLiteral("A"));
    QVERIFY(script.unexpected.isEmpty());
}

// The cell painter's pixels are the same for every cell; only the grid's dotted frame
// tells the user which cell the keyboard is on, and it follows the arrow keys.
void TestEditingWidgets::currentCellWearsFocusFrame()
{
    auto window = startWindow<Window>();
    TaskGrid *grid = window->taskGrid();
    const auto frameAt = [grid](int column, int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        const QImage image = grid->viewport()->grab().toImage();
        // The frame runs one pixel inside the cell, over its white fill.
        int dark = 0;
        for (int x = cell.left() + 1; x < cell.right() - 1; ++x)
            dark += qGray(image.pixel(x, cell.top() + 1)) < 64;
        return dark;
    };
    QVERIFY(frameAt(1, 1) > 10);
    QCOMPARE(frameAt(1, 3), 0);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QCOMPARE(grid->currentRow(), 3);
    QCOMPARE(frameAt(1, 1), 0);
    QVERIFY(frameAt(1, 3) > 10);
}

// Cells are completed as they come into view, before they are painted: rows never shown
// keep what was put in them, and the cell being typed into keeps the editor's text.
void TestEditingWidgets::shownCellsAreCompletedBeforePainting()
{
    auto window = startWindow<Window>();
    TaskGrid *grid = window->taskGrid();
    Project &project = window->project();
    TaskTable &table = project.taskTable;
    putTasks(project, {QStringLiteral("Dig"), QStringLiteral("Pour")});
    table.setCell(ColDuration, 2, QStringLiteral("3"));
    table.setCell(ColStart, 2, QString());
    table.setCell(ColEnd, 2, QString());
    table.setCell(ColTask, 300, QStringLiteral("Late"));
    table.setCell(ColDuration, 300, QStringLiteral("4"));
    project.LastTaskRow = 300;

    grid->viewport()->repaint();
    QCOMPARE(table.cell(ColDuration, 2), QStringLiteral("3 days"));
    QCOMPARE(table.cell(ColStart, 2), QStringLiteral("06.05.2024"));
    QCOMPARE(table.cell(ColEnd, 2), QStringLiteral("08.05.2024"));
    QCOMPARE(table.cell(ColDuration, 300), QStringLiteral("4"));
    grid->setTopRow(290);
    grid->viewport()->repaint();
    QCOMPARE(table.cell(ColDuration, 300), QStringLiteral("4 days"));

    grid->setTopRow(1);
    window->SelectCell(ColDuration, 1);
    type(QStringLiteral("7"));
    grid->viewport()->repaint();
    QCOMPARE(grid->cellEditor()->text(), QStringLiteral("7"));
    QCOMPARE(table.cell(ColDuration, 1), QStringLiteral("7"));
    press(Qt::Key_Return);
    grid->viewport()->repaint();
    QCOMPARE(table.cell(ColDuration, 1), QStringLiteral("7 days"));
}

namespace {

// What the window shows on the screen now, as painted so far: nothing is painted
// afresh for the picture.
QImage screenOf(QWidget *window)
{
    QTest::qWait(50);
    return window->screen()->grabWindow(window->winId()).toImage();
}

// The colour shown at a point of the chart's viewport.
QColor chartPixel(const QImage &screen, QWidget *window, GanttChart *chart, const QPoint &at)
{
    const QPoint inWindow = chart->viewport()->mapTo(window, at);
    return screen.pixelColor(inWindow * screen.devicePixelRatio());
}

} // namespace

void TestEditingWidgets::newTaskShowsItsBarAtOnce_data()
{
    QTest::addColumn<QString>("duration"); // typed after the name; empty: none
    QTest::addColumn<QPoint>("probe");     // in the project start's cell of row 1
    QTest::addColumn<QColor>("colour");
    // A one-day bar's fill, and a milestone's black diamond at the cell's right end.
    QTest::newRow("one-day task") << "" << QPoint(30, 8) << QColor(0x55, 0x55, 0xFF);
    QTest::newRow("milestone") << "0" << QPoint(55, 8) << QColor(Qt::black);
}

void TestEditingWidgets::newTaskShowsItsBarAtOnce()
{
    QFETCH(QString, duration);
    QFETCH(QPoint, probe);
    QFETCH(QColor, colour);
    auto window = startWindow<Window>();
    GanttChart *chart = window->ganttChart();
    screenOf(window.get());

    // Typed as a user types: no repaint is asked for but the one the edit brings.
    type(QStringLiteral("Dig"));
    press(Qt::Key_Tab);
    if (!duration.isEmpty()) {
        type(duration);
        press(Qt::Key_Return);
    }
    const QImage screen = screenOf(window.get());
    const QRect cell = chart->cellRect(1, 1); // column 1 holds the project start
    QCOMPARE(chartPixel(screen, window.get(), chart, cell.topLeft() + probe), colour);
}

void TestEditingWidgets::groupDurationShowsItsUnit()
{
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskTable &table = project.taskTable;
    putTasks(project, {QStringLiteral("Phase"), QStringLiteral("Dig"), QStringLiteral("Pour")});
    table.setCell(ColLevel, 2, QStringLiteral("2"));
    table.setCell(ColLevel, 3, QStringLiteral("2"));
    table.setCell(ColVeha, 1, QStringLiteral("v"));
    table.setCell(ColForerunner, 3, QStringLiteral(" 2;"));

    // A longer sub-task makes the group longer: it shows its days as every row does.
    window->SelectCell(ColDuration, 2);
    type(QStringLiteral("4"));
    press(Qt::Key_Return);
    screenOf(window.get());
    QCOMPARE(table.cell(ColDuration, 2), QStringLiteral("4 days"));
    QCOMPARE(table.cell(ColDuration, 1), QStringLiteral("6 days"));
}

void TestEditingWidgets::pastedTextTooLongIsCut()
{
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    // More than the 64999 bytes a project file holds in a cell, and more than an editor
    // takes on its own: the editor does not cut it without a word, the cell cuts it and
    // says so.
    QApplication::clipboard()->setText(QString(70000, QLatin1Char('x')));
    type(QStringLiteral("a"));
    QVERIFY(grid->cellEditor());
    session.dialogs->answer(QMessageBox::Ok);
    press(Qt::Key_V, Qt::ControlModifier);
    QVERIFY(session.dialogs->done());
    QCOMPARE(session.dialogs->boxes, QStringList{QStringLiteral("Warning|") + CellCutMessage()});
    QCOMPARE(project.taskTable.cell(ColTask, 1).size(), MaxCellBytes);
    if (grid->cellEditor()) // the message may have closed it, keeping its text
        press(Qt::Key_Return);
    QCOMPARE(project.taskTable.cell(ColTask, 1),
             QLatin1Char('a') + QString(MaxCellBytes - 1, QLatin1Char('x')));
}

void TestEditingWidgets::linkErrorsShowInOneBox()
{
    auto window = startWindow<Window>();
    Project &project = window->project();
    // Nine tasks one behind the other; typing 9 as the first one's predecessor closes a
    // cycle of nine links, none of them reached from a task without predecessors.
    QStringList names;
    for (int row = 1; row <= 9; ++row)
        names << QStringLiteral("Step %1").arg(row);
    putTasks(project, names);
    for (int row = 2; row <= 9; ++row)
        project.taskTable.setCell(ColForerunner, row, QStringLiteral(" %1;").arg(row - 1));
    QStringList lines{QStringLiteral("Link error (Task #9 -> Task #1) This link will be ignored.")};
    for (int row = 1; row <= 8; ++row)
        lines << QStringLiteral("Link error (Task #%1 -> Task #%2) This link will be ignored.")
                     .arg(row)
                     .arg(row + 1);
    session.dialogs->answer(QMessageBox::Ok).answer(QMessageBox::Ok);

    window->SelectCell(ColForerunner, 1);
    type(QStringLiteral("9"));
    press(Qt::Key_Return);
    QTRY_COMPARE(session.dialogs->boxes.size(), 1);
    // One box, a line per link, the link just typed first.
    QCOMPARE(session.dialogs->boxes.front(), QStringLiteral("Error|") + lines.join('\n'));
    QCOMPARE(session.dialogs->icons.front(), QMessageBox::Critical);
    QCOMPARE(project.taskTable.cell(ColForerunner, 1), QStringLiteral(" 9;"));

    // A later edit still ignores the links: one box again, now in the order of the rows.
    // (The offscreen platform gives the keyboard back to no window after a box.)
    QApplication::setActiveWindow(window.get());
    window->taskGrid()->setFocus();
    window->SelectCell(ColTask, 10);
    type(QStringLiteral("Paint"));
    press(Qt::Key_Return);
    QTRY_COMPARE(session.dialogs->boxes.size(), 2);
    lines.move(0, 8);
    QCOMPARE(session.dialogs->boxes.back(), QStringLiteral("Error|") + lines.join('\n'));
    QVERIFY(session.dialogs->done());
}
