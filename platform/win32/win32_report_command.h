#pragma once

#include <optional>

namespace tidemark::win32 {

// `Tidemark.exe --report FILE.csv [--output FILE.html] [--below MBPS]`:
// writes the report without a window, its messages to the console of the
// program that started it. nullopt when the command line asks for no report.
std::optional<int> RunReportIfAsked();

}  // namespace tidemark::win32
