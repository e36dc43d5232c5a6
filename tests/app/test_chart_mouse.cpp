// Planning with the mouse in the Gantt chart. First which bar, and which part of it,
// lies under a point of the chart at each scale, scrolled or not; then the gestures on
// the real main window: press, move and release on a bar's body, its right end and
// between two bars, each one undo step; Esc and a drag back to where it began change
// nothing.

#include "app/chart_hit_test.h"
#include "app/chart_interaction_controller.h"
#include "app/gantt_chart.h"
#include "app/main_window.h"
#include "app/recovery_controller.h"
#include "app/task_grid.h"
#include "edit/cell_editing.h"
#include "edit/recovery.h"
#include "editing_fixture.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"
#include "schedule/recalc.h"
#include "views/fonts.h"
#include "widgets/icons.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace morvaine;

namespace {

qint64 DayOf(const QDate &date)
{
    return QDate(1899, 12, 30).daysTo(date);
}

void PutTask(Project &project, int row, const QString &name, const QString &duration,
             const QString &start, const QString &end, const QString &forerunner = QString())
{
    TaskTable &table = project.taskTable;
    table.setCell(ColTask, row, name);
    table.setCell(ColDuration, row, duration);
    table.setCell(ColStart, row, start);
    table.setCell(ColEnd, row, end);
    table.setCell(ColForerunner, row, forerunner);
    table.setCell(ColLevel, row, QStringLiteral("1"));
    project.LastTaskRow = qMax(project.LastTaskRow, row);
}

} // namespace

