#include "qt/command_line.h"

#include "common/app_identity.h"
#include "common/version.h"

namespace tidemark::qt {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (const std::string& argument : arguments) {
        if (argument == "--simulated") {
            line.browser = BrowserChoice::Simulated;
        } else if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (line.error.empty()) {
            line.error = "unknown option: " + argument;
        }
    }
    return line;
}

std::string UsageText(const std::string& program) {
    return "Usage: " + program +
           " [--simulated]\n"
           "Measures the speed of your internet line at a fixed interval and appends each\n"
           "measurement to a CSV file in your Documents folder.\n"
           "\n"
           "  --simulated  measure nothing: a simulated browser shows simulated pages whose\n"
           "               figures come from a model of a line (a demonstration)\n"
           "  --help       show this text\n"
           "  --version    show the version\n"
           "\n"
           "Without --simulated Tidemark drives Chromium (/usr/bin/chromium), with a profile of\n"
           "its own under ~/.cache/tidemark. TIDEMARK_LOCAL_SITES=<address> sends it to local\n"
           "copies of the measurement pages at that address instead of the services.\n";
}

std::string VersionText() { return std::string(kAppTitle) + " " + kVersion + "\n"; }

}  // namespace tidemark::qt
