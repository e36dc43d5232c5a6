#pragma once
// The command line:
//   morvaine [--] [FILE.mrv]                       the window, opening FILE if given
//   morvaine --export OUT [--recalc] [--scale day|week|month] [--] FILE
//     (FILE a project file or an MS Project XML document; OUT .mrv, .csv or .xml)
//   morvaine --report [--recalc] [--] FILE          the total report on standard output
//   morvaine --help | --version
// and two options the build uses: --write-sample FILE and --write-manual OUT.pdf.

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace morvaine {

/// The arguments after the program name, decoded as the file system stores names, so
/// that a name that is not valid UTF-8 opens as given.
QStringList DecodeArguments(int argc, char **argv);

/// What a command line asks for. Words before "--" that start with "-" are options;
/// every other word names a file.
struct CommandLine {
    bool windowless = false; ///< an option was given: run without a window
    QString problem;         ///< bad usage when not empty
    bool help = false;
    bool version = false;
    bool recalc = false;
    bool report = false;
    std::optional<int> scale; ///< Gantt scale 1-3
    QString exportFile;
    QString sampleFile;
    QString manualFile;
    QStringList files;
};

/// Reads the arguments (without the program name).
CommandLine ParseCommandLine(const QStringList &args);

/// Handles a window-less command line. Returns true (and the exit status) when the
/// arguments asked for no window; false when the window is to be started, with the
/// files it is to open in windowFiles.
bool RunCommandLine(int argc, char **argv, int *exitStatus, QStringList *windowFiles);

/// Runs a window-less command line (arguments without the program name); messages
/// go to err as "Title: text". Returns 0 on success, 1 when an error message was
/// shown, 2 on bad usage. --write-manual needs a QGuiApplication.
int RunWindowless(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace morvaine
