#pragma once
// The output commands: printer setup, print preview, printing and picture export. The
// controller owns the printer pages go to (a PDF file where no printer is installed),
// the page margins and the preview window.

#include "model/host.h"
#include "model/project.h"
#include "output/pagination.h"

#include <QMarginsF>
#include <QObject>

#include <memory>

class QWidget;

namespace morvaine {

class CommandActions;
class PagePrinter;
class PreviewWindow;
class ProjectCells;
class ProjectPages;
class TaskGrid;

class OutputController : public QObject {
    Q_OBJECT
public:
    /// Asks for the system's default printer and creates the preview window over window;
    /// pages are laid out from taskGrid as it shows the task table.
    OutputController(Project &project, Host &host, QWidget *window, TaskGrid *taskGrid,
                     CommandActions &actions);
    ~OutputController() override;

    /// The printer pages go to.
    PagePrinter *pagePrinter() const { return m_pagePrinter.get(); }
    /// Whether not even a PDF file can be printed to.
    bool printerFailed() const { return m_printerFailed; }
    /// Page margins in millimetres.
    QMarginsF pageMargins() const { return m_pageMargins; }
    void setPageMargins(const QMarginsF &margins) { m_pageMargins = margins; }
    /// The print preview window.
    PreviewWindow *previewWindow() const { return m_preview; }
    /// The printed pages as the printer and the grid stand now.
    ProjectPages &pages() const { return *m_pages; }
    /// The page setup of the printer for the grid as shown now.
    PageSetup pageSetup() const;

    /// Print...: the print dialog with pages 1 to CountPages, then the chosen pages.
    void onPrint();
    /// Print Setup...: the printer setup dialog.
    void onPrintSetup();
    /// Print Preview: the preview window, modally, unless the printer failed.
    void onPreview();
    /// Export: asks for a file and writes the table and chart as one JPEG picture.
    void onExport();

private:
    Project &m_project;
    Host &m_host;
    QWidget *m_window;
    TaskGrid *m_taskGrid;
    std::unique_ptr<PagePrinter> m_pagePrinter;
    bool m_printerFailed = false;
    QMarginsF m_pageMargins{10, 10, 10, 10};
    std::unique_ptr<ProjectPages> m_pages;
    std::unique_ptr<ProjectCells> m_pictureCells;
    PreviewWindow *m_preview;
};

} // namespace morvaine
