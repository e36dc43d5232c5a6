// Exporting a 3,800-task project (64,617 pixels high, under JPEG's limit) at day scale
// as a picture, against libjpeg encoding the same pixels from memory. Drawing the cells
// band by band must cost little beside the encoding (at most 1.3x): "vs_encode_only" is
// the ratio. `bench_export --save FILE` writes the project for measuring the memory of
// `morvaine --export big.jpg FILE`.

#include "output_bench_project.h"

#include "model/project_file.h"
#include "output/picture_export.h"
#include "output/print_pages.h"
#include "output/project_pages.h"
#include "views/canvas.h"
#include "views/fonts.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <jpeglib.h>

using namespace morvaine;

namespace {

const int Tasks = 3800;
const int SpanDays = 45;

QString OutputPath()
{
    return QDir::temp().filePath(QStringLiteral("morvaine_bench_export.jpg"));
}

// The picture drawn whole, with the painters the export uses.
QImage WholePicture(Project &project, Host &host)
{
    const GridGeometry grid = DefaultGridGeometry();
    const int chartColumns = CountChartColumns(project);
    const QSize size = PictureSize(grid, project.LastTaskRow, chartColumns);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    ProjectCells cells(project, host);
    cells.prepareRows(0, project.LastTaskRow);
    QPainter painter(&image);
    Canvas canvas(painter);
    for (int row = 0; row <= project.LastTaskRow; ++row) {
        int left = 0;
        for (int column = 0; column <= grid.lastPrintedColumn(); ++column) {
            if (grid.columnWidths[column] == 0)
                continue;
            cells.drawTableCell(column, row, canvas,
                                QRect(left, row * 17, grid.columnWidths[column], 17));
            left += grid.columnWidths[column];
        }
        for (int column = 0; column < chartColumns; ++column)
            cells.drawChartCell(column, row, canvas, QRect(left + 60 * column, row * 17, 60, 17));
    }
    return image;
}

// Plain libjpeg: quality 100, defaults otherwise, to a file, from the pixels in memory.
void EncodeWithLibjpeg(const QImage &image, const QString &path)
{
    FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

double g_encodeSeconds = 0;

void BM_EncodeOnly(benchmark::State &state)
{
    QuietHost host;
    const auto project = MakeOutputProject(Tasks, SpanDays, host);
    const QImage image = WholePicture(*project, host);
    state.counters["megapixels"] = double(image.width()) * image.height() / 1e6;
    const double began = ThreadSeconds();
    for (auto _ : state)
        EncodeWithLibjpeg(image, OutputPath());
    g_encodeSeconds = (ThreadSeconds() - began) / double(state.iterations());
    state.counters["cpu_s"] = g_encodeSeconds;
}

void BM_ExportPicture(benchmark::State &state)
{
    QuietHost host;
    const auto project = MakeOutputProject(Tasks, SpanDays, host);
    ProjectCells cells(*project, host);
    const double began = ThreadSeconds();
    for (auto _ : state) {
        if (!ExportPicture(*project, DefaultGridGeometry(), cells, OutputPath(), host))
            state.SkipWithError("export failed");
    }
    const double seconds = (ThreadSeconds() - began) / double(state.iterations());
    state.counters["cpu_s"] = seconds;
    if (g_encodeSeconds > 0)
        state.counters["vs_encode_only"] = seconds / g_encodeSeconds;
}

} // namespace

BENCHMARK(BM_EncodeOnly)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ExportPicture)->Unit(benchmark::kMillisecond)->Iterations(2);

// Fonts need a QGuiApplication, which benchmark's own main would not make.
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    InstallFontSubstitutions();
    if (argc == 3 && QByteArray(argv[1]) == "--save") {
        QuietHost host;
        const auto project = MakeOutputProject(Tasks, SpanDays, host);
        struct SaveHost : QuietHost {
            QString path;
            QString AskSaveFileName() override { return path; }
        } saver;
        saver.path = QString::fromLocal8Bit(argv[2]);
        SaveProject(*project, saver, QStringLiteral("SaveAs"));
        return saver.errors == 0 ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QFile::remove(OutputPath());
    return 0;
}
