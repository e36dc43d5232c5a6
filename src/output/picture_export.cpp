#include "output/picture_export.h"

#include "model/host.h"
#include "model/project.h"
#include "output/jpeg_writer.h"
#include "views/canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

#include <QCoreApplication>
#include <algorithm>

namespace morvaine {

namespace {

// About 1 MB of picture per band: a band is still in the processor's cache when it is
// encoded, and memory stays small beside the whole picture.
constexpr qint64 BandBytes = 1024 * 1024;

QString ExportError(const QString &code)
{
    return QCoreApplication::translate(
               "Export", "Error exporting the image to a file. Very large project. Zoom out the "
                         "Gantt chart and try again. Code #") +
           code;
}

void ShowError(Prompts &prompts, const QString &code)
{
    prompts.MessageBox(QCoreApplication::translate("Messages", "Error"), ExportError(code),
                       MsgIcon::Error, MsgButtons::Ok);
}

} // namespace

QSize PictureSize(const GridGeometry &grid, int lastTaskRow, int chartColumns)
{
    return QSize(grid.printedTableWidth() + grid.chartColumnWidth * std::max(0, chartColumns),
                 grid.rowHeight * (lastTaskRow + 1));
}

QString PictureFileName(const QString &chosen)
{
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + QStringLiteral(".jpg");
}

bool ExportPicture(const Project &project, const GridGeometry &grid, PageCellPainter &cells,
                   const QString &path, Prompts &prompts)
{
    const int chartColumns = CountChartColumns(project);
    const QSize size = PictureSize(grid, project.LastTaskRow, chartColumns);
    // The encoder's limit is known beforehand: refuse before drawing or allocating.
    if (size.width() > JpegWriter::maxDimension() || size.height() > JpegWriter::maxDimension()) {
        ShowError(prompts, QStringLiteral("0031"));
        return false;
    }

    const int rowsPerBand = int(std::clamp<qint64>(
        BandBytes / (qint64(size.width()) * 4 * grid.rowHeight), 1, project.LastTaskRow + 1));
    // The cells cover the band's whole width, so it needs no filling first.
    QImage band(size.width(), rowsPerBand * grid.rowHeight, QImage::Format_RGB32);
    if (band.isNull()) {
        ShowError(prompts, QStringLiteral("0030"));
        return false;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        ShowError(prompts, QStringLiteral("0031"));
        return false;
    }
    // Every row is completed before any is drawn, so the painters see one final project.
    cells.prepareRows(0, project.LastTaskRow);
    JpegWriter jpeg(file, size.width(), size.height(), 100);
    const int chartLeft = size.width() - grid.chartColumnWidth * chartColumns;
    for (int firstRow = 0; firstRow <= project.LastTaskRow && jpeg.ok(); firstRow += rowsPerBand) {
        const int lastRow = std::min(project.LastTaskRow, firstRow + rowsPerBand - 1);
        {
            QPainter painter(&band);
            Canvas canvas(painter);
            for (int row = firstRow; row <= lastRow; ++row) {
                const int top = (row - firstRow) * grid.rowHeight;
                int left = 0;
                for (int column = 0; column <= grid.lastPrintedColumn(); ++column) {
                    const int width = grid.columnWidths[column];
                    if (width == 0)
                        continue;
                    cells.drawTableCell(column, row, canvas,
                                        QRect(left, top, width, grid.rowHeight));
                    left += width;
                }
                for (int column = 0; column < chartColumns; ++column)
                    cells.drawChartCell(column, row, canvas,
                                        QRect(chartLeft + column * grid.chartColumnWidth, top,
                                              grid.chartColumnWidth, grid.chartRowHeight));
            }
        }
        jpeg.writeRows(band, (lastRow - firstRow + 1) * grid.rowHeight);
    }
    // The last bytes may still sit in the file's buffer: a full disk shows only when they
    // are flushed, which the commit alone would not tell.
    if (!jpeg.finish() || !file.flush() || !file.commit()) {
        // A file that could not be written says which and why below the numbered message.
        const QString reason = file.error() != QFileDevice::NoError
                                   ? QLatin1Char('\n') + QDir::toNativeSeparators(path) +
                                         QStringLiteral(": ") + file.errorString()
                                   : QString();
        file.cancelWriting();
        prompts.MessageBox(QCoreApplication::translate("Messages", "Error"),
                           ExportError(QStringLiteral("0031")) + reason, MsgIcon::Error,
                           MsgButtons::Ok);
        return false;
    }
    return true;
}

} // namespace morvaine
