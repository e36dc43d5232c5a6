// Undo and redo over the real editing operations: each command undone puts back every
// cell, LastTaskRow and the critical marks exactly; redone, it gives the same state again.

#include "edit/chart_edits.h"
#include "edit/list_normalize.h"
#include "edit/task_structure.h"
#include "edit/undo_history.h"
#include "edit/working_days.h"
#include "model/new_project.h"
#include "recording_host.h"
#include "schedule/critical_path.h"
#include "schedule/recalc.h"

#include <QTest>

#include <algorithm>
#include <functional>

using namespace morvaine;

namespace {

struct State {
    QStringList tasks;
    QStringList resources;
    int lastTaskRow = 0;
    std::vector<int> marks;
    bool operator==(const State &) const = default;
};

// Every cell of the plan's rows and settings, and the values beside the cells. "Modify"
// is left out: it follows the saved state, checked on its own below.
State Snapshot(const Project &project)
{
    State state;
    for (int column = 0; column < TaskTable::Columns; ++column)
        for (int row = 0; row < 40; ++row)
            if (column != ColSettings || row != SettingsBlock::Modify)
                state.tasks << project.taskTable.cell(column, row);
    for (int column = 0; column < ResourceTable::Columns; ++column)
        for (int row = 0; row < 10; ++row)
            state.resources << project.resourceTable.cell(column, row);
    state.lastTaskRow = project.LastTaskRow;
    state.marks = project.CriticalMarks;
    return state;
}

// A plan of five linked tasks under one group, recalculated with the critical path on.
struct Plan {
    Project project;
    RecordingHost host;
    UndoHistory history{project};

    Plan()
    {
        SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        InitNewProject(project, host);
        project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("06.05.2024"));
        TaskTable &t = project.taskTable;
        const QStringList names{"House", "Design", "Walls", "Roof", "Keys"};
        const QStringList durations{"", "3 days", "5 days", "2 days", "0 days"};
        const QStringList links{"", "", " 2;", " 3;", " 4;"};
        for (int i = 0; i < names.size(); ++i) {
            const int row = i + 1;
            t.setCell(ColTask, row, names[i]);
            t.setCell(ColDuration, row, durations[i]);
            t.setCell(ColForerunner, row, links[i]);
            t.setCell(ColLevel, row, row == 1 ? QStringLiteral("1") : QStringLiteral("2"));
        }
        t.setCell(ColVeha, 1, QStringLiteral("v"));
        project.resourceTable.setCell(ResColName, 1, QStringLiteral("Anna"));
        project.LastTaskRow = 5;
        for (int row = 2; row <= 5; ++row)
            RecalcRow(project, host, ColDuration, row);
        RecalcSchedule(project, host);
        ToggleCriticalPath(project, host);
        project.settings().setValue(SettingsBlock::Modify, QStringLiteral("No"));
        history.clear();
    }

    void step(const QString &name, const std::function<void()> &command)
    {
        history.begin(name, 1, 2);
        try {
            command();
        } catch (const ConversionError &) {
        }
        history.end();
    }
};

} // namespace

