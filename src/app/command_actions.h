#pragma once
// The actions of the command table: one QAction per command, shared by its menu item
// and tool button, and the handlers the controllers bind to them. Every handler runs
// as one user command inside the command guard.

#include "model/host.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>

class QAction;
class QMenu;
class QToolBar;

namespace morvaine {

class CommandActions : public QObject {
    Q_OBJECT
public:
    /// Makes one action per row of the command table; the errors of the commands are
    /// shown through prompts.
    CommandActions(Prompts &prompts, QObject *parent);

    /// The action of a command id ("New1", "Scale2"); null for an unknown id.
    QAction *action(const QString &id) const;

    /// Runs handler, as one user command, each time the command is chosen.
    void bind(const char *id, std::function<void()> handler);
    template <typename Receiver>
    void bind(const char *id, Receiver *receiver, void (Receiver::*handler)())
    {
        bind(id, [receiver, handler] { (receiver->*handler)(); });
    }
    /// Whether a handler is bound to the command.
    bool isBound(const QString &id) const { return m_bound.contains(id); }

    /// Appends the commands of a list of ids to a menu; a default row becomes the
    /// menu's default item, drawn bold.
    void fillMenu(QMenu *menu, const QList<const char *> &ids) const;
    /// Appends the commands of a list of ids to a tool bar as 36 x 36 flat buttons named
    /// after the command's tool button.
    void fillToolBar(QToolBar *bar, const QList<const char *> &ids) const;

private:
    Prompts &m_prompts;
    QHash<QString, QAction *> m_actions;
    QSet<QString> m_bound;
};

} // namespace morvaine
