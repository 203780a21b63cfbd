#pragma once

// What the program's own record needs of the platform beyond the result
// file: a folder of its own outside Documents for the run log and the
// reports, whole files read and written as bytes without any conversion, and
// a report shown in the user's default browser. Failures are thrown as
// PlatformError.

#include <cstdint>
#include <optional>
#include <string>

#include "common/platform_error.h"

namespace tidemark {

class RecordFiles {
public:
    virtual ~RecordFiles() = default;

    // The program's state folder, ending in the path separator; made when missing.
    virtual std::string Folder() = 0;
    // 0 when there is no such file.
    virtual std::uint64_t Size(const std::string& path) = 0;
    // One open-append-close; the file is made when missing.
    virtual void Append(const std::string& path, const std::string& bytes) = 0;
    // Renames `from` to `to`, replacing what is at `to`.
    virtual void Replace(const std::string& from, const std::string& to) = 0;
    // The whole file; nullopt when there is none.
    virtual std::optional<std::string> Read(const std::string& path) = 0;
    // The whole file, replacing one that is there.
    virtual void Write(const std::string& path, const std::string& bytes) = 0;
    // Text of the system's legacy code page (the Windows build's CSV) as UTF-8;
    // nullopt where the platform has none to offer.
    virtual std::optional<std::string> LegacyToUtf8(const std::string& bytes) = 0;
    // A form of the path under which two names of one file compare equal
    // (absolute, links resolved, in the platform's case rules); as given
    // where the platform cannot tell.
    virtual std::string PathKey(const std::string& path) { return path; }
};

class ReportViewer {
public:
    virtual ~ReportViewer() = default;
    // Opens the file in the user's default browser, without waiting.
    virtual void Show(const std::string& path) = 0;
};

// The record's services as the program hands them to the core.
struct RecordServices {
    RecordFiles& files;
    ReportViewer& viewer;
};

}  // namespace tidemark
