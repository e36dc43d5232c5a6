// The document commands of the real main window: New, Open, Save and Save As, and
// the question about unsaved changes before any of them drops the plan.
#include "test_classes.h"

#include "app/main_window.h"
#include "app/task_grid.h"
#include "file_fixture.h"
#include "modal_script.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace morvaine;

namespace {

std::unique_ptr<QTemporaryDir> tempDir;

QString tempPath(const QString &name)
{
    return tempDir->filePath(name);
}

} // namespace

void TestDocumentCommands::init()
{
    tempDir = std::make_unique<QTemporaryDir>();
    QVERIFY(tempDir->isValid());
    qputenv("XDG_DATA_HOME", tempPath(QStringLiteral("xdg")).toLocal8Bit());
}

void TestDocumentCommands::cleanup()
{
    tempDir.reset();
}

void TestDocumentCommands::newWithoutChangesDoesNotAsk()
{
    auto window = showWindow();
    Project &project = window->project();
    project.taskTable.setCell(ColTask, 1, QStringLiteral("Walls"));
    project.taskTable.setCell(ColDuration, 1, QStringLiteral("3 days"));
    project.LastTaskRow = 1;
    window->SetCaption(QStringLiteral("Morvaine 1.0 - old.mrv"));

    ModalScript script;
    window->action(QStringLiteral("New1"))->trigger();
    QVERIFY(script.boxes.isEmpty());
    QVERIFY(project.taskTable.cell(ColTask, 1).isEmpty());
    QVERIFY(project.taskTable.cell(ColDuration, 1).isEmpty());
    QCOMPARE(window->windowTitle(), QStringLiteral("Morvaine 1.0"));
    QCOMPARE(window->taskGrid()->currentRow(), 1);
    QCOMPARE(window->taskGrid()->currentColumn(), 1);
}

void TestDocumentCommands::unsavedChangesPrompt_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<QString>("question"); // says what is about to happen

    const std::pair<const char *, const char *> commands[] = {
        {"New", "Save changes in the project before starting a new project?"},
        {"Open", "Save changes in the project before opening another file?"},
        {"Close", "Save changes in the project before closing the program?"}};
    for (const auto &[command, question] : commands) {
        QTest::addRow("%s, Yes", command)
            << command << int(QMessageBox::Yes) << true << true << question;
        QTest::addRow("%s, No", command)
            << command << int(QMessageBox::No) << false << true << question;
        QTest::addRow("%s, Cancel", command)
            << command << int(QMessageBox::Cancel) << false << false << question;
    }
}

