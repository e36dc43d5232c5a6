#pragma once
// File > Recent Files: the projects opened or saved last, newest first. A file that is
// gone is shown greyed; one that went while the menu was open is taken off the list
// with a message when chosen.

#include "edit/recent_files.h"
#include "model/host.h"

#include <QObject>

class QAction;
class QMenu;

namespace morvaine {

class CommandActions;
class DocumentController;

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    RecentFilesMenu(Host &host, DocumentController &documents, CommandActions &actions,
                    QObject *parent);

    /// The submenu under File > Recent Files.
    QMenu *menu() const { return m_menu; }
    /// Puts path at the top of the list.
    void remember(const QString &path);
    /// Opens the recent file at path, or takes it off the list when it is gone.
    void open(const QString &path);

private:
    void rebuild();

    Host &m_host;
    DocumentController &m_documents;
    RecentFiles m_files;
    QAction *m_action;
    QMenu *m_menu;
};

} // namespace morvaine
