#pragma once
// The tools commands: the settings dialog now; the resource dialog and the total
// report (Resource1, TotalReport1) are greyed until they are built, and their
// handlers will be bound in this controller's constructor.

#include "model/host.h"
#include "model/project.h"

#include <QObject>

class QWidget;

namespace morvaine {

class CommandActions;
class SettingsDialog;

class ToolsController : public QObject {
    Q_OBJECT
public:
    /// Creates the dialogs over window, once; they live as long as the controller.
    ToolsController(Project &project, Host &host, QWidget *window, CommandActions &actions);
    ~ToolsController() override;

    /// The settings dialog, created once.
    SettingsDialog *settingsDialog() const { return m_settingsDialog; }

    /// Shows the settings dialog modally; what it changes it changes itself.
    void onSettings();

private:
    SettingsDialog *m_settingsDialog;
};

} // namespace morvaine
