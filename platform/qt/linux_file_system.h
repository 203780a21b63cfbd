#pragma once

// The file services over POSIX. The volumes are "/" and the mount points of
// /proc/self/mounts; read-only means no write permission for the owner; the
// result file is written in UTF-8 without a byte-order mark.

#include <string>
#include <string_view>
#include <vector>

#include "common/file_system.h"

namespace tidemark::qt {

class LinuxFileSystem : public FileSystem {
public:
    std::string PathSeparator() override { return "/"; }
    // A volume is ready when statvfs() answers for it.
    std::vector<Drive> Drives() override;
    // Wildcards ('*', '?') only in the last component, as FindFirstFile takes them.
    FoundEntry FindFirst(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    std::uint32_t GetAttributes(const std::string& path) override;
    // Only the read-only bit has a counterpart: it takes or gives back the
    // owner's write permission. Hidden and system are ignored.
    void SetAttributes(const std::string& path, std::uint32_t attributes) override;
    // See linux_file_in_use.h for what "held" means here.
    bool OpenExclusive(const std::string& path) override;
    void Append(const std::string& path, const std::string& text) override;
};

// The mount points listed in the text of /proc/self/mounts, with the octal
// escapes (\040 for a blank) undone, in their order, each once.
std::vector<std::string> ParseMountPoints(std::string_view mounts);

}  // namespace tidemark::qt
