// Exporting and importing a 9,999-task plan with 20,000 links as MS Project XML, each
// against the project file's own save or open of the same plan in the same run; and
// importing the hostile documents an attacker's probe sent, each of which must be read
// or refused in well under 2 seconds.

#include "bench_support.h"

#include "exchange/ms_project_reader.h"
#include "exchange/ms_project_xml.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "schedule/calendar.h"
#include "schedule/recalc.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <vector>

#include <benchmark/benchmark.h>
#include <expat.h>

using namespace morvaine;
using bench::QuietHost;

namespace {

struct BigPlan {
    Project project;
    QuietHost host{true};
    QTemporaryDir dir;
    QString xmlPath;
    BigPlan()
    {
        InitNewProject(project, host);
        project.settings().setValue(SettingsBlock::StartDate, bench::DateText(2026, 12, 7));
        TaskTable &t = project.taskTable;
        int links = 0;
        for (int row = 1; row <= 9999; ++row) {
            // Groups of ten: a group task over nine sub-tasks.
            const bool group = row % 10 == 1 && row < 9991;
            t.setCell(ColTask, row, QStringLiteral("Task number %1 of the plan").arg(row));
            t.setCell(ColLevel, row,
                      group || row >= 9991 || row % 10 == 1 ? QStringLiteral("1")
                                                            : QStringLiteral("2"));
            t.setCell(ColVeha, row, group ? QStringLiteral("v") : QString());
            t.setCell(ColDuration, row, QStringLiteral("%1 days").arg(row % 5 + 1));
            t.setCell(ColStart, row, bench::DateText(2026, 12, 7));
            CalcEndDate(project, row);
            QString forerunners;
            for (int p : {row - 1, row - 2})
                if (p >= 1 && !(p % 10 == 1 && p < 9991) && !group) {
                    forerunners += QStringLiteral(" %1;").arg(p);
                    ++links;
                }
            t.setCell(ColForerunner, row, forerunners);
            t.setCell(ColResource, row, QStringLiteral(" Anna; Bob;"));
            t.setCell(ColCompletion, row, QStringLiteral("%1 %").arg(row % 101));
        }
        // Top up to 20,000 links with links from the first task.
        for (int row = 3; links < 20000; ++row)
            if (t.cell(ColVeha, row).isEmpty() && !t.cell(ColForerunner, row).contains(" 2;")) {
                t.setCell(ColForerunner, row, t.cell(ColForerunner, row) + QStringLiteral(" 2;"));
                ++links;
            }
        project.resourceTable.setCell(ResColName, 1, QStringLiteral("Anna"));
        project.resourceTable.setCell(ResColCost, 1, QStringLiteral("25"));
        project.resourceTable.setCell(ResColName, 2, QStringLiteral("Bob"));
        project.resourceTable.setCell(ResColCost, 2, QStringLiteral("12.5"));
        project.LastTaskRow = 9999;
        RecalcSchedule(project, host);
        host.path = dir.filePath(QStringLiteral("big.mrv"));
        xmlPath = dir.filePath(QStringLiteral("big.xml"));
        SaveProject(project, host, QStringLiteral("SaveAs"));
        ExportMsProjectXml(project, host, xmlPath);
    }
};

BigPlan &big()
{
    static BigPlan b;
    return b;
}

// "vs_save" is the export's time over SaveProject's, both measured alternately.
void BM_ExportMsProjectXml(benchmark::State &state)
{
    BigPlan &b = big();
    double exportTime = 0;
    double saveTime = 0;
    for (auto _ : state) {
        exportTime += bench::SecondsOf([&] { ExportMsProjectXml(b.project, b.host, b.xmlPath); });
        saveTime +=
            bench::SecondsOf([&] { SaveProject(b.project, b.host, QStringLiteral("Save")); });
    }
    state.counters["export_ms"] = 1000 * exportTime / double(state.iterations());
    state.counters["save_ms"] = 1000 * saveTime / double(state.iterations());
    state.counters["vs_save"] = exportTime / saveTime;
    // The two documents' sizes, in megabytes.
    state.counters["xml_mb"] = double(QFileInfo(b.xmlPath).size()) / 1e6;
    state.counters["mrv_mb"] = double(QFileInfo(b.host.path).size()) / 1e6;
}

// Expat alone walking every element and text of the document in memory, as the import
// has it read (namespaces are resolved by the reader): the part of the import's time
// that is the parser's.
void walkWithExpat(const QByteArray &bytes)
{
    XML_Parser parser = XML_ParserCreate(nullptr);
    long events = 0;
    XML_SetUserData(parser, &events);
    XML_SetElementHandler(
        parser,
        [](void *events, const XML_Char *, const XML_Char **) { ++*static_cast<long *>(events); },
        [](void *events, const XML_Char *) { ++*static_cast<long *>(events); });
    XML_SetCharacterDataHandler(
        parser, [](void *events, const XML_Char *, int) { ++*static_cast<long *>(events); });
    constexpr qsizetype Chunk = 64 * 1024;
    for (qsizetype at = 0; at < bytes.size(); at += Chunk)
        XML_Parse(parser, bytes.constData() + at, int(std::min(Chunk, bytes.size() - at)), 0);
    XML_Parse(parser, nullptr, 0, 1);
    XML_ParserFree(parser);
    benchmark::DoNotOptimize(events);
}

// "vs_load" is the import's time over LoadProject's, each into a new project;
// "expat_vs_load" is the part of it that expat takes to walk the document, "read_ms"
// the part that reads the document into records (expat's walk included).
void BM_ImportMsProjectXml(benchmark::State &state)
{
    BigPlan &b = big();
    QFile xml(b.xmlPath);
    if (!xml.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(b.xmlPath));
    const QByteArray bytes = xml.readAll();
    double importTime = 0;
    double loadTime = 0;
    double expatTime = 0;
    double readTime = 0;
    for (auto _ : state) {
        expatTime += bench::SecondsOf([&] { walkWithExpat(bytes); });
        readTime += bench::SecondsOf([&] {
            QFile input(b.xmlPath);
            msp::Document doc;
            if (!input.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ||
                msp::ReadDocument(input, doc).kind != msp::ReadResult::Read)
                qFatal("cannot read %s", qPrintable(b.xmlPath));
            benchmark::DoNotOptimize(doc.tasks.size());
        });
        importTime += bench::SecondsOf([&] {
            Project imported;
            InitNewProject(imported, b.host);
            ImportMsProjectXml(imported, b.host, b.xmlPath);
            benchmark::DoNotOptimize(imported.LastTaskRow);
        });
        loadTime += bench::SecondsOf([&] {
            Project loaded;
            InitNewProject(loaded, b.host);
            LoadProject(loaded, b.host, b.host.path);
            benchmark::DoNotOptimize(loaded.LastTaskRow);
        });
    }
    state.counters["import_ms"] = 1000 * importTime / double(state.iterations());
    state.counters["load_ms"] = 1000 * loadTime / double(state.iterations());
    state.counters["vs_load"] = importTime / loadTime;
    state.counters["expat_ms"] = 1000 * expatTime / double(state.iterations());
    state.counters["expat_vs_load"] = expatTime / loadTime;
    state.counters["read_ms"] = 1000 * readTime / double(state.iterations());
}

QByteArray repeated(const QByteArray &part, int count)
{
    QByteArray bytes;
    bytes.reserve(part.size() * count);
    for (int i = 0; i < count; ++i)
        bytes += part;
    return bytes;
}

QByteArray msProject(const QByteArray &attributes, const QByteArray &body)
{
    return "<Project xmlns=\"http://schemas.microsoft.com/project\"" + attributes + ">" + body +
           "</Project>";
}

// 999 resources with names of 1,000 characters, every one assigned over and over to
// two tasks.
QByteArray longNamedAssignments(int assignments)
{
    QByteArray body = "<Tasks><Task><UID>1</UID><ID>1</ID></Task><Task><UID>2</UID><ID>2</ID>"
                      "</Task></Tasks><Resources>";
    for (int r = 1; r <= 999; ++r)
        body += "<Resource><UID>" + QByteArray::number(r) + "</UID><ID>" + QByteArray::number(r) +
                "</ID><Name>" + QByteArray::number(r) + QByteArray(996, 'n') + "</Name></Resource>";
    body += "</Resources><Assignments>";
    for (int i = 0; i < assignments; ++i)
        body += "<Assignment><TaskUID>" + QByteArray::number(1 + i % 2) +
                "</TaskUID><ResourceUID>" + QByteArray::number(1 + i % 999) +
                "</ResourceUID></Assignment>";
    return msProject("", body + "</Assignments>");
}

struct Hostile {
    const char *name;
    QByteArray (*make)();
};

const Hostile HostileDocuments[] = {
    {"400,000 attributes",
     [] {
         QByteArray attributes;
         for (int i = 0; i < 400000; ++i)
             attributes += " a" + QByteArray::number(i) + "=\"\"";
         return msProject(attributes, "");
     }},
    {"150,000 namespace declarations",
     [] {
         QByteArray attributes;
         for (int i = 0; i < 150000; ++i)
             attributes +=
                 " xmlns:p" + QByteArray::number(i) + "=\"urn:" + QByteArray::number(i) + "\"";
         return msProject(attributes, "");
     }},
    {"150,000 nested namespace declarations",
     [] {
         QByteArray body;
         for (int i = 0; i < 150000; ++i)
             body += "<a xmlns:p" + QByteArray::number(i) + "=\"urn:p\">";
         return msProject("", body);
     }},
    {"1,000,000 nested elements",
     [] { return msProject("", repeated("<a>", 1000000) + repeated("</a>", 1000000)); }},
    {"billion laughs",
     [] {
         QByteArray entities = "<!ENTITY l0 \"ha\">";
         for (int i = 1; i <= 9; ++i)
             entities += "<!ENTITY l" + QByteArray::number(i) + " \"" +
                         repeated("&l" + QByteArray::number(i - 1) + ";", 10) + "\">";
         return "<!DOCTYPE Project [" + entities + "]>" + msProject("", "<Title>&l9;</Title>");
     }},
    {"32 MB comment",
     [] { return "<!--" + QByteArray(32 << 20, 'c') + "-->" + msProject("", ""); }},
    {"30,000 long-named assignments", [] { return longNamedAssignments(30000); }},
    {"300,000 long-named assignments", [] { return longNamedAssignments(300000); }},
};

// "import_ms" is the time to read or refuse the document, whichever the import does.
void BM_ImportHostile(benchmark::State &state)
{
    const Hostile &hostile = HostileDocuments[state.range(0)];
    state.SetLabel(hostile.name);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hostile.xml"));
    QFile file(path);
    const QByteArray document = hostile.make();
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    QuietHost host;
    double seconds = 0;
    for (auto _ : state) {
        seconds += bench::SecondsOf([&] {
            Project project;
            InitNewProject(project, host);
            ImportMsProjectXml(project, host, path);
            benchmark::DoNotOptimize(project.LastTaskRow);
        });
    }
    state.counters["import_ms"] = 1000 * seconds / double(state.iterations());
    state.counters["file_mb"] = double(document.size()) / 1e6;
}

BENCHMARK(BM_ExportMsProjectXml)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ImportMsProjectXml)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ImportHostile)
    ->DenseRange(0, int(std::size(HostileDocuments)) - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return bench::RunBenchmarks<QCoreApplication>(argc, argv);
}
