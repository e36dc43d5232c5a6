#pragma once
// The command line without a window: morvaine --export OUT [--recalc] FILE, --help,
// --version.

namespace morvaine {

/// Handles a window-less command line. Returns true (and the exit status) when the
/// arguments asked for no window; false when the window is to be started.
bool RunCommandLine(int argc, char **argv, int *exitStatus);

} // namespace morvaine
