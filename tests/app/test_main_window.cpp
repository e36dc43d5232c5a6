#include "test_classes.h"

#include "app/command_actions.h"
#include "app/command_table.h"
#include "app/gantt_chart.h"
#include "app/main_window.h"
#include "app/task_grid.h"
#include "file_fixture.h"
#include "modal_script.h"
#include "recording_host.h"
#include "widgets/date_field.h"
#include "widgets/help_links.h"
#include "widgets/window_position.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWidgetAction>

#include <memory>

using namespace morvaine;

namespace {

std::unique_ptr<QTemporaryDir> tempDir;

QString tempPath(const QString &name)
{
    return tempDir->filePath(name);
}

bool pictureHasInk(const QIcon &icon)
{
    const QImage image = icon.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                ++inked;
    return inked > 40;
}

} // namespace

void TestMainWindow::init()
{
    tempDir = std::make_unique<QTemporaryDir>();
    QVERIFY(tempDir->isValid());
    qputenv("XDG_DATA_HOME", tempPath(QStringLiteral("xdg")).toLocal8Bit());
}

void TestMainWindow::cleanup()
{
    tempDir.reset();
}

void TestMainWindow::startUpShowsNewProject()
{
    ModalScript script;
    auto window = showWindow();
    Project &project = window->project();
    TaskGrid *grid = window->taskGrid();
    QAbstractItemModel *model = grid->model();

    QCOMPARE(window->windowTitle(), QStringLiteral("Morvaine 1.0"));
    QCOMPARE(project.LastTaskRow, 0);
    QCOMPARE(project.settings().modify(), QStringLiteral("No"));

    const QStringList headers = {"Task",       "Duration", "Start",     "End",
                                 "Forerunner", "Resource", "Completion"};
    for (int column = 1; column <= 7; ++column) {
        QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), headers[column - 1]);
        QVERIFY(!grid->isColumnHidden(column));
    }
    const int widths[] = {0, 178, 64, 85, 86, 70, 75, 71};
    for (int column = 1; column <= 7; ++column)
        QCOMPARE(grid->columnWidth(column), widths[column]);
    for (int column = 8; column <= 10; ++column)
        QCOMPARE(grid->columnWidth(column), 0);
    QCOMPARE(model->headerData(1, Qt::Vertical).toString(), QStringLiteral("1"));
    QCOMPARE(model->headerData(9999, Qt::Vertical).toString(), QStringLiteral("9999"));
    QCOMPARE(grid->verticalHeader()->width(), 40);
    QCOMPARE(grid->rowHeight(1), 17);
    QCOMPARE(grid->horizontalHeader()->height(), 17);
    QVERIFY(grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff);

    QCOMPARE(grid->currentColumn(), 1);
    QCOMPARE(grid->currentRow(), 1);
    QVERIFY(!window->datePicker()->isVisible());

    // The client area below the menu bar: tool bar and grids, 954 x 627.
    QCOMPARE(window->width(), 954);
    QCOMPARE(window->height() - window->menuBar()->height(), 627);
    QCOMPARE(window->findChild<QToolBar *>(QStringLiteral("ToolBar1"))->height(), 43);
    QCOMPARE(window->findChild<QSplitter *>(QStringLiteral("Splitter1"))->sizes().value(0), 529);
    // The offscreen screen (800 x 600) is smaller: the window keeps its place at 100, 100.
    const QRect screen = window->screen()->geometry();
    if (screen.width() <= window->width() || screen.height() <= window->height())
        QCOMPARE(window->pos(), QPoint(100, 100));
    QVERIFY(script.unexpected.isEmpty());
}

