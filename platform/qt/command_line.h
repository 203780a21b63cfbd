#pragma once

#include <string>
#include <vector>

#include "qt/linux_browser.h"

namespace tidemark::qt {

struct CommandLine {
    BrowserChoice browser = BrowserChoice::Chromium;
    bool help = false;
    std::string error;  // empty when the command line was understood
};

// The program's own options, after Qt has taken its own.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What --help prints.
std::string UsageText(const std::string& program);

}  // namespace tidemark::qt
