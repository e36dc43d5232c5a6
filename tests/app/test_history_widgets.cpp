// Never losing work in the real window: Undo and Redo from the Edit menu and their keys,
// recent files, recovery copies offered back at start, and plans from other locales.
#include "test_classes.h"

#include "app/history_controller.h"
#include "app/main_window.h"
#include "app/recovery_controller.h"
#include "app/task_grid.h"
#include "edit/recent_files.h"
#include "modal_script.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace morvaine;

namespace {

std::unique_ptr<QTemporaryDir> tempDir;
std::unique_ptr<ModalScript> dialogs;

// Presses a key and lets the window handle what it started.
void pressAndSettle(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    press(key, modifiers);
    QTest::qWait(1);
}

// A plan file of two tasks written by the project file writer with dates in format.
QString writePlan(const QString &name, const QString &format = QStringLiteral("dd.MM.yyyy"))
{
    const QString saved = ShortDateFormat();
    SetShortDateFormat(format);
    Project project;
    RecordingHost host;
    InitNewProject(project, host);
    const QDate start(2024, 5, 6);
    project.settings().setValue(SettingsBlock::StartDate, start.toString(format));
    TaskTable &t = project.taskTable;
    const QStringList names{"Design", "Build"};
    for (int row = 1; row <= 2; ++row) {
        t.setCell(ColTask, row, names[row - 1]);
        t.setCell(ColDuration, row, QStringLiteral("2 days"));
        t.setCell(ColStart, row, start.addDays(13 * (row - 1)).toString(format));
        t.setCell(ColEnd, row, start.addDays(13 * (row - 1) + 1).toString(format));
    }
    const QString path = tempDir->filePath(name);
    const bool written = WriteProjectFile(project, path);
    SetShortDateFormat(saved);
    return written ? path : QString();
}

} // namespace

void TestHistoryWidgets::init()
{
    tempDir = std::make_unique<QTemporaryDir>();
    QVERIFY(tempDir->isValid());
    qputenv("XDG_DATA_HOME", tempDir->filePath(QStringLiteral("xdg")).toLocal8Bit());
    SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
    dialogs = std::make_unique<ModalScript>();
}

void TestHistoryWidgets::cleanup()
{
    const QStringList unexpected = dialogs->unexpected;
    dialogs.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
    tempDir.reset();
}

