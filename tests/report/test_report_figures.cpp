// The total report's figures: costs, completion, counts and the grid they fill.

#include "model/convert.h"
#include "report/report_figures.h"
#include "report/total_report.h"
#include "report_fixture.h"
#include "schedule/recalc.h"
#include "test_classes.h"

#include <QLocale>
#include <QTest>

using namespace morvaine;

namespace {

ReportGrid Build(const Project &project)
{
    ReportGrid grid;
    BuildTotalReport(project, grid);
    return grid;
}

} // namespace

void TestReportFigures::formatAmountCutsToTwoDecimals_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("text");
    QTest::newRow("cut, not rounded") << 1234.5678 << "1234.56";
    QTest::newRow("one decimal") << 2.5 << "2.5";
    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("below one") << 0.125 << "0.12";
    QTest::newRow("15 digits hide binary noise") << 0.1 + 0.2 << "0.3";
    QTest::newRow("tiny amount in full") << 1.5e-7 << "0.00";
    QTest::newRow("zero") << 0.0 << "0";
}

void TestReportFigures::formatAmountCutsToTwoDecimals()
{
    QFETCH(double, x);
    QFETCH(QString, text);
    QCOMPARE(FormatAmount(x), text);
}

void TestReportFigures::parseCostReadsPointWhateverTheLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(ParseCost(QStringLiteral("12.5")), 12.5);
    QCOMPARE(ParseCost(QStringLiteral("20")), 20.0);
    for (const char *bad : {"12,5", ".", "abc"}) {
        QVERIFY_THROWS_EXCEPTION(ConversionError, ParseCost(QLatin1String(bad)));
    }
    try {
        ParseCost(QStringLiteral("1,5"));
    } catch (const ConversionError &e) {
        QCOMPARE(e.message(), QStringLiteral("'1,5' is not a valid floating point value"));
    }
    QLocale::setDefault(saved);
}

void TestReportFigures::completionPercent_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("percent");
    QTest::newRow("with unit") << "25 %" << 25;
    QTest::newRow("full") << "100 %" << 100;
    QTest::newRow("bare number counts as 0") << "40" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestReportFigures::completionPercent()
{
    QFETCH(QString, text);
    QFETCH(int, percent);
    QCOMPARE(CompletionPercent(text), percent);
}

void TestReportFigures::newProjectShowsStartDateAndZeros()
{
    ReportFixture f;
    const ReportGrid grid = Build(f.project);
    QCOMPARE(grid.cell(2, 7), QStringLiteral("06.05.2024"));
    QCOMPARE(grid.cell(4, 7), QStringLiteral("06.05.2024"));
    QCOMPARE(grid.cell(6, 7), QStringLiteral("0 days"));
    QCOMPARE(grid.cell(2, 11), QStringLiteral("$0"));
    QCOMPARE(grid.cell(4, 11), QStringLiteral("$0"));
    QCOMPARE(grid.cell(6, 11), QStringLiteral("0 %"));
    for (const int column : {2, 4, 6})
        QCOMPARE(grid.cell(column, 18), QStringLiteral("0"));
    QCOMPARE(grid.cell(2, 25), QStringLiteral("0"));
    QCOMPARE(grid.cell(4, 25), QStringLiteral("$0"));
}

void TestReportFigures::costsOfResourcesTimesHoursAndDays()
{
    ReportFixture f;
    f.resource(1, QStringLiteral("Anna"), QStringLiteral("10.5"));
    f.resource(2, QStringLiteral("Bob"), QStringLiteral("20"));
    f.task(1, QStringLiteral("5 days"), QStringLiteral("06.05.2024"), QStringLiteral("10.05.2024"),
           QStringLiteral(" Anna; Bob;"), QStringLiteral("50 %"));
    QCOMPARE(ResourceCosts(f.project).TaskCost(1), 1220.0);
    const ReportGrid grid = Build(f.project);
    QCOMPARE(grid.cell(2, 11), QStringLiteral("$610"));
    QCOMPARE(grid.cell(4, 11), QStringLiteral("$1220"));
}

