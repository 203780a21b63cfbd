#pragma once

// The record's files on Windows: the state folder is %LOCALAPPDATA%\Tidemark;
// a result file that is not UTF-8 is read in the system's ANSI code page, as
// the program writes it.

#include "common/record_files.h"

namespace tidemark::win32 {

class Win32RecordFiles : public RecordFiles {
public:
    std::string Folder() override;
    std::uint64_t Size(const std::string& path) override;
    void Append(const std::string& path, const std::string& bytes) override;
    void Replace(const std::string& from, const std::string& to) override;
    std::optional<std::string> Read(const std::string& path) override;
    void Write(const std::string& path, const std::string& bytes) override;
    std::optional<std::string> LegacyToUtf8(const std::string& bytes) override;
    std::string PathKey(const std::string& path) override;
};

// The shell's default program for the file: the browser for a page.
class Win32ReportViewer : public ReportViewer {
public:
    void Show(const std::string& path) override;
};

}  // namespace tidemark::win32
