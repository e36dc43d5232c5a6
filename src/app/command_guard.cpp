#include "command_guard.h"

namespace morvaine {

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

void RunCommand(Prompts &prompts, const std::function<void()> &command)
{
    try {
        command();
    } catch (...) {
        prompts.MessageBox(QStringLiteral("Error"), ErrorMessage(std::current_exception()),
                           MsgIcon::Error, MsgButtons::Ok);
    }
}

} // namespace morvaine