void TestMainWindow::menusAndToolBarInOrder()
{
    auto window = showWindow();
    auto describe = [](QMenu *menu) {
        QStringList items;
        for (QAction *item : menu->actions()) {
            if (item->isSeparator()) {
                items << QStringLiteral("-");
                continue;
            }
            QString text = item->text();
            if (!item->shortcut().isEmpty())
                text += QLatin1Char('|') + item->shortcut().toString(QKeySequence::PortableText);
            if (item->font().bold() && menu->defaultAction() == item)
                text += QStringLiteral("|default");
            if (item->isCheckable())
                text += QStringLiteral("|checkable");
            if (!item->isEnabled())
                text += QStringLiteral("|greyed");
            items << text;
        }
        return items.join(QLatin1Char(','));
    };
    QStringList menus;
    for (QAction *top : window->menuBar()->actions())
        menus << top->text() + QLatin1Char(':') + describe(top->menu());
    const QStringList expectedMenus = {
        "&File:New...|Ctrl+N,Open...|Ctrl+O|default,Recent Files|greyed,-,Save...|Ctrl+S,"
        "Save As...,-,Export,-,Print Setup...,Print Preview,Print...|Ctrl+P,-,"
        "Import MS Project XML...,Export MS Project XML...,-,Exit",
        "&Edit:Undo|Ctrl+Z|greyed,Redo|Ctrl+Shift+Z|greyed",
        "&View:Gantt Zoom In,Gantt Zoom Out",
        "&Task:Insert New Task|Ctrl+Ins|default,Delete Task|Ctrl+Del,-,Outdent,Indent",
        "T&ools:Resource...|Ctrl+R|default, Critical Path|checkable,-,Settings...",
        "&Report:Total Report|default",
        "&Help:Help (pdf)|F1,-,Morvaine Home Page,Send Feedback,Support,-,About Morvaine|default"};
    QCOMPARE(menus, expectedMenus);
    QCOMPARE(describe(window->popupMenu()),
             QStringLiteral("Insert New Task,Delete Task,-,Outdent,Indent"));

    auto *bar = window->findChild<QToolBar *>(QStringLiteral("ToolBar1"));
    QStringList buttons;
    for (QAction *item : bar->actions()) {
        if (item->isSeparator())
            buttons << QStringLiteral("-");
        else if (qobject_cast<QWidgetAction *>(item))
            buttons << QStringLiteral("<spacer>");
        else
            buttons << bar->widgetForAction(item)->objectName() + QLatin1Char('|') +
                           item->toolTip();
    }
    const QStringList expectedButtons = {"ButtonNew|New",
                                         "ButtonLoad|Open",
                                         "ButtonSave|Save",
                                         "ButtonSaveAs|Save As",
                                         "-",
                                         "ButtonPreview|Preview",
                                         "ButtonPrint|Print",
                                         "-",
                                         "ButtonLevelUp|Outdent",
                                         "ButtonLevelDown|Indent",
                                         "-",
                                         "ButtonResource|Resource",
                                         "ButtonSettings|Settings",
                                         "ButtonReports|Reports",
                                         "ButtonCriticalPath|Critical Path On/Off",
                                         "-",
                                         "<spacer>",
                                         "Scale1|",
                                         "Scale2|",
                                         "Scale3|"};
    QCOMPARE(buttons, expectedButtons);
    // The scale buttons sit at the right end of the bar.
    QWidget *scale3 = bar->widgetForAction(window->action(QStringLiteral("Scale3")));
    QVERIFY(bar->width() - scale3->geometry().right() < 20);
}

