// The resource dialog, the total report and the MS Project XML commands, reached
// through the real main window's keys, menus and tool buttons.

#include "test_classes.h"

#include "app/main_window.h"
#include "app/sample_project.h"
#include "app/task_grid.h"
#include "app/tools_controller.h"
#include "dialogs/report_window.h"
#include "exchange/ms_project_xml.h"
#include "file_fixture.h"
#include "modal_script.h"
#include "model/project_file.h"
#include "recording_host.h"
#include "window_fixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <memory>

using namespace morvaine;

namespace {

std::unique_ptr<QTemporaryDir> tempDir;

QString fixture(const char *name)
{
    return qEnvironmentVariable("MORVAINE_FIXTURES") + QLatin1Char('/') + QLatin1String(name);
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

void click(QWidget *parent, const char *button)
{
    QTest::mouseClick(child<QPushButton>(parent, button), Qt::LeftButton);
}

// The text the task grid shows in a cell.
QString shown(const MainWindow &window, int column, int row)
{
    QAbstractItemModel *model = window.taskGrid()->model();
    return model->index(row, column).data().toString();
}

// The figures of the report last shown: label text -> figure.
QMap<QString, QString> reportFigures(MainWindow &window)
{
    const ReportGrid &grid = window.tools().reportWindow()->report();
    QMap<QString, QString> figures;
    for (int row = 0; row + 2 < ReportGrid::Rows; ++row)
        for (int column = 2; column <= 6; column += 2)
            if (grid.cell(column, row).endsWith(QLatin1Char(':')))
                figures.insert(grid.cell(column, row), grid.cell(column, row + 2));
    return figures;
}

} // namespace

// ---- Resources and the report ----

void TestToolsCommands::init()
{
    tempDir = std::make_unique<QTemporaryDir>();
    QVERIFY(tempDir->isValid());
    qputenv("XDG_DATA_HOME", tempDir->filePath(QStringLiteral("xdg")).toLocal8Bit());
}

void TestToolsCommands::cleanup()
{
    tempDir.reset();
}

void TestToolsCommands::resourceDialogChangesReachTasksAndReport()
{
    auto window = showWindow();
    Project &project = window->project();
    project.resourceTable.setCell(ResColName, 1, QStringLiteral("Bob"));
    project.taskTable.setCell(ColTask, 1, QStringLiteral("Paint"));
    project.taskTable.setCell(ColResource, 1, QStringLiteral(" Bob;"));
    project.taskTable.setCell(ColTask, 2, QStringLiteral("Bobby's job"));
    project.taskTable.setCell(ColResource, 2, QStringLiteral(" Bobby;"));
    project.LastTaskRow = 2;

    // Ctrl+R in the grid: Bob becomes Robert, Carol is added at 12,5 an hour.
    ModalScript script;
    QString dialogName;
    script.then([&](QWidget *dialog) {
        dialogName = dialog->objectName();
        auto *grid = child<QTableView>(dialog, "StringGridResource");
        const QRect first = grid->visualRect(grid->model()->index(0, ResColName));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, first.center());
        click(dialog, "ButtonEdit");
        auto *name = child<QLineEdit>(dialog, "EditName");
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Robert"));
        click(dialog, "ButtonEdit"); // Update
        QTest::keyClicks(name, QStringLiteral("Carol"));
        QTest::keyClicks(child<QLineEdit>(dialog, "EditCost"), QStringLiteral("12,5"));
        click(dialog, "ButtonAdd");
        click(dialog, "ButtonClose");
    });
    QTest::keyClick(window->taskGrid(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(script.done());
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join('\n')));
    QVERIFY2(script.boxes.isEmpty(), qPrintable(script.boxes.join('\n')));
    QCOMPARE(dialogName, QStringLiteral("TFormResource"));

    QCOMPARE(shown(*window, ColResource, 1), QStringLiteral(" Robert;"));
    QCOMPARE(shown(*window, ColResource, 2), QStringLiteral(" Bobby;"));
    QCOMPARE(project.resourceTable.cell(ResColName, 2), QStringLiteral("Carol"));
    QCOMPARE(project.resourceTable.cell(ResColCost, 2), QStringLiteral("12.5"));
    QCOMPARE(project.settings().modify(), QStringLiteral("Yes"));

    // The report counts both; the average takes Robert's missing cost as nothing.
    script.then([](QWidget *report) { click(report, "ButtonClose"); });
    QTest::mouseClick(window->findChild<QToolBar *>()->widgetForAction(
                          window->action(QStringLiteral("TotalReport1"))),
                      Qt::LeftButton);
    QVERIFY(script.done());
    QVERIFY(script.unexpected.isEmpty());
    const auto figures = reportFigures(*window);
    QCOMPARE(figures.value(QStringLiteral("Resource:")), QStringLiteral("2"));
    QCOMPARE(figures.value(QStringLiteral("Average Cost/Hour:")), QStringLiteral("$6.25"));
}

