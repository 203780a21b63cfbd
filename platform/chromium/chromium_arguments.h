#pragma once

#include <string>
#include <vector>

namespace tidemark::chromium {

// The command line after the program's name.
std::vector<std::string> ChromiumArguments(const std::string& profileFolder, bool headless, bool asRoot);

// True when $DISPLAY or $WAYLAND_DISPLAY names a display to show a window on.
bool HasDisplay();

}  // namespace tidemark::chromium
