#include "common/file_checks.h"

#include "common/drive_check.h"

namespace tidemark {

std::string CheckFileExists(Platform& platform, const std::string& path) {
    if (CheckDrive(platform, DrivePartOf(path)) == "Error") return "Error";
    try {
        return platform.files.FindFirst(path) == FoundEntry::File ? "OK" : "Error";
    } catch (const PlatformError&) {
        return "Error";
    }
}

std::string CheckFolderExists(Platform& platform, const std::string& path) {
    if (CheckDrive(platform, DrivePartOf(path)) == "Error") return "Error";
    try {
        return platform.files.FolderExists(path) ? "OK" : "Error";
    } catch (const PlatformError&) {
        return "Error";
    }
}

}  // namespace tidemark
