#pragma once
// The application object with the program's general error handler.

#include <QApplication>

namespace morvaine {

class Application : public QApplication {
public:
    Application(int &argc, char **argv);

    /// Delivers an event; an error that no command caught is shown in an "Error"
    /// box and the event loop goes on.
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace morvaine
