#pragma once

// The record's files on Linux: the state folder is $XDG_STATE_HOME/tidemark
// (~/.local/state/tidemark when the variable is unset or not absolute); a
// result file that is not UTF-8 came from a Japanese Windows, so it is read
// as Shift_JIS (cp932) when Qt can decode that.

#include "common/record_files.h"

namespace tidemark::qt {

class LinuxRecordFiles : public RecordFiles {
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

// The state folder the environment names, without its trailing slash.
std::string StateFolderFor(const char* xdgStateHome, const char* home);

}  // namespace tidemark::qt
