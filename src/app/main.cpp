// Morvaine: a desktop project planner. Without options the program opens its main
// window, with the project file named as the first parameter when there is one.

#include "app/application.h"
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/ui_language.h"
#include "edit/command_guard.h"
#include "views/fonts.h"
#include "widgets/message_box.h"

#include <QCoreApplication>
#include <memory>

int main(int argc, char **argv)
{
    morvaine::FilterQtNotes();
    int status = 0;
    QStringList files;
    if (morvaine::RunCommandLine(argc, argv, &status, &files))
        return status;

    // The window reads no options of its own: Qt sees the program name only, so that a
    // file named like one of Qt's options (after "--") stays a file name.
    int qtArgc = 1;
    morvaine::Application app(qtArgc, argv);
    morvaine::InstallUiLanguage();
    morvaine::InstallFontSubstitutions();

    std::unique_ptr<morvaine::MainWindow> window;
    try {
        window = std::make_unique<morvaine::MainWindow>(files);
    } catch (...) {
        morvaine::ShowMessageBox(QCoreApplication::translate("Messages", "Error"),
                                 morvaine::ErrorMessage(std::current_exception()),
                                 morvaine::MsgIcon::Error, morvaine::MsgButtons::Ok);
        return 1;
    }
    window->show();
    return app.exec();
}
