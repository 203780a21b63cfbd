#pragma once

// The reasons of failed runs, read back from the run log.

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

// The failures logged by runs into the result file named `csvFileName`
// ("Tidemark.csv", compared without regard to ASCII case), in the log's order.
// Lines that are not the log's own are passed over.
std::vector<LogFailure> ReadLogFailures(std::string_view logText, std::string_view csvFileName);

// The last path component, after '/' or '\'.
std::string FileNameOf(std::string_view path);

}  // namespace tidemark::report
