#pragma once

#include <optional>
#include <string>

#include <QStringList>

#include "app/unattended_options.h"
#include "qt/linux_browser.h"
#include "report/report_command.h"

namespace tidemark::qt {

struct CommandLine {
    BrowserChoice browser = BrowserChoice::Chromium;
    // --inspect ADDRESS: print that page's control view instead of opening the window.
    std::optional<std::string> inspect;
    // --report FILE.csv [--output FILE.html] [--below MBPS]: write the report instead of opening the window.
    std::optional<report::ReportRequest> report;
    // --run-once, --start, --services, --file, --metrics.
    UnattendedOptions unattended;

    // Set when the program is to print `answer` and end with this status instead of running:
    // 0 for --help and --version (on stdout), 2 for options it cannot take (on stderr, with the usage).
    std::optional<int> exitStatus;
    std::string answer;
};

// The program's options, read by QCommandLineParser from `arguments` (the
// program's name first); the answers are Qt's texts. Needs a QCoreApplication,
// whose name and version --version shows, but no QApplication, so that it
// answers without a display.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace tidemark::qt
