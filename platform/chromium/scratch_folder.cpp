#include "chromium/scratch_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "common/platform_error.h"

namespace tidemark::chromium {

ScratchFolder::ScratchFolder(const std::string& parent, const std::string& prefix) {
    std::error_code error;
    std::filesystem::create_directories(parent, error);
    std::string pattern = parent + "/" + prefix + "XXXXXX";
    if (error || ::mkdtemp(pattern.data()) == nullptr) {
        const std::string reason = error ? error.message() : std::strerror(errno);
        throw PlatformError(kPathNotFound, "cannot make a folder under " + parent + ": " + reason);
    }
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace tidemark::chromium
