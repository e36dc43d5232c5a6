#include "recovery_controller.h"

#include "edit/recovery.h"

#include <QDir>
#include <QLockFile>

#include <memory>

namespace morvaine {

RecoveryController::RecoveryController(Project &project, Host &host, QObject *parent)
    : QObject(parent), m_project(project), m_host(host), m_mark(NewWindowMark())
{
    m_writer.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    m_timer.setInterval(interval());
    connect(&m_timer, &QTimer::timeout, this, &RecoveryController::write);
    const auto listener = [this](int, int, const QString &, const QString &) { changed(); };
    m_taskListener = project.taskTable.addListener(listener);
    m_resourceListener = project.resourceTable.addListener(listener);
}

RecoveryController::~RecoveryController()
{
    m_project.taskTable.removeListener(m_taskListener);
    m_project.resourceTable.removeListener(m_resourceListener);
    m_writer.waitForDone();
}

int RecoveryController::interval()
{
    bool ok = false;
    const int milliseconds = qEnvironmentVariableIntValue("MORVAINE_RECOVERY_INTERVAL_MS", &ok);
    return ok && milliseconds > 0 ? milliseconds : 30000;
}

bool RecoveryController::offerRecovery(const QString &startFile)
{
    std::vector<RecoveryCopy> copies = FindRecoveryCopies(startFile);
    for (const RecoveryCopy &copy : copies) {
        if (m_host.MessageBox(tr("Recover"), RecoveryQuestion(copy), MsgIcon::Question,
                              MsgButtons::YesNo) != MsgAnswer::Yes) {
            RemoveRecoveryCopy(copy.copyPath);
            continue;
        }
        if (!RecoverProject(m_project, m_host, copy))
            continue;
        // The copy becomes this window's own: it stays until the recovered plan is saved
        // or given up, also while the window takes the recovered plan as its new one.
        m_copyPath = copy.copyPath;
        m_copyOf = copy.projectPath;
        m_lock = copy.lock;
        m_keepRecovered = true;
        return true;
    }
    return false;
}

void RecoveryController::changed()
{
    // Every cell write lands here, thousands in a recalculation: only start the clock.
    if (!m_timer.isActive())
        m_timer.start();
}

void RecoveryController::write()
{
    if (!m_project.settings().isModified())
        return;
    const QString path = planPath();
    if (!m_copyPath.isEmpty() && m_copyOf != path)
        removeCopy(); // the plan was saved under another name since
    if (m_copyPath.isEmpty()) {
        const QString copyPath = RecoveryCopyPath(path, m_mark);
        QString reason;
        std::shared_ptr<QLockFile> lock = LockRecoveryCopy(copyPath, &reason);
        if (!lock) {
            warnUnprotected(reason);
            return;
        }
        m_lock = std::move(lock);
        m_copyPath = copyPath;
        m_copyOf = path;
    }
    // The cells are copied here, which shares their texts, and written on the writer's
    // thread, so typing never waits for the disk.
    auto snapshot = std::make_shared<Project>();
    snapshot->taskTable = m_project.taskTable;
    snapshot->resourceTable = m_project.resourceTable;
    m_writer.start([this, snapshot, path, copyPath = m_copyPath] {
        const QString reason = WriteRecoveryCopy(*snapshot, path, copyPath);
        if (!reason.isEmpty())
            QMetaObject::invokeMethod(
                this, [this, reason] { warnUnprotected(reason); }, Qt::QueuedConnection);
    });
}

void RecoveryController::warnUnprotected(const QString &reason)
{
    if (m_warned)
        return;
    m_warned = true;
    m_host.MessageBox(tr("Warning"),
                      tr("Unsaved changes are not protected: no recovery copy can be "
                         "written in %1 (%2). Save your work to keep it.")
                          .arg(QDir::toNativeSeparators(RecoveryFolder()), reason),
                      MsgIcon::Warning, MsgButtons::Ok);
}

void RecoveryController::writeNow()
{
    m_timer.stop();
    write();
    m_writer.waitForDone();
}

void RecoveryController::removeCopy()
{
    m_writer.waitForDone();
    if (!m_copyPath.isEmpty())
        RemoveRecoveryCopy(m_copyPath);
    m_lock.reset();
    m_copyPath.clear();
    m_copyOf.clear();
}

void RecoveryController::documentReplaced(const QString &)
{
    if (m_keepRecovered) {
        m_keepRecovered = false;
        return;
    }
    m_timer.stop();
    removeCopy();
}

void RecoveryController::documentSaved(const QString &)
{
    m_timer.stop();
    removeCopy();
}

void RecoveryController::closing()
{
    m_timer.stop();
    removeCopy();
}

QString RecoveryController::planPath() const
{
    const SettingsBlock settings = m_project.settings();
    return settings.hasFileName() ? settings.fileName() : QString();
}

} // namespace morvaine
