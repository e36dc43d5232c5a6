#include "test_classes.h"

#include "model/convert.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace morvaine;

namespace {

// Restores the process-wide date format when a test changed it.
struct DateFormatGuard {
    QString saved = ShortDateFormat();
    ~DateFormatGuard() { SetShortDateFormat(saved); }
};

QList<int> forerunners(const QString &list)
{
    QList<int> rows;
    for (const QString &item : list.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        rows << StrToInt(item);
    return rows;
}

} // namespace

void TestSampleProject::opensWithoutErrorsAndShowsAPlan()
{
    DateFormatGuard guard;
    // The sample is written under the C locale, whose short format is this one.
    SetShortDateFormat(QStringLiteral("d MMM yyyy"));

    Project project;
    RecordingHost host;
    InitNewProject(project, host);
    LoadProject(project, host, QStringLiteral(MORVAINE_EXAMPLE_FILE));
    QVERIFY2(host.messages.isEmpty(), qPrintable(host.texts().join('\n')));
    QCOMPARE(host.caption, QStringLiteral("Morvaine 1.0 - house.mrv"));
    QCOMPARE(project.settings().modify(), QStringLiteral("No"));

    const TaskTable &table = project.taskTable;
    const int last = project.LastTaskRow;
    QVERIFY(last >= 10);
    int groups = 0, milestones = 0, links = 0;
    for (int row = 1; row <= last; ++row) {
        QVERIFY(!table.cell(ColTask, row).isEmpty());
        const TDateTime start = StrToDate(table.cell(ColStart, row));
        const TDateTime end = StrToDate(table.cell(ColEnd, row));
        QVERIFY(start <= end);
        if (table.cell(ColVeha, row) == QLatin1String("v")) {
            ++groups;
            QVERIFY(StrToInt(table.cell(ColLevel, row + 1)) > StrToInt(table.cell(ColLevel, row)));
        } else if (table.cell(ColDuration, row) == QLatin1String("0 days")) {
            ++milestones;
        }
        // No task starts before any of its forerunners has ended.
        for (int before : forerunners(table.cell(ColForerunner, row))) {
            ++links;
            QVERIFY2(StrToDate(table.cell(ColEnd, before)) <= start,
                     qPrintable(QStringLiteral("row %1 after row %2").arg(row).arg(before)));
        }
    }
    QVERIFY(groups >= 2);
    QVERIFY(milestones >= 1);
    QVERIFY(links >= 5);
    QVERIFY(!project.resourceTable.cell(ResColName, 3).isEmpty());
    QVERIFY(!project.resourceTable.cell(ResColCost, 1).isEmpty());

    // The committed file is what the program writes today: the writer, run again,
    // gives the same tables (the save dates and the path aside).
    QTemporaryDir dir;
    const QString again = dir.filePath(QStringLiteral("house.mrv"));
    QProcess writer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    writer.setProcessEnvironment(environment);
    writer.start(QStringLiteral(MORVAINE_PROGRAM), {QStringLiteral("--write-sample"), again});
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitCode(), 0);
    Project fresh;
    InitNewProject(fresh, host);
    LoadProject(fresh, host, again);
    QVERIFY(host.messages.isEmpty());
    for (int column = ColTask; column <= ColVeha; ++column)
        for (int row = 1; row <= last + 1; ++row)
            QCOMPARE(fresh.taskTable.cell(column, row), table.cell(column, row));
    for (int row = SettingsBlock::ProjectName - 1; row <= SettingsBlock::Currency; ++row)
        QCOMPARE(fresh.taskTable.cell(ColSettings, row), table.cell(ColSettings, row));
    for (int column = ResColName; column <= ResColAddress; ++column)
        for (int row = 0; row < 10; ++row)
            QCOMPARE(fresh.resourceTable.cell(column, row), project.resourceTable.cell(column, row));
}
