#include "output/print_pages.h"

#include "output/project_pages.h"
#include "views/canvas.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace morvaine {

namespace {

// The task grid's width in a freshly opened main window: the splitter's left pane less
// the grid's frame.
constexpr int DefaultGridClientWidth = 527;

} // namespace

PageSetup DevicePageSetup(const QPaintDevice &device, int screenPpi, const GridGeometry &grid)
{
    PageSetup setup;
    setup.dpi = device.logicalDpiX();
    setup.pageWidth = device.width();
    setup.pageHeight = device.height();
    setup.screenPpi = screenPpi;
    setup.grid = grid;
    return setup;
}

int FullyVisibleColumns(const GridGeometry &grid, int clientWidth)
{
    int right = grid.columnWidths[0];
    int count = 0;
    for (int column = 1; column < int(grid.columnWidths.size()); ++column) {
        right += grid.columnWidths[column];
        if (right > clientWidth)
            break;
        ++count;
    }
    return count;
}

GridGeometry DefaultGridGeometry()
{
    GridGeometry grid;
    grid.visibleColumns = FullyVisibleColumns(grid, DefaultGridClientWidth);
    return grid;
}

bool PrintPages(QPagedPaintDevice &device, ProjectPages &pages, int first, int last,
                const std::function<bool()> &failed)
{
    if (first > last)
        return true;
    // One layout for the whole job: the project is laid out once, not once per page.
    const Pagination layout = pages.layout();
    const PageSetup &setup = layout.setup();
    const QRect target(0, 0, setup.pageWidth, setup.pageHeight);
    // The rows of every page are completed before the first is drawn: the chart's
    // painters then see one final project for the whole job.
    pages.prepare(layout, first, last);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // A PDF would store the chart's cell pictures as lossy JPEG otherwise.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    Canvas canvas(painter);
    // Thousands of chart cells look alike: each distinct picture is kept for the whole
    // job, so a PDF stores it once.
    SharedPictures pictures;
    for (int n = first; n <= last; ++n) {
        pages.DrawPage(layout, n, canvas, target, setup.pixelRatio(), &pictures);
        if (failed && failed())
            return false; // the pages left would only fail too
        if (n != last && !device.newPage())
            return false;
    }
    return painter.end() && !(failed && failed());
}

bool ExportPdf(Project &project, Host &host, const GridGeometry &grid, const QString &path,
               const QString &title)
{
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    // Writes on a full disk fail at once, but drawing the rest would still take long:
    // after each page, the bytes so far are pushed to the file and checked.
    const auto failed = [&file] { return !file.flush() || file.error() != QFileDevice::NoError; };
    if (written) {
        QPdfWriter pdf(&file);
        pdf.setResolution(600);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Morvaine"));
        ProjectPages pages(project, host, [&] { return DevicePageSetup(pdf, 96, grid); });
        written = PrintPages(pdf, pages, 1, pages.CountPages(), failed);
    }
    if (!written || !file.commit()) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : QString();
        file.cancelWriting();
        host.MessageBox(
            QCoreApplication::translate("Messages", "Error"),
            QCoreApplication::translate("Export", "Cannot write the file '%1'.").arg(path) +
                (reason.isEmpty() ? QString() : QLatin1Char('\n') + reason),
            MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    return true;
}

} // namespace morvaine
