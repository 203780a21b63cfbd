#pragma once

#include <string>
#include <vector>

#include "qt/linux_browser.h"

namespace tidemark::qt {

struct CommandLine {
    BrowserChoice browser = BrowserChoice::Chromium;
    bool help = false;
    bool version = false;
    std::string error;  // the first option not understood; empty when all were
};

// The program's own options. Read once before Qt starts, for --version and
// --help, which need no display, and again after Qt has taken its own.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What --help prints.
std::string UsageText(const std::string& program);

// What --version prints.
std::string VersionText();

}  // namespace tidemark::qt
