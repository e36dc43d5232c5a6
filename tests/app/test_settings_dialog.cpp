#include "test_classes.h"

#include "dialogs/settings_dialog.h"
#include "modal_script.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"
#include "schedule/date_list.h"
#include "widgets/date_field.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace morvaine;

namespace {

// A new project, a recording host and the dialog over them, shown without its own
// event loop so that a test can work the controls.
struct Fixture {
    Project project;
    RecordingHost host;
    std::unique_ptr<SettingsDialog> dialog;

    Fixture()
    {
        InitNewProject(project, host);
        dialog = std::make_unique<SettingsDialog>(project, host, nullptr);
    }

    void show()
    {
        dialog->placeAndFill();
        dialog->show();
    }

    template <typename T> T *child(const char *name) const
    {
        T *widget = dialog->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    QCheckBox *day(const char *name) const
    {
        return child<QCheckBox>((QByteArray("CheckBox") + name).constData());
    }

    void clickOk() const { QTest::mouseClick(child<QPushButton>("ButtonOK"), Qt::LeftButton); }

    QString value(SettingsBlock::ValueRow row) const { return project.settings().value(row); }

    /// Picks from and to in a list's date fields (the end follows a picked start) and
    /// clicks its Add button; list is "Holiday" or "ExtraDay".
    void add(const char *list, const QDate &from, const QDate &to = QDate()) const
    {
        const QByteArray name(list);
        auto *start = child<DateField>(("DateTimePicker" + name + "From").constData());
        auto *end = child<DateField>(("DateTimePicker" + name + "To").constData());
        start->showCalendar();
        emit start->calendarWidget()->clicked(from);
        if (to.isValid()) {
            end->lineEdit()->setText(to.toString(QStringLiteral("dd.MM.yyyy")));
        }
        QTest::mouseClick(child<QPushButton>(("ButtonAdd" + name).constData()), Qt::LeftButton);
    }
    QStringList items(const char *list) const
    {
        QStringList texts;
        auto *box = child<QListWidget>((QByteArray("ListBox") + list + "s").constData());
        for (int i = 0; i < box->count(); ++i)
            texts << box->item(i)->text();
        return texts;
    }
    QString cell(int row) const { return project.taskTable.cell(ColSettings, row); }
};

QDate monday2024()
{
    return QDate(2024, 1, 1);
}

} // namespace

void TestSettingsDialog::init() {}

void TestSettingsDialog::cleanup() {}

void TestSettingsDialog::showsNewProjectDefaults()
{
    Fixture f;
    f.show();
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(f.dialog->size(), QSize(490, 437));
    QCOMPARE(f.child<QLabel>("Label7")->text(), QStringLiteral("no save file"));
    QCOMPARE(f.child<QLabel>("Label8")->text(), QStringLiteral("no save file"));
    QCOMPARE(f.child<QLabel>("Label3")->text(), QStringLiteral("no save file"));
    QCOMPARE(f.child<QLineEdit>("EditPrjName")->text(), QStringLiteral("My test project"));
    QCOMPARE(f.child<QLineEdit>("EditAuthor")->text(), QStringLiteral("testBob"));
    QCOMPARE(f.child<DateField>("DateTimePicker1")->date(), QDate::currentDate());
    QCOMPARE(f.child<QComboBox>("ComboBoxCurrency")->currentText(), QStringLiteral("$ (dollar)"));
    QCOMPARE(f.child<QComboBox>("ComboBoxCurrency")->count(), 2);
    QCOMPARE(f.child<QComboBox>("ComboBoxCurrency")->itemText(1),
             QString(QChar(0x20AC)) + QStringLiteral(" (euro)"));
    QString ticked;
    for (const char *name : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})
        ticked += f.day(name)->isChecked() ? QLatin1Char('Y') : QLatin1Char('N');
    QCOMPARE(ticked, QStringLiteral("YYYYYNN"));
    QCOMPARE(f.child<QLineEdit>("EditWorkTime")->text(), QStringLiteral("8 hours per day"));
    QVERIFY(f.child<QLineEdit>("EditWorkTime")->isReadOnly());
    // No close button: the dialog ends through OK or Cancel.
    QVERIFY(!(f.dialog->windowFlags() & Qt::WindowCloseButtonHint));
}

