// The resource dialog and the report window driven as a user drives them: keys into the
// fields, clicks on the buttons and the grid.

#include "dialogs/report_window.h"
#include "dialogs/resource_dialog.h"
#include "dialogs/resource_table_model.h"
#include "model/new_project.h"
#include "recording_host.h"
#include "views/fonts.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>

#include <functional>
#include <memory>

using namespace morvaine;

namespace {

// Records messages and lets a test look at the dialog while a message is up.
class PeekingHost : public RecordingHost {
public:
    std::function<void()> onMessage;

    MsgAnswer MessageBox(const QString &title, const QString &text, MsgIcon icon,
                         MsgButtons buttons) override
    {
        if (onMessage)
            onMessage();
        return RecordingHost::MessageBox(title, text, icon, buttons);
    }
};

struct Windows {
    std::unique_ptr<Project> project = std::make_unique<Project>();
    PeekingHost host;

    Windows()
    {
        SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        InitNewProject(*project, host);
        project->settings().setValue(SettingsBlock::StartDate, QStringLiteral("06.05.2024"));
        project->settings().setValue(SettingsBlock::Modify, QStringLiteral("No"));
    }
};

template <typename T> T *child(QWidget &parent, const char *name)
{
    T *widget = parent.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

QString button(QWidget &dialog, const char *name)
{
    return child<QPushButton>(dialog, name)->text();
}

void clickRow(QTableView *grid, int tableRow)
{
    const QRect rect = grid->visualRect(grid->model()->index(tableRow - 1, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestResourceAndReportWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void resourceModelFollowsTheTable()
    {
        Windows w;
        ResourceTableModel model(w.project->resourceTable);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 999);
        QCOMPARE(model.columnCount(), 4);
        int changes = 0;
        connect(&model, &QAbstractItemModel::dataChanged, this,
                [&changes](const QModelIndex &from) {
                    QCOMPARE(from.row(), 2);
                    QCOMPARE(from.column(), 2);
                    ++changes;
                });
        w.project->resourceTable.setCell(ResColCost, 3, QStringLiteral("7.5"));
        QCOMPARE(changes, 1);
        QCOMPARE(model.index(2, 2).data().toString(), QStringLiteral("7.5"));
        QCOMPARE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable, Qt::NoItemFlags);
    }

    void addByKeysShowsCurrencyBeforeCost()
    {
        Windows w;
        ResourceDialog dialog(*w.project, w.host);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *grid = child<QTableView>(dialog, "StringGridResource");
        QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("Cost/Hour"));
        QVERIFY(!child<QPushButton>(dialog, "ButtonEdit")->isEnabled());

        QTest::keyClicks(child<QLineEdit>(dialog, "EditName"), QStringLiteral(" Bob "));
        QTest::keyClicks(child<QLineEdit>(dialog, "EditCost"), QStringLiteral("12,5"));
        QTest::keyClicks(child<QLineEdit>(dialog, "EditAddress"), QStringLiteral("Lane 1"));
        QTest::mouseClick(child<QPushButton>(dialog, "ButtonAdd"), Qt::LeftButton);

        QVERIFY(w.host.messages.isEmpty());
        const ResourceTable &table = w.project->resourceTable;
        QCOMPARE(table.cell(ResColName, 1), QStringLiteral("Bob"));
        QCOMPARE(table.cell(ResColCost, 1), QStringLiteral("12.5"));
        QCOMPARE(table.cell(ResColAddress, 1), QStringLiteral("Lane 1"));
        QCOMPARE(child<QLineEdit>(dialog, "EditName")->text(), QString());
        QCOMPARE(child<QLineEdit>(dialog, "EditCost")->text(), QString());
        QVERIFY(child<QLineEdit>(dialog, "EditName")->hasFocus());
        QVERIFY(child<QPushButton>(dialog, "ButtonEdit")->isEnabled());

        auto *delegate = qobject_cast<QStyledItemDelegate *>(grid->itemDelegateForColumn(2));
        QVERIFY(delegate);
        QCOMPARE(delegate->displayText(grid->model()->index(0, 2).data(), QLocale()),
                 QStringLiteral("$12.5"));
    }

    void refusedCostShowsReplacedComma()
    {
        Windows w;
        ResourceDialog dialog(*w.project, w.host);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClicks(child<QLineEdit>(dialog, "EditName"), QStringLiteral("Ann"));
        QTest::keyClicks(child<QLineEdit>(dialog, "EditCost"), QStringLiteral("1,2,3"));
        // The field shows the replacement while the message is up.
        QString costWhileRefused;
        w.host.onMessage = [&] { costWhileRefused = child<QLineEdit>(dialog, "EditCost")->text(); };
        QTest::mouseClick(child<QPushButton>(dialog, "ButtonAdd"), Qt::LeftButton);
        QCOMPARE(costWhileRefused, QStringLiteral("1.2,3"));
        QCOMPARE(w.host.messages.size(), 1);
        QCOMPARE(w.host.messages[0].title, QStringLiteral("Error"));
        QCOMPARE(child<QLineEdit>(dialog, "EditCost")->text(), QStringLiteral("1.2,3"));
        QCOMPARE(child<QLineEdit>(dialog, "EditName")->text(), QStringLiteral("Ann"));
        QVERIFY(w.project->resourceTable.cell(ResColName, 1).isEmpty());
    }

    void editCancelDeleteAndCloseByClicks()
    {
        Windows w;
        ResourceTable &table = w.project->resourceTable;
        table.setCell(ResColName, 1, QStringLiteral("Ann"));
        table.setCell(ResColName, 2, QStringLiteral("Bob"));
        table.setCell(ResColCost, 2, QStringLiteral("20"));
        table.setCell(ResColName, 3, QStringLiteral("Cid"));
        w.project->taskTable.setCell(ColResource, 1, QStringLiteral(" Ann; Bob; Cid;"));
        ResourceDialog dialog(*w.project, w.host);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *grid = child<QTableView>(dialog, "StringGridResource");

        clickRow(grid, 2);
        QCOMPARE(dialog.selectedRow(), 2);
        QTest::mouseClick(child<QPushButton>(dialog, "ButtonEdit"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(dialog, "EditName")->text(), QStringLiteral("Bob"));
        QCOMPARE(child<QLineEdit>(dialog, "EditCost")->text(), QStringLiteral("20"));
        QCOMPARE(button(dialog, "ButtonEdit"), QStringLiteral("Update"));
        QCOMPARE(button(dialog, "ButtonClose"), QStringLiteral("Cancel"));
        QVERIFY(!child<QPushButton>(dialog, "ButtonAdd")->isEnabled());
        QVERIFY(!child<QPushButton>(dialog, "ButtonDelete")->isEnabled());
        QTest::mouseClick(child<QPushButton>(dialog, "ButtonClose"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(button(dialog, "ButtonClose"), QStringLiteral("Close"));
        QCOMPARE(child<QLineEdit>(dialog, "EditName")->text(), QString());

        QTest::mouseClick(child<QPushButton>(dialog, "ButtonDelete"), Qt::LeftButton);
        QCOMPARE(table.cell(ResColName, 2), QStringLiteral("Cid"));
        QCOMPARE(table.cell(ResColName, 3), QString());
        QCOMPARE(w.project->taskTable.cell(ColResource, 1), QStringLiteral(" Ann; Cid;"));

        // Escape closes the dialog as Close does.
        QVERIFY(!w.project->settings().isModified());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(w.project->settings().isModified());
    }

    void resourceDialogLayout()
    {
        Windows w;
        ResourceDialog dialog(*w.project, w.host);
        QCOMPARE(dialog.objectName(), QStringLiteral("TFormResource"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Resource"));
        QCOMPARE(dialog.size(), QSize(610, 218));
        QCOMPARE(child<QLabel>(dialog, "Image1")->geometry(), QRect(520, 16, 70, 55));
        QVERIFY(!child<QLabel>(dialog, "Image1")->pixmap().isNull());
        auto *grid = child<QTableView>(dialog, "StringGridResource");
        QCOMPARE(grid->geometry(), QRect(8, 90, 497, 120));
        QCOMPARE(grid->columnWidth(1), 216);
        QCOMPARE(grid->rowHeight(0), 17);
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(child<QPushButton>(dialog, "ButtonClose")->pos(), QPoint(520, 184));
    }

    void reportWindowShowsTheReport()
    {
        Windows w;
        w.project->resourceTable.setCell(ResColName, 1, QStringLiteral("Anna"));
        w.project->resourceTable.setCell(ResColCost, 1, QStringLiteral("10"));
        ReportWindow window(*w.project, w.host);
        QCOMPARE(window.objectName(), QStringLiteral("TFormReports"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Reports"));
        QCOMPARE(window.size(), QSize(617, 496));
        auto *choice = child<QComboBox>(window, "ComboBox1");
        QCOMPARE(choice->count(), 1);
        QCOMPARE(choice->currentText(), QStringLiteral("Total Report"));
        QCOMPARE(child<QWidget>(window, "StringGridReports")->geometry(), QRect(8, 32, 601, 457));

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.report().cell(2, 25), QStringLiteral("1"));
        QCOMPARE(window.report().cell(4, 25), QStringLiteral("$10"));
        QVERIFY(w.host.messages.isEmpty());
        QTest::mouseClick(child<QPushButton>(window, "ButtonClose"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));

        // Every showing rebuilds the report.
        w.project->resourceTable.setCell(ResColName, 2, QStringLiteral("Bob"));
        window.show();
        QCOMPARE(window.report().cell(2, 25), QStringLiteral("2"));
        window.close();
    }

    void conversionErrorIsShownOnceAndWindowStillWorks()
    {
        Windows w;
        w.project->settings().setValue(SettingsBlock::StartDate, QStringLiteral("someday"));
        ReportWindow window(*w.project, w.host);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(w.host.messages.size(), 1);
        QCOMPARE(w.host.messages[0].title, QStringLiteral("Error"));
        QCOMPARE(w.host.messages[0].text, QStringLiteral("'someday' is not a valid date"));
        QCOMPARE(window.report().cell(2, 5), QStringLiteral("Start Date:"));
        QVERIFY(window.report().cell(4, 7).isEmpty());
        QVERIFY(window.isVisible());
        QTest::mouseClick(child<QPushButton>(window, "ButtonClose"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestResourceAndReportWindows)
#include "test_resource_and_report_windows.moc"
