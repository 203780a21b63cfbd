#pragma once

// The run log: a few lines per run in the program's state folder, so that a
// row that says "An error occurred in the test." can be traced to the error
// the platform reported. The file is rotated before it would pass its bound,
// keeping one old file. Writing it never fails a run: a log that cannot be
// written is skipped.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/context.h"

namespace tidemark {

namespace run_log {
inline constexpr std::string_view kFileName = "tidemark.log";
inline constexpr std::string_view kOldFileName = "tidemark.log.1";
inline constexpr std::uint64_t kRotateBytes = 256 * 1024;

// The kinds of line; the report reads them back.
inline constexpr std::string_view kStart = "START";
// After START: the result file's full path, as PathInLog writes it.
inline constexpr std::string_view kFile = "FILE";
inline constexpr std::string_view kStep = "STEP";
inline constexpr std::string_view kResult = "RESULT";
inline constexpr std::string_view kFail = "FAIL";
inline constexpr std::string_view kEnd = "END";
// A dialog a page raised, and how the browser layer answered it.
inline constexpr std::string_view kDialog = "DIALOG";
}  // namespace run_log

class RunLog {
public:
    // No log when `records` is null.
    RunLog(RecordServices* records, Clock& clock, std::uint64_t rotateBytes = run_log::kRotateBytes);

    // One line: local time, kind, text (its line breaks folded into " / ").
    void Write(std::string_view kind, std::string_view text) noexcept;

private:
    RecordServices* records_;
    Clock& clock_;
    std::uint64_t rotateBytes_;
};

// "error 0x80004005: the element's tab has closed": the code and the platform's own text.
std::string ErrorText(const PlatformError& error);

// The path with '%', CR and LF as %25, %0D and %0A, so that the line holds it whole.
std::string PathInLog(std::string_view path);
// The path PathInLog wrote.
std::string PathFromLog(std::string_view text);

// "2026-01-05 09:03:07".
std::string LogTimeText(const LocalDateTime& when);

}  // namespace tidemark
