#include "document_controller.h"

#include "command_actions.h"
#include "edit/cell_editing.h"
#include "edit/command_guard.h"
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
    static const QStringList filters = {QStringLiteral("Morvaine Files (*.mrv)"),
                                        QStringLiteral("All Files (*)")};
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

void DocumentController::openStartFile()
{
    if (!m_parameters.isEmpty()) {
        const QString path = QFileInfo(m_parameters.constFirst()).absoluteFilePath();
        RunCommand(m_host, [this, path] { LoadProject(m_project, m_host, path); });
        startTypingAtFirstCell();
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
    return askToSaveChanges();
}

bool DocumentController::askToSaveChanges()
{
    if (!m_project.settings().isModified())
        return true;
    switch (
        m_host.MessageBox(QStringLiteral("Confirm"),
                          QStringLiteral("Save changes in the project before closing the program?"),
                          MsgIcon::Warning, MsgButtons::YesNoCancel)) {
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
    QFileDialog dialog(m_window, QStringLiteral("Save As"));
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(projectFileFilters());
    dialog.setDefaultSuffix(QStringLiteral("mrv"));
    // The file is replaced without asking, as saving promises.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString DocumentController::askOpenFileName()
{
    QFileDialog dialog(m_window, QStringLiteral("Open"));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(projectFileFilters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void DocumentController::onNew()
{
    m_taskGrid->finishEditing();
    if (!askToSaveChanges())
        return;
    // A cell typed into but not yet left has not raised LastTaskRow; it belongs to
    // the old project as well.
    m_project.LastTaskRow = qMax(m_project.LastTaskRow, m_host.CurrentRow());
    ClearProject(m_project, false);
    InitNewProject(m_project, m_host);
    startTypingAtFirstCell();
    m_host.RepaintChart();
}

void DocumentController::onOpen()
{
    m_taskGrid->finishEditing();
    if (!askToSaveChanges())
        return;
    // The current project is closed before the file dialog shows.
    ClearProject(m_project, true);
    InitNewProject(m_project, m_host);
    m_host.SelectCell(ColTask, 1);
    const QString path = askOpenFileName();
    if (!path.isEmpty())
        LoadProject(m_project, m_host, path);
    startTypingAtFirstCell();
}

void DocumentController::onSave()
{
    SaveProject(m_project, m_host,
                m_project.settings().hasFileName() ? QStringLiteral("Save")
                                                   : QStringLiteral("SaveAs"));
}

void DocumentController::onSaveAs()
{
    SaveProject(m_project, m_host, QStringLiteral("SaveAs"));
}

void DocumentController::onExit()
{
    m_window->close();
}

} // namespace morvaine
