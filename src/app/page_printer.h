#pragma once
// The printer pages go to, its dialogs, and the on-screen grids as printing reads them.

#include "output/pagination.h"

#include <QPrinter>

#include <memory>

class QWidget;

namespace morvaine {

class TaskGrid;

/// PagePrinter: the system's default printer, or, where no printer is installed, a
/// PDF file at 600 dpi, so that preview and print to a file always work.
class PagePrinter : public QPrinter {
public:
    PagePrinter();
    /// True when not even a PDF file can be printed to (PrinterFailed).
    bool failed() const { return !isValid(); }
};

/// The task grid's visible columns and widths and the chart's cell size, as they are now.
GridGeometry ScreenGridGeometry(const TaskGrid &taskGrid);

/// The page setup of printer for the grids as shown, at the screen's resolution.
PageSetup PrinterPageSetup(const QPrinter &printer, const TaskGrid &taskGrid);

/// The print dialog with its page range 1..pageCount. When confirmed, first and last
/// hold the pages to print (all of them unless a range was chosen); false when cancelled.
bool AskPagesToPrint(QPrinter &printer, QWidget *parent, int pageCount, int &first, int &last);

/// The printer setup dialog; false when cancelled.
bool AskPrinterSetup(QPrinter &printer, QWidget *parent);

} // namespace morvaine
