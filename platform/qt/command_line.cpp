#include "qt/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace tidemark::qt {

namespace {
const char* const kDescription =
    "Measures the speed of your internet line at a fixed interval and appends each\n"
    "measurement to a CSV file in your Documents folder.\n"
    "\n"
    "Without --simulated Tidemark drives Chromium (/usr/bin/chromium), with a profile of\n"
    "its own under ~/.cache/tidemark. TIDEMARK_LOCAL_SITES=<address> sends it to local\n"
    "copies of the measurement pages at that address instead of the services.";

CommandLine Answer(int status, const QString& text) {
    CommandLine line;
    line.exitStatus = status;
    line.answer = text.toStdString();
    return line;
}

CommandLine Refused(const QCommandLineParser& parser, const QString& error) {
    return Answer(2, error + "\n\n" + parser.helpText());
}
}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    // Qt's own "-platform NAME" keeps its single dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all would offer Qt's own options, which are not taken here.
    const QCommandLineOption help({"h", "help"}, "Displays help on commandline options.");
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption simulated(
        "simulated",
        "Measure nothing: a simulated browser shows simulated pages whose figures come from a "
        "model of a line (a demonstration).");
    const QCommandLineOption inspect(
        "inspect",
        "Open ADDRESS in a headless Chromium of its own, print the page's elements as the measurement "
        "sees them and, for the three services' addresses, which of the elements the measurement looks "
        "for are there.",
        "ADDRESS");
    const QCommandLineOption report(
        "report",
        "Write the history of a result file as one HTML page (FILE.html beside it, or --output) with the "
        "reasons of failed runs from the run log in ~/.local/state/tidemark; opens no window.",
        "FILE.csv");
    const QCommandLineOption output({"o", "output"}, "With --report: the page to write.", "FILE.html");
    const QCommandLineOption below(
        "below", "With --report: the speed whose share of runs below it the report gives (default 10).", "MBPS");
    const QCommandLineOption platform("platform", "Qt's platform plugin for the window, as QT_QPA_PLATFORM.", "NAME");
    parser.addOptions({simulated, inspect, report, output, below, platform});
    const QCommandLineOption runOnce(
        "run-once",
        "Measure once with the saved settings, without a window, print the row and end: 0 a row of figures, "
        "1 an error row, 2 bad usage, 3 another Tidemark runs. Needs no display.");
    const QCommandLineOption services("services", "With --run-once: the services of this run (fast,usen,speed).",
                                      "LIST");
    const QCommandLineOption file("file", "With --run-once: the result file's name for this run.", "NAME");
    const QCommandLineOption start("start", "Open the window and press Start.");
    const QCommandLineOption metrics(
        "metrics", "After every run write DIR/tidemark.prom for Prometheus (default: $TIDEMARK_METRICS_DIR).", "DIR");
    parser.addOptions({runOnce, services, file, start, metrics});

    // The report's options are read by the core's one reader, as on Windows.
    std::vector<std::string> given;
    for (qsizetype i = 1; i < arguments.size(); ++i) given.push_back(arguments[i].toStdString());
    if (report::AsksForReport(given)) {
        const report::ReportArguments parsed = report::ParseReportArguments(given);
        if (!parsed.request) return Refused(parser, QString::fromStdString(parsed.error));
        CommandLine line;
        line.report = parsed.request;
        return line;
    }

    if (!parser.parse(arguments)) return Refused(parser, parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        return Refused(parser, "Unexpected argument '" + parser.positionalArguments().first() + "'.");
    }
    // What showVersion() and showHelp() print, without their exit() from under the caller.
    if (parser.isSet(version)) {
        return Answer(0, QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion() + '\n');
    }
    if (parser.isSet(help)) return Answer(0, parser.helpText());

    CommandLine line;
    if (parser.isSet(simulated)) line.browser = BrowserChoice::Simulated;
    if (parser.isSet(inspect)) {
        // An option after it is a forgotten address, not an address.
        const QString address = parser.value(inspect);
        if (address.isEmpty() || address.startsWith('-')) return Refused(parser, "--inspect needs an address.");
        line.inspect = address.toStdString();
    }
    UnattendedWords words;
    words.runOnce = parser.isSet(runOnce);
    words.start = parser.isSet(start);
    if (parser.isSet(services)) words.services = parser.value(services).toStdString();
    if (parser.isSet(file)) words.fileName = parser.value(file).toStdString();
    if (parser.isSet(metrics)) words.metricsFolder = parser.value(metrics).toStdString();
    const UnattendedResult unattended = CheckUnattended(words);
    if (const auto* refusal = std::get_if<std::string>(&unattended))
        return Refused(parser, QString::fromStdString(*refusal));
    line.unattended = std::get<UnattendedOptions>(unattended);
    if (line.unattended.mode != StartMode::Window && line.inspect)
        return Refused(parser, "--run-once and --start do not go with --inspect.");
    return line;
}

}  // namespace tidemark::qt
