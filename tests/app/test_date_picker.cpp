// The date picker that stands over the Start and End cells of the real main window:
// where it stands, what it shows, and when a picked or typed date reaches the plan.
#include "test_classes.h"

#include "app/main_window.h"
#include "app/task_grid.h"
#include "editing_fixture.h"
#include "model/project_file.h"
#include "recording_host.h"
#include "widgets/date_field.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <functional>

using namespace morvaine;

namespace {

using Window = BeepCountingWindow;
EditingSession session;

} // namespace

void TestDatePicker::init()
{
    QVERIFY(session.start());
}

void TestDatePicker::cleanup()
{
    const QStringList unexpected = session.finish();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
}

void TestDatePicker::datePickerStandsOverDateCells()
{
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    DateField *picker = window->datePicker();
    putTasks(project, {QStringLiteral("Phase"), QStringLiteral("Dig"), QStringLiteral("Pour")});
    project.taskTable.setCell(ColStart, 3, QStringLiteral("08.05.2024"));
    project.taskTable.setCell(ColLevel, 2, QStringLiteral("2"));
    project.taskTable.setCell(ColVeha, 1, QStringLiteral("v"));

    // Tab from Duration onto a sub-task's Start.
    window->SelectCell(ColDuration, 3);
    press(Qt::Key_Tab);
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(3, 3));
    QVERIFY(picker->isVisible());
    QCOMPARE(picker->geometry(), grid->cellRect(ColStart, 3));
    QCOMPARE(picker->date(), QDate(2024, 5, 8));
    QVERIFY(picker->isAncestorOf(QApplication::focusWidget()) || picker->hasFocus());

    // Escape gives the grid the keyboard; typing there goes to the picker over the cell
    // and replaces its date.
    press(Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), grid);
    type(QStringLiteral("9.5.2024"));
    QVERIFY(!grid->cellEditor());
    QVERIFY(picker->isAncestorOf(QApplication::focusWidget()) || picker->hasFocus());
    QCOMPARE(picker->lineEdit()->text(), QStringLiteral("9.5.2024"));

    // Tab finishes the date and goes on to End, the picker with it, and on to
    // Forerunner, back in the grid.
    press(Qt::Key_Tab);
    QCOMPARE(project.taskTable.cell(ColStart, 3), QStringLiteral("09.05.2024"));
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(4, 3));
    QCOMPARE(picker->geometry(), grid->cellRect(ColEnd, 3));
    press(Qt::Key_Tab);
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(5, 3));
    QVERIFY(!picker->isVisible());
    QCOMPARE(QApplication::focusWidget(), grid);

    // Return in the picker goes down the column; the picker follows.
    window->SelectCell(ColStart, 3);
    press(Qt::Key_Return);
    QCOMPARE(grid->currentRow(), 4);
    QCOMPARE(picker->geometry(), grid->cellRect(ColStart, 4));
    QCOMPARE(picker->date(), QDate(2024, 5, 6)); // an empty cell shows the project start

    // Scrolled out of sight and back, it stays over its cell.
    grid->setTopRow(10);
    QVERIFY(!picker->isVisible());
    grid->setTopRow(2);
    QVERIFY(picker->isVisible());
    QCOMPARE(picker->geometry(), grid->cellRect(ColStart, 4));
    // A wider column before it moves it along.
    grid->setColumnWidth(ColTask, 250);
    QTRY_COMPARE(picker->geometry(), grid->cellRect(ColStart, 4));
    QCOMPARE(picker->x(), grid->columnViewportPosition(ColStart));

    // A group task's dates take neither the picker nor typing.
    window->SelectCell(ColStart, 1);
    QVERIFY(!picker->isVisible());
    grid->setFocus();
    press(Qt::Key_5);
    QVERIFY(!grid->cellEditor());
    QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("06.05.2024"));
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(3, 1));
}

