// The Gantt chart in the main window: it scrolls with the task table row for row, down
// to the pixel, and repaints from fresh data when task cells or the scale change.

#include "app/gantt_chart.h"
#include "app/main_window.h"
#include "app/task_grid.h"
#include "model/convert.h"
#include "views/fonts.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QScrollBar>
#include <QtTest>

using namespace morvaine;

namespace {

std::unique_ptr<MainWindow> StartWindow(int extraHeight = 0)
{
    auto window = std::make_unique<MainWindow>();
    window->resize(window->width(), window->height() + extraHeight);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    QTest::qWait(20);
    return window;
}

// The window's y of the top edge of task row `row` in the table and in the chart.
int TableRowTop(MainWindow &window, int row)
{
    TaskGrid *grid = window.taskGrid();
    return grid->viewport()->mapTo(&window, QPoint(0, grid->rowViewportPosition(row))).y();
}

int ChartRowTop(MainWindow &window, int row)
{
    GanttChart *chart = window.ganttChart();
    return chart->viewport()->mapTo(&window, chart->cellRect(0, row).topLeft()).y();
}

// Counts the paint events of the widget it watches.
struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestGanttChart : public QObject {
    Q_OBJECT

private slots:
    void rowsLineUp_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("extraHeight");
        QTest::newRow("chart scroll bar") << "chart" << 0;
        QTest::newRow("table scrolled") << "table" << 3;
        QTest::newRow("Ctrl+End in the table") << "ctrl+end" << 0;
        QTest::newRow("Ctrl+End, taller window") << "ctrl+end" << 9;
        QTest::newRow("Ctrl+End, then Ctrl+Home") << "ctrl+home" << 5;
        QTest::newRow("chart scrolled to its end") << "chart end" << 11;
        QTest::newRow("wheel on the chart") << "wheel" << 0;
        QTest::newRow("wheel on the table") << "table wheel" << 4;
        QTest::newRow("arrow keys past the bottom") << "keys" << 7;
    }
    void rowsLineUp()
    {
        QFETCH(QString, how);
        QFETCH(int, extraHeight);
        auto window = StartWindow(extraHeight);
        TaskGrid *grid = window->taskGrid();
        GanttChart *chart = window->ganttChart();
        if (how == QLatin1String("chart")) {
            chart->verticalScrollBar()->setValue(120);
        } else if (how == QLatin1String("table")) {
            grid->setTopRow(45);
        } else if (how.startsWith(QLatin1String("ctrl"))) {
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
            if (how == QLatin1String("ctrl+home"))
                QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
        } else if (how == QLatin1String("chart end")) {
            chart->verticalScrollBar()->setValue(chart->verticalScrollBar()->maximum());
        } else if (how == QLatin1String("keys")) {
            grid->setFocus();
            for (int i = 0; i < 60; ++i)
                QTest::keyClick(grid, Qt::Key_Down);
        } else {
            QWidget *target = how == QLatin1String("wheel") ? chart->viewport() : grid->viewport();
            QWheelEvent wheel(QPointF(50, 50), target->mapToGlobal(QPointF(50, 50)), QPoint(),
                              QPoint(0, -120 * 5), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(target, &wheel);
        }
        QTest::qWait(10);
        const int top = grid->topRow();
        QVERIFY(top > 1 || how == QLatin1String("ctrl+home"));
        QCOMPARE(chart->topRow(), top);
        const int last = top + chart->visibleRowCount() - 1;
        QVERIFY(last <= GanttChart::Rows - 1);
        QCOMPARE(TableRowTop(*window, top), ChartRowTop(*window, top));
        QCOMPARE(TableRowTop(*window, last), ChartRowTop(*window, last));
        if (how.startsWith(QLatin1String("ctrl+end")))
            QCOMPARE(last, TaskTable::LastRow);
    }

    // A task written into the table shows at the chart's next paint.
    void chartFollowsTaskCells()
    {
        auto window = StartWindow();
        GanttChart *chart = window->ganttChart();
        const QImage before = chart->viewport()->grab().toImage();
        Project &project = window->project();
        const QString start = project.settings().startDate();
        project.taskTable.setCell(ColDuration, 1, QStringLiteral("1 day"));
        project.taskTable.setCell(ColStart, 1, start);
        project.taskTable.setCell(ColEnd, 1, start);
        project.LastTaskRow = 1;
        QTest::qWait(10);
        const QImage after = chart->viewport()->grab().toImage();
        QVERIFY(before != after);
        // The bar is the whole bar of row 1 in column 1.
        const QRect cell = chart->cellRect(1, 1);
        QCOMPARE(after.pixelColor(cell.x() + 30, cell.y() + 8), QColor(0x55, 0x55, 0xFF));
    }

    void setScaleRepaintsWithTheNewScale()
    {
        auto window = StartWindow();
        GanttChart *chart = window->ganttChart();
        chart->setScale(3);
        QCOMPARE(window->project().GanttScale, 3);
        QCOMPARE(chart->index().axis().scale(), 3);
        const TimeAxis &axis = chart->index().axis();
        QCOMPARE(axis.label(1).left(1), QStringLiteral(" "));
    }

    void zoomStepsAndStops_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("to"); // 0: nothing happens
        QTest::newRow("in at days") << 1 << -1 << 0;
        QTest::newRow("out at months") << 3 << 1 << 0;
        QTest::newRow("in from months") << 3 << -1 << 2;
        QTest::newRow("out from days") << 1 << 1 << 2;
    }
    void zoomStepsAndStops()
    {
        QFETCH(int, from);
        QFETCH(int, step);
        QFETCH(int, to);
        auto window = StartWindow();
        GanttChart *chart = window->ganttChart();
        chart->setScale(from);
        QTest::qWait(10);
        PaintCounter paints;
        chart->viewport()->installEventFilter(&paints);
        QCOMPARE(chart->zoom(step).value_or(0), to);
        QTest::qWait(10);
        QCOMPARE(window->project().GanttScale, to == 0 ? from : to);
        QCOMPARE(paints.count > 0, to != 0);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    InitResources();
    TestGanttChart test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_gantt_chart.moc"
