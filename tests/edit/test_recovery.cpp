// Recovery copies: where they are kept and who may read them, which copies are offered
// at start, and what recovering one does to the plan.

#include "edit/recovery.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"

#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace morvaine;

class TestRecovery : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    QTemporaryDir m_plans;

    Project newPlan(const QString &name)
    {
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        project.taskTable.setCell(ColTask, 1, name);
        project.taskTable.setCell(ColDuration, 1, QStringLiteral("3 days"));
        return project;
    }
    static void age(const QString &path, int seconds)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                                 QFileDevice::FileModificationTime));
    }
    static int mode(const QString &path)
    {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777)
                                                                       : -1;
    }
    // A copy of a plan written by a window that still runs: its lock comes back.
    std::unique_ptr<QLockFile> writeCopy(const QString &plan, const QString &mark,
                                         const QString &task)
    {
        const QString copy = RecoveryCopyPath(plan, mark);
        auto lock = LockRecoveryCopy(copy);
        if (lock && !WriteRecoveryCopy(newPlan(task), plan, copy).isEmpty())
            lock.reset();
        return lock;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
        SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
    }
    void cleanup()
    {
        QFile::remove(RecoveryFolder());
        QDir(RecoveryFolder()).removeRecursively();
    }

    void copiesAreNamedAfterTheirPlanAndWindow()
    {
        const QString a = m_plans.filePath("a/plan.mrv");
        const QString b = m_plans.filePath("b/plan.mrv");
        const QString one = NewWindowMark();
        const QString two = NewWindowMark();
        QVERIFY(one != two);
        QVERIFY(RecoveryCopyPath(a, one) != RecoveryCopyPath(b, one));
        QVERIFY(RecoveryCopyPath(a, one) != RecoveryCopyPath(a, two));
        QVERIFY(RecoveryCopyPath(a, one).startsWith(RecoveryFolder()));
        QVERIFY(QFileInfo(RecoveryCopyPath(a, one)).fileName().startsWith("plan-"));
        QCOMPARE(RecoveryCopyPath(a, one),
                 RecoveryCopyPath(m_plans.filePath("a/../a/plan.mrv"), one));
        QVERIFY(QFileInfo(RecoveryCopyPath(QString(), one)).fileName().startsWith("untitled-"));
    }

    // Whatever the umask, the folder and every file in it are the owner's alone, also a
    // folder an earlier version left open.
    void copiesAreReadableByTheirOwnerOnly_data()
    {
        QTest::addColumn<int>("umask");
        QTest::newRow("umask 000") << 0;
        QTest::newRow("umask 022") << 022;
    }
    void copiesAreReadableByTheirOwnerOnly()
    {
        QFETCH(int, umask);
        QVERIFY(QDir().mkpath(RecoveryFolder()));
        QVERIFY(QFile::setPermissions(RecoveryFolder(), QFile::ReadOwner | QFile::WriteOwner |
                                                            QFile::ExeOwner | QFile::ReadOther |
                                                            QFile::ExeOther));
        const mode_t before = ::umask(mode_t(umask));
        const QString plan = m_plans.filePath("house.mrv");
        auto lock = writeCopy(plan, NewWindowMark(), "Walls");
        ::umask(before);
        QVERIFY(lock);
        QCOMPARE(mode(RecoveryFolder()), 0700);
        const QStringList files = QDir(RecoveryFolder()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files.size(), 3); // the copy, the name of its plan, the lock
        for (const QString &file : files)
            QVERIFY2(mode(QDir(RecoveryFolder()).filePath(file)) == 0600, qPrintable(file));
    }

    void copyIsAPlainProjectFileAndRemovable()
    {
        const QString plan = m_plans.filePath("house.mrv");
        const QString mark = NewWindowMark();
        auto lock = writeCopy(plan, mark, "Walls");
        QVERIFY(lock);
        Project read;
        RecordingHost host;
        InitNewProject(read, host);
        LoadProject(read, host, RecoveryCopyPath(plan, mark));
        QVERIFY(host.messages.isEmpty());
        QCOMPARE(read.taskTable.cell(ColTask, 1), QStringLiteral("Walls"));
        // Writing again replaces the copy whole; no temporary file is left beside it.
        QVERIFY(WriteRecoveryCopy(newPlan("Roof"), plan, RecoveryCopyPath(plan, mark)).isEmpty());
        QCOMPARE(QDir(RecoveryFolder()).entryList(QDir::Files).size(), 3);
        RemoveRecoveryCopy(RecoveryCopyPath(plan, mark));
        lock.reset();
        QVERIFY(QDir(RecoveryFolder()).entryList(QDir::Files).isEmpty());
    }

    // Two windows on one plan keep two copies. Neither is offered while its window runs;
    // once both are gone both are offered, newest first, whatever the age of the plan,
    // and while one start offers them no other start does.
    void copiesOfferedOnlyOnceTheirWindowIsGone()
    {
        const QString plan = m_plans.filePath("office.mrv");
        QVERIFY(WriteProjectFile(newPlan("Saved"), plan));
        auto first = writeCopy(plan, NewWindowMark(), "First");
        auto second = writeCopy(plan, NewWindowMark(), "Second");
        auto other = writeCopy(m_plans.filePath("other.mrv"), NewWindowMark(), "Other");
        QVERIFY(first && second && other);
        QVERIFY(FindRecoveryCopies(plan).empty());
        QVERIFY(FindRecoveryCopies(QString()).empty());

        age(first->fileName().chopped(5), 120); // older than the plan, still unsaved work
        first.reset();
        second.reset();
        std::vector<RecoveryCopy> copies = FindRecoveryCopies(plan);
        QCOMPARE(copies.size(), std::size_t(2));
        QCOMPARE(copies[0].projectPath, plan);
        QVERIFY(copies[0].written > copies[1].written);
        for (const RecoveryCopy &copy : copies)
            QVERIFY(copy.lock && copy.lock->isLocked());
        QVERIFY(FindRecoveryCopies(plan).empty()); // taken by the start offering them
        copies.clear();
        QCOMPARE(FindRecoveryCopies(QString()).size(), std::size_t(2)); // "other" still runs
        other.reset();
        QCOMPARE(FindRecoveryCopies(QString()).size(), std::size_t(3));
    }

    void recoveringKeepsTheOriginalFileName()
    {
        const QString plan = m_plans.filePath("garden.mrv");
        QVERIFY(WriteProjectFile(newPlan("Saved"), plan));
        QVERIFY(writeCopy(plan, NewWindowMark(), "Unsaved"));
        const std::vector<RecoveryCopy> copies = FindRecoveryCopies(plan);
        QCOMPARE(copies.size(), std::size_t(1));
        QCOMPARE(RecoveryQuestion(copies[0]),
                 QStringLiteral("Morvaine was closed without saving garden.mrv. Recover the "
                                "unsaved changes?"));

        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        QVERIFY(RecoverProject(project, host, copies[0]));
        QCOMPARE(project.taskTable.cell(ColTask, 1), QStringLiteral("Unsaved"));
        QCOMPARE(project.settings().fileName(), plan);
        QVERIFY(project.settings().isModified());
        QCOMPARE(host.caption, CaptionFor(plan));
    }

    void untitledPlanIsRecoveredUntitled()
    {
        QVERIFY(writeCopy(QString(), NewWindowMark(), "Draft"));
        const std::vector<RecoveryCopy> copies = FindRecoveryCopies(QString());
        QCOMPARE(copies.size(), std::size_t(1));
        QVERIFY(copies[0].projectPath.isEmpty());
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        QVERIFY(RecoverProject(project, host, copies[0]));
        QCOMPARE(project.taskTable.cell(ColTask, 1), QStringLiteral("Draft"));
        QVERIFY(!project.settings().hasFileName());
        QVERIFY(project.settings().isModified());
    }

    void unreadableCopyIsSetAsideWithAMessage()
    {
        const QString plan = m_plans.filePath("broken.mrv");
        const QString mark = NewWindowMark();
        QVERIFY(writeCopy(plan, mark, "X"));
        QFile copyFile(RecoveryCopyPath(plan, mark));
        QVERIFY(copyFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        copyFile.write("not a plan");
        copyFile.close();

        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        {
            const std::vector<RecoveryCopy> copies = FindRecoveryCopies(plan);
            QCOMPARE(copies.size(), std::size_t(1));
            QVERIFY(!RecoverProject(project, host, copies[0]));
        }
        QCOMPARE(host.messages.size(), 1);
        QCOMPARE(host.messages[0].title, QStringLiteral("Error"));
        QVERIFY(host.messages[0].text.contains(".unreadable-"));
        QVERIFY(project.taskTable.cell(ColTask, 1).isEmpty()); // the new plan is untouched
        QVERIFY(FindRecoveryCopies(plan).empty());
        const QStringList kept = QDir(RecoveryFolder()).entryList({"*.unreadable-*"}, QDir::Files);
        QCOMPARE(kept.size(), 1);
    }

    // A folder that cannot be made says why, and nothing is locked or written.
    void unwritableFolderGivesItsReason()
    {
        QDir(RecoveryFolder()).removeRecursively();
        QVERIFY(QDir().mkpath(QFileInfo(RecoveryFolder()).absolutePath()));
        QFile blocker(RecoveryFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(PrepareRecoveryFolder().contains("is not a folder"));
        const QString copy = RecoveryCopyPath(QString(), NewWindowMark());
        QString reason;
        QVERIFY(!LockRecoveryCopy(copy, &reason));
        QVERIFY(reason.contains("is not a folder"));
        QVERIFY(!WriteRecoveryCopy(newPlan("X"), QString(), copy).isEmpty());
        QVERIFY(FindRecoveryCopies(QString()).empty());
    }
};

QTEST_GUILESS_MAIN(TestRecovery)
#include "test_recovery.moc"
