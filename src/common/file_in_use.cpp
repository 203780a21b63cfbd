#include "common/file_in_use.h"

#include "common/file_checks.h"

namespace tidemark {

bool CheckFileInUse(Platform& platform, const std::string& path, bool keepNormal) {
    if (CheckFileExists(platform, path) == "Error") return false;
    const std::uint32_t noted = platform.files.GetAttributes(path);
    platform.files.SetAttributes(path, file_attribute::Normal);
    bool inUse = true;
    try {
        inUse = !platform.files.OpenExclusive(path);
    } catch (const PlatformError&) {
        inUse = true;
    }
    if (!keepNormal) platform.files.SetAttributes(path, noted);
    return inUse;
}

}  // namespace tidemark
