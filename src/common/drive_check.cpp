#include "common/drive_check.h"

#include <optional>
#include <string_view>

#include "common/text.h"

namespace tidemark {

namespace {

bool IsDriveLetterRoot(const std::string& root) { return root.size() >= 2 && root[1] == ':'; }

char LowerLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AnswerWindowsDrive(Platform& platform, char letter) {
    for (const Drive& drive : platform.files.Drives())
        if (IsDriveLetterRoot(drive.root) && LowerLetter(drive.root[0]) == LowerLetter(letter))
            return drive.ready ? "OK" : "Error";
    return "Error";
}

// "/" holds every absolute path; "/mnt/usb" holds "/mnt/usb" and what lies below it, not "/mnt/usbkey".
bool RootHolds(std::string_view root, std::string_view path) {
    while (root.size() > 1 && root.back() == '/') root.remove_suffix(1);
    if (root == "/") return true;
    if (path.substr(0, root.size()) != root) return false;
    return path.size() == root.size() || path[root.size()] == '/';
}

std::string AnswerPosixVolume(Platform& platform, const std::string& path) {
    std::optional<Drive> holder;
    for (const Drive& drive : platform.files.Drives()) {
        if (drive.root.empty() || drive.root[0] != '/' || !RootHolds(drive.root, path)) continue;
        if (!holder || drive.root.size() > holder->root.size()) holder = drive;
    }
    return holder && holder->ready ? "OK" : "Error";
}

}  // namespace

std::string CheckDrive(Platform& platform, const std::string& path) {
    const std::string trimmed = TrimBlanks(path);
    const std::string start = trimmed.substr(0, 2);
    if (start == "\\\\") return "OK";
    if (start.empty()) return "Error";
    if (start[0] == '/') return AnswerPosixVolume(platform, trimmed);
    if (start.size() < 2 || start[1] != ':') return "Error";
    return AnswerWindowsDrive(platform, start[0]);
}

std::string DrivePartOf(const std::string& path) {
    const std::string trimmed = TrimBlanks(path);
    if (!trimmed.empty() && trimmed[0] == '/') return trimmed;
    return path.substr(0, 2);
}

}  // namespace tidemark
