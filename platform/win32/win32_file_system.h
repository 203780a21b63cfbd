#pragma once

// The file services over Win32: the logical drives and their volumes,
// FindFirstFileW, file attributes, an open without sharing for the in-use
// test, and appends in the ANSI code page.

#include "common/file_system.h"

namespace tidemark::win32 {

class Win32FileSystem : public FileSystem {
public:
    std::string PathSeparator() override { return "\\"; }
    // "C:" and the like; a drive is ready when its volume answers (no dialog
    // for an empty card reader).
    std::vector<Drive> Drives() override;
    FoundEntry FindFirst(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    std::uint32_t GetAttributes(const std::string& path) override;
    void SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool OpenExclusive(const std::string& path) override;
    // The text converted from UTF-8 to the ANSI code page, no byte-order mark.
    void Append(const std::string& path, const std::string& text) override;
};

}  // namespace tidemark::win32
