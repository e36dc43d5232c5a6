#pragma once
// Every command of the main window, listed once. A command's id is its component name
// ("New1", "Print1"): it stays the QAction's objectName, so that tests and tools find
// the command by it. The menus, the task grid's popup menu and the tool bar are lists
// of ids.
//
// Adding a command takes three steps: a row in the command table (command_table.cpp),
// its id in a menu list, the popup list or the tool-bar list, and a handler bound to
// the id in the constructor of its family's controller (CommandActions::bind). A row
// marked notBuiltYet shows greyed and needs no handler; one marked submenu opens a menu
// that its controller fills.

#include <QList>

#include <span>

namespace morvaine {

/// One command: what its menu item and tool button show and how it behaves.
struct CommandRow {
    const char *id;                   ///< component name, the action's objectName
    const char *caption;              ///< menu caption; empty for a picture-only button
    const char *icon = nullptr;       ///< picture ":/icons/<icon>.svg"; none without
    const char *toolTip = nullptr;    ///< tool tip; none: the caption
    const char *shortcuts = nullptr;  ///< portable key texts separated by "; " ("Ctrl+N")
    const char *toolButton = nullptr; ///< objectName of its tool button, on the tool bar
    bool checkable = false;           ///< carries a check mark or stays pressed
    bool isDefault = false;           ///< its menu's default item, drawn bold
    bool notBuiltYet = false;         ///< shown greyed until the command is built
    bool submenu = false;             ///< opens a submenu its controller fills
};

/// A top-level menu: its title (with the Alt+letter mnemonic after '&') and its items.
struct MenuLayout {
    const char *title;
    QList<const char *> items; ///< command ids; Separator between groups
};

/// The item that separates groups in a menu or on the tool bar.
inline constexpr const char *Separator = "-";
/// On the tool bar: the buttons after it keep to the right edge.
inline constexpr const char *RightEdge = ">";

/// Every command, each once, in the order the menus first show them.
std::span<const CommandRow> CommandTable();
/// The row of a command id; null for an unknown id.
const CommandRow *FindCommand(const char *id);

/// The main menu bar, left to right.
const QList<MenuLayout> &MainMenuLayout();
/// The task grid's popup menu.
const QList<const char *> &PopupMenuLayout();
/// The tool bar, left to right.
const QList<const char *> &ToolBarLayout();

} // namespace morvaine
