#include "application.h"

#include "edit/command_guard.h"
#include "widgets/message_box.h"

#include <cstdio>

namespace morvaine {

namespace {

QtMessageHandler g_nextHandler = nullptr;

void FilterQtNote(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (g_nextHandler) {
        g_nextHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    std::fflush(stderr);
}

} // namespace

void FilterQtNotes()
{
    g_nextHandler = qInstallMessageHandler(FilterQtNote);
}

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
        ShowMessageBox(QCoreApplication::translate("Messages", "Error"),
                       ErrorMessage(std::current_exception()), MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
}

} // namespace morvaine
