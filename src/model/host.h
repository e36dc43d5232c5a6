#pragma once
// What the operations need from the windows. Operations never touch a widget: the
// main window implements Host with real widgets, the command line prints to stderr,
// and tests record. Host is the union of three narrow roles, so an operation can ask
// only for the role it uses. Grid actions have defaults for a program without a window.

#include "convert.h"

#include <QCoreApplication>
#include <QString>

namespace morvaine {

enum class MsgIcon { Error, Warning, Information, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

/// Questions and messages to the user.
class Prompts {
public:
    virtual ~Prompts() = default;

    /// A modal message box without owner; returns the button pressed.
    virtual MsgAnswer MessageBox(const QString &title, const QString &text, MsgIcon icon,
                                 MsgButtons buttons) = 0;
    /// The system's default beep for a refused keystroke or command.
    virtual void Beep() {}
    /// Tells of the links a recalculation ignores, one box for all of them; the
    /// recalculation has gone on without them.
    virtual void ShowLinkErrors(const QString &text)
    {
        MessageBox(QCoreApplication::translate("Messages", "Error"), text, MsgIcon::Error,
                   MsgButtons::Ok);
    }
    /// Asks for a project file to save to ("Morvaine Files (*.mrv)|*.mrv|All Files|*.*",
    /// default extension "mrv"); empty when the user cancels.
    virtual QString AskSaveFileName() { return {}; }
};

/// The task grid's cursor and the date picker over it.
class GridCursor {
public:
    virtual ~GridCursor() = default;

    /// First task row shown below the fixed header of the task grid.
    virtual int FirstVisibleTaskRow() { return 1; }
    virtual int CurrentColumn() { return 1; }
    virtual int CurrentRow() { return 1; }
    /// Makes (column, row) the current cell of the task grid, running the
    /// cell-selection rules as a user's selection would.
    virtual void SelectCell(int /*column*/, int /*row*/) {}
    /// Switches in-cell editing of the task grid on or off.
    virtual void SetEditing(bool) {}
    /// Shows the date picker over (column, row) of the task grid, or hides it.
    virtual void ShowDatePicker(int /*column*/, int /*row*/) {}
    virtual void HideDatePicker() {}
    virtual void SetPickerDate(TDateTime) {}
};

/// What the windows show besides the cells: repaints, caption, tool-bar state.
class ViewNotifications {
public:
    virtual ~ViewNotifications() = default;

    /// Main window caption.
    virtual void SetCaption(const QString &) {}
    virtual void RepaintTaskGrid() {}
    virtual void RepaintChart() {}
    /// Shows the Gantt scale button of scale 1, 2 or 3 pressed.
    virtual void ShowGanttScale(int) {}
    /// The critical-path tool button's picture and the check mark of its menu item.
    virtual void ShowCriticalPathOn(bool) {}
    /// Hides (width 0) the task grid's columns 8 to 10.
    virtual void HideHiddenColumns() {}
};

/// Everything the operations may ask of the windows.
class Host : public Prompts, public GridCursor, public ViewNotifications {};

} // namespace morvaine