void TestSettingsDialog::spinnerStaysBetween1And24_data()
{
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("expected");
    QTest::newRow("24 up stays") << "24" << QStringList{"up"} << "24 hours per day";
    QTest::newRow("2 down gives 1 hour") << "2" << QStringList{"down"} << "1 hour per day";
    QTest::newRow("1 down stays") << "1" << QStringList{"down", "down"} << "1 hour per day";
    QTest::newRow("1 up") << "1" << QStringList{"up"} << "2 hours per day";
    QTest::newRow("9 up to two digits") << "9" << QStringList{"up", "up"} << "11 hours per day";
    QTest::newRow("10 down to one digit") << "10" << QStringList{"down"} << "9 hours per day";
    QTest::newRow("23 up twice") << "23" << QStringList{"up", "up"} << "24 hours per day";
}

void TestSettingsDialog::spinnerStaysBetween1And24()
{
    QFETCH(QString, hours);
    QFETCH(QStringList, clicks);
    QFETCH(QString, expected);
    Fixture f;
    f.project.settings().setValue(SettingsBlock::WorkingTime, hours);
    f.show();
    for (const QString &click : clicks)
        QTest::mouseClick(
            f.child<QToolButton>(click == QLatin1String("up") ? "UpDownWTUp" : "UpDownWTDown"),
            Qt::LeftButton);
    QCOMPARE(f.child<QLineEdit>("EditWorkTime")->text(), expected);
    f.clickOk();
    QCOMPARE(f.value(SettingsBlock::WorkingTime), expected.section(QLatin1Char(' '), 0, 0));
}

void TestSettingsDialog::okWritesEverySetting()
{
    Fixture f;
    f.show();
    f.child<QLineEdit>("EditPrjName")->setText(QString());
    f.child<QLineEdit>("EditAuthor")->setText(QStringLiteral("Ada"));
    f.child<DateField>("DateTimePicker1")->setDate(QDate(2027, 3, 15));
    f.child<QComboBox>("ComboBoxCurrency")->setCurrentIndex(1);
    QTest::mouseClick(f.child<QToolButton>("UpDownWTDown"), Qt::LeftButton);
    f.clickOk();

    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(f.value(SettingsBlock::ProjectName), QString());
    QCOMPARE(f.value(SettingsBlock::Author), QStringLiteral("Ada"));
    QCOMPARE(f.value(SettingsBlock::StartDate), QStringLiteral("15.03.2027"));
    QCOMPARE(f.value(SettingsBlock::Currency), QString(QChar(0x20AC)));
    QCOMPARE(f.value(SettingsBlock::WorkingTime), QStringLiteral("7"));
    QCOMPARE(f.value(SettingsBlock::WorkingDays), QStringLiteral("YYYYYNN"));
    QCOMPARE(f.value(SettingsBlock::Modify), QStringLiteral("Yes"));
    QVERIFY(f.host.messages.isEmpty());

    // Shown again, the dialog reads the block afresh.
    f.show();
    QCOMPARE(f.child<QComboBox>("ComboBoxCurrency")->currentIndex(), 1);
    QCOMPARE(f.child<QLineEdit>("EditWorkTime")->text(), QStringLiteral("7 hours per day"));
}