void TestMainWindow::commandTableRules()
{
    auto window = showWindow();

    // Each command once; every menu, popup and tool-bar entry names a command, and
    // every command is reachable from one of them.
    QSet<QString> ids;
    for (const CommandRow &row : CommandTable()) {
        QVERIFY2(!ids.contains(QLatin1String(row.id)), row.id);
        ids.insert(QLatin1String(row.id));
    }
    QSet<QString> placed;
    QList<QList<const char *>> layouts = {PopupMenuLayout(), ToolBarLayout()};
    for (const MenuLayout &menu : MainMenuLayout())
        layouts << menu.items;
    for (const auto &layout : layouts)
        for (const char *id : layout)
            if (qstrcmp(id, Separator) != 0 && qstrcmp(id, RightEdge) != 0) {
                QVERIFY2(FindCommand(id), id);
                placed.insert(QLatin1String(id));
            }
    QCOMPARE(placed, ids);

    // A command runs a handler, or is greyed until it is built; never a dead click.
    QSet<QKeySequence> shortcuts;
    for (const CommandRow &row : CommandTable()) {
        QAction *item = window->action(QLatin1String(row.id));
        QVERIFY2(item && item->objectName() == QLatin1String(row.id), row.id);
        if (!row.submenu)
            QVERIFY2(window->commands().isBound(item->objectName()) != row.notBuiltYet, row.id);
        if (row.notBuiltYet)
            QVERIFY2(!item->isEnabled(), row.id);
        // No key runs two commands.
        for (const QKeySequence &key : item->shortcuts()) {
            QVERIFY2(!shortcuts.contains(key), qPrintable(key.toString()));
            shortcuts.insert(key);
        }
    }

    // Alt+letter mnemonics are unique among the menu titles and within each menu.
    auto mnemonicsUnique = [](const QList<QAction *> &items) {
        QSet<QChar> letters;
        for (QAction *item : items) {
            const QString text = QString(item->text()).remove(QStringLiteral("&&"));
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (at < 0 || at + 1 >= text.size())
                continue;
            const QChar letter = text.at(at + 1).toLower();
            if (letters.contains(letter))
                return false;
            letters.insert(letter);
        }
        return true;
    };
    const QList<QAction *> titles = window->menuBar()->actions();
    QVERIFY(mnemonicsUnique(titles));
    for (QAction *title : titles) {
        QVERIFY2(title->text().count(QLatin1Char('&')) == 1, qPrintable(title->text()));
        QVERIFY2(mnemonicsUnique(title->menu()->actions()), qPrintable(title->text()));
    }

    // Every tool button is a 36 x 36 picture with a tool tip; the Gantt scale buttons
    // show their scale in the picture alone.
    auto *bar = window->findChild<QToolBar *>(QStringLiteral("ToolBar1"));
    for (QAction *item : bar->actions()) {
        if (item->isSeparator() || qobject_cast<QWidgetAction *>(item))
            continue;
        QWidget *button = bar->widgetForAction(item);
        QCOMPARE(button->objectName(),
                 QLatin1String(FindCommand(qPrintable(item->objectName()))->toolButton));
        QCOMPARE(button->size(), QSize(36, 36));
        QVERIFY2(pictureHasInk(item->icon()), qPrintable(button->objectName()));
        QVERIFY2(!item->toolTip().isEmpty() ||
                     item->objectName().startsWith(QLatin1String("Scale")),
                 qPrintable(button->objectName()));
    }
}

void TestMainWindow::startWithoutFileWritesAssociation()
{
    ModalScript script;
    auto window = showWindow();
    const QString desktop = tempPath(QStringLiteral("xdg/applications/morvaine.desktop"));
    QTRY_VERIFY(QFile::exists(desktop));
    QVERIFY(QFile::exists(tempPath(QStringLiteral("xdg/mime/packages/morvaine.xml"))));
    QFile entry(desktop);
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    QVERIFY2(text.contains(QLatin1String("Exec=\"") + QCoreApplication::applicationFilePath() +
                           QLatin1String("\" %f")),
             qPrintable(text));
    QVERIFY(text.contains(QLatin1String("MimeType=application/x-morvaine;")));
    QVERIFY(script.unexpected.isEmpty());
}

void TestMainWindow::startWithFileOpensItAndWritesNoAssociation()
{
    const QString path = tempPath(QStringLiteral("plan.mrv"));
    writeProject(path, QStringLiteral("Alpha"));
    ModalScript script;
    auto window = showWindow({path});
    QTRY_COMPARE(window->windowTitle(), QStringLiteral("Morvaine 1.0 - plan.mrv"));
    QCOMPARE(window->project().taskTable.cell(ColTask, 1), QStringLiteral("Alpha"));
    QCOMPARE(window->project().settings().fileName(), path);
    QVERIFY(!QFile::exists(tempPath(QStringLiteral("xdg"))));
    QVERIFY(script.boxes.isEmpty());
}