void TestToolsCommands::resourceNameWithBlanksIsTypedAndCosted()
{
    auto window = startWindow();
    Project &project = window->project();
    project.resourceTable.setCell(ResColName, 1, QStringLiteral("Ann Lee"));
    project.resourceTable.setCell(ResColCost, 1, QStringLiteral("10"));

    // Typed into a task as the dialog shows it, blanks around it too.
    window->SelectCell(ColTask, 1);
    type(QStringLiteral("Paint"));
    press(Qt::Key_Tab);
    window->SelectCell(ColResource, 1);
    type(QStringLiteral("Ann Lee "));
    press(Qt::Key_Return);
    QCOMPARE(project.taskTable.cell(ColResource, 1), QStringLiteral(" Ann Lee;"));
    QVERIFY(project.resourceTable.cell(ResColName, 2).isEmpty());

    // One day of eight hours at 10 an hour.
    ModalScript script;
    script.then([](QWidget *report) { click(report, "ButtonClose"); });
    window->action(QStringLiteral("TotalReport1"))->trigger();
    QVERIFY(script.done());
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join('\n')));
    QCOMPARE(reportFigures(*window).value(QStringLiteral("Total Cost:")), QStringLiteral("$80"));
}

void TestToolsCommands::escapeLeavesTheResourceDialog()
{
    auto window = showWindow();
    Project &project = window->project();
    project.resourceTable.setCell(ResColName, 1, QStringLiteral("Bob"));
    project.settings().setValue(SettingsBlock::Modify, QStringLiteral("No"));

    // Escape while a row is being edited cancels the edit; once more, it closes the
    // dialog as Close does.
    ModalScript script;
    QStringList captions;
    bool stillShown = false;
    script.then([&](QWidget *dialog) {
        auto *grid = child<QTableView>(dialog, "StringGridResource");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(0, ResColName)).center());
        click(dialog, "ButtonEdit");
        auto *name = child<QLineEdit>(dialog, "EditName");
        QTest::keyClicks(name, QStringLiteral("by"));
        QTest::keyClick(name, Qt::Key_Escape);
        captions << child<QPushButton>(dialog, "ButtonEdit")->text()
                 << child<QPushButton>(dialog, "ButtonClose")->text() << name->text();
        stillShown = dialog->isVisible();
        QTest::keyClick(name, Qt::Key_Escape);
    });
    window->action(QStringLiteral("Resource1"))->trigger();
    QVERIFY(script.done());
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join('\n')));
    QVERIFY(stillShown);
    QCOMPARE(captions, (QStringList{"Edit", "Close", ""}));
    QCOMPARE(project.resourceTable.cell(ResColName, 1), QStringLiteral("Bob"));
    QCOMPARE(project.settings().modify(), QStringLiteral("Yes"));
}

void TestToolsCommands::reportOfTheSample_data()
{
    QTest::addColumn<bool>("fromToolButton");
    QTest::newRow("Report menu") << false;
    QTest::newRow("tool button") << true;
}

void TestToolsCommands::reportOfTheSample()
{
    QFETCH(bool, fromToolButton);
    auto window = showWindow();
    BuildSampleProject(window->project(), *window);

    ModalScript script;
    QString caption;
    script.then([&](QWidget *report) {
        caption = report->objectName() + QLatin1Char('|') + report->windowTitle();
        click(report, "ButtonClose");
    });
    QAction *item = window->action(QStringLiteral("TotalReport1"));
    if (fromToolButton)
        QTest::mouseClick(window->findChild<QToolBar *>()->widgetForAction(item), Qt::LeftButton);
    else
        item->trigger();
    QVERIFY(script.done());
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join('\n')));
    QVERIFY2(script.boxes.isEmpty(), qPrintable(script.boxes.join('\n')));
    QCOMPARE(caption, QStringLiteral("TFormReports|Reports"));

    const auto figures = reportFigures(*window);
    QCOMPARE(figures.value(QStringLiteral("Group Task:")), QStringLiteral("3"));
    QCOMPARE(figures.value(QStringLiteral("Task:")), QStringLiteral("9"));
    QCOMPARE(figures.value(QStringLiteral("Milestone:")), QStringLiteral("2"));
    QCOMPARE(figures.value(QStringLiteral("Resource:")), QStringLiteral("5"));
    QCOMPARE(figures.value(QStringLiteral("Total Cost:")), QStringLiteral("$28480"));
}

