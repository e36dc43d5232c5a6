#pragma once
// The tools and report commands: the resource dialog, the settings dialog and the total
// report. The dialogs are made once, when the window is built, and reused; what they
// change they change themselves.

#include "model/host.h"
#include "model/project.h"

#include <QObject>

class QWidget;

namespace morvaine {

class CommandActions;
class ReportWindow;
class ResourceDialog;
class SettingsDialog;
class TaskGrid;

class ToolsController : public QObject {
    Q_OBJECT
public:
    /// Creates the dialogs over window, once; they live as long as the controller.
    ToolsController(Project &project, Host &host, TaskGrid *grid, QWidget *window,
                    CommandActions &actions);
    ~ToolsController() override;

    /// The settings dialog, created once.
    SettingsDialog *settingsDialog() const { return m_settingsDialog; }
    /// The resource dialog, created once.
    ResourceDialog *resourceDialog() const { return m_resourceDialog; }
    /// The report window, created once.
    ReportWindow *reportWindow() const { return m_reportWindow; }

    /// Shows the resource dialog modally.
    void onResource();
    /// Shows the settings dialog modally.
    void onSettings();
    /// Shows the total report of the project as it is now, modally.
    void onTotalReport();

private:
    TaskGrid *m_taskGrid;
    SettingsDialog *m_settingsDialog;
    ResourceDialog *m_resourceDialog;
    ReportWindow *m_reportWindow;
};

} // namespace morvaine
