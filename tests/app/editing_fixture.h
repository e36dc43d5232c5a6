#pragma once
// What the editing tests of the real window share: a window whose beeps are counted,
// each test's own data folder, date format and scripted dialogs, and tasks put
// straight into the table.

#include "app/main_window.h"
#include "modal_script.h"
#include "model/convert.h"
#include "model/project.h"

#include <QTemporaryDir>

#include <memory>

/// The real window, with its beeps counted instead of sounded.
class BeepCountingWindow : public morvaine::MainWindow {
public:
    using MainWindow::MainWindow;
    void Beep() override { ++beeps; }
    int beeps = 0;
};

/// One test's surroundings: start() from init(), finish() from cleanup().
struct EditingSession {
    std::unique_ptr<QTemporaryDir> tempDir;
    QString savedDateFormat;
    /// Answers the dialogs a test expects; any other is closed and fails the test
    /// instead of hanging it.
    std::unique_ptr<ModalScript> dialogs;

    bool start()
    {
        tempDir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", tempDir->filePath(QStringLiteral("xdg")).toLocal8Bit());
        savedDateFormat = morvaine::ShortDateFormat();
        morvaine::SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        dialogs = std::make_unique<ModalScript>();
        return tempDir->isValid();
    }
    /// The dialogs nobody expected.
    QStringList finish()
    {
        const QStringList unexpected = dialogs->unexpected;
        dialogs.reset();
        morvaine::SetShortDateFormat(savedDateFormat);
        tempDir.reset();
        return unexpected;
    }
};

/// Puts tasks on rows 1.. directly into the table, as a loaded file would.
inline void putTasks(morvaine::Project &project, const QStringList &names)
{
    morvaine::TaskTable &table = project.taskTable;
    for (int i = 0; i < names.size(); ++i) {
        table.setCell(morvaine::ColTask, i + 1, names[i]);
        table.setCell(morvaine::ColDuration, i + 1, QStringLiteral("2"));
        table.setCell(morvaine::ColStart, i + 1, QStringLiteral("06.05.2024"));
        table.setCell(morvaine::ColEnd, i + 1, QStringLiteral("07.05.2024"));
    }
    project.LastTaskRow = int(names.size());
}