void TestDatePicker::pickerCalendarRecalculatesAtCloseUp()
{
    auto window = startWindow<Window>();
    Project &project = window->project();
    DateField *picker = window->datePicker();
    putTasks(project, {QStringLiteral("Dig")});
    project.taskTable.setCell(ColDuration, 1, QStringLiteral("3"));
    project.taskTable.setCell(ColEnd, 1, QStringLiteral("08.05.2024"));
    window->SelectCell(ColStart, 1);
    QVERIFY(picker->isVisible());
    project.settings().setValue(SettingsBlock::Modify, QStringLiteral("No"));

    // The arrow drops the calendar down; moving its selection writes the cell only.
    QTest::mouseClick(picker, Qt::LeftButton, {},
                      QPoint(picker->width() - 4, picker->height() / 2));
    QCalendarWidget *calendar = picker->calendarWidget();
    QVERIFY(calendar->window()->isVisible());
    QVERIFY(project.Edit.PickerDropped);
    QWidget *days = QApplication::focusWidget();
    QVERIFY(calendar->isAncestorOf(days));
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Right);
    QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("08.05.2024"));
    QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("08.05.2024"));
    QCOMPARE(project.settings().modify(), QStringLiteral("Yes"));

    // Closing it recalculates: three working days from Wednesday end on Friday.
    QTest::keyClick(days, Qt::Key_Return);
    QVERIFY(!calendar->window()->isVisible());
    QVERIFY(!project.Edit.PickerDropped);
    QVERIFY(!project.Edit.PickerPending);
    QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("10.05.2024"));

    // A step up of the day in the closed picker recalculates at once.
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Up);
    QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("09.05.2024"));
    QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("13.05.2024"));
}

void TestDatePicker::pickerShowsTheWholeDate()
{
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    DateField *picker = window->datePicker();
    putTasks(project, {QStringLiteral("Dig")});
    project.taskTable.setCell(ColStart, 1, QStringLiteral("28.12.2026"));
    project.taskTable.setCell(ColEnd, 1, QStringLiteral("28.12.2026"));

    for (const int column : {ColStart, ColEnd}) {
        window->SelectCell(column, 1);
        QCOMPARE(picker->geometry(), grid->cellRect(column, 1));
        QLineEdit *line = picker->lineEdit();
        QCOMPARE(line->text(), QStringLiteral("28.12.2026"));
        // The line edit keeps two pixels of its own on either side of the text.
        const QMargins margins = line->textMargins();
        const int room = line->contentsRect().width() - margins.left() - margins.right() - 4;
        QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) <= room,
                 qPrintable(QString::number(room)));
    }
}

void TestDatePicker::typedDateCommitsWhenFinished_data()
{
    QTest::addColumn<QString>("finish");
    QTest::addColumn<QPoint>("cellAfter");
    QTest::newRow("Enter") << "Enter" << QPoint(ColStart, 2);
    QTest::newRow("Tab") << "Tab" << QPoint(ColEnd, 1);
    QTest::newRow("click on another cell") << "click" << QPoint(ColTask, 1);
    QTest::newRow("calendar") << "calendar" << QPoint(ColStart, 1);
}

void TestDatePicker::typedDateCommitsWhenFinished()
{
    QFETCH(QString, finish);
    QFETCH(QPoint, cellAfter);
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    DateField *picker = window->datePicker();
    project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("01.01.2019"));
    putTasks(project, {QStringLiteral("Dig"), QStringLiteral("Pour")});
    project.taskTable.setCell(ColDuration, 1, QStringLiteral("3"));
    project.taskTable.setCell(ColStart, 1, QStringLiteral("17.12.2026"));
    project.taskTable.setCell(ColEnd, 1, QStringLiteral("21.12.2026"));
    window->SelectCell(ColStart, 1);
    QVERIFY(picker->isVisible());
    QSignalSpy changes(picker, &DateField::dateChosen);

    // The picker takes the keyboard with its date selected.
    type(QStringLiteral("01012020"));
    // Nothing counts while the user is still typing.
    QCOMPARE(picker->lineEdit()->text(), QStringLiteral("01012020"));
    QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("17.12.2026"));
    QCOMPARE(changes.count(), 0);

    if (finish == QLatin1String("Enter")) {
        press(Qt::Key_Return);
    } else if (finish == QLatin1String("Tab")) {
        press(Qt::Key_Tab);
    } else if (finish == QLatin1String("click")) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->cellRect(ColTask, 1).center());
    } else {
        QTest::mouseClick(picker, Qt::LeftButton, {},
                          QPoint(picker->width() - 4, picker->height() / 2));
        QWidget *calendar = picker->calendarWidget()->window();
        QVERIFY(calendar->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!calendar->isVisible());
    }

    // One change, one recalculation: three working days from Wednesday 1 January 2020.
    QCOMPARE(changes.count(), 1);
    QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("01.01.2020"));
    QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("03.01.2020"));
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), cellAfter);
}

