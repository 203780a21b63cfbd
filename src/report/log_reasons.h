#pragma once

// The reasons of failed runs, read back from the run log.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "report/history.h"

namespace tidemark::report {

struct LogFailure {
    LocalStamp time;
    std::string stage;   // "USEN", "result file", ...
    std::string reason;  // the platform's own text and code, the page shown
};

// Two paths name one file when their keys are equal (RecordFiles::PathKey).
using PathKey = std::function<std::string(const std::string&)>;

// The failures logged by runs whose FILE line names the result file at
// `csvPath`, in the log's order. Runs without one (older logs) are passed
// over, as are lines that are not the log's own. Texts are valid UTF-8.
std::vector<LogFailure> ReadLogFailures(std::string_view logText, const std::string& csvPath, const PathKey& key);

// The last path component, after '/' or '\'.
std::string FileNameOf(std::string_view path);

}  // namespace tidemark::report
