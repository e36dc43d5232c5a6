#pragma once
// The command boundary. One user command (a key, a click, a menu item) runs inside
// RunCommand: an error escaping it ends that command only, and the command's changes
// are grouped between the moment it begins and the moment it ends. Commands run inside
// another command (a save asked for while New runs) belong to the outer one.

#include "model/host.h"
#include "model/project.h"

#include <exception>
#include <functional>
#include <memory>

namespace morvaine {

/// The message of a caught error: a conversion error's text, any other standard
/// error's what(), the empty text for anything else.
QString ErrorMessage(const std::exception_ptr &error);

/// What a user command is to the undo history.
enum class CommandKind {
    Step,       ///< a step of its own
    Typing,     ///< keys typed into a cell: one step with the command that commits it
    Completion, ///< completes what earlier commands left (cells about to be painted): no step
};

/// Told where each user command begins and ends, so that it can group what the
/// command changed. Listens from its construction to its destruction.
class CommandListener {
public:
    CommandListener();
    virtual ~CommandListener();
    CommandListener(const CommandListener &) = delete;
    CommandListener &operator=(const CommandListener &) = delete;

    /// The outermost command begins; nothing has changed yet.
    virtual void commandBegins() {}
    /// The outermost command has ended, its error box (if any) closed.
    virtual void commandEnds() {}
};

/// Marks one user command for its lifetime. The outermost scope tells every listener
/// that a command begins and, when it goes, that the command ended; inner scopes
/// belong to it and tell nothing. The cells the command writes are told to the tables'
/// listeners once each, before the command is told to have ended (CellBatch).
class CommandScope {
public:
    /// kind counts when this scope is the outermost.
    explicit CommandScope(CommandKind kind = CommandKind::Step);
    ~CommandScope();
    CommandScope(const CommandScope &) = delete;
    CommandScope &operator=(const CommandScope &) = delete;

    /// Whether a command is running now.
    static bool active();

private:
    std::unique_ptr<CellBatch> m_cells;
};

/// Names the user command in progress for the steps of the undo history ("Insert New
/// Task"); the first name given to the outermost command holds. Outside a command it
/// does nothing.
void NameCommand(const QString &name);
/// The name of the user command in progress; empty when it was given none.
QString CommandName();

/// What the kind of the outermost command in progress is.
CommandKind CurrentCommandKind();

/// Runs one user command inside a CommandScope. An error escaping it is shown in an
/// "Error" box with its message; cells written before it keep their new texts.
void RunCommand(Prompts &prompts, const std::function<void()> &command,
                CommandKind kind = CommandKind::Step);

} // namespace morvaine
