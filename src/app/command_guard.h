#pragma once
// The command boundary: an error that escapes a user command ends that command only.

#include "model/host.h"

#include <exception>
#include <functional>

namespace morvaine {

/// The message of a caught error: a conversion error's text, any other standard
/// error's what(), the empty text for anything else.
QString ErrorMessage(const std::exception_ptr &error);

/// Runs one user command. An error escaping it is shown through prompts in an
/// "Error" box with its message; cells written before it keep their new texts.
void RunCommand(Prompts &prompts, const std::function<void()> &command);

} // namespace morvaine