void TestHistoryWidgets::undoAndRedoTypedCellsWithTheirKeys()
{
    auto window = startWindow();
    const TaskTable &table = window->project().taskTable;
    QAction *undo = window->action(QStringLiteral("Undo1"));
    QAction *redo = window->action(QStringLiteral("Redo1"));
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());

    type(QStringLiteral("Foundation"));
    pressAndSettle(Qt::Key_Tab);
    type(QStringLiteral("5"));
    pressAndSettle(Qt::Key_Return);
    QCOMPARE(table.cell(ColEnd, 1), QStringLiteral("10.05.2024"));
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("Undo Typing"));

    // The Duration and the dates it moved go back to the one-day task, and the cell
    // where it happened is selected.
    pressAndSettle(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(table.cell(ColEnd, 1), QStringLiteral("06.05.2024"));
    QVERIFY(!table.cell(ColDuration, 1).startsWith(QLatin1Char('5')));
    QCOMPARE(QPoint(window->taskGrid()->currentColumn(), window->taskGrid()->currentRow()),
             QPoint(2, 1));
    QCOMPARE(redo->text(), QStringLiteral("Redo Typing"));

    pressAndSettle(Qt::Key_Z, Qt::ControlModifier); // the name
    QVERIFY(table.cell(ColTask, 1).isEmpty());
    QCOMPARE(window->project().LastTaskRow, 0);
    QVERIFY(!undo->isEnabled());

    pressAndSettle(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(table.cell(ColTask, 1), QStringLiteral("Foundation"));
    pressAndSettle(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(table.cell(ColEnd, 1), QStringLiteral("10.05.2024"));
    QVERIFY(!redo->isEnabled());
}

void TestHistoryWidgets::undoTakesBackATaskCommandWhole()
{
    auto window = startWindow();
    dialogs->chooseFile(writePlan(QStringLiteral("plan.mrv")));
    window->action(QStringLiteral("Load1"))->trigger();
    const TaskTable &table = window->project().taskTable;
    QCOMPARE(table.cell(ColTask, 2), QStringLiteral("Build"));
    QVERIFY(!window->action(QStringLiteral("Undo1"))->isEnabled()); // opening is no step

    window->taskGrid()->selectCell(ColTask, 2);
    window->action(QStringLiteral("InsertNewTask1"))->trigger();
    QCOMPARE(table.cell(ColTask, 3), QStringLiteral("Build"));
    QCOMPARE(window->action(QStringLiteral("Undo1"))->text(),
             QStringLiteral("Undo Insert New Task"));
    QCOMPARE(window->project().settings().modify(), QStringLiteral("Yes"));

    window->action(QStringLiteral("Undo1"))->trigger();
    QCOMPARE(table.cell(ColTask, 2), QStringLiteral("Build"));
    QVERIFY(table.cell(ColTask, 3).isEmpty());
    QCOMPARE(window->project().LastTaskRow, 2);
    // Back at the state opened: nothing to save.
    QCOMPARE(window->project().settings().modify(), QStringLiteral("No"));
    window->action(QStringLiteral("Redo1"))->trigger();
    QCOMPARE(table.cell(ColTask, 3), QStringLiteral("Build"));
    QCOMPARE(window->project().settings().modify(), QStringLiteral("Yes"));

    // New forgets the history.
    dialogs->answer(QMessageBox::No);
    window->action(QStringLiteral("New1"))->trigger();
    QVERIFY(!window->action(QStringLiteral("Undo1"))->isEnabled());
    QVERIFY(!window->action(QStringLiteral("Redo1"))->isEnabled());
}

void TestHistoryWidgets::ctrlZInTheEditorUndoesTyping()
{
    auto window = startWindow();
    type(QStringLiteral("Found"));
    QLineEdit *editor = window->taskGrid()->cellEditor();
    QVERIFY(editor);
    pressAndSettle(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(window->taskGrid()->cellEditor());
    QVERIFY(editor->text().isEmpty());
    QVERIFY(!window->action(QStringLiteral("Undo1"))->isEnabled());
}

void TestHistoryWidgets::recentFilesListOpenedFilesAndDropMissingOnes()
{
    RecentFiles earlier; // files other tests opened
    for (const QString &path : earlier.files())
        earlier.remove(path);
    auto window = startWindow();
    const QString first = writePlan(QStringLiteral("first.mrv"));
    const QString second = writePlan(QStringLiteral("second.mrv"));
    for (const QString &path : {first, second}) {
        dialogs->chooseFile(path);
        window->action(QStringLiteral("Load1"))->trigger();
    }
    QMenu *recent = window->action(QStringLiteral("RecentFiles1"))->menu();
    QVERIFY(recent);
    emit recent->aboutToShow();
    QStringList items;
    for (QAction *item : recent->actions())
        items << item->text();
    QCOMPARE(items, (QStringList{QStringLiteral("&1 ") + second, QStringLiteral("&2 ") + first}));

    // The older one, chosen, opens again and comes first.
    recent->actions().at(1)->trigger();
    QCOMPARE(window->project().settings().fileName(), first);
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().at(0)->text(), QStringLiteral("&1 ") + first);

    // A file gone before the menu opens is greyed; one gone after it is taken off the
    // list with a message.
    QVERIFY(QFile::remove(second));
    emit recent->aboutToShow();
    QVERIFY(!recent->actions().at(1)->isEnabled());
    QVERIFY(QFile::remove(first));
    dialogs->answer(QMessageBox::Ok);
    recent->actions().at(0)->trigger();
    QCOMPARE(dialogs->boxes.size(), 1);
    QVERIFY(dialogs->boxes[0].startsWith(QStringLiteral("Warning|The file ")));
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 1);
}

void TestHistoryWidgets::killedWorkIsOfferedBackAtStart()
{
    const QString plan = writePlan(QStringLiteral("office.mrv"));
    {
        auto window = startWindow({plan});
        QCOMPARE(window->project().taskTable.cell(ColTask, 1), QStringLiteral("Design"));
        window->taskGrid()->setFocus();
        window->taskGrid()->selectCell(ColTask, 3);
        type(QStringLiteral("Move in"));
        pressAndSettle(Qt::Key_Return);
        QVERIFY(window->project().settings().isModified());
        window->recovery().writeNow();
        QVERIFY(QFileInfo::exists(window->recovery().copyPath()));
        // The window goes without being closed, as when the program is killed.
        window->hide();
        QFile file(plan);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
    }
    dialogs->answer(QMessageBox::Yes);
    auto window = startWindow({plan});
    QTRY_COMPARE(dialogs->boxes.size(), 1);
    QCOMPARE(dialogs->boxes[0],
             QStringLiteral("Recover|Morvaine was closed without saving office.mrv. Recover "
                            "the unsaved changes?"));
    QTRY_COMPARE(window->project().taskTable.cell(ColTask, 3), QStringLiteral("Move in"));
    QCOMPARE(window->project().settings().fileName(), plan);
    QVERIFY(window->project().settings().isModified());

    // Saving writes the original and the copy goes.
    const QString copy = window->recovery().copyPath();
    QVERIFY(QFileInfo::exists(copy));
    window->action(QStringLiteral("Save1"))->trigger();
    QVERIFY(!QFileInfo::exists(copy));
    Project read;
    RecordingHost host;
    InitNewProject(read, host);
    LoadProject(read, host, plan);
    QCOMPARE(read.taskTable.cell(ColTask, 3), QStringLiteral("Move in"));
}

void TestHistoryWidgets::planFromAnotherLocaleOpensWithItsDates()
{
    auto window = startWindow();
    dialogs->chooseFile(writePlan(QStringLiteral("us.mrv"), QStringLiteral("M/d/yyyy")));
    dialogs->answer(QMessageBox::Ok);
    window->action(QStringLiteral("Load1"))->trigger();
    QCOMPARE(dialogs->boxes.size(), 1);
    QVERIFY(dialogs->boxes[0].startsWith(QStringLiteral("Info|The dates of this plan were "
                                                        "written as M/d/yyyy.")));
    const TaskTable &table = window->project().taskTable;
    QCOMPARE(table.cell(ColStart, 2), QStringLiteral("19.05.2024"));
    QCOMPARE(window->project().settings().startDate(), QStringLiteral("06.05.2024"));
    QVERIFY(window->project().settings().isModified());
}