void TestReportFigures::missingResourceCostsNothing()
{
    ReportFixture f;
    f.resource(1, QStringLiteral("Anna"), QStringLiteral("10"));
    f.resource(2, QStringLiteral("Bob"), QStringLiteral("20"));
    // Gone is no longer in the table, "Bob" after the last ";" is no list item, and a
    // name is matched exactly.
    f.task(1, QStringLiteral("1 day"), QStringLiteral("06.05.2024"), QStringLiteral("06.05.2024"),
           QStringLiteral(" Gone; anna; Anna; Bob"));
    QCOMPARE(ResourceCosts(f.project).TaskCost(1), 80.0);
}

void TestReportFigures::bareCompletionCountsAsZero()
{
    ReportFixture f;
    f.resource(1, QStringLiteral("Anna"), QStringLiteral("10"));
    f.task(1, QStringLiteral("5 days"), QStringLiteral("06.05.2024"), QStringLiteral("10.05.2024"),
           QStringLiteral(" Anna;"), QStringLiteral("40"));
    const ReportGrid grid = Build(f.project);
    QCOMPARE(grid.cell(2, 11), QStringLiteral("$0"));
    QCOMPARE(grid.cell(4, 11), QStringLiteral("$400"));
    QCOMPARE(grid.cell(6, 11), QStringLiteral("0 %"));
}

void TestReportFigures::averageIncludesResourcesWithoutCost()
{
    ReportFixture f;
    f.resource(1, QStringLiteral("Anna"), QStringLiteral("10"));
    f.resource(2, QStringLiteral("Bob"), QStringLiteral("20"));
    f.resource(3, QStringLiteral("Cid"));
    f.resource(5, QStringLiteral("AfterGap"), QStringLiteral("1000"));
    const ReportGrid grid = Build(f.project);
    QCOMPARE(grid.cell(2, 25), QStringLiteral("3"));
    QCOMPARE(grid.cell(4, 25), QStringLiteral("$10"));
}

void TestReportFigures::smallCostIsCutNotRounded()
{
    ReportFixture f;
    f.resource(1, QStringLiteral("Anna"), QStringLiteral("0.3333"));
    f.task(1, QStringLiteral("1 day"), QStringLiteral("06.05.2024"), QStringLiteral("06.05.2024"),
           QStringLiteral(" Anna;"), QStringLiteral("100 %"));
    const ReportGrid grid = Build(f.project);
    QCOMPARE(grid.cell(4, 11), QStringLiteral("$2.66"));
    QCOMPARE(grid.cell(2, 11), QStringLiteral("$2.66"));
}

void TestReportFigures::wholeSpanTaskIsHalved()
{
    ReportFixture f;
    f.task(1, QStringLiteral("5 days"), QStringLiteral("06.05.2024"), QStringLiteral("10.05.2024"),
           {}, QStringLiteral("50 %"));
    QCOMPARE(ProjectCompletion(f.project), 25.0);
    QCOMPARE(Build(f.project).cell(6, 11), QStringLiteral("25 %"));
}

void TestReportFigures::criticalChainCountsUpToFirstUnfinishedTask()
{
    ReportFixture f;
    f.task(1, QStringLiteral("5 days"), QStringLiteral("06.05.2024"), QStringLiteral("10.05.2024"),
           {}, QStringLiteral("100 %"));
    f.task(2, QStringLiteral("5 days"), QStringLiteral("13.05.2024"), QStringLiteral("17.05.2024"),
           {}, QStringLiteral("50 %"));
    f.task(3, QStringLiteral("5 days"), QStringLiteral("20.05.2024"), QStringLiteral("24.05.2024"),
           {}, QStringLiteral("100 %"));
    const TDateTime start = StrToDate(QStringLiteral("06.05.2024"));
    const TDateTime end = StrToDate(QStringLiteral("24.05.2024"));
    // 5 days done and 2.5 of the second; the third is not reached: 7.5 of 15 days.
    QCOMPARE(ProjectCompletion(f.project, start, end, {1, 2, 3}), 50.0);
    QCOMPARE(ProjectCompletion(f.project, start, end, {}), 0.0);
    // Unlinked, the tasks make no chain of their own.
    QCOMPARE(ProjectCompletion(f.project), 0.0);
}

