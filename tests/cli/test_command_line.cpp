// The command line: export to .mrv and .csv, recalculation, usage errors, refused
// files, and the real program started as a shell starts it.

#include "app/command_line.h"
#include "exchange/ms_project_xml.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

using namespace morvaine;

class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_source;

    struct Result {
        int status;
        QString out;
        QString err;
    };

    Result run(const QStringList &args)
    {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int status = RunWindowless(args, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return {status, out, err};
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    static QByteArray readAll(const QString &p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        TaskTable &t = project.taskTable;
        t.setCell(ColTask, 1, QStringLiteral("Plan, \"draft\""));
        t.setCell(ColDuration, 1, QStringLiteral("3 days"));
        t.setCell(ColStart, 1, QStringLiteral("07.12.2026"));
        t.setCell(ColEnd, 1, QStringLiteral("09.12.2026"));
        t.setCell(ColTask, 2, QStringLiteral("Ремонт\nкрыши"));
        t.setCell(ColCompletion, 4, QStringLiteral("50 %")); // beyond LastTaskRow
        project.LastTaskRow = 2;
        m_source = path(QStringLiteral("source.mrv"));
        host.saveFileName = m_source;
        SaveProject(project, host, QStringLiteral("SaveAs"));
        QVERIFY(host.messages.isEmpty());
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("help") << QStringList{"--help"} << 0;
        QTest::newRow("help after a bad option") << QStringList{"-x", "a.mrv", "--help"} << 0;
        QTest::newRow("version") << QStringList{"--version"} << 0;
        QTest::newRow("export without value") << QStringList{"--export"} << 2;
        QTest::newRow("no project file") << QStringList{"--export", "x.csv"} << 2;
        QTest::newRow("no output") << QStringList{"--recalc", "a.mrv"} << 2;
        QTest::newRow("unknown option") << QStringList{"--frobnicate", "a.mrv"} << 2;
        QTest::newRow("single dash h") << QStringList{"-h"} << 2;
        QTest::newRow("single dash word") << QStringList{"-export", "o.csv", "a.mrv"} << 2;
        QTest::newRow("lone dash") << QStringList{"-"} << 2;
        QTest::newRow("export twice")
            << QStringList{"--export", "x.csv", "--export", "y.csv", "a.mrv"} << 2;
        QTest::newRow("unknown extension") << QStringList{"--export", "x.txt", "a.mrv"} << 2;
        QTest::newRow("unknown scale")
            << QStringList{"--export", "x.csv", "--scale", "year", "a.mrv"} << 2;
        QTest::newRow("two files") << QStringList{"--export", "x.csv", "a.mrv", "b.mrv"} << 2;
        QTest::newRow("sample with a file") << QStringList{"--write-sample", "s.mrv", "a.mrv"} << 2;
        QTest::newRow("two actions")
            << QStringList{"--write-sample", "s.mrv", "--export", "x.csv", "a.mrv"} << 2;
        QTest::newRow("help after --") << QStringList{"--export", "x.csv", "--", "--help"} << 1;
        QTest::newRow("report without file") << QStringList{"--report"} << 2;
        QTest::newRow("report and export")
            << QStringList{"--report", "--export", "x.csv", "a.mrv"} << 2;
        QTest::newRow("report of two files") << QStringList{"--report", "a.mrv", "b.mrv"} << 2;
    }

    void usage()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QVERIFY(ParseCommandLine(args).windowless);
        const Result r = run(args);
        QCOMPARE(r.status, status);
        if (status == 0)
            QVERIFY(r.out.contains(QLatin1String("morvaine")) ||
                    r.out.contains(QLatin1String("Morvaine")));
        else if (status == 2)
            QVERIFY(r.err.contains(QLatin1String("Usage:")));
    }

    void windowFiles_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("none") << QStringList{} << QStringList{};
        QTest::newRow("a file") << QStringList{"plan.mrv"} << QStringList{"plan.mrv"};
        QTest::newRow("dash file after --")
            << QStringList{"--", "--x.mrv"} << QStringList{"--x.mrv"};
        QTest::newRow("second -- is a file") << QStringList{"--", "--"} << QStringList{"--"};
    }

    void windowFiles()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, files);
        const CommandLine line = ParseCommandLine(args);
        QVERIFY(!line.windowless);
        QCOMPARE(line.files, files);
    }

    void exportsAFileNamedLikeAnOption()
    {
        const QString dashed = path(QStringLiteral("--x.mrv"));
        QVERIFY(QFile::copy(m_source, dashed));
        const QString out = path(QStringLiteral("dashed.csv"));
        QCOMPARE(run({"--export", out, "--", dashed}).status, 0);
        QVERIFY(readAll(out).startsWith(",Task,"));
    }

    void exportsProjectFileAsNewFile()
    {
        const QString out = path(QStringLiteral("copy.mrv"));
        const Result r = run({"--export", out, m_source});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);

        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        LoadProject(project, host, out);
        QVERIFY(host.messages.isEmpty());
        QCOMPARE(project.taskTable.cell(ColTask, 2), QStringLiteral("Ремонт\nкрыши"));
        QCOMPARE(project.settings().fileName(), out);
        QCOMPARE(project.LastTaskRow, 1);
    }

    // MS Project XML out, and back in from a file recognised by its content alone.
    void exportsAndReadsMsProjectXml()
    {
        const QString xml = path(QStringLiteral("plan.xml"));
        Result r = run({"--export", xml, m_source});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QVERIFY(IsMsProjectXml(xml));

        const QString renamed = path(QStringLiteral("plan.dat"));
        QVERIFY(QFile::copy(xml, renamed));
        const QString csv = path(QStringLiteral("from-xml.csv"));
        r = run({"--export", csv, renamed});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        const QStringList lines = QString::fromUtf8(readAll(csv)).split(QStringLiteral("\r\n"));
        QVERIFY(lines.size() > 3);
        QCOMPARE(lines[1],
                 QStringLiteral("1,\"Plan, \"\"draft\"\"\",3 days,07.12.2026,09.12.2026,,,,1,"));
        QVERIFY(lines[2].startsWith(QStringLiteral("2,\"Ремонт\nкрыши\",1 day,")));

        const QString bad = path(QStringLiteral("bad.xml"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Project xmlns=\"http://schemas.microsoft.com/project\"><Tasks></Project>");
        file.close();
        r = run({"--export", path(QStringLiteral("never.csv")), bad});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith(
                     QStringLiteral("Error: The file '%1' is not well-formed XML: ").arg(bad)),
                 qPrintable(r.err));
        QVERIFY(!QFile::exists(path(QStringLiteral("never.csv"))));
        QVERIFY(run({"--help"}).out.contains(QLatin1String(".xml (MS Project XML)")));
    }

    // A name longer than a project file holds in a cell is cut on import, as in the
    // window, so that the plan saves and opens again.
    void importCutsOverlongCells()
    {
        const QString xml = path(QStringLiteral("long.xml"));
        QFile file(xml);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Project xmlns=\"http://schemas.microsoft.com/project\"><Tasks><Task><UID>1"
                   "</UID><ID>1</ID><Name>" +
                   QByteArray(70000, 'n') + "</Name></Task></Tasks></Project>");
        file.close();
        const QString out = path(QStringLiteral("long.mrv"));
        const Result r = run({"--export", out, xml});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.contains(QStringLiteral("1 text was too long for one cell and cut to the "
                                               "64999 bytes a project file holds in a cell.")),
                 qPrintable(r.err));
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        LoadProject(project, host, out);
        QCOMPARE(host.texts(), QStringList());
        QCOMPARE(project.taskTable.cell(ColTask, 1), QString(MaxCellBytes, QLatin1Char('n')));
    }

    void recalculatesBeforeExport()
    {
        // Task 2 follows task 1 (Monday to Wednesday) but was typed on the same Monday.
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        TaskTable &t = project.taskTable;
        t.setCell(ColTask, 1, QStringLiteral("Walls"));
        t.setCell(ColDuration, 1, QStringLiteral("3 days"));
        t.setCell(ColStart, 1, QStringLiteral("07.12.2026"));
        t.setCell(ColEnd, 1, QStringLiteral("09.12.2026"));
        t.setCell(ColTask, 2, QStringLiteral("Roof"));
        t.setCell(ColDuration, 2, QStringLiteral("2 days"));
        t.setCell(ColStart, 2, QStringLiteral("07.12.2026"));
        t.setCell(ColEnd, 2, QStringLiteral("08.12.2026"));
        t.setCell(ColForerunner, 2, QStringLiteral(" 1;"));
        t.setCell(ColForerunner, 3, QStringLiteral(" 1; 3;")); // also linked to itself
        t.setCell(ColTask, 3, QStringLiteral("Paint"));
        t.setCell(ColDuration, 3, QStringLiteral("1 day"));
        t.setCell(ColStart, 3, QStringLiteral("07.12.2026"));
        t.setCell(ColEnd, 3, QStringLiteral("07.12.2026"));
        project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("07.12.2026"));
        const QString source = path(QStringLiteral("linked.mrv"));
        host.saveFileName = source;
        SaveProject(project, host, QStringLiteral("SaveAs"));

        const QString plain = path(QStringLiteral("plain.csv"));
        QCOMPARE(run({"--export", plain, source}).status, 0);
        QVERIFY(readAll(plain).contains("2,Roof,2 days,07.12.2026,08.12.2026"));

        const QString out = path(QStringLiteral("recalc.csv"));
        const Result r = run({"--recalc", "--export", out, source});
        QCOMPARE(
            r.err,
            QStringLiteral("Error: Link error (Task #3 -> Task #3)\nThis link will be ignored.\n"));
        // The link is ignored, as the message says, and the export goes on: no failure.
        QCOMPARE(r.status, 0);
        QVERIFY(readAll(out).contains("2,Roof,2 days,10.12.2026,11.12.2026"));
    }

    // A cycle of nine links is told once, one line per link, and the command goes on
    // without them; the same for the report.
    void ignoredLinksAreToldOnce()
    {
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("07.12.2026"));
        TaskTable &t = project.taskTable;
        QStringList lines;
        for (int row = 1; row <= 9; ++row) {
            t.setCell(ColTask, row, QStringLiteral("Step %1").arg(row));
            t.setCell(ColDuration, row, QStringLiteral("1 day"));
            t.setCell(ColStart, row, QStringLiteral("07.12.2026"));
            t.setCell(ColEnd, row, QStringLiteral("07.12.2026"));
            t.setCell(ColForerunner, row, QStringLiteral(" %1;").arg(row == 1 ? 9 : row - 1));
            lines << QStringLiteral("Link error (Task #%1 -> Task #%2) This link will be ignored.")
                         .arg(row)
                         .arg(row == 9 ? 1 : row + 1);
        }
        project.LastTaskRow = 9;
        const QString source = path(QStringLiteral("cycle.mrv"));
        host.saveFileName = source;
        SaveProject(project, host, QStringLiteral("SaveAs"));

        const QString told = QStringLiteral("Error: ") + lines.join('\n') + '\n';
        const QString out = path(QStringLiteral("cycle.csv"));
        const Result exported = run({"--recalc", "--export", out, source});
        QCOMPARE(exported.err, told);
        QCOMPARE(exported.status, 0);
        QVERIFY(readAll(out).contains("9,Step 9,1 day,07.12.2026,07.12.2026"));
        const Result report = run({"--report", "--recalc", source});
        QCOMPARE(report.err, told);
        QCOMPARE(report.status, 0);
        QVERIFY(report.out.startsWith(QStringLiteral("Project Report: ")));
    }

    // A plan from a machine with month-first dates is read in this machine's format,
    // with a word on stderr that is no error.
    void readsAPlanFromAnotherLocale()
    {
        const QString saved = ShortDateFormat();
        SetShortDateFormat(QStringLiteral("M/d/yyyy"));
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        TaskTable &t = project.taskTable;
        t.setCell(ColTask, 1, QStringLiteral("Walls"));
        t.setCell(ColDuration, 1, QStringLiteral("3 days"));
        t.setCell(ColStart, 1, QStringLiteral("12/14/2026"));
        t.setCell(ColEnd, 1, QStringLiteral("12/16/2026"));
        project.settings().setValue(SettingsBlock::StartDate, QStringLiteral("12/14/2026"));
        const QString source = path(QStringLiteral("us.mrv"));
        host.saveFileName = source;
        SaveProject(project, host, QStringLiteral("SaveAs"));
        SetShortDateFormat(saved);

        const QString out = path(QStringLiteral("us.csv"));
        const Result r = run({"--recalc", "--export", out, source});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY2(r.err.startsWith(QStringLiteral("Info: The dates of this plan were written as "
                                                 "M/d/yyyy.")),
                 qPrintable(r.err));
        QVERIFY(readAll(out).contains("1,Walls,3 days,14.12.2026,16.12.2026"));
    }

    void printsTheTotalReport()
    {
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        SettingsBlock settings = project.settings();
        settings.setValue(SettingsBlock::ProjectName, QStringLiteral("House"));
        settings.setValue(SettingsBlock::StartDate, QStringLiteral("07.12.2026"));
        project.resourceTable.setCell(ResColName, 1, QStringLiteral("Anna"));
        project.resourceTable.setCell(ResColCost, 1, QStringLiteral("10.5"));
        project.resourceTable.setCell(ResColName, 2, QStringLiteral("Bob"));
        TaskTable &t = project.taskTable;
        t.setCell(ColTask, 1, QStringLiteral("Walls"));
        t.setCell(ColDuration, 1, QStringLiteral("3 days"));
        t.setCell(ColStart, 1, QStringLiteral("07.12.2026"));
        t.setCell(ColEnd, 1, QStringLiteral("09.12.2026"));
        t.setCell(ColResource, 1, QStringLiteral(" Anna; Bob;"));
        t.setCell(ColCompletion, 1, QStringLiteral("100 %"));
        t.setCell(ColTask, 2, QStringLiteral("Roof"));
        t.setCell(ColDuration, 2, QStringLiteral("2 days"));
        t.setCell(ColStart, 2, QStringLiteral("07.12.2026"));
        t.setCell(ColEnd, 2, QStringLiteral("08.12.2026"));
        t.setCell(ColForerunner, 2, QStringLiteral(" 1;"));
        t.setCell(ColResource, 2, QStringLiteral(" Anna;"));
        project.LastTaskRow = 2;
        const QString source = path(QStringLiteral("report.mrv"));
        host.saveFileName = source;
        SaveProject(project, host, QStringLiteral("SaveAs"));

        const QString head = QStringLiteral("Project Report: House\n"
                                            "Start Date: 07.12.2026\n");
        const Result plain = run({"--report", source});
        QCOMPARE(plain.err, QString());
        QCOMPARE(plain.status, 0);
        // Walls: 8 h x 3 days x 10.5, done; Roof: 8 x 2 x 10.5, not started.
        QCOMPARE(plain.out, head + QStringLiteral("End Date: 09.12.2026\n"
                                                  "Diration: 3 days\n"
                                                  "Current Cost: $252\n"
                                                  "Total Cost: $420\n"
                                                  "Completion: 50 %\n"
                                                  "Group Task: 0\n"
                                                  "Task: 2\n"
                                                  "Milestone: 0\n"
                                                  "Resource: 2\n"
                                                  "Average Cost/Hour: $5.25\n"));
        // Recalculated, the roof follows the walls and the project ends two days later.
        const Result recalculated = run({"--report", "--recalc", source});
        QCOMPARE(recalculated.status, 0);
        QVERIFY2(recalculated.out.startsWith(head + QStringLiteral("End Date: 11.12.2026\n"
                                                                   "Diration: 5 days\n")),
                 qPrintable(recalculated.out));
        // Saved as recalculated, the plan reports the same figures with or without
        // --recalc: the walls, done, lead the critical chain.
        const QString settled = path(QStringLiteral("settled.mrv"));
        QCOMPARE(run({"--recalc", "--export", settled, source}).status, 0);
        const Result opened = run({"--report", settled});
        QCOMPARE(opened.status, 0);
        QVERIFY2(opened.out.contains(QStringLiteral("Completion: 60 %\n")), qPrintable(opened.out));
        QCOMPARE(run({"--report", "--recalc", settled}).out, opened.out);

        t.setCell(ColDuration, 2, QStringLiteral("2x"));
        SaveProject(project, host, QStringLiteral("Save"));
        const Result broken = run({"--report", source});
        QCOMPARE(broken.status, 1);
        QCOMPARE(broken.out, QString());
        QCOMPARE(broken.err, QStringLiteral("Error: '2x' is not a valid integer value\n"));
    }

    void refusesMalformedFileWithItsMessage()
    {
        const QString bad = path(QStringLiteral("bad.mrv"));
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a project");
        f.close();
        const QString out = path(QStringLiteral("never.csv"));
        const Result r = run({"--export", out, bad});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QStringLiteral(
                            "Error: Error opening the file. Unknown file format. Code #0005\n"));
        QVERIFY(!QFile::exists(out));

        // A file that cannot be opened: the numbered message, then the file and why.
        const Result missing = run({"--export", out, path(QStringLiteral("missing.mrv"))});
        QCOMPARE(missing.status, 1);
        QCOMPARE(missing.err, QStringLiteral("Error: Error opening the file. Code #0001\n") +
                                  path(QStringLiteral("missing.mrv")) + QStringLiteral(": ") +
                                  qt_error_string(ENOENT) + QLatin1Char('\n'));
    }

    void reportsUnwritableOutput()
    {
        const Result r = run({"--export", path(QStringLiteral("no/such/dir/x.mrv")), m_source});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QStringLiteral("Error: Error saving the file. Code #0010\n"));
    }
};

