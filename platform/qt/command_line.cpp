#include "qt/command_line.h"

#include <string_view>

#include "common/app_identity.h"
#include "common/version.h"
#include "report/report_command.h"

namespace tidemark::qt {

namespace {
constexpr std::string_view kInspectEquals = "--inspect=";

void Fail(CommandLine& line, const std::string& error) {
    if (line.error.empty()) line.error = error;
}
}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--inspect") {
            // An option after it is a forgotten address, not an address.
            const bool given = i + 1 < arguments.size() && !arguments[i + 1].starts_with("-");
            line.inspect = given ? arguments[++i] : std::string();
            if (!given) Fail(line, "--inspect needs an address");
        } else if (argument.starts_with(kInspectEquals)) {
            line.inspect = argument.substr(kInspectEquals.size());
            if (line.inspect->empty()) Fail(line, "--inspect needs an address");
        } else if (argument == "--report") {
            line.report.emplace(arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1, arguments.end());
            break;
        } else if (argument == "--simulated") {
            line.browser = BrowserChoice::Simulated;
        } else if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else {
            Fail(line, "unknown option: " + argument);
        }
    }
    return line;
}

std::string UsageText(const std::string& program) {
    return "Usage: " + program +
           " [--simulated]\n"
           "       " + program + " --inspect ADDRESS\n" + report::ReportUsage(program) +
           "Measures the speed of your internet line at a fixed interval and appends each\n"
           "measurement to a CSV file in your Documents folder.\n"
           "\n"
           "  --simulated  measure nothing: a simulated browser shows simulated pages whose\n"
           "               figures come from a model of a line (a demonstration)\n"
           "  --inspect ADDRESS\n"
           "               open ADDRESS in a headless Chromium of its own, print the page's\n"
           "               elements as the measurement sees them and, for the three services'\n"
           "               addresses, which of the elements the measurement looks for are there\n"
           "  --report FILE.csv\n"
           "               write the history of a result file as one HTML page (FILE.html, or\n"
           "               --output FILE.html), with the share of runs below --below MBPS\n"
           "               (default 10) and the reasons of failed runs from the run log in\n"
           "               ~/.local/state/tidemark; opens no window\n"
           "  --help       show this text\n"
           "  --version    show the version\n"
           "\n"
           "Without --simulated Tidemark drives Chromium (/usr/bin/chromium), with a profile of\n"
           "its own under ~/.cache/tidemark. TIDEMARK_LOCAL_SITES=<address> sends it to local\n"
           "copies of the measurement pages at that address instead of the services.\n";
}

std::string VersionText() { return std::string(kAppTitle) + " " + kVersion + "\n"; }

}  // namespace tidemark::qt