void TestSettingsDialog::euroIsStoredAsByte0x88()
{
    QTemporaryDir dir;
    Fixture f;
    f.show();
    f.child<QComboBox>("ComboBoxCurrency")->setCurrentIndex(1);
    f.clickOk();
    f.host.saveFileName = dir.filePath(QStringLiteral("euro.mrv"));
    SaveProject(f.project, f.host, QStringLiteral("SaveAs"));
    QFile file(f.host.saveFileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // The currency record: length 1, then the single byte.
    QVERIFY(bytes.contains(QByteArray("\x01\x00\x00\x00\x88", 5)));

    // Read back, the euro item is selected again.
    Fixture g;
    LoadProject(g.project, g.host, f.host.saveFileName);
    g.show();
    QCOMPARE(g.child<QComboBox>("ComboBoxCurrency")->currentIndex(), 1);
}

void TestSettingsDialog::workingDaysChangeRecomputesEnds()
{
    Fixture f;
    TaskTable &table = f.project.taskTable;
    const QString monday = monday2024().toString(QStringLiteral("dd.MM.yyyy"));
    f.project.settings().setValue(SettingsBlock::StartDate, monday);
    table.setCell(ColTask, 1, QStringLiteral("Walls"));
    table.setCell(ColDuration, 1, QStringLiteral("5 days"));
    table.setCell(ColStart, 1, monday);
    table.setCell(ColEnd, 1, QStringLiteral("05.01.2024"));
    table.setCell(ColTask, 2, QStringLiteral("Roof"));
    table.setCell(ColDuration, 2, QStringLiteral("1 day"));
    table.setCell(ColForerunner, 2, QStringLiteral(" 1;"));
    table.setCell(ColStart, 2, QStringLiteral("08.01.2024"));
    table.setCell(ColEnd, 2, QStringLiteral("08.01.2024"));
    f.project.LastTaskRow = 2;

    f.show();
    f.day("Fri")->setChecked(false);
    const int repaints = f.host.chartRepaints;
    f.clickOk();

    QCOMPARE(f.value(SettingsBlock::WorkingDays), QStringLiteral("YYYYNNN"));
    // Five working days Monday to Thursday from Monday 1 January end on Monday 8.
    QCOMPARE(table.cell(ColEnd, 1), QStringLiteral("08.01.2024"));
    // The follower moves behind it to the next working day.
    QCOMPARE(table.cell(ColStart, 2), QStringLiteral("09.01.2024"));
    QVERIFY(f.host.chartRepaints > repaints);
    QCOMPARE(f.value(SettingsBlock::Modify), QStringLiteral("Yes"));
}

void TestSettingsDialog::unchangedWorkingDaysRecalculateNothing()
{
    Fixture f;
    TaskTable &table = f.project.taskTable;
    table.setCell(ColTask, 1, QStringLiteral("Walls"));
    table.setCell(ColDuration, 1, QStringLiteral("5 days"));
    table.setCell(ColStart, 1, QStringLiteral("01.01.2024"));
    table.setCell(ColEnd, 1, QStringLiteral("20.01.2024")); // stale on purpose
    f.project.LastTaskRow = 1;
    f.show();
    f.child<QLineEdit>("EditAuthor")->setText(QStringLiteral("Ada"));
    f.clickOk();
    QCOMPARE(table.cell(ColEnd, 1), QStringLiteral("20.01.2024"));
    QCOMPARE(f.host.chartRepaints, 0);
    QCOMPARE(f.value(SettingsBlock::Modify), QStringLiteral("Yes"));
}

void TestSettingsDialog::weekWithoutWorkingDayIsRefused()
{
    Fixture f;
    f.show();
    for (const char *name : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})
        f.day(name)->setChecked(false);
    f.child<QLineEdit>("EditAuthor")->setText(QStringLiteral("Ada"));
    f.clickOk();

    QCOMPARE(f.host.messages.size(), 1);
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Warning"));
    QVERIFY(f.host.messages[0].icon == MsgIcon::Warning);
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.value(SettingsBlock::WorkingDays), QStringLiteral("YYYYYNN"));
    QCOMPARE(f.value(SettingsBlock::Author), QStringLiteral("testBob"));
    QCOMPARE(f.value(SettingsBlock::Modify), QStringLiteral("No"));

    // Ticking one day makes OK go through.
    f.day("Sun")->setChecked(true);
    f.clickOk();
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.value(SettingsBlock::WorkingDays), QStringLiteral("NNNNNNY"));
}