// ---- MS Project XML ----

void TestExchangeCommands::init()
{
    tempDir = std::make_unique<QTemporaryDir>();
    QVERIFY(tempDir->isValid());
    qputenv("XDG_DATA_HOME", tempDir->filePath(QStringLiteral("xdg")).toLocal8Bit());
}

void TestExchangeCommands::cleanup()
{
    tempDir.reset();
}

void TestExchangeCommands::importThroughTheFileMenu()
{
    auto window = showWindow();
    Project &project = window->project();
    project.taskTable.setCell(ColTask, 8, QStringLiteral("Old task"));
    project.LastTaskRow = 8;
    project.settings().markModified();
    window->taskGrid()->selectCell(ColDuration, 8);

    ModalScript script;
    script.answer(QMessageBox::No)
        .chooseFile(fixture("ms_project/office_move.xml"))
        .answer(QMessageBox::Ok);
    window->action(QStringLiteral("ImportMsProjectXml1"))->trigger();
    QVERIFY(script.done());
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join('\n')));
    QCOMPARE(script.fileDialogs, QStringList{"ImportDialog|MS Project XML (*.xml);All Files (*)|"});
    QCOMPARE(script.boxes.size(), 2);
    QCOMPARE(script.boxes[0], QStringLiteral("Confirm|Save changes in the project before "
                                             "importing an MS Project XML file?"));
    // The links keep their types and lags; the link out of the plan is told.
    QVERIFY(script.boxes[1].startsWith(QLatin1String("Warning|1 link to tasks outside the plan")));

    QCOMPARE(project.LastTaskRow, 6);
    QCOMPARE(shown(*window, ColTask, 1), QStringLiteral("Planning"));
    QCOMPARE(shown(*window, ColTask, 5), QStringLiteral("Move the furniture"));
    QCOMPARE(shown(*window, ColTask, 8), QString());
    QCOMPARE(project.settings().modify(), QStringLiteral("Yes"));
    QCOMPARE(project.settings().fileName(), QStringLiteral("no save file"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Morvaine 1.0"));
    QCOMPARE(window->taskGrid()->currentColumn(), ColTask);
    QCOMPARE(window->taskGrid()->currentRow(), 1);
    QVERIFY(window->action(QStringLiteral("Scale1"))->isChecked());

    // The import is one step: undone, the old plan is back whole; redone, the new one.
    QAction *undo = window->action(QStringLiteral("Undo1"));
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QCOMPARE(shown(*window, ColTask, 8), QStringLiteral("Old task"));
    QCOMPARE(shown(*window, ColTask, 1), QString());
    QCOMPARE(project.LastTaskRow, 8);
    window->action(QStringLiteral("Redo1"))->trigger();
    QCOMPARE(shown(*window, ColTask, 5), QStringLiteral("Move the furniture"));
    QCOMPARE(shown(*window, ColTask, 8), QString());
    QCOMPARE(project.LastTaskRow, 6);
}

void TestExchangeCommands::importThatEndsEarlyKeepsTheProject_data()
{
    QTest::addColumn<QString>("file"); // empty: the file dialog is cancelled
    QTest::addColumn<QString>("box");
    QTest::newRow("cancelled") << QString() << QString();
    QTest::newRow("malformed") << QStringLiteral("<Project xmlns=\"http://schemas.microsoft.com/"
                                                 "project\"><Tasks>")
                               << QStringLiteral("Error|The file '%1' is not well-formed XML");
    QTest::newRow("not MS Project")
        << QStringLiteral("<Project><Name>x</Name></Project>")
        << QStringLiteral("Error|The file '%1' is not an MS Project XML document.");
}

void TestExchangeCommands::importThatEndsEarlyKeepsTheProject()
{
    QFETCH(QString, file);
    QFETCH(QString, box);
    auto window = showWindow();
    Project &project = window->project();
    project.taskTable.setCell(ColTask, 1, QStringLiteral("Keep me"));
    project.taskTable.setCell(ColDuration, 1, QStringLiteral("2 days"));
    project.LastTaskRow = 1;

    const QString path = tempDir->filePath(QStringLiteral("bad.xml"));
    ModalScript script;
    if (file.isEmpty()) {
        script.cancel();
    } else {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file.toUtf8());
        out.close();
        script.chooseFile(path).answer(QMessageBox::Ok);
    }
    window->action(QStringLiteral("ImportMsProjectXml1"))->trigger();
    QVERIFY(script.done());
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join('\n')));
    if (box.isEmpty()) {
        QVERIFY(script.boxes.isEmpty());
    } else {
        QCOMPARE(script.boxes.size(), 1);
        QVERIFY2(script.boxes[0].startsWith(box.arg(path)), qPrintable(script.boxes[0]));
        QCOMPARE(script.icons[0], QMessageBox::Critical);
    }
    QCOMPARE(shown(*window, ColTask, 1), QStringLiteral("Keep me"));
    QCOMPARE(project.LastTaskRow, 1);
}