void TestDatePicker::refusedEarlyDateShowsTheCellAgain()
{
    auto window = startWindow<Window>();
    Project &project = window->project();
    DateField *picker = window->datePicker();
    QLineEdit *line = picker->lineEdit();
    putTasks(project, {QStringLiteral("Dig")});
    project.taskTable.setCell(ColStart, 1, QStringLiteral("07.05.2024"));
    window->SelectCell(ColStart, 1);

    // A step down counts at once; one day before the project start asks.
    QTest::keyClick(picker, Qt::Key_Down);
    QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("06.05.2024"));
    session.dialogs->answer(QMessageBox::No);
    QTest::keyClick(picker, Qt::Key_Down);
    QVERIFY(session.dialogs->done());
    QCOMPARE(session.dialogs->boxes.value(0).section(QLatin1Char('|'), 0, 0),
             QStringLiteral("Confirm"));
    QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("06.05.2024"));
    QTRY_COMPARE(line->text(), QStringLiteral("06.05.2024"));

    // The same for a typed date.
    session.dialogs->answer(QMessageBox::No);
    picker->setFocus();
    QTest::keyClicks(picker, QStringLiteral("01012020"));
    QTest::keyClick(picker, Qt::Key_Tab);
    QVERIFY(session.dialogs->done());
    QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("06.05.2024"));
    window->SelectCell(ColStart, 1);
    QTRY_COMPARE(line->text(), QStringLiteral("06.05.2024"));
}

void TestDatePicker::typedDateCountsBeforeACommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Save (Ctrl+S)") << "save";
    QTest::newRow("resource dialog (Ctrl+R)") << "resources";
    QTest::newRow("settings tool button") << "settings";
}

void TestDatePicker::typedDateCountsBeforeACommand()
{
    QFETCH(QString, command);
    auto window = startWindow<Window>();
    Project &project = window->project();
    DateField *picker = window->datePicker();
    putTasks(project, {QStringLiteral("Dig")});
    const QString path = session.tempDir->filePath(QStringLiteral("plan.mrv"));
    project.settings().setValue(SettingsBlock::FileName, path);
    window->SelectCell(ColStart, 1);
    type(QStringLiteral("15052024"));
    QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("06.05.2024"));

    // A command reached from the keyboard or a tool button leaves the keyboard in the
    // picker; what it saves or shows includes the date typed there.
    if (command == QLatin1String("save")) {
        press(Qt::Key_S, Qt::ControlModifier);
        Project saved;
        RecordingHost host;
        LoadProject(saved, host, path);
        QVERIFY(host.messages.isEmpty());
        QCOMPARE(saved.taskTable.cell(ColStart, 1), QStringLiteral("15.05.2024"));
        QCOMPARE(saved.taskTable.cell(ColEnd, 1), QStringLiteral("16.05.2024"));
    } else {
        session.dialogs->then([](QWidget *dialog) {
            for (const char *name : {"ButtonClose", "ButtonCancel"})
                if (auto *button = dialog->findChild<QPushButton *>(QLatin1String(name)))
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        if (command == QLatin1String("resources"))
            press(Qt::Key_R, Qt::ControlModifier);
        else
            QTest::mouseClick(window->findChild<QToolBar *>()->widgetForAction(
                                  window->action(QStringLiteral("Settings1"))),
                              Qt::LeftButton);
        QVERIFY(session.dialogs->done());
    }
    QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("15.05.2024"));
    QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("16.05.2024"));
    QCOMPARE(picker->lineEdit()->text(), QStringLiteral("15.05.2024"));
}

