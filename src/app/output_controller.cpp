#include "output_controller.h"

#include "command_actions.h"
#include "dialogs/preview_window.h"
#include "edit/command_guard.h"
#include "output/picture_export.h"
#include "output/print_pages.h"
#include "output/project_pages.h"
#include "page_printer.h"
#include "task_grid.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace morvaine {

namespace {

QString PrinterError()
{
    return QCoreApplication::translate("morvaine::OutputController",
                                       "Printer error. Set up the printer, please.");
}

} // namespace

OutputController::OutputController(Project &project, Host &host, QWidget *window,
                                   TaskGrid *taskGrid, CommandActions &actions)
    : QObject(window), m_project(project), m_host(host), m_window(window), m_taskGrid(taskGrid),
      m_pagePrinter(std::make_unique<PagePrinter>()),
      m_pages(std::make_unique<ProjectPages>(project, host, [this] { return pageSetup(); })),
      m_pictureCells(std::make_unique<ProjectCells>(project, host)),
      m_preview(new PreviewWindow(*m_pages, host, window))
{
    m_printerFailed = m_pagePrinter->failed();
    actions.bind("Export1", this, &OutputController::onExport);
    actions.bind("Printsetup1", this, &OutputController::onPrintSetup);
    actions.bind("Preview1", this, &OutputController::onPreview);
    actions.bind("Print1", this, &OutputController::onPrint);
    // The preview's own buttons run the same commands, each as one user command.
    connect(m_preview, &PreviewWindow::printRequested, this,
            [this] { RunCommand(m_host, [this] { onPrint(); }); });
    connect(m_preview, &PreviewWindow::printSetupRequested, this,
            [this] { RunCommand(m_host, [this] { onPrintSetup(); }); });
}

OutputController::~OutputController()
{
    // The preview draws the pages, which go with this controller.
    delete m_preview;
}

PageSetup OutputController::pageSetup() const
{
    PageSetup setup = PrinterPageSetup(*m_pagePrinter, *m_taskGrid);
    setup.marginsMm = {int(m_pageMargins.left()), int(m_pageMargins.top()),
                       int(m_pageMargins.right()), int(m_pageMargins.bottom())};
    return setup;
}

void OutputController::onPrint()
{
    // Pages and pictures show a cell still being typed into as it will stay.
    m_taskGrid->finishEditing();
    int first = 1;
    int last = 1;
    if (!AskPagesToPrint(*m_pagePrinter, m_window, m_pages->CountPages(), first, last))
        return;
    m_pagePrinter->setDocName(m_window->windowTitle());
    if (!PrintPages(*m_pagePrinter, *m_pages, first, last))
        m_host.MessageBox(tr("Error"), PrinterError(), MsgIcon::Error, MsgButtons::Ok);
}

void OutputController::onPrintSetup()
{
    AskPrinterSetup(*m_pagePrinter, m_window);
}

void OutputController::onPreview()
{
    m_taskGrid->finishEditing();
    if (m_printerFailed) {
        m_host.MessageBox(tr("Error"), PrinterError(), MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    m_preview->execute();
}

void OutputController::onExport()
{
    m_taskGrid->finishEditing();
    QFileDialog dialog(nullptr, tr("Export"));
    dialog.setObjectName(QStringLiteral("SavePictureDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("All files (*.*)"), tr("JPEG Image File (*.jpg)")});
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    ExportPicture(m_project, ScreenGridGeometry(*m_taskGrid), *m_pictureCells,
                  PictureFileName(dialog.selectedFiles().constFirst()), m_host);
}

} // namespace morvaine
