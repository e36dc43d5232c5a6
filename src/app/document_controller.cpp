#include "document_controller.h"

#include "command_actions.h"
#include "edit/cell_editing.h"
#include "edit/command_guard.h"
#include "edit/foreign_dates.h"
#include "exchange/ms_project_xml.h"
#include "file_association.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "task_grid.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace morvaine {

namespace {

const QStringList &projectFileFilters()
{
    static const QStringList filters = {
        QCoreApplication::translate("morvaine::DocumentController", "Morvaine Files (*.mrv)"),
        QCoreApplication::translate("morvaine::DocumentController", "All Files (*)")};
    return filters;
}

// Open reads MS Project XML as well; its filter comes after the project's own.
const QStringList &openFileFilters()
{
    static const QStringList filters =
        projectFileFilters() + QStringList{QCoreApplication::translate(
                                   "morvaine::DocumentController", "MS Project XML (*.xml)")};
    return filters;
}

} // namespace

DocumentController::DocumentController(Project &project, Host &host, TaskGrid *grid,
                                       QWidget *window, CommandActions &actions,
                                       const QStringList &parameters)
    : QObject(window), m_project(project), m_host(host), m_taskGrid(grid), m_window(window),
      m_parameters(parameters)
{
    actions.bind("New1", this, &DocumentController::onNew);
    actions.bind("Load1", this, &DocumentController::onOpen);
    actions.bind("Save1", this, &DocumentController::onSave);
    actions.bind("SaveAs1", this, &DocumentController::onSaveAs);
    actions.bind("Exit1", this, &DocumentController::onExit);
}

QString DocumentController::startFilePath() const
{
    return m_parameters.isEmpty() ? QString()
                                  : QFileInfo(m_parameters.constFirst()).absoluteFilePath();
}

void DocumentController::openStartFile(bool recovered)
{
    if (recovered) {
        emit documentReplaced(m_project.settings().hasFileName() ? m_project.settings().fileName()
                                                                 : QString());
        startTypingAtFirstCell();
    }
    if (!m_parameters.isEmpty()) {
        if (!recovered) {
            const QString path = startFilePath();
            RunCommand(m_host, [this, path] { load(path); });
            startTypingAtFirstCell();
        }
        return;
    }
    RunCommand(m_host,
               [] { RegisterFileType(QCoreApplication::applicationFilePath(), UserDataHome()); });
}

void DocumentController::startTypingAtFirstCell()
{
    m_host.SelectCell(ColTask, 1);
    // The cell may have been current already, its text now the opened file's.
    RetrackCell(m_project);
    m_taskGrid->setFocus();
}

bool DocumentController::confirmClose()
{
    m_taskGrid->finishEditing();
    return askToSaveChanges(Closing::Program);
}

bool DocumentController::askToSaveChanges(Closing closing)
{
    if (!m_project.settings().isModified())
        return true;
    // The question says what is about to happen to the project.
    QString question = tr("Save changes in the project before closing the program?");
    switch (closing) {
    case Closing::Program:
        break;
    case Closing::ForNew:
        question = tr("Save changes in the project before starting a new project?");
        break;
    case Closing::ForOpen:
        question = tr("Save changes in the project before opening another file?");
        break;
    case Closing::ForImport:
        question = tr("Save changes in the project before importing an MS Project XML file?");
        break;
    }
    switch (m_host.MessageBox(tr("Confirm"), question, MsgIcon::Warning, MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes:
        // The command goes on whatever became of the save.
        RunCommand(m_host, [this] { onSave(); });
        return true;
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

QString DocumentController::askSaveFileName()
{
    QFileDialog dialog(m_window, tr("Save As"));
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(projectFileFilters());
    dialog.setDefaultSuffix(QStringLiteral("mrv"));
    // Choosing a file that exists asks the dialog's own question before replacing it.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString DocumentController::askOpenFileName()
{
    QFileDialog dialog(m_window, tr("Open"));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(openFileFilters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void DocumentController::load(const QString &path)
{
    // Told apart by content, not by name: an MS Project XML file is imported.
    if (IsMsProjectXml(path)) {
        ImportMsProjectXml(m_project, m_host, path);
        CutCellsToProjectFile(m_project, m_host);
    } else {
        LoadProject(m_project, m_host, path);
        AdoptForeignDates(m_project, m_host);
    }
    // A file that could not be read leaves the project without a file name.
    const SettingsBlock settings = m_project.settings();
    emit documentReplaced(settings.hasFileName() ? settings.fileName() : QString());
}

void DocumentController::saved()
{
    const SettingsBlock settings = m_project.settings();
    if (settings.hasFileName() && !settings.isModified())
        emit documentSaved(settings.fileName());
}

void DocumentController::openFile(const QString &path)
{
    m_taskGrid->finishEditing();
    if (!askToSaveChanges(Closing::ForOpen))
        return;
    ClearProject(m_project, true);
    InitNewProject(m_project, m_host);
    m_host.SelectCell(ColTask, 1);
    load(path);
    startTypingAtFirstCell();
}

void DocumentController::onNew()
{
    m_taskGrid->finishEditing();
    if (!askToSaveChanges(Closing::ForNew))
        return;
    // A cell typed into but not yet left has not raised LastTaskRow; it belongs to
    // the old project as well.
    m_project.LastTaskRow = qMax(m_project.LastTaskRow, m_host.CurrentRow());
    ClearProject(m_project, false);
    InitNewProject(m_project, m_host);
    emit documentReplaced(QString());
    startTypingAtFirstCell();
    m_host.RepaintChart();
}

void DocumentController::onOpen()
{
    m_taskGrid->finishEditing();
    if (!askToSaveChanges(Closing::ForOpen))
        return;
    // A cancelled dialog leaves the project as it was; only a chosen file replaces it.
    const QString path = askOpenFileName();
    if (path.isEmpty())
        return;
    ClearProject(m_project, true);
    InitNewProject(m_project, m_host);
    m_host.SelectCell(ColTask, 1);
    load(path);
    startTypingAtFirstCell();
}

void DocumentController::onSave()
{
    // The file holds what the window shows, a cell still being typed into included.
    m_taskGrid->finishEditing();
    SaveProject(m_project, m_host,
                m_project.settings().hasFileName() ? QStringLiteral("Save")
                                                   : QStringLiteral("SaveAs"));
    saved();
}

void DocumentController::onSaveAs()
{
    m_taskGrid->finishEditing();
    SaveProject(m_project, m_host, QStringLiteral("SaveAs"));
    saved();
}

void DocumentController::onExit()
{
    m_window->close();
}

} // namespace morvaine
