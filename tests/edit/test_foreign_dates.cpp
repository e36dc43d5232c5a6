// Plans written under other short date formats: which are rewritten in this machine's
// format on opening, and which are left alone with a message saying why.

#include "edit/foreign_dates.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"

#include <QTemporaryDir>
#include <QTest>

using namespace morvaine;

class TestForeignDates : public QObject {
    Q_OBJECT
private slots:
    void init() { SetShortDateFormat(QStringLiteral("dd.MM.yyyy")); }
    void cleanup() { SetShortDateFormat(QStringLiteral("dd.MM.yyyy")); }

    void datesOfOnePlan_data()
    {
        QTest::addColumn<QString>("ownFormat");
        QTest::addColumn<QStringList>("written"); // Start 1, End 1, Start 2, project start
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("expected");

        const QStringList germanDates{"07.01.2008", "13.01.2008", "14.01.2008", "07.01.2008"};
        QTest::newRow("US dates, one day above 12")
            << "dd.MM.yyyy" << QStringList{"1/7/2008", "1/13/2008", "1/14/2008", "1/7/2008"}
            << int(ForeignDates::Converted) << germanDates;
        QTest::newRow("British dates, one day above 12")
            << "dd.MM.yyyy" << QStringList{"7/1/2008", "13/1/2008", "14/1/2008", "7/1/2008"}
            << int(ForeignDates::Converted) << germanDates;
        QTest::newRow("ISO dates")
            << "dd.MM.yyyy" << QStringList{"2008-01-07", "2008-01-13", "2008-01-14", "2008-01-07"}
            << int(ForeignDates::Converted) << germanDates;
        QTest::newRow("C locale dates")
            << "dd.MM.yyyy" << QStringList{"7 Jan 2008", "13 Jan 2008", "14 Jan 2008", "7 Jan 2008"}
            << int(ForeignDates::Converted) << germanDates;
        QTest::newRow("German dates on a US machine")
            << "M/d/yyyy" << QStringList{"07.01.2008", "13.01.2008", "14.01.2008", "07.01.2008"}
            << int(ForeignDates::Converted)
            << QStringList{"1/7/2008", "1/13/2008", "1/14/2008", "1/7/2008"};
        const QStringList ambiguous{"1/7/2008", "2/3/2008", "3/4/2008", "1/7/2008"};
        QTest::newRow("month and day both 12 or less")
            << "dd.MM.yyyy" << ambiguous << int(ForeignDates::Ambiguous) << ambiguous;
        const QStringList mixed{"1/7/2008", "2008-01-13", "2008-01-14", "1/7/2008"};
        QTest::newRow("two formats mixed")
            << "dd.MM.yyyy" << mixed << int(ForeignDates::Unreadable) << mixed;
        const QStringList damaged{"07.01.2008", "tomorrow", "14.01.2008", "07.01.2008"};
        QTest::newRow("a date no format reads")
            << "dd.MM.yyyy" << damaged << int(ForeignDates::Unreadable) << damaged;
        QTest::newRow("own format")
            << "dd.MM.yyyy" << germanDates << int(ForeignDates::None) << germanDates;
    }

