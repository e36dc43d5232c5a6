#include "command_line.h"

#include "app/sample_project.h"
#include "app/ui_language.h"
#include "edit/foreign_dates.h"
#include "exchange/ms_project_xml.h"
#include "model/file_path.h"
#include "model/new_project.h"
#include "model/project_file.h"
#include "output/csv_export.h"
#include "output/manual_pdf.h"
#include "output/picture_export.h"
#include "output/print_pages.h"
#include "output/project_pages.h"
#include "report/total_report.h"
#include "schedule/recalc.h"
#include "views/fonts.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace morvaine {

namespace {

const char *const Usage = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: morvaine [--] [FILE.mrv]\n"
    "       morvaine --export OUT [--recalc] [--scale day|week|month] [--] FILE\n"
    "       morvaine --report [--recalc] [--] FILE\n"
    "\n"
    "Without options, opens the window (with FILE.mrv if given).\n"
    "  --export OUT   load FILE without a window and write OUT; its extension\n"
    "                 chooses: .mrv (save as a new project file), .csv (the task table),\n"
    "                 .xml (MS Project XML), .pdf (every printed page: A4 portrait,\n"
    "                 600 dpi, the table's columns as a new window shows them), .jpg or\n"
    "                 .jpeg (the table and the whole chart as one picture). FILE is a\n"
    "                 project file or an MS Project XML document, told apart by its\n"
    "                 content\n"
    "  --report       load FILE without a window and print its total report, one\n"
    "                 figure a line: the label, a blank and the figure\n"
    "  --recalc       recalculate the schedule after loading\n"
    "  --scale S      Gantt scale of the project: day, week or month\n"
    "  --help         show this help\n"
    "  --version      show the version\n"
    "  --             end of the options: what follows is a file name, even when it\n"
    "                 starts with '-'\n"
    "Messages go to standard error as 'Title: text'. Exit status: 0 on success,\n"
    "1 when an error message was shown, 2 on bad usage.\n");

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
    // The links a recalculation ignores are told once; the command goes on without
    // them, as the message says, so they are no failure of the command.
    void ShowLinkErrors(const QString &text) override
    {
        m_err << QCoreApplication::translate("Messages", "Error") << ": " << text << Qt::endl;
    }
    QString AskSaveFileName() override { return m_saveName; }
    void SetCaption(const QString &text) override { m_caption = text; }
    /// The caption the window would show: the title of printed pages.
    QString caption() const { return m_caption; }
    bool errorShown() const { return m_errorShown; }
    void showError(const QString &text)
    {
        MessageBox(QCoreApplication::translate("Messages", "Error"), text, MsgIcon::Error,
                   MsgButtons::Ok);
    }

private:
    QTextStream &m_err;
    QString m_saveName;
    QString m_caption;
    bool m_errorShown = false;
};

QString ExportSuffix(const QString &output)
{
    return output.section(QLatin1Char('.'), -1).toLower();
}

// Pages and pictures are drawn with fonts, so they need a GUI application.
bool DrawsWithFonts(const CommandLine &line)
{
    static const QStringList drawn = {"pdf", "jpg", "jpeg"};
    return line.problem.isEmpty() &&
           (!line.manualFile.isEmpty() ||
            (!line.exportFile.isEmpty() && drawn.contains(ExportSuffix(line.exportFile))));
}

int usageError(QTextStream &err, const QString &problem)
{
    err << "morvaine: " << problem << "\n\n" << QCoreApplication::translate("CommandLine", Usage);
    err.flush();
    return 2;
}

