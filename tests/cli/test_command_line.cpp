// The window-less command line: export to .mrv and .csv, recalculation, usage errors
// and refused files.

#include "app/command_line.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "recording_host.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        QTest::newRow("version") << QStringList{"--version"} << 0;
        QTest::newRow("export without value") << QStringList{"--export"} << 2;
        QTest::newRow("no project file") << QStringList{"--export", "x.csv"} << 2;
        QTest::newRow("no output") << QStringList{"--recalc", "a.mrv"} << 2;
        QTest::newRow("unknown option") << QStringList{"--frobnicate", "a.mrv"} << 2;
        QTest::newRow("unknown extension") << QStringList{"--export", "x.txt", "a.mrv"} << 2;
        QTest::newRow("unknown scale")
            << QStringList{"--export", "x.csv", "--scale", "year", "a.mrv"} << 2;
        QTest::newRow("two files") << QStringList{"--export", "x.csv", "a.mrv", "b.mrv"} << 2;
    }

    void usage()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const Result r = run(args);
        QCOMPARE(r.status, status);
        if (status == 0)
            QVERIFY(!r.out.isEmpty());
        else
            QVERIFY(r.err.contains(QLatin1String("Usage:")));
        QVERIFY(IsWindowlessCommandLine(args));
        QVERIFY(!IsWindowlessCommandLine({"plan.mrv"}));
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

    void exportsTaskTableAsCsv()
    {
        const QString out = path(QStringLiteral("table.csv"));
        const Result r = run({"--export", out, m_source});
        QCOMPARE(r.status, 0);
        const QString csv = QString::fromUtf8(readAll(out));
        const QStringList lines = csv.split(QStringLiteral("\r\n"));
        // Header row, rows 1-4 (row 4 holds a completion), then the final empty split.
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0],
                 QStringLiteral(",Task,Duration,Start,End,Forerunner,Resource,Completion,Level,Veha"));
        QCOMPARE(lines[1], QStringLiteral(
                               "1,\"Plan, \"\"draft\"\"\",3 days,07.12.2026,09.12.2026,,,,1,"));
        QCOMPARE(lines[2], QStringLiteral("2,\"Ремонт\nкрыши\",,,,,,,1,"));
        QCOMPARE(lines[4], QStringLiteral("4,,,,,,,50 %,1,"));
        QVERIFY(lines[5].isEmpty());
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
        QCOMPARE(r.err, QStringLiteral(
                            "Error: Link error (Task #3 -> Task #3)\nThis link will be ignored.\n"));
        QCOMPARE(r.status, 1);
        QVERIFY(readAll(out).contains("2,Roof,2 days,10.12.2026,11.12.2026"));
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

        const Result missing = run({"--export", out, path(QStringLiteral("missing.mrv"))});
        QCOMPARE(missing.status, 1);
        QCOMPARE(missing.err, QStringLiteral("Error: Error opening the file. Code #0001\n"));
    }

    void reportsUnwritableOutput()
    {
        const Result r = run({"--export", path(QStringLiteral("no/such/dir/x.mrv")), m_source});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QStringLiteral("Error: Error saving the file. Code #0010\n"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
