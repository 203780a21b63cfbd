#include "qt/linux_record_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <QStringDecoder>

#include "posix/unique_fd.h"
#include "qt/linux_file_errors.h"

namespace tidemark::qt {

using posix::UniqueFd;

namespace {
void MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) ThrowErrno(errno, "cannot make the folder " + part);
        if (slash == std::string::npos) return;
    }
}

void WriteAll(int fd, const std::string& bytes, const std::string& path) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR) continue;
            ThrowErrno(errno, "cannot write " + path);
        }
        written += static_cast<std::size_t>(count);
    }
}

UniqueFd OpenOrThrow(const std::string& path, int flags, const char* what) {
    UniqueFd fd(::open(path.c_str(), flags | O_CLOEXEC, 0644));
    if (!fd) ThrowErrno(errno, std::string(what) + " " + path);
    return fd;
}
}  // namespace

std::string StateFolderFor(const char* xdgStateHome, const char* home) {
    if (xdgStateHome != nullptr && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/tidemark";
    if (home == nullptr || home[0] != '/') throw PlatformError(kPathNotFound, "neither XDG_STATE_HOME nor HOME is set");
    return std::string(home) + "/.local/state/tidemark";
}

std::string LinuxRecordFiles::Folder() {
    const std::string folder = StateFolderFor(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    MakeFolders(folder);
    return folder + "/";
}

std::uint64_t LinuxRecordFiles::Size(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) return 0;
        ThrowErrno(errno, "cannot read the size of " + path);
    }
    return static_cast<std::uint64_t>(status.st_size);
}

void LinuxRecordFiles::Append(const std::string& path, const std::string& bytes) {
    const UniqueFd fd = OpenOrThrow(path, O_WRONLY | O_CREAT | O_APPEND, "cannot open");
    WriteAll(fd.get(), bytes, path);
}

void LinuxRecordFiles::Replace(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) ThrowErrno(errno, "cannot rename " + from + " to " + to);
}

std::optional<std::string> LinuxRecordFiles::Read(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) {
        if (errno == ENOENT) return std::nullopt;
        ThrowErrno(errno, "cannot open " + path);
    }
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) continue;
            ThrowErrno(errno, "cannot read " + path);
        }
        if (count == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

// Through a file beside it, so that a browser showing the old page never sees half a new one.
void LinuxRecordFiles::Write(const std::string& path, const std::string& bytes) {
    const std::string partial = path + ".part";
    UniqueFd fd = OpenOrThrow(partial, O_WRONLY | O_CREAT | O_TRUNC, "cannot make");
    WriteAll(fd.get(), bytes, partial);
    if (fd.Close() != 0) ThrowErrno(errno, "cannot write " + partial);
    Replace(partial, path);
}

std::optional<std::string> LinuxRecordFiles::LegacyToUtf8(const std::string& bytes) {
    QStringDecoder decoder("Shift_JIS");
    if (!decoder.isValid()) return std::nullopt;
    const QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError()) return std::nullopt;
    return text.toStdString();
}

std::string LinuxRecordFiles::PathKey(const std::string& path) {
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    if (error) return std::filesystem::absolute(path, error).lexically_normal().string();
    return canonical.string();
}

}  // namespace tidemark::qt