class TestChartHitTest : public QObject {
    Q_OBJECT

private slots:
    void barPartUnderThePoint_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("leftColumn");
        QTest::addColumn<int>("topRow");
        QTest::addColumn<QPoint>("point"); // in the chart's viewport
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("part");
        QTest::addColumn<bool>("group");
        QTest::addColumn<bool>("milestone");
        const int none = int(BarPart::None), body = int(BarPart::Body);
        const int end = int(BarPart::End), handle = int(BarPart::StartHandle);
        // The project starts on Wednesday 2 January 2008. Row 1: 7-9 January; row 2: a
        // milestone on 11 January; row 3: a group task over 7-9 January; row 4: no Start;
        // row 40: 14-15 January; row 45 lies past the last task row.
        // Day scale: 7 January is column 6, so row 1's bar covers x 360..539.
        QTest::newRow("day: start handle")
            << 1 << 0 << 1 << QPoint(360, 25) << 1 << handle << false << false;
        QTest::newRow("day: handle's last pixel")
            << 1 << 0 << 1 << QPoint(365, 25) << 1 << handle << false << false;
        QTest::newRow("day: body after the handle")
            << 1 << 0 << 1 << QPoint(366, 25) << 1 << body << false << false;
        QTest::newRow("day: body before the end")
            << 1 << 0 << 1 << QPoint(533, 25) << 1 << body << false << false;
        QTest::newRow("day: end, row's top pixel")
            << 1 << 0 << 1 << QPoint(534, 17) << 1 << end << false << false;
        QTest::newRow("day: end, row's bottom pixel")
            << 1 << 0 << 1 << QPoint(539, 33) << 1 << end << false << false;
        QTest::newRow("day: right of the bar")
            << 1 << 0 << 1 << QPoint(540, 25) << 0 << none << false << false;
        QTest::newRow("day: left of the bar")
            << 1 << 0 << 1 << QPoint(359, 25) << 0 << none << false << false;
        QTest::newRow("day: timescale above the bar")
            << 1 << 0 << 1 << QPoint(450, 8) << 0 << none << false << false;
        // The diamond fills the last 9 pixels of the 11 January column (651..659).
        QTest::newRow("day: milestone, left margin")
            << 1 << 0 << 1 << QPoint(648, 42) << 2 << body << false << true;
        QTest::newRow("day: milestone, right margin")
            << 1 << 0 << 1 << QPoint(662, 42) << 2 << body << false << true;
        QTest::newRow("day: beside the milestone")
            << 1 << 0 << 1 << QPoint(647, 42) << 0 << none << false << false;
        QTest::newRow("day: past the milestone")
            << 1 << 0 << 1 << QPoint(663, 42) << 0 << none << false << false;
        QTest::newRow("day: group bar has no handle")
            << 1 << 0 << 1 << QPoint(361, 59) << 3 << body << true << false;
        QTest::newRow("day: row without a Start")
            << 1 << 0 << 1 << QPoint(400, 76) << 0 << none << false << false;
        QTest::newRow("day, scrolled right: start handle")
            << 1 << 5 << 1 << QPoint(61, 25) << 1 << handle << false << false;
        QTest::newRow("day, scrolled right: end")
            << 1 << 5 << 1 << QPoint(239, 25) << 1 << end << false << false;
        QTest::newRow("day, scrolled down: row 40")
            << 1 << 0 << 38 << QPoint(800, 55) << 40 << body << false << false;
        QTest::newRow("day, scrolled both ways: row 40's handle")
            << 1 << 10 << 38 << QPoint(181, 55) << 40 << handle << false << false;
        QTest::newRow("day, scrolled down: row past the last task")
            << 1 << 0 << 38 << QPoint(800, 140) << 0 << none << false << false;
        // Week scale: 7-13 January is column 2 (x 120..179).
        QTest::newRow("week: start handle")
            << 2 << 0 << 1 << QPoint(121, 25) << 1 << handle << false << false;
        QTest::newRow("week: body")
            << 2 << 0 << 1 << QPoint(150, 25) << 1 << body << false << false;
        QTest::newRow("week: end") << 2 << 0 << 1 << QPoint(175, 25) << 1 << end << false << false;
        QTest::newRow("week: milestone")
            << 2 << 0 << 1 << QPoint(169, 42) << 2 << body << false << true;
        QTest::newRow("week: next week is empty")
            << 2 << 0 << 1 << QPoint(190, 25) << 0 << none << false << false;
        QTest::newRow("week, scrolled down: row 40's handle")
            << 2 << 0 << 38 << QPoint(185, 55) << 40 << handle << false << false;
        // Month scale: January is column 1 (x 60..119).
        QTest::newRow("month: start handle")
            << 3 << 0 << 1 << QPoint(61, 25) << 1 << handle << false << false;
        QTest::newRow("month: body")
            << 3 << 0 << 1 << QPoint(90, 25) << 1 << body << false << false;
        QTest::newRow("month: end") << 3 << 0 << 1 << QPoint(119, 25) << 1 << end << false << false;
        QTest::newRow("month: milestone")
            << 3 << 0 << 1 << QPoint(122, 42) << 2 << body << false << true;
        QTest::newRow("month: past the milestone")
            << 3 << 0 << 1 << QPoint(123, 42) << 0 << none << false << false;
        QTest::newRow("month, scrolled right: January out of view")
            << 3 << 2 << 1 << QPoint(10, 25) << 0 << none << false << false;
    }
    void barPartUnderThePoint()
    {
        QFETCH(int, scale);
        QFETCH(int, leftColumn);
        QFETCH(int, topRow);
        QFETCH(QPoint, point);
        QFETCH(int, row);
        QFETCH(int, part);
        QFETCH(bool, group);
        QFETCH(bool, milestone);
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        project.GanttScale = scale;
        const auto day = [](int d) { return DateToStr(DayOf(QDate(2008, 1, d))); };
        project.settings().setValue(SettingsBlock::StartDate, day(2));
        PutTask(project, 1, "Walls", "3 days", day(7), day(9));
        PutTask(project, 2, "Roof on", "0 days", day(11), day(11));
        PutTask(project, 3, "Shell", "3 days", day(7), day(9));
        project.taskTable.setCell(ColVeha, 3, QStringLiteral("v"));
        PutTask(project, 4, "Later", "1 day", QString(), QString());
        PutTask(project, 40, "Paint", "2 days", day(14), day(15));
        PutTask(project, 45, "Typed only", "2 days", day(14), day(15));
        project.LastTaskRow = 40;
        const GanttIndex index(project);

        const ChartHit hit =
            HitTestChart(index, project.LastTaskRow, ChartPointAt(point, leftColumn, topRow));
        QCOMPARE(hit.row, row);
        QCOMPARE(int(hit.part), part);
        QCOMPARE(hit.group, group);
        QCOMPARE(hit.milestone, milestone);
    }
};

class TestChartMouse : public QObject {
    Q_OBJECT

    EditingSession session;
    std::unique_ptr<MainWindow> window;