void TestDatePicker::pickerShowsWhatADialogChanged()
{
    auto window = startWindow<Window>();
    Project &project = window->project();
    DateField *picker = window->datePicker();
    QLineEdit *line = picker->lineEdit();
    putTasks(project, {QStringLiteral("Dig")});
    project.taskTable.setCell(ColDuration, 1, QStringLiteral("3"));
    project.taskTable.setCell(ColStart, 1, QStringLiteral("08.05.2024"));
    project.taskTable.setCell(ColEnd, 1, QStringLiteral("10.05.2024"));
    window->SelectCell(ColEnd, 1);
    QCOMPARE(line->text(), QStringLiteral("10.05.2024"));

    // Thursday off: three working days from Wednesday end on Monday. The picker over
    // the End cell shows it, and a step up goes on from there.
    auto settings = [&](const std::function<void(QWidget *)> &change) {
        session.dialogs->then([&](QWidget *dialog) {
            change(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("ButtonOK")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(window->findChild<QToolBar *>()->widgetForAction(
                              window->action(QStringLiteral("Settings1"))),
                          Qt::LeftButton);
        QVERIFY(session.dialogs->done());
    };
    settings([](QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QCheckBox *>(QStringLiteral("CheckBoxThu")),
                          Qt::LeftButton);
    });
    QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("13.05.2024"));
    QTRY_COMPARE(line->text(), QStringLiteral("13.05.2024"));
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Up);
    QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("14.05.2024"));

    // An empty Start cell shows the project start, also after the start has moved.
    window->SelectCell(ColStart, 2);
    QCOMPARE(line->text(), QStringLiteral("06.05.2024"));
    settings([](QWidget *dialog) {
        auto *start = dialog->findChild<DateField *>(QStringLiteral("DateTimePicker1"));
        start->setDate(QDate(2024, 6, 3));
    });
    QCOMPARE(project.settings().startDate(), QStringLiteral("03.06.2024"));
    QTRY_COMPARE(line->text(), QStringLiteral("03.06.2024"));
}

namespace {

// A two-day task on row 1 from Monday 3 May 2027, in the date format in use; the
// project starts a year earlier.
void putDatedTask(Project &project)
{
    const auto text = [](const QDate &date) {
        return DateToStr(static_cast<TDateTime>(QDate(1899, 12, 30).daysTo(date)));
    };
    putTasks(project, {QStringLiteral("Dig")});
    project.settings().setValue(SettingsBlock::StartDate, text(QDate(2026, 5, 4)));
    project.taskTable.setCell(ColStart, 1, text(QDate(2027, 5, 3)));
    project.taskTable.setCell(ColEnd, 1, text(QDate(2027, 5, 4)));
}

} // namespace

void TestDatePicker::typedDateWithSeparators_data()
{
    QTest::addColumn<QString>("format"); // de_DE's short format, or en_US's
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");

    const QString de = QStringLiteral("dd.MM.yyyy");
    const QString us = QStringLiteral("M/d/yyyy");
    QTest::newRow("de Start as written") << de << int(ColStart) << "15.01.2027"
                                         << "15.01.2027"
                                         << "18.01.2027";
    QTest::newRow("de Start short") << de << int(ColStart) << "15.1.27"
                                    << "15.01.2027"
                                    << "18.01.2027";
    QTest::newRow("de Start digits") << de << int(ColStart) << "15012027"
                                     << "15.01.2027"
                                     << "18.01.2027";
    QTest::newRow("de End as written") << de << int(ColEnd) << "07.05.2027"
                                       << "03.05.2027"
                                       << "07.05.2027";
    // A Saturday start stays; its two working days are Monday and Tuesday.
    QTest::newRow("us Start as written") << us << int(ColStart) << "12/19/2026"
                                         << "12/19/2026"
                                         << "12/22/2026";
    QTest::newRow("us Start with zeros") << us << int(ColStart) << "01/05/27"
                                         << "1/5/2027"
                                         << "1/6/2027";
    QTest::newRow("us End digits") << us << int(ColEnd) << "05072027"
                                   << "5/3/2027"
                                   << "5/7/2027";
}

