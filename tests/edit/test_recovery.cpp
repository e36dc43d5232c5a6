// Recovery copies: where they are kept, which copy is offered at start, and what
// recovering one does to the plan.

#include "edit/recovery.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
        SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
    }
    void cleanup() { QDir(RecoveryFolder()).removeRecursively(); }

    void copiesAreNamedAfterTheirPlan()
    {
        const QString a = m_plans.filePath("a/plan.mrv");
        const QString b = m_plans.filePath("b/plan.mrv");
        QVERIFY(RecoveryCopyPath(a) != RecoveryCopyPath(b));
        QVERIFY(RecoveryCopyPath(a).startsWith(RecoveryFolder()));
        QVERIFY(QFileInfo(RecoveryCopyPath(a)).fileName().startsWith("plan-"));
        QCOMPARE(RecoveryCopyPath(a), RecoveryCopyPath(m_plans.filePath("a/../a/plan.mrv")));
        QCOMPARE(QFileInfo(RecoveryCopyPath(QString())).fileName(), QStringLiteral("untitled.mrv"));
    }

    void copyIsAPlainProjectFileAndRemovable()
    {
        const QString plan = m_plans.filePath("house.mrv");
        QVERIFY(WriteRecoveryCopy(newPlan("Walls"), plan));
        Project read;
        RecordingHost host;
        InitNewProject(read, host);
        LoadProject(read, host, RecoveryCopyPath(plan));
        QVERIFY(host.messages.isEmpty());
        QCOMPARE(read.taskTable.cell(ColTask, 1), QStringLiteral("Walls"));
        // Writing again replaces the copy whole; no temporary file is left beside it.
        QVERIFY(WriteRecoveryCopy(newPlan("Roof"), plan));
        QCOMPARE(QDir(RecoveryFolder()).entryList(QDir::Files).size(), 2); // copy and owner
        RemoveRecoveryCopy(plan);
        QVERIFY(QDir(RecoveryFolder()).entryList(QDir::Files).isEmpty());
        QVERIFY(!FindRecoveryCopy(plan));
    }

    void copyOfferedOnlyWhenNewerThanItsPlan()
    {
        const QString plan = m_plans.filePath("office.mrv");
        Project saved = newPlan("Saved");
        QVERIFY(WriteProjectFile(saved, plan));
        QVERIFY(WriteRecoveryCopy(newPlan("Unsaved"), plan));
        age(plan, 60);
        QVERIFY(FindRecoveryCopy(plan));
        QCOMPARE(FindRecoveryCopy(QString())->projectPath, plan); // offered at a bare start too

        age(RecoveryCopyPath(plan), 120); // the plan was saved after the copy
        QVERIFY(!FindRecoveryCopy(plan));
        QVERIFY(!FindRecoveryCopy(QString()));
    }

    void recoveringKeepsTheOriginalFileName()
    {
        const QString plan = m_plans.filePath("garden.mrv");
        QVERIFY(WriteProjectFile(newPlan("Saved"), plan));
        age(plan, 60);
        QVERIFY(WriteRecoveryCopy(newPlan("Unsaved"), plan));
        const std::optional<RecoveryCopy> copy = FindRecoveryCopy(plan);
        QVERIFY(copy);
        QCOMPARE(RecoveryQuestion(*copy),
                 QStringLiteral("Morvaine was closed without saving garden.mrv. Recover the "
                                "unsaved changes?"));

        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        QVERIFY(RecoverProject(project, host, *copy));
        QCOMPARE(project.taskTable.cell(ColTask, 1), QStringLiteral("Unsaved"));
        QCOMPARE(project.settings().fileName(), plan);
        QVERIFY(project.settings().isModified());
        QCOMPARE(host.caption, CaptionFor(plan));
    }

    void untitledPlanIsRecoveredUntitled()
    {
        QVERIFY(WriteRecoveryCopy(newPlan("Draft"), QString()));
        const std::optional<RecoveryCopy> copy = FindRecoveryCopy(QString());
        QVERIFY(copy);
        QVERIFY(copy->projectPath.isEmpty());
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        QVERIFY(RecoverProject(project, host, *copy));
        QCOMPARE(project.taskTable.cell(ColTask, 1), QStringLiteral("Draft"));
        QVERIFY(!project.settings().hasFileName());
        QVERIFY(project.settings().isModified());
    }

    void unreadableCopyIsSetAsideWithAMessage()
    {
        const QString plan = m_plans.filePath("broken.mrv");
        QVERIFY(WriteRecoveryCopy(newPlan("X"), plan));
        QFile copyFile(RecoveryCopyPath(plan));
        QVERIFY(copyFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        copyFile.write("not a plan");
        copyFile.close();

        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        QVERIFY(!RecoverProject(project, host, *FindRecoveryCopy(plan)));
        QCOMPARE(host.messages.size(), 1);
        QCOMPARE(host.messages[0].title, QStringLiteral("Error"));
        QVERIFY(host.messages[0].text.contains(".unreadable-"));
        QVERIFY(project.taskTable.cell(ColTask, 1).isEmpty()); // the new plan is untouched
        QVERIFY(!FindRecoveryCopy(plan));
        const QStringList kept = QDir(RecoveryFolder()).entryList({"*.unreadable-*"}, QDir::Files);
        QCOMPARE(kept.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRecovery)
#include "test_recovery.moc"