QString quoted(const QString &text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

// Loads the command line's FILE (a project file or MS Project XML) and recalculates it
// when asked; false when an error message was shown.
bool loadProject(const CommandLine &line, Project &project, CommandLineHost &host)
{
    InitNewProject(project, host);
    const QString &input = line.files.constFirst();
    if (IsMsProjectXml(input)) {
        ImportMsProjectXml(project, host, input);
        // As in the window: a text no project file can hold is cut, with a word.
        if (!host.errorShown())
            CutCellsToProjectFile(project, host);
    } else {
        LoadProject(project, host, input);
        // A plan written under another short date format is read in this one.
        if (!host.errorShown())
            AdoptForeignDates(project, host);
    }
    if (host.errorShown())
        return false;
    if (line.scale)
        project.GanttScale = *line.scale;
    try {
        if (line.recalc)
            RecalcSchedule(project, host);
    } catch (const ConversionError &e) {
        host.showError(e.message());
        return false;
    }
    return true;
}

int exportProject(const CommandLine &line, QTextStream &err)
{
    const QString &output = line.exportFile;
    const QString suffix = ExportSuffix(output);
    Project project;
    CommandLineHost host(err, output);
    if (!loadProject(line, project, host))
        return 1; // a file that does not load is not exported

    try {
        if (suffix == QLatin1String("mrv")) {
            SaveProject(project, host, QStringLiteral("SaveAs"));
        } else if (suffix == QLatin1String("xml")) {
            ExportMsProjectXml(project, host, output);
        } else if (suffix == QLatin1String("pdf")) {
            ExportPdf(project, host, DefaultGridGeometry(), output, host.caption());
        } else if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
            ProjectCells cells(project, host);
            ExportPicture(project, DefaultGridGeometry(), cells, output, host);
        } else if (QString reason; !WriteTaskTableCsv(project, output, &reason)) {
            host.showError(QCoreApplication::translate("CommandLine", "Cannot write the file '%1'.")
                               .arg(output) +
                           (reason.isEmpty() ? QString() : QLatin1Char('\n') + reason));
        }
    } catch (const ConversionError &e) {
        host.showError(e.message());
    }
    return host.errorShown() ? 1 : 0;
}

int printReport(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    Project project;
    CommandLineHost host(err, QString());
    if (!loadProject(line, project, host))
        return 1;
    // A text the report cannot read prints nothing: an incomplete report on standard
    // output would read as a complete one.
    try {
        out << TotalReportText(project);
    } catch (const ConversionError &e) {
        host.showError(e.message());
        return 1;
    }
    return host.errorShown() ? 1 : 0;
}

int writeSample(const QString &path, QTextStream &err)
{
    Project project;
    CommandLineHost host(err, path);
    InitNewProject(project, host);
    try {
        BuildSampleProject(project, host);
    } catch (const ConversionError &e) {
        host.showError(e.message());
        return 1;
    }
    SaveProject(project, host, QStringLiteral("SaveAs"));
    return host.errorShown() ? 1 : 0;
}

int writeManual(const QString &path, QTextStream &err)
{
    if (WriteManualPdf(ManualMarkdown(), path))
        return 0;
    err << QCoreApplication::translate("Messages", "Error") << ": "
        << QCoreApplication::translate("CommandLine", "Cannot write the file '%1'.").arg(path)
        << Qt::endl;
    return 1;
}

} // namespace

QStringList DecodeArguments(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << DecodePath(QByteArray(argv[i]));
    return args;
}