void TestDatePicker::typedDateWithSeparators()
{
    QFETCH(QString, format);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, start);
    QFETCH(QString, end);
    SetShortDateFormat(format);
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    DateField *picker = window->datePicker();
    putDatedTask(project);
    const QString startBefore = project.taskTable.cell(ColStart, 1);
    const QString endBefore = project.taskTable.cell(ColEnd, 1);
    window->SelectCell(column, 1);
    QVERIFY(picker->isVisible());

    // Key by key, as typed: the picker shows the keys, the plan does not change.
    for (const QChar key : typed) {
        type(QString(key));
        QCOMPARE(project.taskTable.cell(ColStart, 1), startBefore);
        QCOMPARE(project.taskTable.cell(ColEnd, 1), endBefore);
    }
    QCOMPARE(picker->lineEdit()->text(), typed);

    // Enter takes it (no earlier than the project start: nothing to ask) and goes down.
    press(Qt::Key_Return);
    QCOMPARE(project.taskTable.cell(ColStart, 1), start);
    QCOMPARE(project.taskTable.cell(ColEnd, 1), end);
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(column, 2));
    QVERIFY(session.dialogs->boxes.isEmpty());
    // Its undo is named after the cell.
    QCOMPARE(window->action(QStringLiteral("Undo1"))->text(),
             QStringLiteral("Undo ") + project.taskTable.cell(column, 0));
}

void TestDatePicker::impossibleDateIsRefused_data()
{
    QTest::addColumn<QString>("finish");
    QTest::addColumn<QPoint>("cellAfter");
    QTest::newRow("Enter") << "Enter" << QPoint(ColStart, 1);
    QTest::newRow("Tab") << "Tab" << QPoint(ColStart, 1);
    QTest::newRow("click on another cell") << "click" << QPoint(ColTask, 1);
    QTest::newRow("Save") << "save" << QPoint(ColStart, 1);
}

void TestDatePicker::impossibleDateIsRefused()
{
    QFETCH(QString, finish);
    QFETCH(QPoint, cellAfter);
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    DateField *picker = window->datePicker();
    putDatedTask(project);
    project.settings().setValue(SettingsBlock::FileName,
                                session.tempDir->filePath(QStringLiteral("plan.mrv")));
    window->SelectCell(ColStart, 1);
    type(QStringLiteral("31.02.2027"));

    session.dialogs->answer(QMessageBox::Ok);
    if (finish == QLatin1String("Enter"))
        press(Qt::Key_Return);
    else if (finish == QLatin1String("Tab"))
        press(Qt::Key_Tab);
    else if (finish == QLatin1String("click"))
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->cellRect(ColTask, 1).center());
    else
        press(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(session.dialogs->done());
    QCOMPARE(session.dialogs->boxes,
             QStringList{QStringLiteral("Error|'31.02.2027' is not a valid date")});

    // The old date stays, in the cell and in the picker, whatever finished the typing.
    QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("03.05.2027"));
    QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("04.05.2027"));
    QCOMPARE(picker->lineEdit()->text(), QStringLiteral("03.05.2027"));
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), cellAfter);
}

void TestDatePicker::escapeTakesBackTheTypedDate()
{
    auto window = startWindow<Window>();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    DateField *picker = window->datePicker();
    putDatedTask(project);
    project.settings().setValue(SettingsBlock::Modify, QStringLiteral("No"));
    window->SelectCell(ColEnd, 1);
    type(QStringLiteral("15.01.20"));
    press(Qt::Key_Escape);

    QCOMPARE(picker->lineEdit()->text(), QStringLiteral("04.05.2027"));
    QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("04.05.2027"));
    QCOMPARE(project.settings().modify(), QStringLiteral("No"));
    QCOMPARE(QApplication::focusWidget(), grid);
    // Leaving the cell afterwards stores nothing either.
    press(Qt::Key_Return);
    QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("04.05.2027"));
    QVERIFY(session.dialogs->boxes.isEmpty());
}