void TestReportFigures::sameFiguresWithOrWithoutARecalculation()
{
    // A settled plan as a file holds it: Walls, then Roof behind it, Walls done.
    ReportFixture f;
    f.task(1, QStringLiteral("3 days"), QStringLiteral("06.05.2024"), QStringLiteral("08.05.2024"),
           {}, QStringLiteral("100 %"));
    f.task(2, QStringLiteral("2 days"), QStringLiteral("09.05.2024"), QStringLiteral("10.05.2024"),
           {}, QStringLiteral("50 %"));
    f.project.taskTable.setCell(ColForerunner, 2, QStringLiteral(" 1;"));
    // Right after opening no recalculation has run: the chain comes from the dates.
    const QString opened = TotalReportText(f.project);
    QVERIFY(f.project.CriticalChain.isEmpty());
    QVERIFY2(opened.contains(QStringLiteral("Completion: 80 %\n")), qPrintable(opened));
    RecalcSchedule(f.project, f.host);
    QCOMPARE(f.project.CriticalChain, QList<int>({1, 2}));
    QCOMPARE(TotalReportText(f.project), opened);
    // The report changes no cell.
    QCOMPARE(f.taskCell(ColStart, 2), QStringLiteral("09.05.2024"));
}

void TestReportFigures::durationInWorkingDays_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("text");
    QTest::newRow("one day") << "06.05.2024"
                             << "1 day";
    QTest::newRow("ten days over a weekend") << "17.05.2024"
                                             << "10 days";
}

void TestReportFigures::durationInWorkingDays()
{
    QFETCH(QString, end);
    QFETCH(QString, text);
    ReportFixture f;
    f.task(1, QStringLiteral("1 day"), QStringLiteral("06.05.2024"), end);
    const ReportGrid grid = Build(f.project);
    QCOMPARE(grid.cell(4, 7), end);
    QCOMPARE(grid.cell(6, 7), text);
}

void TestReportFigures::countsGroupsTasksAndMilestones()
{
    ReportFixture f;
    f.task(1, QStringLiteral("10 days"), QStringLiteral("06.05.2024"),
           QStringLiteral("17.05.2024"));
    f.project.taskTable.setCell(ColVeha, 1, QStringLiteral("v"));
    f.task(2, QStringLiteral("5 days"), QStringLiteral("06.05.2024"), QStringLiteral("10.05.2024"));
    f.task(3, QStringLiteral("0 days"), QStringLiteral("13.05.2024"), QStringLiteral("13.05.2024"));
    f.task(4, QStringLiteral("5"), QStringLiteral("13.05.2024"), QStringLiteral("17.05.2024"));
    f.task(5, {}, {}, {});
    const ReportGrid grid = Build(f.project);
    QCOMPARE(grid.cell(2, 18), QStringLiteral("1"));
    QCOMPARE(grid.cell(4, 18), QStringLiteral("2"));
    QCOMPARE(grid.cell(6, 18), QStringLiteral("1"));
}

void TestReportFigures::gridGeometryAndLabels()
{
    ReportFixture f;
    f.project.settings().setValue(SettingsBlock::ProjectName, QStringLiteral("House"));
    const ReportGrid grid = Build(f.project);
    QCOMPARE(grid.columnWidths, (std::array<int, 9>{12, 30, 150, 30, 150, 30, 150, 30, 10}));
    const std::array<int, 29> heights = {17, 25, 17, 20, 7, 17, 7,  30, 10, 17, 7,  30, 7,  10, 20,
                                         7,  17, 7,  30, 7, 10, 20, 7,  17, 7,  30, 7,  17, 17};
    QCOMPARE(grid.rowHeights, heights);
    QCOMPARE(grid.cell(4, 1), QStringLiteral("Project Report: House"));
    QCOMPARE(grid.cell(1, 3), QStringLiteral("Project Status"));
    QCOMPARE(grid.cell(1, 14), QStringLiteral("Task"));
    QCOMPARE(grid.cell(1, 21), QStringLiteral("Resource"));
    QCOMPARE(grid.cell(6, 5), QStringLiteral("Diration:"));
    QCOMPARE(grid.cell(4, 23), QStringLiteral("Average Cost/Hour:"));
    QCOMPARE(grid.cell(6, 23), QString());
    QCOMPARE(grid.cell(4, 28), QStringLiteral("Morvaine 1.0 - Total Report"));
}

