#include "command_table.h"

#include <cstring>

namespace morvaine {

namespace {

// The rows follow the menus from left to right and each menu from top to bottom;
// the tool bar and the popup menu pick their ids from the same rows.
constexpr CommandRow Commands[] = {
    // File
    {.id = "New1",
     .caption = QT_TRANSLATE_NOOP("Commands", "New..."),
     .icon = "new",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "New"),
     .shortcuts = "Ctrl+N",
     .toolButton = "ButtonNew"},
    {.id = "Load1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Open..."),
     .icon = "open",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "Open"),
     .shortcuts = "Ctrl+O",
     .toolButton = "ButtonLoad",
     .isDefault = true},
    {.id = "Save1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Save..."),
     .icon = "save",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "Save"),
     .shortcuts = "Ctrl+S",
     .toolButton = "ButtonSave"},
    {.id = "SaveAs1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Save As..."),
     .icon = "save_as",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "Save As"),
     .toolButton = "ButtonSaveAs"},
    {.id = "RecentFiles1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Recent Files"),
     .submenu = true},
    {.id = "Export1", .caption = QT_TRANSLATE_NOOP("Commands", "Export"), .icon = "export"},
    {.id = "Printsetup1", .caption = QT_TRANSLATE_NOOP("Commands", "Print Setup...")},
    {.id = "Preview1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Print Preview"),
     .icon = "preview",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "Preview"),
     .toolButton = "ButtonPreview"},
    {.id = "Print1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Print..."),
     .icon = "print",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "Print"),
     .shortcuts = "Ctrl+P",
     .toolButton = "ButtonPrint"},
    {.id = "ImportMsProjectXml1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Import MS Project XML...")},
    {.id = "ExportMsProjectXml1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Export MS Project XML...")},
    {.id = "Exit1", .caption = QT_TRANSLATE_NOOP("Commands", "Exit")},
    // Edit
    {.id = "Undo1", .caption = QT_TRANSLATE_NOOP("Commands", "Undo"), .shortcuts = "Ctrl+Z"},
    {.id = "Redo1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Redo"),
     .shortcuts = "Ctrl+Shift+Z; Ctrl+Y"},
    // View
    {.id = "GanttZoomIn1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Gantt Zoom In"),
     .icon = "zoom_in"},
    {.id = "GanttZoomOut1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Gantt Zoom Out"),
     .icon = "zoom_out"},
    // Task
    {.id = "InsertNewTask1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Insert New Task"),
     .icon = "insert_task",
     .shortcuts = "Ctrl+Ins",
     .isDefault = true},
    {.id = "DeleteTask1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Delete Task"),
     .icon = "delete_task",
     .shortcuts = "Ctrl+Del"},
    {.id = "Outdent1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Outdent"),
     .icon = "outdent",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "Outdent"),
     .toolButton = "ButtonLevelUp"},
    {.id = "Indent1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Indent"),
     .icon = "indent",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "Indent"),
     .toolButton = "ButtonLevelDown"},
    // Tools
    {.id = "Resource1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Resource..."),
     .icon = "resource",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "Resource"),
     .shortcuts = "Ctrl+R",
     .toolButton = "ButtonResource",
     .isDefault = true},
    {.id = "CriticalPath1",
     .caption = QT_TRANSLATE_NOOP("Commands", " Critical Path"),
     .icon = "critical_path_off",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "Critical Path On/Off"),
     .toolButton = "ButtonCriticalPath",
     .checkable = true},
    {.id = "Settings1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Settings..."),
     .icon = "settings",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "Settings"),
     .toolButton = "ButtonSettings"},
    // Report
    {.id = "TotalReport1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Total Report"),
     .icon = "reports",
     .toolTip = QT_TRANSLATE_NOOP("Commands", "Reports"),
     .toolButton = "ButtonReports",
     .isDefault = true},
    // Help
    {.id = "MorvaineHelp1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Help (pdf)"),
     .shortcuts = "F1"},
    {.id = "MorvaineHomePage1", .caption = QT_TRANSLATE_NOOP("Commands", "Morvaine Home Page")},
    {.id = "SendFeedback1", .caption = QT_TRANSLATE_NOOP("Commands", "Send Feedback")},
    {.id = "Support1", .caption = QT_TRANSLATE_NOOP("Commands", "Support")},
    {.id = "AboutMorvaine1",
     .caption = QT_TRANSLATE_NOOP("Commands", "About Morvaine"),
     .isDefault = true},
    // The task grid's popup menu: the task commands once more, without shortcuts.
    {.id = "InsertRow1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Insert New Task"),
     .icon = "insert_task"},
    {.id = "DeleteRow1",
     .caption = QT_TRANSLATE_NOOP("Commands", "Delete Task"),
     .icon = "delete_task"},
    {.id = "Outdent2", .caption = QT_TRANSLATE_NOOP("Commands", "Outdent"), .icon = "outdent"},
    {.id = "Indent2", .caption = QT_TRANSLATE_NOOP("Commands", "Indent"), .icon = "indent"},
    // The Gantt scale: picture-only buttons of which exactly one is down.
    {.id = "Scale1",
     .caption = "",
     .icon = "Scale1",
     .toolTip = "",
     .toolButton = "Scale1",
     .checkable = true},
    {.id = "Scale2",
     .caption = "",
     .icon = "Scale2",
     .toolTip = "",
     .toolButton = "Scale2",
     .checkable = true},
    {.id = "Scale3",
     .caption = "",
     .icon = "Scale3",
     .toolTip = "",
     .toolButton = "Scale3",
     .checkable = true},
};

} // namespace

