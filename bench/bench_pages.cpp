// Printing every page of a 9,999-task project with about 20,000 links as a PDF, against
// the pages of a 50-task project. A page must not grow dearer with the project (at most
// 1.3x): "vs_50_tasks" is the ratio of the processor time per page. "bytes_per_page" is
// the PDF's size over its pages: alike chart cells are one image, so it stays small.

#include "bench_support.h"

#include "output_bench_project.h"

#include "output/print_pages.h"
#include "output/project_pages.h"
#include "views/fonts.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QIODevice>
#include <QPdfWriter>

using namespace morvaine;

namespace {

const int SpanDays = 30;

// Takes the PDF, keeps nothing and counts its bytes.
class Discard : public QIODevice {
public:
    qint64 bytes = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        bytes += size;
        return size;
    }
};

double g_baselinePerPage = 0;

void Run(benchmark::State &state, int tasks, bool baseline)
{
    QuietHost host;
    const auto project = MakeOutputProject(tasks, SpanDays, host);
    int pageCount = 0;
    qint64 bytes = 0;
    const double began = ThreadSeconds();
    for (auto _ : state) {
        Discard sink;
        sink.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&sink);
        pdf.setResolution(600);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        ProjectPages pages(*project, host,
                           [&] { return DevicePageSetup(pdf, 96, DefaultGridGeometry()); });
        pageCount = pages.CountPages();
        PrintPages(pdf, pages, 1, pageCount); // ends the PDF: every byte is written
        bytes = sink.bytes;
    }
    const double perPage = (ThreadSeconds() - began) / double(state.iterations()) / pageCount;
    state.counters["pages"] = pageCount;
    state.counters["cpu_ms_per_page"] = perPage * 1e3;
    state.counters["bytes_per_page"] = double(bytes) / pageCount;
    if (baseline)
        g_baselinePerPage = perPage;
    else if (g_baselinePerPage > 0)
        state.counters["vs_50_tasks"] = perPage / g_baselinePerPage;
}

void BM_Pdf_50Tasks(benchmark::State &state)
{
    Run(state, 50, true);
}

void BM_Pdf_9999Tasks(benchmark::State &state)
{
    Run(state, 9999, false);
}

} // namespace

BENCHMARK(BM_Pdf_50Tasks)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Pdf_9999Tasks)->Unit(benchmark::kMillisecond)->Iterations(1);

// Fonts need a QGuiApplication, which benchmark's own main would not make.
int main(int argc, char **argv)
{
    return bench::RunBenchmarks<QGuiApplication>(argc, argv, InstallFontSubstitutions);
}
