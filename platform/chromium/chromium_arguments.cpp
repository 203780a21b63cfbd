#include "chromium/chromium_arguments.h"

#include <cstdlib>

namespace tidemark::chromium {

namespace {
bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}
}  // namespace

bool HasDisplay() { return Set("DISPLAY") || Set("WAYLAND_DISPLAY"); }

std::vector<std::string> ChromiumArguments(const std::string& profileFolder, bool headless, bool asRoot) {
    std::vector<std::string> arguments = {
        "--remote-debugging-pipe",
        "--user-data-dir=" + profileFolder,
        "--no-first-run",
        "--no-default-browser-check",
        "--disable-background-networking",
        "--disable-component-update",
        "--disable-sync",
        "--disable-gpu",
    };
    // Chromium refuses to start its sandbox as root.
    if (asRoot) arguments.push_back("--no-sandbox");
    if (headless) arguments.push_back("--headless=new");
    return arguments;
}

}  // namespace tidemark::chromium