class TestUndoHistory : public QObject {
    Q_OBJECT
private slots:
    void undoAndRedoRestoreExactState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("typing a duration") << "Typing";
        QTest::newRow("insert") << "Insert New Task";
        QTest::newRow("delete") << "Delete Task";
        QTest::newRow("indent") << "Indent";
        QTest::newRow("outdent") << "Outdent";
        QTest::newRow("resource renamed in tasks") << "Resources";
        QTest::newRow("half-failed command") << "Typing";
        QTest::newRow("holidays") << "Settings";
        QTest::newRow("typed link with type and lag") << "Typing";
        QTest::newRow("insert over typed links") << "Insert New Task";
        QTest::newRow("delete over typed links") << "Delete Task";
        QTest::newRow("drawn start-to-start link") << "Link Tasks";
    }

    void undoAndRedoRestoreExactState()
    {
        QFETCH(QString, name);
        Plan plan;
        Project &p = plan.project;
        Host &host = plan.host;
        const std::map<QString, std::function<void()>> commands{
            {"typing a duration",
             [&] {
                 p.taskTable.setCell(ColDuration, 2, QStringLiteral("10"));
                 RecalcRow(p, host, ColDuration, 2);
                 RecalcSchedule(p, host);
             }},
            {"insert", [&] { InsertTask(p, host, 3); }},
            {"delete", [&] { DeleteTask(p, host, 3); }},
            {"indent", [&] { IndentTask(p, host, ColTask, 4); }},
            {"outdent", [&] { OutdentTask(p, host, ColTask, 5); }},
            {"resource renamed in tasks",
             [&] {
                 p.resourceTable.setCell(ResColName, 1, QStringLiteral("Anne"));
                 p.taskTable.setCell(ColResource, 2, QStringLiteral(" Anne;"));
             }},
            {"holidays",
             [&] {
                 ApplyCalendar(p, host, QStringLiteral("YYYYYNN"),
                               QStringLiteral("08.05.2024-09.05.2024"),
                               QStringLiteral("11.05.2024"));
             }},
            {"half-failed command",
             [&] {
                 p.taskTable.setCell(ColDuration, 3, QStringLiteral("7 days"));
                 p.taskTable.setCell(ColForerunner, 4, QStringLiteral(" x;"));
                 RecalcSchedule(p, host); // fails on the bad link after writing cells
             }},
            {"typed link with type and lag",
             [&] {
                 p.taskTable.setCell(ColForerunner, 5, QStringLiteral("3 ss + 2; 4ff"));
                 NormalizeForerunnerList(p, host, 5);
                 RecalcSchedule(p, host);
             }},
            {"insert over typed links",
             [&] {
                 p.taskTable.setCell(ColForerunner, 5, QStringLiteral(" 2SS+1; 4FF-1;"));
                 InsertTask(p, host, 3);
             }},
            {"delete over typed links",
             [&] {
                 p.taskTable.setCell(ColForerunner, 5, QStringLiteral(" 3SS+1; 4FF-1;"));
                 DeleteTask(p, host, 3);
             }},
            {"drawn start-to-start link",
             [&] { LinkTasks(p, host, 2, BarEnd::Start, 5, BarEnd::Start); }},
        };
        const State before = Snapshot(p);
        plan.step(name, commands.at(QString::fromLatin1(QTest::currentDataTag())));
        const State after = Snapshot(p);
        QVERIFY(before != after);
        QVERIFY(plan.history.canUndo());
        QCOMPARE(plan.history.undoName(), name);

        QCOMPARE(plan.history.undo(), std::make_pair(1, 2));
        QVERIFY(Snapshot(p) == before);
        QCOMPARE(plan.history.redoName(), name);
        plan.history.redo();
        QVERIFY(Snapshot(p) == after);
        plan.history.undo();
        QVERIFY(Snapshot(p) == before);
    }

    void modifyFollowsTheSavedState()
    {
        Plan plan;
        SettingsBlock settings = plan.project.settings();
        plan.step("Typing", [&] {
            plan.project.taskTable.setCell(ColTask, 2, QStringLiteral("Plans"));
            settings.markModified();
        });
        plan.history.undo();
        QCOMPARE(settings.modify(), QStringLiteral("No")); // back at the opened state
        plan.history.redo();
        QCOMPARE(settings.modify(), QStringLiteral("Yes"));
        plan.history.markSaved();
        settings.setValue(SettingsBlock::Modify, QStringLiteral("No"));
        plan.history.undo();
        QCOMPARE(settings.modify(), QStringLiteral("Yes"));
        plan.history.redo();
        QCOMPARE(settings.modify(), QStringLiteral("No"));

        // A new step after undoing past the save leaves the saved state out of reach.
        plan.history.undo();
        plan.step("Typing",
                  [&] { plan.project.taskTable.setCell(ColTask, 3, QStringLiteral("X")); });
        plan.history.undo();
        QCOMPARE(settings.modify(), QStringLiteral("Yes"));
    }

    void saveAndEmptyStepsLeaveNoStep()
    {
        Plan plan;
        plan.step("Save", [&] {
            SettingsBlock settings = plan.project.settings();
            settings.setValue(SettingsBlock::FileName, QStringLiteral("/tmp/plan.mrv"));
            settings.setValue(SettingsBlock::ChangeDate, QStringLiteral("01.01.2025"));
            settings.setValue(SettingsBlock::Modify, QStringLiteral("No"));
        });
        plan.step("Typing", [] {});
        QVERIFY(!plan.history.canUndo());
        QCOMPARE(plan.history.undo(), std::make_pair(-1, -1));
    }

    void newStepEndsRedoAndClearForgetsAll()
    {
        Plan plan;
        plan.step("Typing",
                  [&] { plan.project.taskTable.setCell(ColTask, 2, QStringLiteral("A")); });
        plan.step("Typing",
                  [&] { plan.project.taskTable.setCell(ColTask, 3, QStringLiteral("B")); });
        plan.history.undo();
        QVERIFY(plan.history.canRedo());
        plan.step("Indent", [&] { IndentTask(plan.project, plan.host, ColTask, 4); });
        QVERIFY(!plan.history.canRedo());
        plan.history.clear();
        QVERIFY(!plan.history.canUndo());
        QVERIFY(!plan.history.canRedo());
    }

    // Keys typed into a cell wait for the command that commits it; what painting
    // completes in between is no step and does not lose them.
    void typedKeysJoinTheCommitThatFollows()
    {
        Plan plan;
        TaskTable &t = plan.project.taskTable;
        for (const QString &text :
             {QStringLiteral("W"), QStringLiteral("Wa"), QStringLiteral("Wal")}) {
            plan.history.begin(QString(), 1, 6);
            t.setCell(ColTask, 6, text);
            plan.history.defer();
        }
        plan.history.begin(QString(), 1, 1);
        t.setCell(ColDuration, 5, QStringLiteral("0 days")); // completed while painting
        plan.history.discard();
        QVERIFY(!plan.history.canUndo());
        plan.step("Typing", [&] { t.setCell(ColDuration, 6, QStringLiteral("1 day")); });
        QCOMPARE(plan.history.undo(), std::make_pair(1, 6));
        QVERIFY(t.cell(ColTask, 6).isEmpty());
        QVERIFY(t.cell(ColDuration, 6).isEmpty());
        QVERIFY(!plan.history.canUndo());

        // Typing taken back by Escape leaves no step.
        plan.history.clear();
        plan.history.begin(QString(), 1, 7);
        t.setCell(ColTask, 7, QStringLiteral("X"));
        plan.history.defer();
        plan.step("Typing", [&] { t.setCell(ColTask, 7, QString()); });
        QVERIFY(!plan.history.canUndo());
    }

    // A command's cells are told once, when it ends (CellBatch): a recalculation that
    // writes a cell many times leaves one change per cell, its first old text and its
    // last new one.
    void batchedCommandRecordsEachCellOnce()
    {
        Plan plan;
        Project &p = plan.project;
        const State before = Snapshot(p);
        QStringList changed;
        const int listener = p.taskTable.addListener(
            [&changed](int column, int row, const QString &, const QString &) {
                changed << QStringLiteral("%1,%2").arg(column).arg(row);
            });
        plan.history.begin(QStringLiteral("Typing"), 2, 2);
        {
            const CellBatch command;
            p.taskTable.setCell(ColDuration, 2, QStringLiteral("10"));
            RecalcRow(p, plan.host, ColDuration, 2);
            RecalcSchedule(p, plan.host);
            RecalcSchedule(p, plan.host); // nothing new: no second change
        }
        plan.history.end();
        p.taskTable.removeListener(listener);
        QCOMPARE(changed.removeDuplicates(), 0);
        QCOMPARE(plan.history.recordedCells(), std::size_t(changed.size()));
        QVERIFY(changed.contains(QStringLiteral("4,5"))); // the milestone at the end moved
        const State after = Snapshot(p);
        plan.history.undo();
        QVERIFY(Snapshot(p) == before);
        plan.history.redo();
        QVERIFY(Snapshot(p) == after);
    }

    // Undo in the command that committed a typed cell first takes back that commit,
    // though its cells were not told yet.
    void undoInsideABatchTakesBackItsCommit()
    {
        Plan plan;
        TaskTable &t = plan.project.taskTable;
        plan.history.begin(QString(), 1, 6);
        {
            const CellBatch command;
            t.setCell(ColTask, 6, QStringLiteral("Paint"));
            QCOMPARE(plan.history.undo(), std::make_pair(1, 6));
        }
        plan.history.end();
        QVERIFY(t.cell(ColTask, 6).isEmpty());
        QVERIFY(plan.history.canRedo());
        QVERIFY(!plan.history.canUndo());
        plan.history.redo();
        QCOMPARE(t.cell(ColTask, 6), QStringLiteral("Paint"));
    }

    void nestedBeginsMakeOneStep()
    {
        Plan plan;
        plan.history.begin("Typing", 2, 3);
        plan.project.taskTable.setCell(ColTask, 2, QStringLiteral("A"));
        plan.history.begin("Inner", 1, 1);
        plan.project.taskTable.setCell(ColTask, 3, QStringLiteral("B"));
        plan.history.end();
        plan.history.end();
        QCOMPARE(plan.history.undoName(), QStringLiteral("Typing"));
        QCOMPARE(plan.history.undo(), std::make_pair(2, 3));
        QCOMPARE(plan.project.taskTable.cell(ColTask, 2), QStringLiteral("Design"));
        QCOMPARE(plan.project.taskTable.cell(ColTask, 3), QStringLiteral("Walls"));
        QVERIFY(!plan.history.canUndo());
    }

    // A long session stays within the memory bound: the oldest steps go first, the ones
    // kept still undo and redo exactly, and a saved state dropped with them is no
    // longer reachable.
    void memoryBoundDropsOldestStepsFirst()
    {
        Plan plan;
        Project &p = plan.project;
        TaskTable &t = p.taskTable;
        plan.history.markSaved();
        // Each step moves the whole chain: Walls, Roof and Keys follow Design's duration.
        const auto grow = [&](int days) {
            plan.step("Typing", [&] {
                t.setCell(ColDuration, 2, QStringLiteral("%1 days").arg(days));
                t.setCell(ColTask, 6, QStringLiteral("Note %1").arg(days));
                RecalcRow(p, plan.host, ColDuration, 2);
                RecalcSchedule(p, plan.host);
                p.settings().markModified();
            });
        };
        // Steps of two-digit days all record the same.
        grow(10);
        const std::size_t first = plan.history.recordedBytes();
        grow(11);
        const std::size_t oneStep = plan.history.recordedBytes() - first;
        QVERIFY(oneStep > 0);
        plan.history.setMemoryLimit(5 * oneStep + oneStep / 2);

        std::vector<State> states{Snapshot(p)};
        std::vector<std::size_t> bytes;
        for (int days = 12; days <= 40; ++days) {
            grow(days);
            states.push_back(Snapshot(p));
            bytes.push_back(plan.history.recordedBytes());
            QVERIFY(plan.history.recordedBytes() <= plan.history.memoryLimit());
        }
        // Flat once the bound is reached: the last twenty steps all hold the same.
        QCOMPARE(*std::min_element(bytes.end() - 20, bytes.end()),
                 *std::max_element(bytes.end() - 20, bytes.end()));

        int undone = 0;
        while (plan.history.canUndo()) {
            plan.history.undo();
            ++undone;
            QVERIFY(Snapshot(p) == states[states.size() - 1 - undone]);
            QCOMPARE(p.settings().modify(), QStringLiteral("Yes")); // the save is gone
        }
        QCOMPARE(undone, 5);
        while (plan.history.canRedo())
            plan.history.redo();
        QVERIFY(Snapshot(p) == states.back());

        // The newest step is kept even when it alone is over the bound.
        plan.history.setMemoryLimit(1);
        grow(41);
        QVERIFY(plan.history.canUndo());
        plan.history.undo();
        QVERIFY(Snapshot(p) == states.back());
        QVERIFY(!plan.history.canUndo());
    }
};

QTEST_GUILESS_MAIN(TestUndoHistory)
#include "test_undo_history.moc"
