#pragma once

#include <optional>
#include <string>
#include <vector>

#include "qt/linux_browser.h"

namespace tidemark::qt {

struct CommandLine {
    BrowserChoice browser = BrowserChoice::Chromium;
    bool help = false;
    bool version = false;
    // --inspect ADDRESS or --inspect=ADDRESS: print that page's control view instead of opening the
    // window. Empty, with the error set, when the address is missing.
    std::optional<std::string> inspect;
    // --report and the arguments after it, which are the report's own.
    std::optional<std::vector<std::string>> report;
    std::string error;  // the first option not understood; empty when all were
};

// The program's own options. Read once before Qt starts, for --version and
// --help and --inspect, which need no display, and again after Qt has taken its own.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What --help prints.
std::string UsageText(const std::string& program);

// What --version prints.
std::string VersionText();

}  // namespace tidemark::qt