    Project &project() { return window->project(); }
    const QString &cell(int column, int row) { return project().taskTable.cell(column, row); }
    QWidget *viewport() { return window->ganttChart()->viewport(); }
    QAction *undo() { return window->action(QStringLiteral("Undo1")); }

    // A point of the chart's viewport on row's bar: x pixels into the column of date.
    QPoint at(int row, const QString &date, int x)
    {
        GanttChart *chart = window->ganttChart();
        const qint64 column = chart->index().axis().columnOf(qint64(StrToDate(date)));
        const QRect cell = chart->cellRect(int(column), row);
        return QPoint(cell.x() + x, cell.y() + 8);
    }

    // Presses at from, moves to each point in turn, in small steps, as a hand would.
    void pressAndMove(const QPoint &from, const QList<QPoint> &points)
    {
        QTest::mousePress(viewport(), Qt::LeftButton, Qt::NoModifier, from);
        QPoint last = from;
        for (const QPoint &to : points) {
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(viewport(), last + (to - last) * step / 4);
            last = to;
        }
    }

    void drag(const QPoint &from, const QList<QPoint> &points)
    {
        pressAndMove(from, points);
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, points.last());
        QTest::qWait(5);
    }

    // The table as the tests read it: Duration, Start, End and Forerunner of rows 1-5,
    // and the project start.
    QStringList plan()
    {
        QStringList cells{project().settings().startDate()};
        for (int row = 1; row <= 5; ++row)
            for (int column : {ColDuration, ColStart, ColEnd, ColForerunner})
                cells << cell(column, row);
        return cells;
    }

