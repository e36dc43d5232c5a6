#pragma once
// The MS Project XML commands of the File menu: Import reads a plan written by MS Project
// or another planner in place of the open project; Export writes the open project as
// such a document.

#include "model/host.h"
#include "model/project.h"

#include <QObject>

class QWidget;

namespace morvaine {

class CommandActions;
class DocumentController;
class TaskGrid;

class ExchangeController : public QObject {
    Q_OBJECT
public:
    /// documents asks about unsaved changes before an import replaces the project.
    ExchangeController(Project &project, Host &host, TaskGrid *grid, DocumentController &documents,
                       QWidget *window, CommandActions &actions);

    /// Asks for an MS Project XML file to import; empty when the user cancels.
    QString askImportFileName();
    /// Asks for the file to export to, confirming a replaced file; empty when the user
    /// cancels.
    QString askExportFileName();

    /// Import: after the unsaved-changes question, asks for a file and imports it.
    void onImport();
    /// Export: asks for a file and writes the project to it as MS Project XML.
    void onExport();

private:
    Project &m_project;
    Host &m_host;
    TaskGrid *m_taskGrid;
    DocumentController &m_documents;
    QWidget *m_window;
};

} // namespace morvaine