void TestMainWindow::associationFailureIsShownAndProgramRuns()
{
    // A data folder below a plain file cannot be created.
    QFile blocker(tempPath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_DATA_HOME", tempPath(QStringLiteral("blocker/xdg")).toLocal8Bit());

    ModalScript script;
    script.answer(QMessageBox::Ok);
    auto window = showWindow();
    QTRY_VERIFY(script.done());
    QCOMPARE(script.boxes.size(), 1);
    QVERIFY2(script.boxes[0].startsWith(QLatin1String("Error|Cannot write the file association")),
             qPrintable(script.boxes[0]));
    QCOMPARE(script.icons[0], QMessageBox::Critical);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Morvaine 1.0"));
}

void TestMainWindow::errorInCommandIsShownAndWindowGoesOn()
{
    auto window = showWindow();
    window->project().settings().setValue(SettingsBlock::StartDate, QStringLiteral("someday"));
    ModalScript script;
    script.answer(QMessageBox::Ok).cancel();
    window->action(QStringLiteral("Settings1"))->trigger();
    QVERIFY(script.done());
    QCOMPARE(script.boxes.value(0), QStringLiteral("Error|'someday' is not a valid date"));
    QCOMPARE(script.icons.value(0), QMessageBox::Critical);
    QVERIFY(window->isVisible());

    // The next command runs as usual.
    window->action(QStringLiteral("New1"))->trigger();
    QVERIFY(script.unexpected.isEmpty());
    QCOMPARE(window->project().settings().value(SettingsBlock::StartDate), DateToStr(Date()));
}

void TestMainWindow::gridReportsSelectionBeforeItMoves()
{
    auto window = showWindow();
    TaskGrid *grid = window->taskGrid();
    grid->setFocus();
    QStringList reports;
    QObject listening;
    connect(grid, &TaskGrid::selectCellRequested, &listening, [&](int column, int row) {
        reports << QStringLiteral("%1,%2 from %3,%4")
                       .arg(column)
                       .arg(row)
                       .arg(grid->currentColumn())
                       .arg(grid->currentRow());
    });
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(5, 4).center());
    window->SelectCell(2, 7);
    window->SelectCell(2, 7); // already there: nothing to report
    QCOMPARE(reports, (QStringList{"1,2 from 1,1", "5,4 from 1,2", "2,7 from 5,4"}));
    QCOMPARE(window->CurrentColumn(), 2);
    QCOMPARE(window->CurrentRow(), 7);
}