// The real program, as a shell starts it: raw argument bytes, no window, nothing that
// blocks.
class TestProgram : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    struct Result {
        int status;
        QByteArray err;
    };

    // Runs the program in the temporary folder with arguments given as raw bytes (a
    // shell hands a program bytes, not text); QProcess itself only passes QStrings,
    // so a script file carries the bytes.
    Result run(const QList<QByteArray> &args)
    {
        QByteArray script = "exec \"$MORVAINE\"";
        for (const QByteArray &arg : args) {
            QByteArray quotedArg = arg;
            quotedArg.replace('\'', "'\\''");
            script += " '" + quotedArg + "'";
        }
        QFile file(m_dir.filePath(QStringLiteral("run.sh")));
        if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size())
            return {-1, "cannot write the script"};
        file.close();
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MORVAINE"), QStringLiteral(MORVAINE_PROGRAM));
        // As on a machine without a desktop session.
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("/bin/sh"), {file.fileName()});
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished();
            return {-1, "did not return"};
        }
        return {process.exitCode(), process.readAllStandardError()};
    }

    QByteArray dirBytes() const { return QFile::encodeName(m_dir.path()) + '/'; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QCOMPARE(run({"--write-sample", "house.mrv"}).status, 0);
    }

    void refusesSingleDashWordsWithoutAWindow_data()
    {
        QTest::addColumn<QList<QByteArray>>("args");
        QTest::newRow("-h") << QList<QByteArray>{"-h"};
        QTest::newRow("-export") << QList<QByteArray>{"-export", "o.csv", "house.mrv"};
        QTest::newRow("-platform") << QList<QByteArray>{"-platform", "xcb", "house.mrv"};
    }

    void refusesSingleDashWordsWithoutAWindow()
    {
        QFETCH(QList<QByteArray>, args);
        const Result r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("Usage:"));
    }

    void opensANameThatIsNotUtf8()
    {
        const QByteArray latin1 = dirBytes() + "caf\xe9.mrv";
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("house.mrv")),
                            m_dir.filePath(QStringLiteral("plain.mrv"))));
        QVERIFY(::rename((dirBytes() + "plain.mrv").constData(), latin1.constData()) == 0);
        const Result r = run({"--export", "cafe.csv", "caf\xe9.mrv"});
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.status, 0);
        QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("cafe.csv"))));
    }

    // Pages and pictures are drawn without a display; the picture narrows at a coarser
    // Gantt scale.
    void exportsPagesAndPictures()
    {
        // Nothing on standard error, not even Qt's note of a missing runtime folder.
        Result r = run({"--export", "plan.pdf", "house.mrv"});
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.status, 0);
        QFile pdf(m_dir.filePath(QStringLiteral("plan.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));

        QCOMPARE(run({"--export", "days.jpg", "house.mrv"}).status, 0);
        r = run({"--export", "weeks.JPEG", "--scale", "week", "house.mrv"});
        QCOMPARE(r.status, 0);
        QImageReader days(m_dir.filePath(QStringLiteral("days.jpg")));
        QImageReader weeks(m_dir.filePath(QStringLiteral("weeks.JPEG")), "jpeg");
        QCOMPARE(days.format(), QByteArray("jpeg"));
        QCOMPARE(weeks.size().height(), days.size().height());
        QVERIFY(weeks.size().width() < days.size().width());
    }

    // 9,999 rows are too high for a JPEG: refused at once, and nothing written.
    void refusesATooTallPicture()
    {
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        project.taskTable.setCell(ColTask, 9999, QStringLiteral("Last"));
        project.taskTable.setCell(ColDuration, 9999, QStringLiteral("1 day"));
        project.LastTaskRow = 9999;
        host.saveFileName = m_dir.filePath(QStringLiteral("tall.mrv"));
        SaveProject(project, host, QStringLiteral("SaveAs"));
        QVERIFY(host.messages.isEmpty());

        const Result r = run({"--export", "tall.jpg", "tall.mrv"});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.endsWith("Error: Error exporting the image to a file. Very large project. "
                                "Zoom out the Gantt chart and try again. Code #0031\n"),
                 r.err);
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("tall.jpg"))));
    }

    void fifoReturnsAtOnce()
    {
        QVERIFY(::mkfifo((dirBytes() + "f.mrv").constData(), 0600) == 0);
        const Result r = run({"--export", "x.csv", "f.mrv"});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QByteArray("Error: Error opening the file. Code #0001\n"
                                   "f.mrv: not a regular file\n"));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("x.csv"))));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        TestCommandLine t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestProgram t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
#include "test_command_line.moc"
