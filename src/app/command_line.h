#pragma once
// The command line without a window:
//   morvaine --export OUT [--recalc] [--scale day|week|month] FILE
//   morvaine --help | --version

#include "model/project.h"

#include <QStringList>
#include <QTextStream>

namespace morvaine {

/// Handles a window-less command line. Returns true (and the exit status) when the
/// arguments asked for no window; false when the window is to be started.
bool RunCommandLine(int argc, char **argv, int *exitStatus);

/// True when the arguments (without the program name) ask for no window.
bool IsWindowlessCommandLine(const QStringList &args);

/// Runs a window-less command line (arguments without the program name); messages
/// go to err as "Title: text". Returns 0 on success, 1 when an error message was
/// shown, 2 on bad usage.
int RunWindowless(const QStringList &args, QTextStream &out, QTextStream &err);

/// The task table as RFC 4180 CSV in UTF-8: columns 0-9, from row 0 to the larger of
/// LastTaskRow and the last row holding text in columns 1-7.
QByteArray TaskTableCsv(const Project &project);

} // namespace morvaine
