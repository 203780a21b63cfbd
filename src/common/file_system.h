#pragma once

// The file and special-folder services of the platform. Failures the
// platform reports are thrown as PlatformError.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/platform_error.h"

namespace tidemark {

namespace file_attribute {
constexpr std::uint32_t ReadOnly = 0x01;
constexpr std::uint32_t Hidden = 0x02;
constexpr std::uint32_t System = 0x04;
constexpr std::uint32_t Directory = 0x10;
constexpr std::uint32_t Normal = 0x80;
}  // namespace file_attribute

// A usable volume: a drive ("C:") on Windows, the root or a mount point on Linux.
struct Drive {
    std::string root;
    bool ready = false;
};

enum class FoundEntry { None, File, Directory };

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // "\\" on Windows, "/" on Linux.
    virtual std::string PathSeparator() = 0;
    virtual std::vector<Drive> Drives() = 0;
    // What FindFirstFile finds first for the path (wildcards allowed).
    virtual FoundEntry FindFirst(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    virtual std::uint32_t GetAttributes(const std::string& path) = 0;
    virtual void SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // Opens the file for writing with all sharing refused and closes it at
    // once; false when that cannot be done (another program holds it).
    virtual bool OpenExclusive(const std::string& path) = 0;
    // One open-for-append, write, close; creates the file. The text is UTF-8;
    // the platform writes it in its file encoding.
    virtual void Append(const std::string& path, const std::string& text) = 0;
};

// Where the platform keeps the user's special folders.
class SpecialFolders {
public:
    virtual ~SpecialFolders() = default;

    // The script host's SpecialFolders(key); empty for a key it does not know.
    virtual std::string ScriptHostFolder(const std::string& key) = 0;
    // The shell folder of a CSIDL number; nullopt when the shell has none.
    virtual std::optional<std::string> ShellFolder(int csidl) = 0;
    // The shell folder of a shell path such as "shell:Downloads".
    virtual std::optional<std::string> ShellPathFolder(const std::string& shellPath) = 0;
};

}  // namespace tidemark
