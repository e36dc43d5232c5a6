#pragma once
// What the window tests that open and save files share: the window as the program
// starts it, and project files of one task written and read without a window.

#include "app/main_window.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"

#include <QTest>

#include <memory>

/// A window as the program starts it, shown, with its start-up file work done.
inline std::unique_ptr<morvaine::MainWindow> showWindow(const QStringList &parameters = {})
{
    auto window = std::make_unique<morvaine::MainWindow>(parameters);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    QTest::qWait(20);
    return window;
}

/// Writes a project file holding one named task on row 1.
inline void writeProject(const QString &path, const QString &taskName)
{
    using namespace morvaine;
    Project project;
    RecordingHost host;
    InitNewProject(project, host);
    project.taskTable.setCell(ColTask, 1, taskName);
    project.taskTable.setCell(ColDuration, 1, QStringLiteral("2 days"));
    host.saveFileName = path;
    SaveProject(project, host, QStringLiteral("SaveAs"));
    QVERIFY(host.messages.isEmpty());
}

/// The task name on row 1 of a project file, or "#error" when it does not open.
inline QString readTask(const QString &path)
{
    using namespace morvaine;
    Project project;
    RecordingHost host;
    InitNewProject(project, host);
    LoadProject(project, host, path);
    return host.messages.isEmpty() ? project.taskTable.cell(ColTask, 1) : QStringLiteral("#error");
}