void TestMainWindow::typingStoresTextAndMarksModified()
{
    auto window = showWindow();
    TaskGrid *grid = window->taskGrid();
    Project &project = window->project();
    QApplication::setActiveWindow(window.get());
    grid->setFocus();
    window->SelectCell(ColTask, 3);

    QStringList reported;
    QObject listening; // ends the connection before reported goes
    connect(grid, &TaskGrid::editTextChanged, &listening,
            [&](int column, int row, const QString &text) {
                reported << QStringLiteral("%1,%2:%3").arg(column).arg(row).arg(text);
            });
    QTest::keyClick(grid, 'W', Qt::ShiftModifier);
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor && editor != grid);
    QTest::keyClicks(editor, QStringLiteral("all"));
    QCOMPARE(project.taskTable.cell(ColTask, 3), QStringLiteral("Wall"));
    QCOMPARE(project.settings().modify(), QStringLiteral("Yes"));
    QCOMPARE(reported.value(0), QStringLiteral("1,3:W"));
    QCOMPARE(reported.value(3), QStringLiteral("1,3:Wall"));

    // A rewritten cell shows in the open editor.
    project.taskTable.setCell(ColTask, 3, QStringLiteral("Roof"));
    QCOMPARE(static_cast<QLineEdit *>(editor)->text(), QStringLiteral("Roof"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor commits and closes queued
    QVERIFY(!grid->indexWidget(grid->currentIndex()));
    QCOMPARE(project.taskTable.cell(ColTask, 3), QStringLiteral("Roof"));
    QCOMPARE(reported.last(), QStringLiteral("1,3:Roof"));
}

void TestMainWindow::gridsShareTheirTopRow()
{
    auto window = showWindow();
    TaskGrid *grid = window->taskGrid();
    GanttChart *chart = window->ganttChart();
    QCOMPARE(grid->topRow(), 1);
    QCOMPARE(chart->topRow(), 1);

    chart->verticalScrollBar()->setValue(120);
    QCOMPARE(grid->topRow(), 120);
    QCOMPARE(window->FirstVisibleTaskRow(), 120);
    grid->setTopRow(45);
    QCOMPARE(grid->topRow(), 45);
    QCOMPARE(chart->topRow(), 45);

    // Both stop at the same last row.
    chart->verticalScrollBar()->setValue(chart->verticalScrollBar()->maximum());
    QCOMPARE(grid->topRow(), chart->topRow());
    QVERIFY(chart->topRow() > 9900);
}

void TestMainWindow::helpTargetWithoutProgramIsNamed_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("named");
    QTest::newRow("manual by F1") << "F1" << false << ".pdf";
    QTest::newRow("manual opened") << "F1" << true << "";
    QTest::newRow("home page") << "MorvaineHomePage1" << false << "www.morvaine.org";
    QTest::newRow("feedback") << "SendFeedback1" << false << "info@morvaine.org";
    QTest::newRow("support") << "Support1" << false << "support@morvaine.org";
}

void TestMainWindow::helpTargetWithoutProgramIsNamed()
{
    QFETCH(QString, command);
    QFETCH(bool, started);
    QFETCH(QString, named);
    auto window = showWindow();
    QList<QUrl> opened;
    SetUrlOpener([&](const QUrl &url) {
        opened << url;
        return started;
    });
    ModalScript script;
    if (!started)
        script.answer(QMessageBox::Ok);
    if (command == QLatin1String("F1")) {
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window.get(), Qt::Key_F1);
    } else {
        window->action(command)->trigger();
    }
    SetUrlOpener({});
    QVERIFY(script.done());
    QVERIFY(script.unexpected.isEmpty());
    QCOMPARE(opened.size(), 1);
    if (command == QLatin1String("F1")) {
        // The manual is a PDF file that exists, wherever it was found or written.
        QVERIFY(opened[0].isLocalFile());
        QVERIFY(QFileInfo(opened[0].toLocalFile()).isFile());
        QVERIFY(opened[0].toLocalFile().endsWith(QLatin1String(".pdf")));
    }
    if (started) {
        QVERIFY(script.boxes.isEmpty());
        return;
    }
    QCOMPARE(script.boxes.size(), 1);
    QVERIFY(script.boxes[0].startsWith(QLatin1String("Error|")));
    QVERIFY2(script.boxes[0].contains(named), qPrintable(script.boxes[0]));
    if (command == QLatin1String("F1"))
        QVERIFY(script.boxes[0].contains(opened[0].toLocalFile()));
}

void TestMainWindow::scaleButtonsAreExclusive_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("New") << "New1";
    QTest::newRow("Open") << "Load1";
}

void TestMainWindow::scaleButtonsAreExclusive()
{
    QFETCH(QString, command);
    const QString file = tempPath(QStringLiteral("plan.mrv"));
    writeProject(file, QStringLiteral("Plan"));
    auto window = showWindow();
    QAction *scale1 = window->action(QStringLiteral("Scale1"));
    QAction *scale3 = window->action(QStringLiteral("Scale3"));
    QVERIFY(scale1->isChecked());
    scale3->trigger();
    QCOMPARE(window->project().GanttScale, 3);
    QVERIFY(scale3->isChecked());
    QVERIFY(!scale1->isChecked());
    // New and Open go back to the day scale.
    ModalScript script;
    script.chooseFile(file);
    window->action(command)->trigger();
    QCOMPARE(script.done(), command == QLatin1String("Load1"));
    QCOMPARE(window->project().GanttScale, 1);
    QVERIFY(scale1->isChecked());
    QVERIFY(!scale3->isChecked());
}