void TestSettingsDialog::cancelWritesNothing()
{
    Fixture f;
    f.show();
    f.child<QLineEdit>("EditPrjName")->setText(QStringLiteral("Other"));
    f.day("Mon")->setChecked(false);
    QTest::mouseClick(f.child<QToolButton>("UpDownWTUp"), Qt::LeftButton);
    QTest::mouseClick(f.child<QPushButton>("ButtonCancel"), Qt::LeftButton);
    QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(f.value(SettingsBlock::ProjectName), QStringLiteral("My test project"));
    QCOMPARE(f.value(SettingsBlock::WorkingDays), QStringLiteral("YYYYYNN"));
    QCOMPARE(f.value(SettingsBlock::WorkingTime), QStringLiteral("8"));
    QCOMPARE(f.value(SettingsBlock::Modify), QStringLiteral("No"));

    // Nothing typed into a cancelled dialog survives to the next showing.
    f.show();
    QCOMPARE(f.child<QLineEdit>("EditPrjName")->text(), QStringLiteral("My test project"));
    QVERIFY(f.day("Mon")->isChecked());
}

void TestSettingsDialog::unreadableStartDateIsReported()
{
    Fixture f;
    f.project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("13/45/2024"));
    f.project.settings().setValue(SettingsBlock::Author, QStringLiteral("Ada"));
    ModalScript script;
    script.cancel();
    f.dialog->runModal();
    QCOMPARE(f.host.texts(), QStringList{"'13/45/2024' is not a valid date"});
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
    // The controls before the date are filled all the same.
    QCOMPARE(f.child<QLineEdit>("EditAuthor")->text(), QStringLiteral("Ada"));
    QVERIFY(script.done());
}

void TestSettingsDialog::typedStartDate_data()
{
    QTest::addColumn<QString>("format"); // de_DE's short format, or en_US's
    QTest::addColumn<QString>("typed");  // then OK, or Escape
    QTest::addColumn<QString>("stored"); // empty: refused with a message
    const QString de = QStringLiteral("dd.MM.yyyy");
    const QString us = QStringLiteral("M/d/yyyy");
    QTest::newRow("de as written") << de << "15.01.2027"
                                   << "15.01.2027";
    QTest::newRow("de digits only") << de << "15012027"
                                    << "15.01.2027";
    QTest::newRow("de short") << de << "1.2.27"
                              << "01.02.2027";
    QTest::newRow("de impossible") << de << "31.02.2027"
                                   << "";
    QTest::newRow("us as written") << us << "12/19/2026"
                                   << "12/19/2026";
    QTest::newRow("us short") << us << "1/5/27"
                              << "1/5/2027";
    QTest::newRow("us day first") << us << "19.12.2026"
                                  << "";
}

void TestSettingsDialog::typedStartDate()
{
    QFETCH(QString, format);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    const QString savedFormat = ShortDateFormat();
    SetShortDateFormat(format);
    Fixture f;
    const QString before = DateToStr(StrToDate(f.value(SettingsBlock::StartDate)));
    f.project.settings().setValue(SettingsBlock::StartDate, before);
    f.show();
    auto *start = f.child<DateField>("DateTimePicker1");
    start->lineEdit()->selectAll();
    QTest::keyClicks(start->lineEdit(), typed);
    QCOMPARE(start->lineEdit()->text(), typed);
    f.clickOk();

    if (stored.isEmpty()) {
        QCOMPARE(f.host.texts(),
                 QStringList{QStringLiteral("'%1' is not a valid date").arg(typed)});
        QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(f.value(SettingsBlock::StartDate), before);
        QCOMPARE(f.value(SettingsBlock::Modify), QStringLiteral("No"));
        QCOMPARE(start->lineEdit()->text(), before);
    } else {
        QVERIFY(f.host.messages.isEmpty());
        QVERIFY(!f.dialog->isVisible());
        QCOMPARE(f.value(SettingsBlock::StartDate), stored);
    }

    // Escape takes back what was typed; a second Escape is the dialog's Cancel.
    f.show();
    QTest::keyClicks(start->lineEdit(), QStringLiteral("1"));
    QTest::keyClick(start->lineEdit(), Qt::Key_Escape);
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(start->lineEdit()->text(), f.value(SettingsBlock::StartDate));
    QTest::keyClick(start->lineEdit(), Qt::Key_Escape);
    QVERIFY(!f.dialog->isVisible());
    SetShortDateFormat(savedFormat);
}

