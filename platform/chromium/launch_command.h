#pragma once

#include <string>

namespace tidemark::chromium {

// What a browser command line asks for: a new window, or a new last tab in
// the front window, showing the address.
struct LaunchCommand {
    bool newWindow = false;
    std::string address;  // empty: a blank page
};

// " --new-window <address>" or " --newtab <address>", with any blanks around
// them. Throws PlatformError kEInvalidArg for any other command line.
LaunchCommand ParseLaunchCommand(const std::string& arguments);

}  // namespace tidemark::chromium
