// GNOME Planner opens MS Project XML through its stylesheet msp2planner.xsl. An exported
// plan goes through that stylesheet with xsltproc, the result must be valid against
// Planner's own DTD, and Planner's tasks must be the plan's: names, durations, outline
// and predecessor links. Exits 77 (skipped) when the tools are not installed.

#include "exchange_fixture.h"

#include "schedule/forerunner.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

#include <cstdio>

using namespace morvaine;

namespace {

const QString Stylesheet = QStringLiteral("/usr/share/planner/stylesheets/msp2planner.xsl");
const QString Dtd = QStringLiteral("/usr/share/planner/dtd/mrproject-0.6.dtd");

struct PlannerTask {
    QString name;
    qint64 durationSeconds = -1;
    int depth = 0;
    QString type;
    QStringList predecessors; // "id type lag"
};

// Planner's tasks in document order (the outline's order), with their nesting depth.
QList<PlannerTask> plannerTasks(const QString &path, QStringList &resources)
{
    QList<PlannerTask> tasks;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tasks;
    QXmlStreamReader xml(&file);
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("task")) {
            ++depth;
            const QXmlStreamAttributes a = xml.attributes();
            tasks.append({a.value("name").toString(),
                          a.value("duration").toLongLong(),
                          depth,
                          a.value("type").toString(),
                          {}});
        } else if (xml.isEndElement() && xml.name() == QLatin1String("task")) {
            --depth;
        } else if (xml.isStartElement() && xml.name() == QLatin1String("predecessor")) {
            const QXmlStreamAttributes a = xml.attributes();
            tasks.last().predecessors
                << QStringLiteral("%1 %2 %3")
                       .arg(a.value("predecessor-id").toString(), a.value("type").toString(),
                            a.value("lag").toString());
        } else if (xml.isStartElement() && xml.name() == QLatin1String("resource")) {
            resources << xml.attributes().value("name").toString() + QLatin1Char('/') +
                             xml.attributes().value("std-rate").toString();
        }
    }
    if (xml.hasError())
        qWarning("%s", qPrintable(xml.errorString()));
    return tasks;
}

QString run(const QString &program, const QStringList &arguments, const QString &outputFile = {})
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return program + QLatin1String(" did not finish");
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + QLatin1String(" failed: ") +
               QString::fromLocal8Bit(process.readAllStandardError());
    return {};
}

} // namespace

class TestPlannerImport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetShortDateFormat(QStringLiteral("dd.MM.yyyy")); }
    void exportedPlanOpensInPlanner();
};

void TestPlannerImport::exportedPlanOpensInPlanner()
{
    ExchangeFixture f;
    makePlan(f);
    // Links of every type, with a lag and a lead.
    f.project.taskTable.setCell(ColForerunner, 3, QStringLiteral(" 2SS+1;"));
    f.project.taskTable.setCell(ColForerunner, 5, QStringLiteral(" 2FF-1; 4SF;"));
    RecalcSchedule(f.project, f.host);
    const QString exported = f.dir.filePath(QStringLiteral("plan.xml"));
    const QString converted = f.dir.filePath(QStringLiteral("plan.planner"));
    ExportMsProjectXml(f.project, f.host, exported);
    QVERIFY(f.host.messages.isEmpty());

    QCOMPARE(run(QStringLiteral("xsltproc"), {Stylesheet, exported}, converted), QString());
    QCOMPARE(run(QStringLiteral("xmllint"), {"--noout", "--dtdvalid", Dtd, converted}), QString());

    QStringList resources;
    const QList<PlannerTask> tasks = plannerTasks(converted, resources);
    QCOMPARE(tasks.size(), f.project.LastTaskRow);
    const int hours = f.project.settings().workingTime().toInt();
    for (int row = 1; row <= f.project.LastTaskRow; ++row) {
        const PlannerTask &task = tasks[row - 1];
        QCOMPARE(task.name, f.cell(ColTask, row));
        QCOMPARE(task.depth, f.cell(ColLevel, row).toInt());
        if (f.cell(ColVeha, row).isEmpty())
            QCOMPARE(task.durationSeconds,
                     qint64(DurationDays(f.cell(ColDuration, row))) * hours * 3600);
        QCOMPARE(task.type, DurationDays(f.cell(ColDuration, row)) == 0
                                ? QStringLiteral("milestone")
                                : QStringLiteral("normal"));
        // Planner counts a lag in seconds of working time.
        QStringList predecessors;
        for (const LinkItem &link : ParseLinks(f.cell(ColForerunner, row)).links)
            predecessors << QStringLiteral("%1 %2 %3")
                                .arg(link.row)
                                .arg(LinkTypeName(link.type))
                                .arg(qint64(link.lag) * hours * 3600);
        QCOMPARE(task.predecessors, predecessors);
    }
    QCOMPARE(resources, QStringList({"Anna/25", "Bob/12.5", "Cid/"}));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList missing;
    for (const QString &tool : {QStringLiteral("xsltproc"), QStringLiteral("xmllint")})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing << tool;
    for (const QString &file : {Stylesheet, Dtd})
        if (!QFileInfo::exists(file))
            missing << file;
    if (!missing.isEmpty()) {
        std::fprintf(stderr,
                     "SKIP: GNOME Planner's import cannot be checked: missing %s "
                     "(install the Debian packages planner, xsltproc and libxml2-utils, as "
                     "scripts/install-deps.sh does)\n",
                     qPrintable(missing.join(QLatin1String(", "))));
        return 77;
    }
    TestPlannerImport test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_planner_import.moc"
