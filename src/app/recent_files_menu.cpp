#include "recent_files_menu.h"

#include "command_actions.h"
#include "document_controller.h"
#include "edit/command_guard.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace morvaine {

RecentFilesMenu::RecentFilesMenu(Host &host, DocumentController &documents, CommandActions &actions,
                                 QObject *parent)
    : QObject(parent), m_host(host), m_documents(documents),
      m_action(actions.action(QStringLiteral("RecentFiles1"))),
      m_menu(new QMenu(qobject_cast<QWidget *>(parent)))
{
    m_menu->setObjectName(QStringLiteral("RecentFilesMenu"));
    m_action->setMenu(m_menu);
    connect(m_menu, &QMenu::aboutToShow, this, &RecentFilesMenu::rebuild);
    connect(&documents, &DocumentController::documentReplaced, this, &RecentFilesMenu::remember);
    connect(&documents, &DocumentController::documentSaved, this, &RecentFilesMenu::remember);
    rebuild();
}

void RecentFilesMenu::remember(const QString &path)
{
    if (path.isEmpty())
        return;
    m_files.add(path);
    rebuild();
}

void RecentFilesMenu::open(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        m_files.remove(path);
        rebuild();
        m_host.MessageBox(tr("Warning"),
                          tr("The file %1 no longer exists. It has been taken off "
                             "the recent files.")
                              .arg(QDir::toNativeSeparators(path)),
                          MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    m_documents.openFile(path);
}

void RecentFilesMenu::rebuild()
{
    m_menu->clear();
    const QStringList files = m_files.files();
    m_action->setEnabled(!files.isEmpty());
    int number = 0;
    for (const QString &path : files) {
        // "&1 /home/ann/house.mrv": the number is the item's mnemonic.
        QAction *item = m_menu->addAction(
            QStringLiteral("&%1 %2").arg(++number).arg(QDir::toNativeSeparators(path)));
        item->setEnabled(QFileInfo(path).isFile());
        connect(item, &QAction::triggered, this, [this, path] {
            RunCommand(m_host, [&] {
                NameCommand(tr("Open"));
                open(path);
            });
        });
    }
}

} // namespace morvaine
