#include "command_actions.h"

#include "command_table.h"
#include "edit/command_guard.h"
#include "widgets/icons.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <cstring>

namespace morvaine {

CommandActions::CommandActions(Prompts &prompts, QObject *parent)
    : QObject(parent), m_prompts(prompts)
{
    for (const CommandRow &row : CommandTable()) {
        const QString caption = QCoreApplication::translate("Commands", row.caption);
        auto *item = new QAction(caption, parent);
        item->setObjectName(QLatin1String(row.id));
        if (row.icon)
            item->setIcon(SvgIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(row.icon))));
        item->setToolTip(row.toolTip ? QCoreApplication::translate("Commands", row.toolTip)
                                     : caption);
        if (row.shortcuts)
            item->setShortcuts(QKeySequence::listFromString(QLatin1String(row.shortcuts),
                                                            QKeySequence::PortableText));
        item->setCheckable(row.checkable);
        if (row.isDefault) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
        item->setEnabled(!row.notBuiltYet);
        m_actions.insert(item->objectName(), item);
    }
}

QAction *CommandActions::action(const QString &id) const
{
    return m_actions.value(id);
}

void CommandActions::bind(const char *id, std::function<void()> handler)
{
    QAction *item = action(QLatin1String(id));
    if (!item) {
        qWarning("No command %s in the command table", id);
        return;
    }
    m_bound.insert(QLatin1String(id));
    // The caption without its dots names the command's step in the undo history.
    QString name = item->text();
    name.remove(QStringLiteral("...")).remove(QLatin1Char('&'));
    connect(item, &QAction::triggered, this,
            [this, name = name.trimmed(), handler = std::move(handler)] {
                RunCommand(m_prompts, [&] {
                    NameCommand(name);
                    handler();
                });
            });
}

void CommandActions::fillMenu(QMenu *menu, const QList<const char *> &ids) const
{
    for (const char *id : ids) {
        if (std::strcmp(id, Separator) == 0) {
            menu->addSeparator();
            continue;
        }
        QAction *item = action(QLatin1String(id));
        menu->addAction(item);
        if (FindCommand(id)->isDefault)
            menu->setDefaultAction(item);
    }
}

void CommandActions::fillToolBar(QToolBar *bar, const QList<const char *> &ids) const
{
    for (const char *id : ids) {
        if (std::strcmp(id, Separator) == 0) {
            bar->addSeparator();
            continue;
        }
        if (std::strcmp(id, RightEdge) == 0) {
            auto *spacer = new QWidget(bar);
            spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            bar->addWidget(spacer);
            continue;
        }
        QAction *item = action(QLatin1String(id));
        bar->addAction(item);
        QWidget *button = bar->widgetForAction(item);
        button->setObjectName(QLatin1String(FindCommand(id)->toolButton));
        button->setFixedSize(36, 36);
        if (auto *toolButton = qobject_cast<QToolButton *>(button))
            toolButton->setAutoRaise(true);
    }
}

} // namespace morvaine
