#include "chromium/chromium_location.h"

#include <unistd.h>

#include <cstdlib>
#include <sstream>

namespace tidemark::chromium {

namespace {
bool IsProgram(const std::string& path) { return ::access(path.c_str(), X_OK) == 0; }
}  // namespace

std::optional<std::string> ChromiumLocation::FindInstalled() {
    for (const char* known : {"/usr/bin/chromium", "/usr/bin/chromium-browser"})
        if (IsProgram(known)) return std::string(known);
    const char* path = std::getenv("PATH");
    std::istringstream folders(path == nullptr ? "" : path);
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (folder.empty()) continue;
        for (const char* name : {"chromium", "chromium-browser"}) {
            const std::string candidate = folder + "/" + name;
            if (IsProgram(candidate)) return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace tidemark::chromium
