// The window's recovery copies: two windows on one plan keep a copy each, saving or
// closing one removes only its own, the copies of windows that are gone are offered
// one by one, and a folder that takes no copy is reported once.

#include "app/recovery_controller.h"
#include "edit/recovery.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace morvaine;

namespace {

// One window's part in recovery: its plan, its messages and its controller.
struct Window {
    Project project;
    RecordingHost host;
    std::unique_ptr<RecoveryController> recovery;

    explicit Window(const QString &plan = QString())
    {
        InitNewProject(project, host);
        if (!plan.isEmpty())
            LoadProject(project, host, plan);
        recovery = std::make_unique<RecoveryController>(project, host, nullptr);
    }
    void type(const QString &task)
    {
        project.taskTable.setCell(ColTask, 2, task);
        project.settings().markModified();
        recovery->writeNow();
    }
};

QString TaskInCopy(const QString &copyPath)
{
    Project project;
    RecordingHost host;
    InitNewProject(project, host);
    LoadProject(project, host, copyPath);
    return host.messages.isEmpty() ? project.taskTable.cell(ColTask, 2) : QStringLiteral("?");
}

} // namespace

class TestRecoveryController : public QObject {
    Q_OBJECT

    QTemporaryDir m_data;
    QTemporaryDir m_plans;
    QString m_plan;

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
        SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        m_plan = m_plans.filePath(QStringLiteral("plan.mrv"));
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        project.taskTable.setCell(ColTask, 1, QStringLiteral("Saved"));
        QVERIFY(WriteProjectFile(project, m_plan));
    }
    void cleanup()
    {
        QFile::remove(RecoveryFolder());
        QDir(RecoveryFolder()).removeRecursively();
    }

    // Window A types AAAA and B types BBBB on one plan; A closes without saving, B is
    // killed: BBBB is offered at the next start and recovered into its window, which
    // takes the copy as its own.
    void twoWindowsOnOnePlanKeepACopyEach()
    {
        auto a = std::make_unique<Window>(m_plan);
        auto b = std::make_unique<Window>(m_plan);
        a->type(QStringLiteral("AAAA"));
        b->type(QStringLiteral("BBBB"));
        const QString copyOfB = b->recovery->copyPath();
        QVERIFY(a->recovery->copyPath() != copyOfB);
        QCOMPARE(TaskInCopy(a->recovery->copyPath()), QStringLiteral("AAAA"));
        QCOMPARE(TaskInCopy(copyOfB), QStringLiteral("BBBB"));

        // A start meanwhile offers nothing: both windows run.
        Window bare;
        QVERIFY(!bare.recovery->offerRecovery(QString()));
        QVERIFY(bare.host.messages.isEmpty());

        a->recovery->closing();
        QVERIFY(!QFile::exists(a->recovery->copyPath()));
        QCOMPARE(TaskInCopy(copyOfB), QStringLiteral("BBBB"));
        b.reset(); // killed: the copy stays, its lock is free

        Window next;
        QVERIFY(next.recovery->offerRecovery(m_plan));
        QCOMPARE(next.host.messages.size(), 1);
        QCOMPARE(next.host.messages[0].title, QStringLiteral("Recover"));
        QCOMPARE(next.project.taskTable.cell(ColTask, 2), QStringLiteral("BBBB"));
        QCOMPARE(next.recovery->copyPath(), copyOfB);
        next.type(QStringLiteral("BBBB and more"));
        QCOMPARE(TaskInCopy(copyOfB), QStringLiteral("BBBB and more"));
        next.recovery->documentSaved(m_plan);
        QVERIFY(QDir(RecoveryFolder()).entryList(QDir::Files).isEmpty());
    }

    // Two copies of one plan left by two killed windows: No removes the one asked
    // about and the next is asked; a copy not asked about waits for another start.
    void copiesOfOnePlanAreOfferedOneByOne()
    {
        for (const QString &task :
             {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")}) {
            Window killed(m_plan);
            killed.type(task);
            QTest::qWait(1100); // file times a second apart: the newest is asked first
        }
        Window first;
        first.host.answers = {MsgAnswer::No, MsgAnswer::Yes};
        QVERIFY(first.recovery->offerRecovery(m_plan));
        QCOMPARE(first.host.messages.size(), 2);
        QCOMPARE(first.project.taskTable.cell(ColTask, 2), QStringLiteral("Two"));

        Window second;
        QVERIFY(second.recovery->offerRecovery(m_plan));
        QCOMPARE(second.project.taskTable.cell(ColTask, 2), QStringLiteral("One"));
        Window third;
        QVERIFY(!third.recovery->offerRecovery(QString()));
    }

    void savingOrNewRemovesOnlyTheWindowsCopy()
    {
        Window a(m_plan);
        Window b(m_plan);
        a.type(QStringLiteral("A"));
        b.type(QStringLiteral("B"));
        const QString copyOfA = a.recovery->copyPath();
        const QString copyOfB = b.recovery->copyPath();
        a.recovery->documentSaved(m_plan);
        QVERIFY(!QFile::exists(copyOfA));
        QVERIFY(QFile::exists(copyOfB));
        b.recovery->documentReplaced(QString());
        QVERIFY(!QFile::exists(copyOfB));
        QVERIFY(QDir(RecoveryFolder()).entryList(QDir::Files).isEmpty());
    }

    // No copy can be written: the window says so once, with the reason.
    void unwritableFolderIsToldOnce()
    {
        QVERIFY(QDir().mkpath(QFileInfo(RecoveryFolder()).absolutePath()));
        QFile blocker(RecoveryFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Window window(m_plan);
        window.type(QStringLiteral("A"));
        window.type(QStringLiteral("B"));
        QCoreApplication::processEvents();
        QCOMPARE(window.host.messages.size(), 1);
        QCOMPARE(window.host.messages[0].title, QStringLiteral("Warning"));
        QCOMPARE(window.host.messages[0].icon, MsgIcon::Warning);
        QVERIFY2(window.host.messages[0].text.startsWith("Unsaved changes are not protected") &&
                     window.host.messages[0].text.contains("is not a folder"),
                 qPrintable(window.host.messages[0].text));
    }
};

QTEST_GUILESS_MAIN(TestRecoveryController)
#include "test_recovery_controller.moc"