    void datesOfOnePlan()
    {
        QFETCH(QString, ownFormat);
        QFETCH(QStringList, written);
        QFETCH(int, outcome);
        QFETCH(QStringList, expected);

        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        SetShortDateFormat(ownFormat);
        TaskTable &table = project.taskTable;
        table.setCell(ColStart, 1, written[0]);
        table.setCell(ColEnd, 1, written[1]);
        table.setCell(ColStart, 2, written[2]);
        for (SettingsBlock::ValueRow row :
             {SettingsBlock::CreateDate, SettingsBlock::ChangeDate, SettingsBlock::StartDate})
            project.settings().setValue(row, written[3]);
        project.settings().setValue(SettingsBlock::Modify, QStringLiteral("No"));
        host.messages.clear();

        QCOMPARE(int(AdoptForeignDates(project, host)), outcome);

        QCOMPARE(table.cell(ColStart, 1), expected[0]);
        QCOMPARE(table.cell(ColEnd, 1), expected[1]);
        QCOMPARE(table.cell(ColStart, 2), expected[2]);
        QCOMPARE(project.settings().startDate(), expected[3]);
        QCOMPARE(project.settings().createDate(), expected[3]);
        QCOMPARE(project.settings().isModified(), outcome == int(ForeignDates::Converted));
        // One message, naming what was found, unless there was nothing to do.
        QCOMPARE(host.messages.size(), outcome == int(ForeignDates::None) ? 0 : 1);
        if (outcome == int(ForeignDates::Converted)) {
            QCOMPARE(host.messages[0].title, QStringLiteral("Info"));
            QVERIFY(host.messages[0].text.contains(ownFormat));
        } else if (outcome != int(ForeignDates::None)) {
            QCOMPARE(host.messages[0].title, QStringLiteral("Warning"));
        }
    }

    // A plan saved by the project file writer under three machines' formats opens here
    // with the same days.
    void plansSavedUnderThreeLocalesOpenWithTheirDays_data()
    {
        QTest::addColumn<QString>("writerFormat");
        QTest::newRow("en_US") << "M/d/yyyy";
        QTest::newRow("en_GB") << "dd/MM/yyyy";
        QTest::newRow("ISO") << "yyyy-MM-dd";
    }

    void plansSavedUnderThreeLocalesOpenWithTheirDays()
    {
        QFETCH(QString, writerFormat);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.mrv"));
        const QDate start(2008, 1, 7);
        const QDate end(2008, 1, 25);
        {
            SetShortDateFormat(writerFormat);
            Project project;
            RecordingHost host;
            InitNewProject(project, host);
            TaskTable &table = project.taskTable;
            table.setCell(ColTask, 1, QStringLiteral("Design"));
            table.setCell(ColDuration, 1, QStringLiteral("15 days"));
            table.setCell(ColStart, 1, start.toString(writerFormat));
            table.setCell(ColEnd, 1, end.toString(writerFormat));
            project.settings().setValue(SettingsBlock::StartDate, start.toString(writerFormat));
            // The holidays and extra working days, a range among them.
            table.setCell(ColSettings, 21, QStringLiteral("Holidays"));
            table.setCell(ColSettings, 22,
                          QDate(2007, 12, 24).toString(writerFormat) + u'-' +
                              QDate(2007, 12, 26).toString(writerFormat) + u';' +
                              QDate(2008, 1, 1).toString(writerFormat));
            table.setCell(ColSettings, 23, QStringLiteral("Extra working days"));
            table.setCell(ColSettings, 24, QDate(2008, 1, 5).toString(writerFormat));
            host.saveFileName = path;
            SaveProject(project, host, QStringLiteral("SaveAs"));
            QVERIFY(host.messages.isEmpty());
        }
        SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        LoadProject(project, host, path);
        QVERIFY(host.messages.isEmpty());
        QCOMPARE(int(AdoptForeignDates(project, host)), int(ForeignDates::Converted));
        QCOMPARE(project.taskTable.cell(ColStart, 1), QStringLiteral("07.01.2008"));
        QCOMPARE(project.taskTable.cell(ColEnd, 1), QStringLiteral("25.01.2008"));
        QCOMPARE(project.settings().startDate(), QStringLiteral("07.01.2008"));
        QCOMPARE(project.taskTable.cell(ColSettings, 22),
                 QStringLiteral("24.12.2007-26.12.2007; 01.01.2008"));
        QCOMPARE(project.taskTable.cell(ColSettings, 24), QStringLiteral("05.01.2008"));
        QCOMPARE(project.taskTable.cell(ColSettings, 21), QStringLiteral("Holidays"));
        QVERIFY(project.settings().isModified());
    }
};

QTEST_GUILESS_MAIN(TestForeignDates)
#include "test_foreign_dates.moc"
