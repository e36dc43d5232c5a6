#include "tools_controller.h"

#include "command_actions.h"
#include "dialogs/settings_dialog.h"

namespace morvaine {

ToolsController::ToolsController(Project &project, Host &host, QWidget *window,
                                 CommandActions &actions)
    : QObject(window), m_settingsDialog(new SettingsDialog(project, host, window))
{
    actions.bind("Settings1", this, &ToolsController::onSettings);
}

ToolsController::~ToolsController()
{
    // The dialog works on the project, which may go before the window deletes its
    // children.
    delete m_settingsDialog;
}

void ToolsController::onSettings()
{
    m_settingsDialog->runModal();
}

} // namespace morvaine
