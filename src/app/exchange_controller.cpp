#include "exchange_controller.h"

#include "command_actions.h"
#include "document_controller.h"
#include "exchange/ms_project_xml.h"
#include "model/project_file.h"
#include "task_grid.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace morvaine {

namespace {

const QStringList &xmlFileFilters()
{
    static const QStringList filters = {
        QCoreApplication::translate("morvaine::ExchangeController", "MS Project XML (*.xml)"),
        QCoreApplication::translate("morvaine::ExchangeController", "All Files (*)")};
    return filters;
}

} // namespace

ExchangeController::ExchangeController(Project &project, Host &host, TaskGrid *grid,
                                       DocumentController &documents, QWidget *window,
                                       CommandActions &actions)
    : QObject(window), m_project(project), m_host(host), m_taskGrid(grid), m_documents(documents),
      m_window(window)
{
    actions.bind("ImportMsProjectXml1", this, &ExchangeController::onImport);
    actions.bind("ExportMsProjectXml1", this, &ExchangeController::onExport);
}

QString ExchangeController::askImportFileName()
{
    QFileDialog dialog(m_window, tr("Import MS Project XML"));
    dialog.setObjectName(QStringLiteral("ImportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(xmlFileFilters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString ExchangeController::askExportFileName()
{
    QFileDialog dialog(m_window, tr("Export MS Project XML"));
    dialog.setObjectName(QStringLiteral("ExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(xmlFileFilters());
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    // An existing file is only replaced after the dialog's own question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void ExchangeController::onImport()
{
    m_taskGrid->finishEditing();
    if (!m_documents.askToSaveChanges(DocumentController::Closing::ForImport))
        return;
    const QString path = askImportFileName();
    if (path.isEmpty())
        return;
    // A file that cannot be read leaves the project as it was; either way the user
    // goes on typing at the first cell.
    ImportMsProjectXml(m_project, m_host, path);
    CutCellsToProjectFile(m_project, m_host);
    m_documents.startTypingAtFirstCell();
    m_host.RepaintChart();
}

void ExchangeController::onExport()
{
    m_taskGrid->finishEditing();
    const QString path = askExportFileName();
    if (!path.isEmpty())
        ExportMsProjectXml(m_project, m_host, path);
}

} // namespace morvaine
