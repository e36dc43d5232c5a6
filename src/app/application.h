#pragma once
// The application object with the program's general error handler, and the filter of
// Qt's own notes on standard error.

#include <QApplication>

namespace morvaine {

class Application : public QApplication {
public:
    Application(int &argc, char **argv);

    /// Delivers an event; an error that no command caught is shown in an "Error"
    /// box and the event loop goes on.
    bool notify(QObject *receiver, QEvent *event) override;
};

/// Keeps Qt's note that XDG_RUNTIME_DIR is not set (Qt then uses a private folder of
/// its own) off standard error, so that a run without a desktop session prints only the
/// program's messages; every other message goes on as before. Call first in main().
void FilterQtNotes();

} // namespace morvaine
