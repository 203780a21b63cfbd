#pragma once

// Stand-ins until the Win32 file system and special folders join this
// build: every call throws PlatformError(E_NOTIMPL). Remove with them.

#include "common/file_system.h"

namespace tidemark::win32 {

class UnavailableFileSystem final : public FileSystem {
public:
    std::string PathSeparator() override { return "\\"; }
    std::vector<Drive> Drives() override { Fail(); }
    FoundEntry FindFirst(const std::string&) override { Fail(); }
    bool FolderExists(const std::string&) override { Fail(); }
    std::uint32_t GetAttributes(const std::string&) override { Fail(); }
    void SetAttributes(const std::string&, std::uint32_t) override { Fail(); }
    bool OpenExclusive(const std::string&) override { Fail(); }
    void Append(const std::string&, const std::string&) override { Fail(); }

private:
    [[noreturn]] static void Fail() { throw PlatformError(kENotImpl, "no Win32 file system in this build yet"); }
};

class UnavailableSpecialFolders final : public SpecialFolders {
public:
    std::string ScriptHostFolder(const std::string&) override { Fail(); }
    std::optional<std::string> ShellFolder(int) override { Fail(); }
    std::optional<std::string> ShellPathFolder(const std::string&) override { Fail(); }

private:
    [[noreturn]] static void Fail() { throw PlatformError(kENotImpl, "no Win32 special folders in this build yet"); }
};

}  // namespace tidemark::win32