void TestMainWindow::zoomStepsTheScaleAndPressesItsButton_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("to");
    QTest::newRow("in from months") << 3 << "GanttZoomIn1" << 2;
    QTest::newRow("in from weeks") << 2 << "GanttZoomIn1" << 1;
    QTest::newRow("in at days stays") << 1 << "GanttZoomIn1" << 1;
    QTest::newRow("out from days") << 1 << "GanttZoomOut1" << 2;
    QTest::newRow("out at months stays") << 3 << "GanttZoomOut1" << 3;
}

void TestMainWindow::zoomStepsTheScaleAndPressesItsButton()
{
    QFETCH(int, from);
    QFETCH(QString, command);
    QFETCH(int, to);
    auto window = showWindow();
    window->action(QStringLiteral("Scale%1").arg(from))->trigger();
    QCOMPARE(window->project().GanttScale, from);
    window->action(command)->trigger();
    QCOMPARE(window->project().GanttScale, to);
    for (int scale = 1; scale <= 3; ++scale)
        QCOMPARE(window->action(QStringLiteral("Scale%1").arg(scale))->isChecked(), scale == to);
}

void TestMainWindow::criticalPathFollowsTheProject()
{
    auto window = showWindow();
    QAction *criticalPath = window->action(QStringLiteral("CriticalPath1"));
    QCOMPARE(criticalPath->text(), QStringLiteral(" Critical Path"));
    const QImage offPicture = criticalPath->icon().pixmap(24, 24).toImage();
    ModalScript script;
    criticalPath->trigger();
    QCOMPARE(criticalPath->isChecked(), window->project().CriticalPathOn);
    if (window->project().CriticalPathOn)
        QVERIFY(criticalPath->icon().pixmap(24, 24).toImage() != offPicture);
    criticalPath->trigger();
    QCOMPARE(criticalPath->isChecked(), window->project().CriticalPathOn);
    QVERIFY(!window->project().CriticalPathOn);
    QVERIFY(criticalPath->icon().pixmap(24, 24).toImage() == offPicture);
    QVERIFY(script.unexpected.isEmpty());
}

void TestMainWindow::windowPlacement_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("onScreen");   // main window on a screen, or a dialog over the window
    QTest::addColumn<QPoint>("expected"); // (-1, -1): keeps its place

    QTest::newRow("screen, centred 30 higher")
        << QRect(0, 0, 1920, 1080) << QSize(970, 700) << true << QPoint(475, 175);
    QTest::newRow("screen, halves toward zero")
        << QRect(0, 0, 1001, 801) << QSize(500, 400) << true << QPoint(250, 185);
    QTest::newRow("second screen")
        << QRect(1920, 0, 1280, 1024) << QSize(970, 700) << true << QPoint(1920 + 155, 147);
    QTest::newRow("screen too narrow")
        << QRect(0, 0, 800, 1200) << QSize(970, 700) << true << QPoint(-1, -1);
    QTest::newRow("screen exactly as high")
        << QRect(0, 0, 1920, 700) << QSize(970, 700) << true << QPoint(-1, -1);
    QTest::newRow("dialog over window")
        << QRect(100, 100, 970, 700) << QSize(490, 437) << false << QPoint(340, 231);
    QTest::newRow("dialog too high")
        << QRect(100, 100, 970, 400) << QSize(490, 437) << false << QPoint(-1, -1);
}

void TestMainWindow::windowPlacement()
{
    QFETCH(QRect, area);
    QFETCH(QSize, window);
    QFETCH(bool, onScreen);
    QFETCH(QPoint, expected);
    const std::optional<QPoint> place =
        onScreen ? CentredOnScreen(area, window) : CentredOverMain(area, window);
    QCOMPARE(place.value_or(QPoint(-1, -1)), expected);
}
