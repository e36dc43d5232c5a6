#pragma once
// The document commands: New, Open (of project files and MS Project XML), Save, Save As
// and Exit, the question about unsaved changes before a project is closed, and the file
// named on the command line.

#include "model/host.h"
#include "model/project.h"

#include <QObject>
#include <QStringList>

namespace morvaine {

class CommandActions;
class TaskGrid;

class DocumentController : public QObject {
    Q_OBJECT
public:
    /// parameters: the command-line parameters after the program name; the first,
    /// when present, is the project file opened at start.
    DocumentController(Project &project, Host &host, TaskGrid *grid, QWidget *window,
                       CommandActions &actions, const QStringList &parameters);

    /// The command-line file made absolute; empty when the program started without one.
    QString startFilePath() const;
    /// Opens the command-line file, or registers the file type when there is none. A
    /// project recovered at start is kept instead of the file.
    void openStartFile(bool recovered = false);
    /// Opens the project file at path after the unsaved-changes question (a recent file).
    void openFile(const QString &path);
    /// Selects row 1, column 1 and gives the grid the keyboard focus, so the user types
    /// at once; whatever a file put there counts as the cell's own text.
    void startTypingAtFirstCell();
    /// Asks about unsaved changes before the window closes; false keeps it open.
    bool confirmClose();
    /// What is about to replace or close the project, as the unsaved-changes question
    /// names it.
    enum class Closing { Program, ForNew, ForOpen, ForImport };
    /// When the project has unsaved changes, asks whether to save them before what is
    /// about to happen (Yes saves). Returns false when the user cancels.
    bool askToSaveChanges(Closing closing);
    /// Asks for a project file to save to; empty when the user cancels.
    QString askSaveFileName();
    /// Asks for a project file to open; empty when the user cancels.
    QString askOpenFileName();

    /// New: after the unsaved-changes question, an empty new project.
    void onNew();
    /// Open: asks for a file; once one is chosen, closes the project and reads it.
    void onOpen();
    /// Save: overwrites the project's file, or asks for one when it has none.
    void onSave();
    /// Save As: asks for a file and writes the project to it.
    void onSaveAs();
    /// Exit: closes the window, which asks about unsaved changes.
    void onExit();

signals:
    /// The project was replaced by a new one (path empty) or by the file at path.
    void documentReplaced(const QString &path);
    /// The project was saved to path.
    void documentSaved(const QString &path);

private:
    /// Reads path into the new project the window holds: an MS Project XML document
    /// (known by its content) is imported, any other file is read as a project file,
    /// whose dates written under another short date format are taken over.
    void load(const QString &path);
    /// Tells the listeners of a save that worked.
    void saved();

    Project &m_project;
    Host &m_host;
    TaskGrid *m_taskGrid;
    QWidget *m_window;
    QStringList m_parameters;
};

} // namespace morvaine