void TestReportFigures::conversionErrorLeavesRestEmpty_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lastColumn"); // last figure written
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<QString>("message");
    // Task row 1 names Anna, costing 10; column 10 is the settings block.
    QTest::newRow("start date") << int(ColSettings) << int(SettingsBlock::StartDate) << "soon" << 2
                                << 7 << "'soon' is not a valid date";
    QTest::newRow("duration read by costs")
        << int(ColDuration) << 1 << "5x" << 6 << 7 << "'5x' is not a valid integer value";
    QTest::newRow("completion") << int(ColCompletion) << 1 << "x %" << 6 << 7
                                << "'x' is not a valid integer value";
    QTest::newRow("working time") << int(ColSettings) << int(SettingsBlock::WorkingTime) << "8h"
                                  << 6 << 7 << "'8h' is not a valid integer value";
    QTest::newRow("duration read by counts")
        << int(ColDuration) << 2 << "2x" << 2 << 18 << "'2x' is not a valid integer value";
}

void TestReportFigures::conversionErrorLeavesRestEmpty()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(int, lastColumn);
    QFETCH(int, lastRow);
    QFETCH(QString, message);
    ReportFixture f;
    f.resource(1, QStringLiteral("Anna"), QStringLiteral("10"));
    f.task(1, QStringLiteral("5 days"), QStringLiteral("06.05.2024"), QStringLiteral("10.05.2024"),
           QStringLiteral(" Anna;"), QStringLiteral("50 %"));
    f.task(2, QStringLiteral("2 days"), QStringLiteral("06.05.2024"), QStringLiteral("07.05.2024"));
    f.project.taskTable.setCell(column, row, text);

    ReportGrid grid;
    QString error;
    try {
        BuildTotalReport(f.project, grid);
    } catch (const ConversionError &e) {
        error = e.message();
    }
    QCOMPARE(error, message);
    // The figures in reading order: everything up to the last one written is there.
    const QList<QPair<int, int>> figures = {{2, 7},  {4, 7},  {6, 7},  {2, 11}, {4, 11}, {6, 11},
                                            {2, 18}, {4, 18}, {6, 18}, {2, 25}, {4, 25}};
    bool written = true;
    for (const auto &[c, r] : figures) {
        QVERIFY2(grid.cell(c, r).isEmpty() != written,
                 qPrintable(QStringLiteral("%1,%2").arg(c).arg(r)));
        if (c == lastColumn && r == lastRow)
            written = false;
    }
    QCOMPARE(grid.cell(2, 5), QStringLiteral("Start Date:"));
}

void TestReportFigures::reportAsText()
{
    ReportFixture f;
    f.project.settings().setValue(SettingsBlock::ProjectName, QStringLiteral("House"));
    f.resource(1, QStringLiteral("Anna"), QStringLiteral("10.5"));
    f.resource(2, QStringLiteral("Bob"), QStringLiteral("20"));
    f.task(1, QStringLiteral("5 days"), QStringLiteral("06.05.2024"), QStringLiteral("10.05.2024"),
           QStringLiteral(" Anna; Bob;"), QStringLiteral("50 %"));
    QCOMPARE(TotalReportText(f.project), QStringLiteral("Project Report: House\n"
                                                        "Start Date: 06.05.2024\n"
                                                        "End Date: 10.05.2024\n"
                                                        "Diration: 5 days\n"
                                                        "Current Cost: $610\n"
                                                        "Total Cost: $1220\n"
                                                        "Completion: 25 %\n"
                                                        "Group Task: 0\n"
                                                        "Task: 1\n"
                                                        "Milestone: 0\n"
                                                        "Resource: 2\n"
                                                        "Average Cost/Hour: $15.25\n"));
}