std::span<const CommandRow> CommandTable()
{
    return Commands;
}

const CommandRow *FindCommand(const char *id)
{
    for (const CommandRow &row : Commands)
        if (std::strcmp(row.id, id) == 0)
            return &row;
    return nullptr;
}

const QList<MenuLayout> &MainMenuLayout()
{
    // The titles carry Alt+letter mnemonics (shown underlined), so every command is in
    // reach of the keyboard.
    static const QList<MenuLayout> menus = {
        {QT_TRANSLATE_NOOP("Commands", "&File"),
         {"New1", "Load1", "RecentFiles1", Separator, "Save1", "SaveAs1", Separator, "Export1",
          Separator, "Printsetup1", "Preview1", "Print1", Separator, "ImportMsProjectXml1",
          "ExportMsProjectXml1", Separator, "Exit1"}},
        {QT_TRANSLATE_NOOP("Commands", "&Edit"), {"Undo1", "Redo1"}},
        {QT_TRANSLATE_NOOP("Commands", "&View"), {"GanttZoomIn1", "GanttZoomOut1"}},
        {QT_TRANSLATE_NOOP("Commands", "&Task"),
         {"InsertNewTask1", "DeleteTask1", Separator, "Outdent1", "Indent1"}},
        {QT_TRANSLATE_NOOP("Commands", "T&ools"),
         {"Resource1", "CriticalPath1", Separator, "Settings1"}},
        {QT_TRANSLATE_NOOP("Commands", "&Report"), {"TotalReport1"}},
        {QT_TRANSLATE_NOOP("Commands", "&Help"),
         {"MorvaineHelp1", Separator, "MorvaineHomePage1", "SendFeedback1", "Support1", Separator,
          "AboutMorvaine1"}},
    };
    return menus;
}

const QList<const char *> &PopupMenuLayout()
{
    static const QList<const char *> items = {"InsertRow1", "DeleteRow1", Separator, "Outdent2",
                                              "Indent2"};
    return items;
}

const QList<const char *> &ToolBarLayout()
{
    static const QList<const char *> buttons = {
        "New1",          "Load1",    "Save1",   "SaveAs1", Separator,   "Preview1",  "Print1",
        Separator,       "Outdent1", "Indent1", Separator, "Resource1", "Settings1", "TotalReport1",
        "CriticalPath1", Separator,  RightEdge, "Scale1",  "Scale2",    "Scale3"};
    return buttons;
}

} // namespace morvaine