void TestSettingsDialog::textTooLongForACellIsRefused()
{
    // A project file holds at most 64999 bytes in a cell: a longer name is refused, not
    // cut without a word by the edit (which takes one character more).
    Fixture f;
    f.show();
    auto *author = f.child<QLineEdit>("EditAuthor");
    author->setText(QString(70000, QLatin1Char('x')));
    QCOMPARE(author->text().size(), MaxCellBytes + 1);
    f.clickOk();
    QCOMPARE(f.host.texts(), QStringList{QStringLiteral(
                                 "Sorry, the 'Author' field is too long: a project file holds "
                                 "at most 64999 bytes in a cell.")});
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.value(SettingsBlock::Author), QStringLiteral("testBob"));
    author->setText(QString(MaxCellBytes, QLatin1Char('x')));
    f.clickOk();
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.value(SettingsBlock::Author).size(), MaxCellBytes);
}

void TestSettingsDialog::exceptionListsAddSortAndMerge()
{
    Fixture f;
    f.show();
    f.add("Holiday", QDate(2026, 12, 25));
    QCOMPARE(f.items("Holiday"), QStringList{"25.12.2026"});
    // A range typed into the end field, overlapping the day before.
    f.add("Holiday", QDate(2026, 12, 24), QDate(2026, 12, 26));
    f.add("Holiday", QDate(2027, 1, 1));
    f.add("Holiday", QDate(2026, 12, 1));
    QCOMPARE(f.items("Holiday"),
             (QStringList{"01.12.2026", "24.12.2026-26.12.2026", "01.01.2027"}));
    // A touching day joins the range; an end before the start is turned round.
    f.add("Holiday", QDate(2026, 12, 28), QDate(2026, 12, 27));
    QCOMPARE(f.items("Holiday"),
             (QStringList{"01.12.2026", "24.12.2026-28.12.2026", "01.01.2027"}));
    // Removing the selected items.
    auto *box = f.child<QListWidget>("ListBoxHolidays");
    box->item(0)->setSelected(true);
    box->item(2)->setSelected(true);
    QTest::mouseClick(f.child<QPushButton>("ButtonRemoveHoliday"), Qt::LeftButton);
    QCOMPARE(f.items("Holiday"), QStringList{"24.12.2026-28.12.2026"});
    f.add("ExtraDay", QDate(2026, 12, 19));
    QCOMPARE(f.items("ExtraDay"), QStringList{"19.12.2026"});
    // A date typed that is no date is refused with a message, the list as it was.
    f.child<DateField>("DateTimePickerExtraDayFrom")
        ->lineEdit()
        ->setText(QStringLiteral("31.02.2026"));
    QTest::mouseClick(f.child<QPushButton>("ButtonAddExtraDay"), Qt::LeftButton);
    QCOMPARE(f.host.texts(), QStringList{"'31.02.2026' is not a valid date"});
    QCOMPARE(f.items("ExtraDay"), QStringList{"19.12.2026"});
    // Nothing is written before OK.
    QVERIFY(f.cell(HolidaysRow).isEmpty());
}

