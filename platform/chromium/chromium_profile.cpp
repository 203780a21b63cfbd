#include "chromium/chromium_profile.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "common/platform_error.h"

namespace tidemark::chromium {

namespace {
std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}
}  // namespace

std::string DefaultProfileFolder() {
    std::string cache = Environment("XDG_CACHE_HOME");
    if (cache.empty() || cache.front() != '/') {
        std::string home = Environment("HOME");
        if (home.empty()) {
            if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
                home = user->pw_dir;
            }
        }
        cache = home + "/.cache";
    }
    return cache + "/tidemark/chromium-profile";
}

void PrepareProfileFolder(const std::string& folder) {
    std::error_code created;
    std::filesystem::create_directories(folder, created);
    if (created) {
        throw PlatformError(created == std::errc::permission_denied ? kEAccessDenied : kPathNotFound,
                            "cannot create Chromium's profile folder " + folder + ": " + created.message());
    }
    ::chmod(folder.c_str(), 0700);
}

}  // namespace tidemark::chromium