private slots:
    void init()
    {
        QVERIFY(session.start());
        window = startWindow();
        // Row 1 "Design" Monday to Wednesday, row 2 "Build" after it, row 3 "Test"
        // Monday and Tuesday, row 4 a group task over row 5.
        Project &p = project();
        PutTask(p, 1, "Design", "3 days", "06.05.2024", "08.05.2024");
        p.taskTable.setCell(ColCompletion, 1, QStringLiteral("40 %"));
        PutTask(p, 2, "Build", "2 days", "09.05.2024", "10.05.2024", " 1;");
        PutTask(p, 3, "Test", "2 days", "06.05.2024", "07.05.2024");
        PutTask(p, 4, "Phase", "2 days", "06.05.2024", "07.05.2024");
        p.taskTable.setCell(ColVeha, 4, QStringLiteral("v"));
        PutTask(p, 5, "Paint", "2 days", "06.05.2024", "07.05.2024");
        p.taskTable.setCell(ColLevel, 5, QStringLiteral("2"));
        p.settings().setValue(SettingsBlock::Modify, QStringLiteral("No"));
        // Written by the test, not typed: leaving the first cell commits nothing.
        RetrackCell(p);
        window->ganttChart()->projectChanged();
        QTest::qWait(10);
        QVERIFY(!undo()->isEnabled());
    }

    void cleanup()
    {
        window.reset();
        const QStringList unexpected = session.finish();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
    }

    // Dragging a body two columns to the right moves the task two days; while the mouse
    // is held the cells stay and a ghost shows the new place; one undo step takes it back.
    void bodyDraggedSidewaysMovesTheTask()
    {
        const QStringList before = plan();
        pressAndMove(at(3, "06.05.2024", 30), {at(3, "08.05.2024", 30)});
        QCOMPARE(plan(), before);
        const GanttGhost ghost = window->ganttChart()->ghost();
        QCOMPARE(ghost.outline.row, 3);
        QCOMPARE(ghost.outline.first, qint64(StrToDate("08.05.2024")));
        QCOMPARE(ghost.outline.last, qint64(StrToDate("09.05.2024")));
        QVERIFY(window->chartInteraction().toolTipAt(QPoint()).contains("Start: 08.05.2024"));
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, at(3, "08.05.2024", 30));
        QTest::qWait(5);

        QVERIFY(window->ganttChart()->ghost().isEmpty());
        QCOMPARE(cell(ColStart, 3), QStringLiteral("08.05.2024"));
        QCOMPARE(cell(ColEnd, 3), QStringLiteral("09.05.2024"));
        QCOMPARE(cell(ColDuration, 3), QStringLiteral("2 days"));
        QCOMPARE(project().settings().modify(), QStringLiteral("Yes"));
        QCOMPARE(window->taskGrid()->currentRow(), 3);
        QCOMPARE(undo()->text(), QStringLiteral("Undo Move Task"));

        // The recovery copy follows the moved task.
        window->recovery().writeNow();
        Project copy;
        RecordingHost quiet;
        InitNewProject(copy, quiet);
        LoadProject(copy, quiet, window->recovery().copyPath());
        QCOMPARE(copy.taskTable.cell(ColStart, 3), QStringLiteral("08.05.2024"));

        undo()->trigger();
        QCOMPARE(plan(), before);
        QVERIFY(!undo()->isEnabled());
        QCOMPARE(project().settings().modify(), QStringLiteral("No"));
    }

    // Across a weekend at week scale: the pointer's place is turned into a day through
    // the chart's time axis (about 8.6 pixels a day).
    void weekScaleMovesByTheDayUnderThePointer()
    {
        window->ganttChart()->setScale(2);
        QTest::qWait(5);
        // Monday's column begins its week; Thursday lies 3 days = 26 pixels further.
        drag(at(3, "06.05.2024", 20), {at(3, "06.05.2024", 20 + 26)});
        QCOMPARE(cell(ColStart, 3), QStringLiteral("09.05.2024"));
        QCOMPARE(cell(ColEnd, 3), QStringLiteral("10.05.2024"));
        drag(at(3, "06.05.2024", 20), {at(3, "06.05.2024", 20 + 26)});
        QCOMPARE(cell(ColStart, 3), QStringLiteral("12.05.2024"));
        QCOMPARE(cell(ColEnd, 3), QStringLiteral("14.05.2024"));
    }

    void rightEndDraggedStretchesTheTask()
    {
        drag(at(3, "07.05.2024", 57), {at(3, "09.05.2024", 57)});
        QCOMPARE(cell(ColStart, 3), QStringLiteral("06.05.2024"));
        QCOMPARE(cell(ColEnd, 3), QStringLiteral("09.05.2024"));
        QCOMPARE(cell(ColDuration, 3), QStringLiteral("4 days"));
        QCOMPARE(undo()->text(), QStringLiteral("Undo Change Duration"));
        // Back to the left as far as the mouse goes: one day remains.
        drag(at(3, "09.05.2024", 57), {at(3, "06.05.2024", 57), at(3, "06.05.2024", -200)});
        QCOMPARE(cell(ColEnd, 3), QStringLiteral("06.05.2024"));
        QCOMPARE(cell(ColDuration, 3), QStringLiteral("1 day"));
        undo()->trigger();
        undo()->trigger();
        QCOMPARE(cell(ColEnd, 3), QStringLiteral("07.05.2024"));
        QVERIFY(!undo()->isEnabled());
    }

    // A bar pulled down onto another links them, the first before the second; from the
    // start handle the mouse may go any way. The ends choose the type: a link from the
    // start handle starts at the predecessor's start, and one dropped on the right half
    // of a bar binds its end (start-to-finish here).
    void barsPulledOntoEachOtherAreLinked()
    {
        drag(at(1, "07.05.2024", 30),
             {at(1, "07.05.2024", 30) + QPoint(0, 6), at(3, "06.05.2024", 20)});
        QCOMPARE(cell(ColForerunner, 3), QStringLiteral(" 1;"));
        QCOMPARE(cell(ColStart, 3), QStringLiteral("09.05.2024"));
        QCOMPARE(cell(ColEnd, 3), QStringLiteral("10.05.2024"));
        QCOMPARE(undo()->text(), QStringLiteral("Undo Link Tasks"));

        drag(at(5, "06.05.2024", 2), {at(2, "10.05.2024", 40)});
        QCOMPARE(cell(ColForerunner, 2), QStringLiteral(" 1; 5SF;"));
        undo()->trigger();
        QCOMPARE(cell(ColForerunner, 2), QStringLiteral(" 1;"));
        undo()->trigger();
        QVERIFY(cell(ColForerunner, 3).isEmpty());
        QCOMPARE(cell(ColStart, 3), QStringLiteral("06.05.2024"));
        QVERIFY(!undo()->isEnabled());
    }

    void refusedLinkIsExplainedAndChangesNothing()
    {
        const QStringList before = plan();
        session.dialogs->answer(QMessageBox::Ok);
        // Build already follows Design: Design cannot follow Build.
        drag(at(2, "09.05.2024", 30),
             {at(2, "09.05.2024", 30) - QPoint(0, 6), at(1, "07.05.2024", 30)});
        QCOMPARE(session.dialogs->boxes,
                 QStringList{QStringLiteral("Error|") + LinkErrorMessage(2, 1)});
        QCOMPARE(plan(), before);
        QCOMPARE(project().settings().modify(), QStringLiteral("No"));
        QVERIFY(!undo()->isEnabled());
    }

    // Gestures that end where they began, or are cancelled, leave the plan as it was:
    // no undo step, nothing to save.
    void gesturesThatChangeNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("moved and brought back") << "back";
        QTest::newRow("moved, then Esc") << "escape";
        QTest::newRow("stretched, then Esc") << "escape end";
        QTest::newRow("link drawn, then Esc") << "escape link";
        QTest::newRow("link dropped on empty chart") << "nowhere";
        QTest::newRow("group bar dragged") << "group";
    }
    void gesturesThatChangeNothing()
    {
        QFETCH(QString, how);
        const QStringList before = plan();
        QPoint from = at(3, "06.05.2024", 30), to = at(3, "09.05.2024", 30);
        if (how == "escape end")
            from = at(3, "07.05.2024", 57);
        if (how == "escape link" || how == "nowhere")
            to = at(3, "06.05.2024", 30) + QPoint(0, 200);
        if (how == "group")
            from = at(4, "06.05.2024", 30), to = at(4, "09.05.2024", 30);
        pressAndMove(from, {to});
        if (how.startsWith("escape")) {
            QVERIFY(!window->ganttChart()->ghost().isEmpty());
            QWidget *keyboard = QApplication::focusWidget();
            QTest::keyClick(keyboard ? keyboard : window.get(), Qt::Key_Escape);
            QVERIFY(window->ganttChart()->ghost().isEmpty());
            QTest::mouseMove(viewport(), to + QPoint(60, 0));
        }
        if (how == "back")
            QTest::mouseMove(viewport(), from);
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, how == "back" ? from : to);
        QTest::qWait(5);
        QCOMPARE(plan(), before);
        QCOMPARE(project().settings().modify(), QStringLiteral("No"));
        QVERIFY(!undo()->isEnabled());
        QVERIFY(window->ganttChart()->ghost().isEmpty());
        if (how == "group")
            QCOMPARE(window->taskGrid()->currentRow(), 4);
    }

    void moveBeforeTheProjectStartAsks()
    {
        session.dialogs->answer(QMessageBox::Yes);
        // Two columns left of Monday 6 May: Saturday 4 May.
        drag(at(3, "06.05.2024", 30), {at(3, "06.05.2024", 30) - QPoint(120, 0)});
        QCOMPARE(session.dialogs->boxes.size(), 1);
        QVERIFY(session.dialogs->boxes[0].startsWith(
            QStringLiteral("Confirm|The 'Start' date is earlier than the project start date")));
        QCOMPARE(project().settings().startDate(), QStringLiteral("04.05.2024"));
        QCOMPARE(cell(ColStart, 3), QStringLiteral("04.05.2024"));
        QCOMPARE(cell(ColEnd, 3), QStringLiteral("07.05.2024"));
    }

    void pointingShowsDatesAndDoubleClickSelectsTheTaskCell()
    {
        ChartInteractionController &mouse = window->chartInteraction();
        QCOMPARE(mouse.toolTipAt(at(1, "07.05.2024", 30)),
                 QStringLiteral("Design\nStart: 06.05.2024\nEnd: 08.05.2024\nDuration: 3 days\n"
                                "Completion: 40 %"));
        QVERIFY(mouse.toolTipAt(at(1, "10.05.2024", 30)).isEmpty());
        QVERIFY(mouse.toolTipAt(QPoint(5, 5)).isEmpty());

        window->taskGrid()->selectCell(ColDuration, 1);
        QTest::mouseDClick(viewport(), Qt::LeftButton, Qt::NoModifier, at(3, "07.05.2024", 30));
        QTest::qWait(5);
        QCOMPARE(window->taskGrid()->currentColumn(), int(ColTask));
        QCOMPARE(window->taskGrid()->currentRow(), 3);
        QCOMPARE(project().settings().modify(), QStringLiteral("No"));
    }
};

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    InitResources();
    int status = 0;
    {
        TestChartHitTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestChartMouse t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "test_chart_mouse.moc"