CommandLine ParseCommandLine(const QStringList &args)
{
    CommandLine line;
    // --help anywhere among the options prints the help, whatever else is there.
    for (const QString &arg : args) {
        if (arg == QLatin1String("--"))
            break;
        if (arg == QLatin1String("--help")) {
            line.windowless = line.help = true;
            return line;
        }
    }
    // Options with a value: each names where its value goes.
    const struct {
        const char *name;
        QString CommandLine::*value;
    } valued[] = {{"--export", &CommandLine::exportFile},
                  {"--write-sample", &CommandLine::sampleFile},
                  {"--write-manual", &CommandLine::manualFile}};
    QStringList seen;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-'))) {
            line.files << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        line.windowless = true;
        if (!line.problem.isEmpty())
            continue;
        if (seen.contains(arg)) {
            line.problem = QCoreApplication::translate("CommandLine", "%1 given more than once")
                               .arg(quoted(arg));
            continue;
        }
        seen << arg;
        bool known = true;
        if (arg == QLatin1String("--version")) {
            line.version = true;
        } else if (arg == QLatin1String("--recalc")) {
            line.recalc = true;
        } else if (arg == QLatin1String("--report")) {
            line.report = true;
        } else if (arg == QLatin1String("--scale")) {
            static const QStringList scales = {"day", "week", "month"};
            if (i + 1 >= args.size())
                line.problem =
                    QCoreApplication::translate("CommandLine", "%1 needs a value").arg(arg);
            else if (!scales.contains(args[++i]))
                line.problem = QCoreApplication::translate("CommandLine", "unknown scale %1")
                                   .arg(quoted(args[i]));
            else
                line.scale = int(scales.indexOf(args[i])) + 1;
        } else {
            known = false;
            for (const auto &option : valued) {
                if (arg != QLatin1String(option.name))
                    continue;
                known = true;
                if (i + 1 >= args.size())
                    line.problem =
                        QCoreApplication::translate("CommandLine", "%1 needs a value").arg(arg);
                else
                    line.*option.value = args[++i];
            }
        }
        if (!known)
            line.problem =
                QCoreApplication::translate("CommandLine", "unknown option %1").arg(quoted(arg));
    }
    if (!line.windowless || line.version || !line.problem.isEmpty())
        return line;

    const int actions = int(!line.exportFile.isEmpty()) + int(line.report) +
                        int(!line.sampleFile.isEmpty()) + int(!line.manualFile.isEmpty());
    if (actions == 0) {
        line.problem = QCoreApplication::translate("CommandLine",
                                                   "nothing to do: give --export OUT or --report");
    } else if (actions > 1) {
        line.problem = QCoreApplication::translate(
            "CommandLine", "give only one of --export, --report, --write-sample, --write-manual");
    } else if (line.report) {
        if (line.files.isEmpty())
            line.problem = QCoreApplication::translate("CommandLine", "no project file given");
        else if (line.files.size() > 1)
            line.problem =
                QCoreApplication::translate("CommandLine", "more than one project file given");
    } else if (!line.exportFile.isEmpty()) {
        static const QStringList written = {"mrv", "csv", "xml", "pdf", "jpg", "jpeg"};
        const QString suffix = ExportSuffix(line.exportFile);
        if (line.files.isEmpty())
            line.problem = QCoreApplication::translate("CommandLine", "no project file given");
        else if (line.files.size() > 1)
            line.problem =
                QCoreApplication::translate("CommandLine", "more than one project file given");
        else if (!line.exportFile.contains(QLatin1Char('.')) || !written.contains(suffix))
            line.problem = QCoreApplication::translate(
                "CommandLine", "OUT must end in .mrv, .csv, .xml, .pdf, .jpg or .jpeg");
    } else if (!line.files.isEmpty() || line.recalc || line.scale) {
        line.problem = QCoreApplication::translate(
            "CommandLine", "--write-sample and --write-manual take no other arguments");
    }
    return line;
}

int RunWindowless(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CommandLine line = ParseCommandLine(args);
    if (line.help) {
        out << QCoreApplication::translate("CommandLine", Usage);
        return 0;
    }
    if (!line.problem.isEmpty())
        return usageError(err, line.problem);
    if (line.version) {
        out << AppTitle << '\n';
        return 0;
    }
    if (!line.sampleFile.isEmpty())
        return writeSample(line.sampleFile, err);
    if (!line.manualFile.isEmpty())
        return writeManual(line.manualFile, err);
    if (line.report)
        return printReport(line, out, err);
    return exportProject(line, err);
}

bool RunCommandLine(int argc, char **argv, int *exitStatus, QStringList *windowFiles)
{
    const QStringList args = DecodeArguments(argc, argv);
    const CommandLine line = ParseCommandLine(args);
    if (!line.windowless) {
        *windowFiles = line.files;
        return false;
    }
    // The manual, pages and pictures need fonts, so a GUI application, but never a
    // display.
    std::unique_ptr<QCoreApplication> app;
    if (DrawsWithFonts(line)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        InstallFontSubstitutions();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    InstallUiLanguage();
    QTextStream out(stdout);
    QTextStream err(stderr);
    *exitStatus = RunWindowless(args, out, err);
    return true;
}

} // namespace morvaine
