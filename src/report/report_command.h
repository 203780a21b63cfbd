#pragma once

// Making the report of a result file: the request as the command line gives
// it, and the one function that reads the file and the run log and writes
// the page. Both windows and `Tidemark --report` go through it.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "common/platform.h"
#include "common/record_files.h"

namespace tidemark::report {

inline constexpr double kDefaultBelowMbps = 10.0;

struct ReportRequest {
    std::string csvPath;
    std::string outputPath;  // empty: beside the result file, ".html" for ".csv"
    double belowMbps = kDefaultBelowMbps;
};

struct ReportArguments {
    std::optional<ReportRequest> request;
    std::string error;  // what was wrong with the arguments; empty when nothing
};

// The arguments after --report: FILE.csv [--output FILE.html] [--below MBPS].
ReportArguments ParseReportArguments(const std::vector<std::string>& arguments);

// The usage lines of --report for the program's help.
std::string ReportUsage(const std::string& program);

struct ReportMade {
    std::string outputPath;
    std::size_t rows = 0;
    std::size_t unreadable = 0;
};

// Reads the result file and the run log and writes the page. Throws
// PlatformError when the result file cannot be read (kFileNotFound when there
// is none) or the page cannot be written; a missing or unreadable log only
// leaves the failures' reasons out.
ReportMade MakeReport(RecordFiles& files, const ReportRequest& request, const LocalDateTime& now);

// Makes the report and says where it is, or why not. Answers the process's
// exit status: 0 made, 1 failed.
int WriteReport(RecordFiles& files, const ReportRequest& request, const LocalDateTime& now, std::ostream& out,
                std::ostream& err);

// `Tidemark.exe --report ...`: as WriteReport, and 2 for wrong arguments.
int RunReportCommand(RecordFiles& files, const std::vector<std::string>& arguments, const LocalDateTime& now,
                     std::ostream& out, std::ostream& err);

}  // namespace tidemark::report