void TestExchangeCommands::exportWritesMsProjectXmlAndAsksBeforeReplacing()
{
    auto window = showWindow();
    Project &project = window->project();
    BuildSampleProject(project, *window);
    project.taskTable.setCell(ColTask, 1, QStringLiteral("Villa"));
    const QString path = tempDir->filePath(QStringLiteral("house.xml"));

    // The suffix is added; an existing file is replaced only after the dialog's own
    // question; the project's own state is left alone.
    const QString modified = project.settings().modify();
    ModalScript script;
    bool asksBeforeReplacing = false;
    script.then([&](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        QVERIFY(dialog);
        asksBeforeReplacing = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        script.fileDialogs << dialog->nameFilters().join(QLatin1Char(';')) + QLatin1Char('|') +
                                  dialog->defaultSuffix();
        dialog->selectFile(tempDir->filePath(QStringLiteral("house")));
        static_cast<QDialog *>(dialog)->accept();
    });
    window->action(QStringLiteral("ExportMsProjectXml1"))->trigger();
    QVERIFY(script.done());
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join('\n')));
    QCOMPARE(script.fileDialogs, QStringList{"MS Project XML (*.xml);All Files (*)|xml"});
    QVERIFY(asksBeforeReplacing);
    QVERIFY(IsMsProjectXml(path));
    QCOMPARE(project.settings().modify(), modified);

    Project back;
    RecordingHost host;
    ImportMsProjectXml(back, host, path);
    QCOMPARE(back.taskTable.cell(ColTask, 1), QStringLiteral("Villa"));
    QCOMPARE(back.LastTaskRow, project.LastTaskRow);
}

void TestExchangeCommands::openReadsMsProjectXmlByContent_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::newRow("Open command") << false;
    QTest::newRow("command-line file") << true;
}

void TestExchangeCommands::openReadsMsProjectXmlByContent()
{
    QFETCH(bool, atStart);
    // Known by content, whatever the name says.
    const QString path = tempDir->filePath(QStringLiteral("office move.plan"));
    QVERIFY(QFile::copy(fixture("ms_project/office_move.xml"), path));

    ModalScript script;
    std::unique_ptr<MainWindow> window;
    if (atStart) {
        script.answer(QMessageBox::Ok);
        window = showWindow({path});
        QTRY_VERIFY(script.done());
    } else {
        window = showWindow();
        script.chooseFile(path).answer(QMessageBox::Ok);
        window->action(QStringLiteral("Load1"))->trigger();
        QVERIFY(script.done());
        QCOMPARE(script.fileDialogs, QStringList{"OpenDialog1|Morvaine Files (*.mrv);All Files (*);"
                                                 "MS Project XML (*.xml)|"});
    }
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join('\n')));
    QCOMPARE(script.boxes.size(), 1);
    QVERIFY(script.boxes[0].startsWith(QLatin1String("Warning|")));
    QCOMPARE(window->project().LastTaskRow, 6);
    QCOMPARE(shown(*window, ColTask, 4), QStringLiteral("Approval"));
    QCOMPARE(window->project().settings().fileName(), QStringLiteral("no save file"));
    QCOMPARE(window->taskGrid()->currentRow(), 1);
}

void TestExchangeCommands::importedTextTooLongIsCut()
{
    auto window = showWindow();
    Project &project = window->project();
    const QString path = tempDir->filePath(QStringLiteral("long.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<Project xmlns=\"http://schemas.microsoft.com/project\"><Tasks><Task>"
               "<UID>1</UID><ID>1</ID><Name>" +
               QByteArray(70000, 'x') + "</Name></Task></Tasks></Project>\n");
    file.close();

    // Read as a project file must read it, and told.
    ModalScript script;
    script.chooseFile(path).answer(QMessageBox::Ok);
    window->action(QStringLiteral("Load1"))->trigger();
    QVERIFY(script.done());
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join('\n')));
    QCOMPARE(script.boxes, QStringList{QStringLiteral(
                               "Warning|1 text was too long for one cell and cut to the 64999 "
                               "bytes a project file holds in a cell.")});
    QCOMPARE(project.taskTable.cell(ColTask, 1), QString(MaxCellBytes, QLatin1Char('x')));
}
