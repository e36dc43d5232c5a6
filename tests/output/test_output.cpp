// Exports: the task table as CSV and the user manual as PDF.

#include "model/new_project.h"
#include "output/csv_export.h"
#include "output/manual_pdf.h"
#include "recording_host.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace morvaine;

class TestOutput : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void taskTableCsvQuotesAndReachesLastUsedRow()
    {
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

        const QString path = m_dir.filePath(QStringLiteral("table.csv"));
        QVERIFY(WriteTaskTableCsv(project, path));
        const QString csv = QString::fromUtf8(readAll(path));
        const QStringList lines = csv.split(QStringLiteral("\r\n"));
        // Header row, rows 1-4 (row 4 holds a completion), then the final empty split.
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0],
                 QStringLiteral(
                     ",Task,Duration,Start,End,Forerunner,Resource,Completion,Level,Group Task"));
        QCOMPARE(lines[1],
                 QStringLiteral("1,\"Plan, \"\"draft\"\"\",3 days,07.12.2026,09.12.2026,,,,1,"));
        QCOMPARE(lines[2], QStringLiteral("2,\"Ремонт\nкрыши\",,,,,,,1,"));
        QCOMPARE(lines[4], QStringLiteral("4,,,,,,,50 %,1,"));
        QVERIFY(lines[5].isEmpty());

        QVERIFY(!WriteTaskTableCsv(project, m_dir.filePath(QStringLiteral("no/dir/x.csv"))));
    }

    // A text a spreadsheet would run as a formula gets a leading apostrophe; plain
    // numbers, dates and other texts stay as they are.
    void csvCellsSpreadsheetsWouldRunAreEscaped_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("field");
        QTest::newRow("formula") << "=1+1"
                                 << "'=1+1";
        QTest::newRow("hyperlink with commas and quotes")
            << "=HYPERLINK(\"http://x\",\"y\")"
            << "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"";
        QTest::newRow("plus") << "+1+1"
                              << "'+1+1";
        QTest::newRow("minus") << "-2+3"
                               << "'-2+3";
        QTest::newRow("at") << "@SUM(A1)"
                            << "'@SUM(A1)";
        QTest::newRow("tab") << "\tcmd"
                             << "'\tcmd";
        QTest::newRow("carriage return") << "\r=1"
                                         << "\"'\r=1\"";
        QTest::newRow("negative number") << "-12"
                                         << "-12";
        QTest::newRow("signed decimal") << "+3.5"
                                        << "+3.5";
        QTest::newRow("decimal comma") << "-0,25"
                                       << "\"-0,25\"";
        QTest::newRow("date") << "07.12.2026"
                              << "07.12.2026";
        QTest::newRow("sign inside") << "a=b"
                                     << "a=b";
        QTest::newRow("lone minus") << "-"
                                    << "'-";
    }

    void csvCellsSpreadsheetsWouldRunAreEscaped()
    {
        QFETCH(QString, cell);
        QFETCH(QString, field);
        Project project;
        RecordingHost host;
        InitNewProject(project, host);
        project.taskTable.setCell(ColTask, 1, cell);
        project.taskTable.setCell(ColResource, 1, cell);
        project.LastTaskRow = 1;
        const QString csv = QString::fromUtf8(TaskTableCsv(project));
        const QString row =
            csv.section(QStringLiteral("\r\n1,"), 1).section(QStringLiteral(",1,\r\n"), 0, 0);
        QCOMPARE(row, field + QStringLiteral(",,,,,") + field + QStringLiteral(","));
    }

    void manualIsASeveralPagePdf()
    {
        const QString markdown = ManualMarkdown();
        QVERIFY(markdown.startsWith(QLatin1String("# Morvaine user manual")));
        const QString path = m_dir.filePath(QStringLiteral("manual.pdf"));
        QVERIFY(WriteManualPdf(markdown, path));
        const QByteArray pdf = readAll(path);
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY2(pdf.size() > 20000, QByteArray::number(pdf.size()));
        const qsizetype pages =
            QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b")));
        QVERIFY2(pages >= 4, QByteArray::number(pages));

        QVERIFY(!WriteManualPdf(QString(), path + QLatin1String(".empty")));
        QVERIFY(!QFile::exists(path + QLatin1String(".empty")));
    }

    void manualPathIsFoundOrWritten()
    {
        // No installed or built copy is assumed: then one is written into the cache.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("cache"))));
        const QString path = ManualPdfPath();
        QVERIFY(!path.isEmpty());
        QVERIFY(readAll(path).startsWith("%PDF-"));
        QCOMPARE(ManualPdfPath(), path);
    }
};

QTEST_MAIN(TestOutput)
#include "test_output.moc"
