#include "application.h"

#include "edit/command_guard.h"
#include "widgets/message_box.h"

namespace morvaine {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Morvaine"));
    setApplicationVersion(QStringLiteral("1.0"));
    setDesktopFileName(QStringLiteral("morvaine"));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowMessageBox(QStringLiteral("Error"), ErrorMessage(std::current_exception()),
                       MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
}

} // namespace morvaine
