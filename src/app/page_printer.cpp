#include "page_printer.h"

#include "gantt_chart.h"
#include "output/print_pages.h"
#include "task_grid.h"

#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QScreen>

namespace morvaine {

PagePrinter::PagePrinter() : QPrinter(QPrinter::HighResolution)
{
    if (printerName().isEmpty()) {
        // No printer installed: pages go to a PDF file the print dialog lets the user name.
        setOutputFormat(QPrinter::PdfFormat);
        setResolution(600);
        setOutputFileName(QDir::home().filePath(QStringLiteral("Morvaine.pdf")));
    }
}

GridGeometry ScreenGridGeometry(const TaskGrid &taskGrid)
{
    GridGeometry grid;
    for (int column = 0; column < int(grid.columnWidths.size()); ++column)
        grid.columnWidths[column] =
            column == 0 ? taskGrid.verticalHeader()->width()
                        : (taskGrid.isColumnHidden(column) ? 0 : taskGrid.columnWidth(column));
    // Counted from the leftmost column scrolled in, as the grid shows them now.
    const int first = qMax(1, taskGrid.columnAt(0));
    const int clientWidth = taskGrid.viewport()->width();
    int right = taskGrid.columnViewportPosition(first);
    int visible = 0;
    for (int column = first; column < int(grid.columnWidths.size()); ++column) {
        right += grid.columnWidths[column];
        if (right > clientWidth)
            break;
        ++visible;
    }
    grid.visibleColumns = visible;
    grid.rowHeight = TaskGrid::RowHeight;
    grid.chartColumnWidth = GanttChart::ColumnWidth;
    grid.chartRowHeight = GanttChart::RowHeight;
    return grid;
}

PageSetup PrinterPageSetup(const QPrinter &printer, const TaskGrid &taskGrid)
{
    const QScreen *screen =
        taskGrid.screen() ? taskGrid.screen() : QGuiApplication::primaryScreen();
    const int ppi = screen ? qRound(screen->logicalDotsPerInchX()) : 96;
    return DevicePageSetup(printer, ppi, ScreenGridGeometry(taskGrid));
}

bool AskPagesToPrint(QPrinter &printer, QWidget *parent, int pageCount, int &first, int &last)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, pageCount);
    printer.setFromTo(1, pageCount);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    first = 1;
    last = pageCount;
    if (printer.printRange() == QPrinter::PageRange) {
        first = printer.fromPage();
        last = printer.toPage();
    }
    return true;
}

bool AskPrinterSetup(QPrinter &printer, QWidget *parent)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace morvaine
