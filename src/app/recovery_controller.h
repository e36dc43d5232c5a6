#pragma once
// Crash recovery in the window: while the project has unsaved changes, a recovery copy
// is written in the background at most every 30 seconds after a change; a save, New,
// Open or closing the window removes it; at start a copy newer than its plan is offered
// back.

#include "model/host.h"
#include "model/project.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

namespace morvaine {

class RecoveryController : public QObject {
    Q_OBJECT
public:
    RecoveryController(Project &project, Host &host, QObject *parent);
    ~RecoveryController() override;

    /// The time between a change and the copy it leads to: 30 seconds, or the
    /// milliseconds in MORVAINE_RECOVERY_INTERVAL_MS.
    static int interval();

    /// At start, before the command-line file is opened: when a recovery copy of that
    /// file (or, without one, of any plan) is newer than its plan, asks once whether to
    /// recover it. Yes opens the copy into the new project and returns true; No removes it.
    bool offerRecovery(const QString &startFile);
    /// Writes the copy now when the project has unsaved changes; waits until it is written.
    void writeNow();
    /// The plan was replaced by a new or opened one: the copy of the plan shown until now
    /// goes.
    void documentReplaced(const QString &path);
    /// The plan was saved to path: its copy goes.
    void documentSaved(const QString &path);
    /// The window closes with the user's answer to the unsaved changes: no copy is kept.
    void closing();

private:
    void changed();
    void write();
    void removeCopy();
    QString planPath() const;

    Project &m_project;
    Host &m_host;
    QTimer m_timer;
    QThreadPool m_writer; // one thread: copies are written one after the other
    QString m_copyOf;     // the plan whose copy was written last; null when none is
    bool m_keepRecovered = false; // the plan shown was recovered from m_copyOf
    int m_taskListener = 0;
    int m_resourceListener = 0;
};

} // namespace morvaine
