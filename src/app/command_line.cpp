#include "command_line.h"

#include "model/new_project.h"
#include "model/project_file.h"
#include "schedule/recalc.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <optional>

namespace morvaine {

namespace {

const char *const Usage =
    "Usage: morvaine [FILE.mrv]\n"
    "       morvaine --export OUT [--recalc] [--scale day|week|month] FILE.mrv\n"
    "\n"
    "Without options, opens the window (with FILE.mrv if given).\n"
    "  --export OUT   load FILE.mrv without a window and write OUT; its extension\n"
    "                 chooses: .mrv (save as a new project file), .csv (the task table)\n"
    "  --recalc       recalculate the schedule after loading\n"
    "  --scale S      Gantt scale of the project: day, week or month\n"
    "  --help         show this help\n"
    "  --version      show the version\n"
    "Messages go to standard error as 'Title: text'. Exit status: 0 on success,\n"
    "1 when an error message was shown, 2 on bad usage.\n";

// A Host without a window: messages go to stderr, questions are answered "No" so
// that nothing beyond the asked-for work changes.
class CommandLineHost : public Host {
public:
    CommandLineHost(QTextStream &err, const QString &saveName) : m_err(err), m_saveName(saveName) {}

    MsgAnswer MessageBox(const QString &title, const QString &text, MsgIcon icon,
                         MsgButtons buttons) override
    {
        m_err << title << ": " << text << Qt::endl;
        if (icon == MsgIcon::Error)
            m_errorShown = true;
        switch (buttons) {
        case MsgButtons::Ok:
        case MsgButtons::OkCancel:
            return MsgAnswer::Ok;
        default:
            return MsgAnswer::No;
        }
    }
    QString AskSaveFileName() override { return m_saveName; }
    bool errorShown() const { return m_errorShown; }

private:
    QTextStream &m_err;
    QString m_saveName;
    bool m_errorShown = false;
};

QString csvField(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    for (QChar c : special)
        if (text.contains(c)) {
            QString quoted = text;
            quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    return text;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int usageError(QTextStream &err, const QString &problem)
{
    err << "morvaine: " << problem << "\n\n" << Usage;
    err.flush();
    return 2;
}

} // namespace

QByteArray TaskTableCsv(const Project &project)
{
    const TaskTable &table = project.taskTable;
    int lastRow = project.LastTaskRow;
    for (int row = TaskTable::LastRow; row > lastRow; --row) {
        bool used = false;
        for (int column = ColTask; column <= ColCompletion && !used; ++column)
            used = !table.cell(column, row).isEmpty();
        if (used) {
            lastRow = row;
            break;
        }
    }
    QString csv;
    for (int row = 0; row <= lastRow; ++row) {
        for (int column = ColNumber; column <= ColVeha; ++column) {
            if (column > ColNumber)
                csv += QLatin1Char(',');
            csv += csvField(table.cell(column, row));
        }
        csv += QLatin1String("\r\n");
    }
    return csv.toUtf8();
}

bool IsWindowlessCommandLine(const QStringList &args)
{
    for (const QString &arg : args)
        if (arg.startsWith(QLatin1String("--")))
            return true;
    return false;
}

int RunWindowless(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QString output;
    QString input;
    bool recalc = false;
    std::optional<int> scale;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--help")) {
            out << Usage;
            return 0;
        }
        if (arg == QLatin1String("--version")) {
            out << AppTitle << '\n';
            return 0;
        }
        if (arg == QLatin1String("--export") || arg == QLatin1String("--scale")) {
            if (i + 1 >= args.size())
                return usageError(err, arg + QLatin1String(" needs a value"));
            const QString value = args[++i];
            if (arg == QLatin1String("--export")) {
                output = value;
            } else {
                static const QStringList scales = {"day", "week", "month"};
                if (!scales.contains(value))
                    return usageError(err, QLatin1String("unknown scale '") + value +
                                               QLatin1Char('\''));
                scale = int(scales.indexOf(value)) + 1;
            }
        } else if (arg == QLatin1String("--recalc")) {
            recalc = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usageError(err, QLatin1String("unknown option '") + arg + QLatin1Char('\''));
        } else if (input.isEmpty()) {
            input = arg;
        } else {
            return usageError(err, QLatin1String("more than one project file given"));
        }
    }
    if (output.isEmpty())
        return usageError(err, QLatin1String("nothing to do: give --export OUT"));
    if (input.isEmpty())
        return usageError(err, QLatin1String("no project file given"));
    const QString suffix = output.section(QLatin1Char('.'), -1).toLower();
    if (!output.contains(QLatin1Char('.')) ||
        (suffix != QLatin1String("mrv") && suffix != QLatin1String("csv")))
        return usageError(err, QLatin1String("OUT must end in .mrv or .csv"));

    Project project;
    CommandLineHost host(err, output);
    InitNewProject(project, host);
    LoadProject(project, host, input);
    if (host.errorShown())
        return 1; // a file that does not load is not exported
    if (scale)
        project.GanttScale = *scale;
    try {
        if (recalc)
            RecalcSchedule(project, host);
    } catch (const ConversionError &e) {
        host.MessageBox(QStringLiteral("Error"), e.message(), MsgIcon::Error, MsgButtons::Ok);
        return 1;
    }

    if (suffix == QLatin1String("mrv")) {
        SaveProject(project, host, QStringLiteral("SaveAs"));
    } else if (!writeFile(output, TaskTableCsv(project))) {
        host.MessageBox(QStringLiteral("Error"),
                        QStringLiteral("Cannot write the file '%1'.").arg(output), MsgIcon::Error,
                        MsgButtons::Ok);
    }
    return host.errorShown() ? 1 : 0;
}

bool RunCommandLine(int argc, char **argv, int *exitStatus)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (!IsWindowlessCommandLine(args))
        return false;
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    *exitStatus = RunWindowless(args, out, err);
    return true;
}

} // namespace morvaine
