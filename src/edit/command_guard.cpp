#include "command_guard.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace morvaine {

namespace {

// Everything runs on the one user-interface thread, so the command in progress is
// a property of the process, not of a window.
std::vector<CommandListener *> &listeners()
{
    static std::vector<CommandListener *> all;
    return all;
}

int depth = 0;
// The name the outermost command in progress was given.
QString currentName;
CommandKind currentKind = CommandKind::Step;

bool stillListening(const CommandListener *listener)
{
    const auto &all = listeners();
    return std::find(all.begin(), all.end(), listener) != all.end();
}

} // namespace

QString ErrorMessage(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const ConversionError &e) {
        return e.message();
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QString();
    }
}

CommandListener::CommandListener()
{
    listeners().push_back(this);
}

CommandListener::~CommandListener()
{
    auto &all = listeners();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

CommandScope::CommandScope(CommandKind kind)
{
    if (depth++ > 0)
        return;
    m_cells = std::make_unique<CellBatch>();
    currentName.clear();
    currentKind = kind;
    // A copy: a listener may come or go while the others are told.
    const std::vector<CommandListener *> all = listeners();
    for (CommandListener *listener : all)
        if (stillListening(listener))
            listener->commandBegins();
}

CommandScope::~CommandScope()
{
    if (--depth > 0)
        return;
    m_cells.reset(); // the changed cells are told before the command ends
    const std::vector<CommandListener *> all = listeners();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (stillListening(*it))
            (*it)->commandEnds();
}

bool CommandScope::active()
{
    return depth > 0;
}

void NameCommand(const QString &commandName)
{
    if (depth > 0 && currentName.isEmpty())
        currentName = commandName;
}

QString CommandName()
{
    return currentName;
}

CommandKind CurrentCommandKind()
{
    return currentKind;
}

void RunCommand(Prompts &prompts, const std::function<void()> &command, CommandKind kind)
{
    const CommandScope scope(kind);
    try {
        command();
    } catch (...) {
        CellBatch::deliver(); // the windows show the cells as the failure left them
        prompts.MessageBox(QCoreApplication::translate("Messages", "Error"),
                           ErrorMessage(std::current_exception()), MsgIcon::Error, MsgButtons::Ok);
    }
}

} // namespace morvaine