void TestDocumentCommands::unsavedChangesPrompt()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(bool, goesOn);
    QFETCH(QString, question);

    auto window = showWindow();
    Project &project = window->project();
    const QString path = tempPath(QStringLiteral("old.mrv"));
    project.taskTable.setCell(ColTask, 1, QStringLiteral("Old task"));
    project.LastTaskRow = 1;
    project.settings().setValue(SettingsBlock::FileName, path);
    project.settings().markModified();

    ModalScript script;
    script.answer(QMessageBox::StandardButton(answer));
    if (goesOn && command == QLatin1String("Open"))
        script.cancel(); // the open dialog
    if (command == QLatin1String("New"))
        window->action(QStringLiteral("New1"))->trigger();
    else if (command == QLatin1String("Open"))
        window->action(QStringLiteral("Load1"))->trigger();
    else
        window->close();

    QVERIFY(script.done());
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join('\n')));
    QCOMPARE(script.boxes, QStringList{QStringLiteral("Confirm|") + question});
    QCOMPARE(script.icons.value(0), QMessageBox::Warning);
    QCOMPARE(QFile::exists(path), saved);
    if (saved)
        QCOMPARE(readTask(path), QStringLiteral("Old task"));

    if (!goesOn) {
        QVERIFY(window->isVisible());
        QCOMPARE(project.taskTable.cell(ColTask, 1), QStringLiteral("Old task"));
        QCOMPARE(project.settings().modify(), QStringLiteral("Yes"));
    } else if (command == QLatin1String("Close")) {
        QVERIFY(!window->isVisible());
    } else if (command == QLatin1String("Open")) {
        // The file dialog was cancelled: the project stays as it was.
        QVERIFY(window->isVisible());
        QCOMPARE(project.taskTable.cell(ColTask, 1), QStringLiteral("Old task"));
        QCOMPARE(project.settings().fileName(), path);
        QCOMPARE(project.settings().modify(), saved ? QStringLiteral("No") : QStringLiteral("Yes"));
    } else {
        // New: an empty new project.
        QVERIFY(window->isVisible());
        QVERIFY(project.taskTable.cell(ColTask, 1).isEmpty());
        QCOMPARE(project.settings().fileName(), QStringLiteral("no save file"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Morvaine 1.0"));
    }
}

void TestDocumentCommands::saveOverwritesOpenedFileAndKeepsCaption()
{
    const QString first = tempPath(QStringLiteral("first.mrv"));
    writeProject(first, QStringLiteral("Alpha"));
    auto window = showWindow();
    Project &project = window->project();

    ModalScript script;
    script.chooseFile(first);
    window->action(QStringLiteral("Load1"))->trigger();
    QVERIFY(script.done());
    QCOMPARE(window->windowTitle(), QStringLiteral("Morvaine 1.0 - first.mrv"));
    QCOMPARE(project.taskTable.cell(ColTask, 1), QStringLiteral("Alpha"));
    QCOMPARE(project.LastTaskRow, 1);
    QCOMPARE(script.fileDialogs.value(0),
             QStringLiteral("OpenDialog1|Morvaine Files (*.mrv);All Files (*);"
                            "MS Project XML (*.xml)|"));

    // Save writes over the opened file without asking.
    project.taskTable.setCell(ColTask, 1, QStringLiteral("Beta"));
    project.settings().markModified();
    window->action(QStringLiteral("Save1"))->trigger();
    QCOMPARE(script.fileDialogs.size(), 1);
    QCOMPARE(readTask(first), QStringLiteral("Beta"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Morvaine 1.0 - first.mrv"));
    QCOMPARE(project.settings().modify(), QStringLiteral("No"));

    // Save As takes the new name, with the default extension added.
    script.chooseFile(tempPath(QStringLiteral("second")));
    window->action(QStringLiteral("SaveAs1"))->trigger();
    QVERIFY(script.done());
    QCOMPARE(script.fileDialogs.value(1),
             QStringLiteral("SaveDialog1|Morvaine Files (*.mrv);All Files (*)|mrv"));
    QCOMPARE(readTask(tempPath(QStringLiteral("second.mrv"))), QStringLiteral("Beta"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Morvaine 1.0 - second.mrv"));
    QVERIFY(script.unexpected.isEmpty());
}

void TestDocumentCommands::untitledSaveAsksForAFile()
{
    auto window = showWindow();
    const QString path = tempPath(QStringLiteral("fresh.mrv"));
    ModalScript script;
    script.cancel();
    window->action(QStringLiteral("Save1"))->trigger();
    QVERIFY(script.done());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(window->windowTitle(), QStringLiteral("Morvaine 1.0"));

    script.chooseFile(path);
    window->action(QStringLiteral("Save1"))->trigger();
    QVERIFY(script.done());
    QVERIFY(QFile::exists(path));
    QCOMPARE(window->project().settings().fileName(), path);
    QCOMPARE(window->windowTitle(), QStringLiteral("Morvaine 1.0 - fresh.mrv"));
}

void TestDocumentCommands::saveAsAsksBeforeReplacingAFile()
{
    auto window = showWindow();
    // The save dialog keeps its own question before an existing file is replaced.
    bool asks = false;
    QString kind;
    ModalScript script;
    script.then([&](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        kind = widget->objectName();
        asks = dialog && dialog->acceptMode() == QFileDialog::AcceptSave &&
               !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        static_cast<QDialog *>(widget)->reject();
    });
    window->action(QStringLiteral("SaveAs1"))->trigger();
    QVERIFY(script.done());
    QCOMPARE(kind, QStringLiteral("SaveDialog1"));
    QVERIFY(asks);
}
