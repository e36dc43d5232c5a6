#pragma once
// Modal message boxes as the program shows them: no owner window, a title, an icon
// and standard buttons.

#include "model/host.h"

namespace morvaine {

/// Shows a modal message box without owner and returns the button pressed; closing
/// the box without a button counts as Cancel (No when there is no Cancel).
MsgAnswer ShowMessageBox(const QString &title, const QString &text, MsgIcon icon,
                         MsgButtons buttons);

} // namespace morvaine
