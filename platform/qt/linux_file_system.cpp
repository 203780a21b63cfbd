#include "qt/linux_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <memory>
#include <sstream>

#include "qt/linux_file_errors.h"
#include "qt/linux_file_in_use.h"
#include "posix/unique_fd.h"

namespace tidemark::qt {

using posix::UniqueFd;

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

FoundEntry Classify(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return FoundEntry::None;
    return S_ISDIR(status.st_mode) ? FoundEntry::Directory : FoundEntry::File;
}

// Only '*' and '?' are wild for FindFirstFile; brackets and backslashes are plain characters.
std::string FnmatchPattern(const std::string& name) {
    std::string pattern;
    for (char c : name) {
        if (c == '[' || c == ']' || c == '\\') pattern += '\\';
        pattern += c;
    }
    return pattern;
}

struct stat StatOrThrow(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) ThrowErrno(errno, "cannot read the attributes of " + path);
    return status;
}

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

// The kernel writes a blank, a tab, a newline and a backslash in a mount point as \040, \011, \012, \134.
std::string Unescaped(const std::string& field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctalDigit(field[i + 1]) && IsOctalDigit(field[i + 2]) &&
            IsOctalDigit(field[i + 3])) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

std::string ReadMounts() {
    std::ifstream file("/proc/self/mounts");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

std::vector<std::string> ParseMountPoints(std::string_view mounts) {
    std::vector<std::string> points;
    std::istringstream lines{std::string(mounts)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string device, point;
        if (!(fields >> device >> point)) continue;
        point = Unescaped(point);
        if (std::find(points.begin(), points.end(), point) == points.end()) points.push_back(point);
    }
    return points;
}

std::vector<Drive> LinuxFileSystem::Drives() {
    std::vector<std::string> roots = {"/"};
    for (std::string& point : ParseMountPoints(ReadMounts()))
        if (std::find(roots.begin(), roots.end(), point) == roots.end()) roots.push_back(std::move(point));
    std::vector<Drive> drives;
    for (std::string& root : roots) {
        struct statvfs volume {};
        const bool ready = ::statvfs(root.c_str(), &volume) == 0;
        drives.push_back({std::move(root), ready});
    }
    return drives;
}

FoundEntry LinuxFileSystem::FindFirst(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.find_first_of("*?") == std::string::npos) return Classify(path);
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    DirHandle dir(::opendir(folder.c_str()));
    if (!dir) return FoundEntry::None;
    const std::string pattern = FnmatchPattern(name);
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string found = entry->d_name;
        if (found == "." || found == "..") continue;
        if (::fnmatch(pattern.c_str(), found.c_str(), 0) == 0) return Classify(folder + "/" + found);
    }
    return FoundEntry::None;
}

bool LinuxFileSystem::FolderExists(const std::string& path) { return Classify(path) == FoundEntry::Directory; }

std::uint32_t LinuxFileSystem::GetAttributes(const std::string& path) {
    const struct stat status = StatOrThrow(path);
    std::uint32_t attributes = 0;
    if (S_ISDIR(status.st_mode)) attributes |= file_attribute::Directory;
    if ((status.st_mode & S_IWUSR) == 0) attributes |= file_attribute::ReadOnly;
    return attributes == 0 ? file_attribute::Normal : attributes;
}

void LinuxFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    const struct stat status = StatOrThrow(path);
    const mode_t mode = status.st_mode & 07777;
    const mode_t wanted = (attributes & file_attribute::ReadOnly) != 0 ? mode & ~S_IWUSR : mode | S_IWUSR;
    if (wanted != mode && ::chmod(path.c_str(), wanted) != 0) ThrowErrno(errno, "cannot change the mode of " + path);
}

bool LinuxFileSystem::OpenExclusive(const std::string& path) { return qt::OpenExclusive(path); }

void LinuxFileSystem::Append(const std::string& path, const std::string& text) {
    UniqueFd fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666));
    if (!fd) ThrowErrno(errno, "cannot open " + path + " for appending");
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(fd.get(), text.data() + written, text.size() - written);
        if (count < 0) {
            if (errno == EINTR) continue;
            ThrowErrno(errno, "cannot write " + path);
        }
        written += static_cast<std::size_t>(count);
    }
    if (fd.Close() != 0) ThrowErrno(errno, "cannot close " + path);
}

}  // namespace tidemark::qt
