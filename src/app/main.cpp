// sloopform: the desktop program.
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>
#include <exception>
#include <optional>

#include "frame/Application.h"
#include "frame/DocumentRecovery.h"
#include "frame/MainWindow.h"
#include "frame/StartUp.h"
#include "platform/QtUi.h"

namespace {

constexpr int kBadUsage = 2;

QStringList Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void Print(std::FILE* stream, const QString& text) { std::fputs(qPrintable(text), stream); }

struct ProgramOptions {
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;

    ProgramOptions() : help(parser.addHelpOption()), version(parser.addVersionOption())
    {
        parser.setApplicationDescription(QStringLiteral(
            "Sloopform: lines, hydrostatics and resistance of a sailing yacht's canoe body."));
        parser.addPositionalArgument(QStringLiteral("PROJECT.sfp"),
                                     QStringLiteral("A project to open at start-up."),
                                     QStringLiteral("[PROJECT.sfp]"));
    }
};

// --help and --version are answered before any window exists, so they also
// work without a display. Returns the exit status when they were asked for.
std::optional<int> AnswerInformationRequest(const QStringList& arguments)
{
    ProgramOptions options;
    options.parser.parse(arguments);
    if (options.parser.isSet(options.help)) {
        QString text = options.parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("sloopform"));
        Print(stdout, text);
        return 0;
    }
    if (options.parser.isSet(options.version)) {
        Print(stdout, QStringLiteral("sloopform %1\n").arg(QStringLiteral(SLOOPFORM_VERSION)));
        return 0;
    }
    return std::nullopt;
}

// The project to open, from the arguments the application has left after
// taking its own (-platform and the like). Bad usage ends the program.
std::optional<QString> ProjectArgument(const QStringList& arguments)
{
    ProgramOptions options;
    if (!options.parser.parse(arguments)) {
        Print(stderr, QStringLiteral("sloopform: %1\nTry 'sloopform --help'.\n")
                          .arg(options.parser.errorText()));
        return std::nullopt;
    }
    const QStringList projects = options.parser.positionalArguments();
    if (projects.size() > 1) {
        Print(stderr, QStringLiteral("sloopform: only one project can be opened\n"));
        return std::nullopt;
    }
    if (projects.isEmpty()) return QString();
    const QFileInfo project(projects.first());
    if (!project.isFile() || !project.isReadable()) {
        Print(stderr, QStringLiteral("sloopform: cannot read the project %1\n").arg(projects.first()));
        return std::nullopt;
    }
    return project.absoluteFilePath();
}

}  // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> status = AnswerInformationRequest(Arguments(argc, argv))) return *status;

    Application application(argc, argv);
    const std::optional<QString> project = ProjectArgument(QCoreApplication::arguments());
    if (!project) return kBadUsage;
    QCoreApplication::setApplicationName(QStringLiteral("sloopform"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SLOOPFORM_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/sloopform.svg")));

    QtUi ui;
    sloopform::SetUi(&ui);
    int status = 1;
    try {
        StartUpOptions options;
        options.projectPath = *project;
        options.recoveryFolder = RecoveryFolder();
        StartUp startUp(ui, options);
        const std::unique_ptr<MainWindow> frame = startUp.run();
        status = QApplication::exec();
    } catch (const std::exception& error) {
        application.reportUnhandled(error.what());
    }
    sloopform::SetUi(nullptr);
    return status;
}
