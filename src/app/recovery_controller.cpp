#include "recovery_controller.h"

#include "edit/recovery.h"

#include <memory>

namespace morvaine {

RecoveryController::RecoveryController(Project &project, Host &host, QObject *parent)
    : QObject(parent), m_project(project), m_host(host)
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
    const std::optional<RecoveryCopy> copy = FindRecoveryCopy(startFile);
    if (!copy)
        return false;
    if (m_host.MessageBox(QStringLiteral("Recover"), RecoveryQuestion(*copy), MsgIcon::Question,
                          MsgButtons::YesNo) != MsgAnswer::Yes) {
        RemoveRecoveryCopy(copy->projectPath);
        return false;
    }
    if (!RecoverProject(m_project, m_host, *copy))
        return false;
    // The copy stays until the recovered plan is saved or given up, also while the
    // window takes the recovered plan as its new one.
    m_copyOf = copy->projectPath;
    m_keepRecovered = true;
    return true;
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
    if (!m_copyOf.isNull() && m_copyOf != path)
        removeCopy(); // the plan was saved under another name since
    // The cells are copied here, which shares their texts, and written on the writer's
    // thread, so typing never waits for the disk.
    auto snapshot = std::make_shared<Project>();
    snapshot->taskTable = m_project.taskTable;
    snapshot->resourceTable = m_project.resourceTable;
    m_writer.start([snapshot, path] { WriteRecoveryCopy(*snapshot, path); });
    m_copyOf = path;
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
    if (!m_copyOf.isNull())
        RemoveRecoveryCopy(m_copyOf);
    m_copyOf = QString();
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

void RecoveryController::documentSaved(const QString &path)
{
    m_timer.stop();
    removeCopy();
    RemoveRecoveryCopy(path);
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
