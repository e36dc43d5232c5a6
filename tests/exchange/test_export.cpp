#include "test_classes.h"

#include "exchange_fixture.h"

#include <QDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

using namespace morvaine;

namespace {

volatile std::sig_atomic_t refusedWrites = 0;

extern "C" void countRefusedWrite(int)
{
    refusedWrites = refusedWrites + 1;
}

// While it lives, files may grow to at most `bytes`: a write beyond fails as on a full
// disk, and raises SIGXFSZ, which is counted instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        refusedWrites = 0;
        struct sigaction action {};
        action.sa_handler = countRefusedWrite;
        sigaction(SIGXFSZ, &action, &m_oldAction);
        getrlimit(RLIMIT_FSIZE, &m_oldLimit);
        rlimit limit = m_oldLimit;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_oldLimit);
        sigaction(SIGXFSZ, &m_oldAction, nullptr);
    }

private:
    rlimit m_oldLimit{};
    struct sigaction m_oldAction {};
};

QString exportText(ExchangeFixture &f)
{
    const QString path = f.dir.filePath(QStringLiteral("out.xml"));
    ExportMsProjectXml(f.project, f.host, path);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

void TestMsProjectExport::init()
{
    SetShortDateFormat(QStringLiteral("dd.MM.yyyy"));
}

void TestMsProjectExport::roundTripKeepsCells()
{
    ExchangeFixture source;
    makePlan(source);
    QCOMPARE(source.cell(ColStart, 5), QStringLiteral("12.12.2026")); // the plan was scheduled
    // As the window shows it: the group task's Duration with its unit, as every row's.
    QVERIFY(!source.cell(ColDuration, 1).contains(QLatin1String("day")));
    source.project.taskTable.setCell(ColDuration, 1,
                                     source.cell(ColDuration, 1) + QLatin1String(" days"));
    const QString path = source.dir.filePath(QStringLiteral("plan.xml"));
    ExportMsProjectXml(source.project, source.host, path);
    QVERIFY(source.host.messages.isEmpty());

    ExchangeFixture copy;
    copy.import(path);
    QCOMPARE(copy.host.texts(), QStringList()); // nothing lost, nothing moved
    QCOMPARE(copy.project.LastTaskRow, 5);
    for (int row = 1; row <= 6; ++row)
        for (int column = ColTask; column <= ColVeha; ++column)
            QCOMPARE(copy.cell(column, row), source.cell(column, row));
    for (int row = 1; row <= 4; ++row)
        for (int column = ResColName; column <= ResColCost; ++column)
            QCOMPARE(copy.resource(column, row), source.resource(column, row));
    for (auto value :
         {SettingsBlock::ProjectName, SettingsBlock::Author, SettingsBlock::StartDate,
          SettingsBlock::WorkingDays, SettingsBlock::WorkingTime, SettingsBlock::Currency})
        QCOMPARE(copy.project.settings().value(value), source.project.settings().value(value));
}

// Every type with lags and leads comes back as it went out, and the file says it the
// way MS Project does: Type 0 FF, 1 FS, 2 SF, 3 SS, LinkLag in tenths of a minute of
// working time, LagFormat 7 (days).
void TestMsProjectExport::roundTripKeepsLinkTypesAndLags_data()
{
    QTest::addColumn<QString>("check");     // the Forerunner of "Check", row 3
    QTest::addColumn<QString>("followUp");  // of "Follow-up", row 5
    QTest::addColumn<QStringList>("links"); // parts of the document
    QTest::newRow("start-to-start, finish-to-finish")
        << " 2SS+1;"
        << " 2FF; 4SS-2;"
        << QStringList{"<PredecessorUID>2</PredecessorUID><Type>3</Type><LinkLag>6000</LinkLag>"
                       "<LagFormat>7</LagFormat>",
                       "<PredecessorUID>2</PredecessorUID><Type>0</Type><LinkLag>0</LinkLag>",
                       "<PredecessorUID>4</PredecessorUID><Type>3</Type><LinkLag>-12000</LinkLag>"};
    QTest::newRow("start-to-finish, lags of finish-to-start")
        << " 2SF+3;"
        << " 2+999; 4-1;"
        << QStringList{"<Type>2</Type><LinkLag>18000</LinkLag>",
                       "<Type>1</Type><LinkLag>5994000</LinkLag>",
                       "<Type>1</Type><LinkLag>-6000</LinkLag>"};
}

void TestMsProjectExport::roundTripKeepsLinkTypesAndLags()
{
    QFETCH(QString, check);
    QFETCH(QString, followUp);
    QFETCH(QStringList, links);
    ExchangeFixture source;
    makePlan(source);
    source.project.taskTable.setCell(ColForerunner, 3, check);
    source.project.taskTable.setCell(ColForerunner, 5, followUp);
    RecalcSchedule(source.project, source.host);
    source.project.taskTable.setCell(ColDuration, 1,
                                     source.cell(ColDuration, 1) + QLatin1String(" days"));
    const QString path = source.dir.filePath(QStringLiteral("plan.xml"));
    ExportMsProjectXml(source.project, source.host, path);
    QVERIFY(source.host.messages.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(file.readAll());
    for (const QString &part : links)
        QVERIFY2(xml.contains(part), qPrintable(part));

    ExchangeFixture copy;
    copy.import(path);
    QCOMPARE(copy.host.texts(), QStringList());
    for (int row = 1; row <= 5; ++row)
        for (int column = ColTask; column <= ColVeha; ++column)
            QCOMPARE(copy.cell(column, row), source.cell(column, row));
}

void TestMsProjectExport::documentForOtherPlanners()
{
    ExchangeFixture f;
    makePlan(f);
    const QString xml = exportText(f);
    QVERIFY(xml.startsWith(QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
        "<Project xmlns=\"http://schemas.microsoft.com/project\"><SaveVersion>14</SaveVersion>"
        "<Name>out.xml</Name><Title>Umzug Büro €</Title><Author>Zoë</Author>")));
    const char *const expected[] = {
        "<StartDate>2026-12-07T08:00:00</StartDate><FinishDate>2026-12-12T19:00:00</FinishDate>",
        "<CurrencySymbol>€</CurrencySymbol><CurrencyCode>EUR</CurrencyCode><CalendarUID>1</"
        "CalendarUID>",
        "<MinutesPerDay>600</MinutesPerDay><MinutesPerWeek>3600</MinutesPerWeek>",
        "<Calendar><UID>1</UID><Name>Standard</Name><IsBaseCalendar>1</IsBaseCalendar>",
        "<WeekDay><DayType>1</DayType><DayWorking>0</DayWorking></WeekDay>",
        "<WeekDay><DayType>7</DayType><DayWorking>1</DayWorking>",
        // The project summary task, then the tasks with their outline.
        "<Task><UID>0</UID><ID>0</ID><Name>Umzug Büro €</Name>",
        "<OutlineNumber>0</OutlineNumber><OutlineLevel>0</OutlineLevel>",
        "<Name>Check</Name><Type>1</Type><OutlineNumber>1.2</OutlineNumber>"
        "<OutlineLevel>2</OutlineLevel><Start>2026-12-10T08:00:00</Start>"
        "<Finish>2026-12-11T19:00:00</Finish><Duration>PT20H0M0S</Duration>"
        "<Work>PT0H0M0S</Work><Milestone>0</Milestone><Summary>0</Summary>"
        "<PredecessorLink><PredecessorUID>2</PredecessorUID><Type>1</Type><LinkLag>0</LinkLag>"
        "<LagFormat>7</LagFormat>"
        "</PredecessorLink></Task>",
        "<Name>Phase A</Name><Type>1</Type><OutlineNumber>1</OutlineNumber>",
        "<Summary>1</Summary>",
        "<Name>Done</Name>",
        "<Start>2026-12-11T08:00:00</Start><Finish>2026-12-11T08:00:00</Finish>"
        "<Duration>PT0H0M0S</Duration><Work>PT0H0M0S</Work><Milestone>1</Milestone>",
        "<Work>PT60H0M0S</Work><Milestone>0</Milestone><Summary>0</Summary>"
        "<PercentComplete>50</PercentComplete>",
        "<Resource><UID>2</UID><ID>2</ID><Name>Bob</Name><Type>1</Type><IsNull>0</IsNull>"
        "<MaxUnits>1.00</MaxUnits><StandardRate>12.5</StandardRate>"
        "<StandardRateFormat>2</StandardRateFormat></Resource>",
        "<Resource><UID>3</UID><ID>3</ID><Name>Cid</Name><Type>1</Type><IsNull>0</IsNull>"
        "<MaxUnits>1.00</MaxUnits></Resource>",
        "<Assignment><UID>2</UID><TaskUID>2</TaskUID><ResourceUID>2</ResourceUID><Units>1</Units>"
        "</Assignment>",
        "<Assignment><UID>3</UID><TaskUID>5</TaskUID><ResourceUID>3</ResourceUID>",
    };
    for (const char *part : expected)
        QVERIFY2(xml.contains(QString::fromUtf8(part)), part);
}

void TestMsProjectExport::workingDayLayout_data()
{
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("workingTimes");
    QTest::addColumn<QString>("finishTime");

    QTest::newRow("4 hours, no lunch") << "4"
                                       << "08:00:00-12:00:00"
                                       << "12:00:00";
    QTest::newRow("8 hours with lunch") << "8"
                                        << "08:00:00-12:00:00 13:00:00-17:00:00"
                                        << "17:00:00";
    QTest::newRow("16 hours start earlier") << "16"
                                            << "07:00:00-11:00:00 12:00:00-00:00:00"
                                            << "00:00:00";
    QTest::newRow("24 hours") << "24"
                              << "00:00:00-00:00:00"
                              << "00:00:00";
}

void TestMsProjectExport::workingDayLayout()
{
    QFETCH(QString, hours);
    QFETCH(QString, workingTimes);
    QFETCH(QString, finishTime);

    ExchangeFixture f;
    f.project.settings().setValue(SettingsBlock::WorkingTime, hours);
    const QString xml = exportText(f);
    QString expected = QStringLiteral("<WeekDay><DayType>2</DayType><DayWorking>1</DayWorking>"
                                      "<WorkingTimes>");
    for (const QString &span : workingTimes.split(QLatin1Char(' ')))
        expected +=
            QStringLiteral("<WorkingTime><FromTime>%1</FromTime><ToTime>%2</ToTime>"
                           "</WorkingTime>")
                .arg(span.section(QLatin1Char('-'), 0, 0), span.section(QLatin1Char('-'), 1));
    expected += QStringLiteral("</WorkingTimes></WeekDay>");
    QVERIFY2(xml.contains(expected), qPrintable(xml.left(1500)));
    QVERIFY(
        xml.contains(QStringLiteral("<DefaultFinishTime>%1</DefaultFinishTime>").arg(finishTime)));
    QVERIFY(
        xml.contains(QStringLiteral("<MinutesPerDay>%1</MinutesPerDay>").arg(hours.toInt() * 60)));
}

void TestMsProjectExport::unwritableFileReportsAndKeepsOldFile()
{
    ExchangeFixture f;
    makePlan(f);
    const QString missing = f.dir.filePath(QStringLiteral("no/such/folder/out.xml"));
    ExportMsProjectXml(f.project, f.host, missing);
    QCOMPARE(f.host.texts(),
             QStringList{QStringLiteral("Cannot write the file '%1'.").arg(missing)});

    // A cell that does not read ends the export before the old file is touched.
    const QString path = f.write("out.xml", "old contents");
    f.project.taskTable.setCell(ColEnd, 3, QStringLiteral("32.13.2026"));
    f.host.messages.clear();
    ExportMsProjectXml(f.project, f.host, path);
    QCOMPARE(f.host.texts(), QStringList{QStringLiteral("'32.13.2026' is not a valid date")});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old contents"));
    QCOMPARE(f.host.messages[0].title, QStringLiteral("Error"));
}

void TestMsProjectExport::fullDiskStopsAtFirstFailedWrite()
{
    // A plan of some megabytes of XML, onto a disk that takes 128 KiB.
    ExchangeFixture f;
    makePlan(f);
    TaskTable &t = f.project.taskTable;
    for (int row = 6; row <= 4000; ++row) {
        t.setCell(ColTask, row, QStringLiteral("Task %1").arg(row));
        t.setCell(ColDuration, row, QStringLiteral("2 days"));
        t.setCell(ColStart, row, QStringLiteral("07.12.2026"));
        t.setCell(ColEnd, row, QStringLiteral("08.12.2026"));
    }
    f.project.LastTaskRow = 4000;
    const QString path = f.write("out.xml", "old contents");
    {
        FileSizeLimit limit(128 * 1024);
        ExportMsProjectXml(f.project, f.host, path);
    }
    QCOMPARE(f.host.texts(), QStringList{QStringLiteral("Cannot write the file '%1'.").arg(path)});
    // No write was tried after the first that failed; the old file is whole, and the
    // unfinished one is gone.
    QCOMPARE(int(refusedWrites), 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old contents"));
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"out.xml"});

    // With room enough the same plan is written whole.
    ExportMsProjectXml(f.project, f.host, path);
    QVERIFY(QFileInfo(path).size() > 1024 * 1024);
}
