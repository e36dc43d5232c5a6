#pragma once
// Crash recovery in the window: while the project has unsaved changes, the window's own
// recovery copy is written in the background at most every 30 seconds after a change;
// a save, New, Open or closing the window removes it, and only it; at start the copies
// left by windows that no longer run are offered back. When no copy can be written, the
// user is told once.

#include "model/host.h"
#include "model/project.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <memory>

class QLockFile;

namespace morvaine {

class RecoveryController : public QObject {
    Q_OBJECT
public:
    RecoveryController(Project &project, Host &host, QObject *parent);
    ~RecoveryController() override;

    /// The time between a change and the copy it leads to: 30 seconds, or the
    /// milliseconds in MORVAINE_RECOVERY_INTERVAL_MS.
    static int interval();

    /// At start, before the command-line file is opened: asks, copy by copy, newest
    /// first, whether to recover the copies of that file (or, without one, of any plan)
    /// whose window no longer runs. Yes opens the copy into the new project, which keeps
    /// it as the window's own copy, and returns true; No removes that copy and asks about
    /// the next. Copies not asked about stay for the next start.
    bool offerRecovery(const QString &startFile);
    /// Writes the copy now when the project has unsaved changes; waits until it is written.
    void writeNow();
    /// The plan was replaced by a new or opened one: the copy of the plan shown until now
    /// goes.
    void documentReplaced(const QString &path);
    /// The plan was saved: the window's copy goes.
    void documentSaved(const QString &path);
    /// The window closes with the user's answer to the unsaved changes: no copy is kept.
    void closing();
    /// The window's copy, for tests; empty when it keeps none.
    QString copyPath() const { return m_copyPath; }

private:
    void changed();
    void write();
    void removeCopy();
    void warnUnprotected(const QString &reason);
    QString planPath() const;

    Project &m_project;
    Host &m_host;
    QTimer m_timer;
    QThreadPool m_writer;              // one thread: copies are written one after the other
    const QString m_mark;              // this window's part of its copies' names
    QString m_copyPath;                // the window's copy; empty while it has none
    QString m_copyOf;                  // the plan m_copyPath belongs to
    std::shared_ptr<QLockFile> m_lock; // held beside m_copyPath while it is the window's
    bool m_keepRecovered = false;      // the plan shown was recovered from m_copyPath
    bool m_warned = false;             // the user was told that no copy can be written
    int m_taskListener = 0;
    int m_resourceListener = 0;
};

} // namespace morvaine