void TestSettingsDialog::okWithHolidaysMovesEndsOnce()
{
    Fixture f;
    TaskTable &table = f.project.taskTable;
    f.project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("21.12.2026"));
    table.setCell(ColTask, 1, QStringLiteral("Walls"));
    table.setCell(ColDuration, 1, QStringLiteral("5 days"));
    table.setCell(ColStart, 1, QStringLiteral("21.12.2026"));
    table.setCell(ColEnd, 1, QStringLiteral("25.12.2026"));
    table.setCell(ColTask, 2, QStringLiteral("Roof"));
    table.setCell(ColDuration, 2, QStringLiteral("2 days"));
    table.setCell(ColForerunner, 2, QStringLiteral(" 1;"));
    table.setCell(ColStart, 2, QStringLiteral("26.12.2026"));
    table.setCell(ColEnd, 2, QStringLiteral("29.12.2026"));
    f.project.LastTaskRow = 2;
    f.show();
    f.add("Holiday", QDate(2026, 12, 24), QDate(2026, 12, 26));
    f.add("ExtraDay", QDate(2026, 12, 27));
    int recalculations = 0;
    const int repaints = f.host.chartRepaints;
    table.addListener([&](int column, int row, const QString &, const QString &) {
        recalculations += column == ColEnd && row == 1;
    });
    f.clickOk();
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.cell(HolidaysKeyRow), QStringLiteral("Holidays"));
    QCOMPARE(f.cell(HolidaysRow), QStringLiteral("24.12.2026-26.12.2026"));
    QCOMPARE(f.cell(ExtraDaysKeyRow), QStringLiteral("Extra working days"));
    QCOMPARE(f.cell(ExtraDaysRow), QStringLiteral("27.12.2026"));
    // Mon 21, Tue 22, Wed 23, the Sunday worked, Mon 28.
    QCOMPARE(table.cell(ColEnd, 1), QStringLiteral("28.12.2026"));
    QCOMPARE(recalculations, 1);
    QCOMPARE(table.cell(ColStart, 2), QStringLiteral("29.12.2026"));
    QCOMPARE(table.cell(ColEnd, 2), QStringLiteral("30.12.2026"));
    QVERIFY(f.host.chartRepaints > repaints);
    QCOMPARE(f.value(SettingsBlock::Modify), QStringLiteral("Yes"));

    // Shown again, the lists read back; emptied and confirmed, the four rows go.
    f.show();
    QCOMPARE(f.items("Holiday"), QStringList{"24.12.2026-26.12.2026"});
    for (const char *list : {"Holiday", "ExtraDay"}) {
        auto *box = f.child<QListWidget>((QByteArray("ListBox") + list + "s").constData());
        box->selectAll();
        QTest::mouseClick(f.child<QPushButton>((QByteArray("ButtonRemove") + list).constData()),
                          Qt::LeftButton);
    }
    f.clickOk();
    for (int row = HolidaysKeyRow; row <= ExtraDaysRow; ++row)
        QVERIFY(f.cell(row).isEmpty());
    QCOMPARE(table.cell(ColEnd, 1), QStringLiteral("25.12.2026"));
}

void TestSettingsDialog::cancelKeepsTheStoredLists()
{
    Fixture f;
    SetCalendarExceptions(f.project, QStringLiteral("01.05.2026"), QString());
    f.show();
    f.add("Holiday", QDate(2026, 12, 25));
    f.child<QListWidget>("ListBoxHolidays")->item(0)->setSelected(true);
    QTest::mouseClick(f.child<QPushButton>("ButtonRemoveHoliday"), Qt::LeftButton);
    QTest::mouseClick(f.child<QPushButton>("ButtonCancel"), Qt::LeftButton);
    QCOMPARE(f.cell(HolidaysRow), QStringLiteral("01.05.2026"));
    QVERIFY(f.cell(ExtraDaysRow).isEmpty());
    QCOMPARE(f.value(SettingsBlock::Modify), QStringLiteral("No"));
    f.show();
    QCOMPARE(f.items("Holiday"), QStringList{"01.05.2026"});
}

void TestSettingsDialog::unreadableListIsKeptUntilRemoved()
{
    Fixture f;
    SetCalendarExceptions(f.project, QStringLiteral("24.12.2026; 12/31/2026"),
                          QStringLiteral("19.12.2026"));
    ModalScript script;
    script.cancel();
    f.dialog->runModal();
    QVERIFY(script.done());
    QCOMPARE(f.host.texts(), QStringList{"'12/31/2026' is not a valid date\nRow 22, Settings."});
    // Shown as stored, the other list read all the same.
    QCOMPARE(f.items("Holiday"), QStringList{"24.12.2026; 12/31/2026"});
    QCOMPARE(f.items("ExtraDay"), QStringList{"19.12.2026"});
    QVERIFY(!f.child<QPushButton>("ButtonAddHoliday")->isEnabled());
    // Removed as a whole, the list can be confirmed empty.
    f.dialog->show();
    f.child<QListWidget>("ListBoxHolidays")->item(0)->setSelected(true);
    QTest::mouseClick(f.child<QPushButton>("ButtonRemoveHoliday"), Qt::LeftButton);
    QVERIFY(f.items("Holiday").isEmpty());
    f.clickOk();
    QVERIFY(f.cell(HolidaysRow).isEmpty());
    QCOMPARE(f.cell(ExtraDaysRow), QStringLiteral("19.12.2026"));
}
