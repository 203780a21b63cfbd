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

// Whether the command line (without the program's name) asks for a report:
// it holds --report, --output, -o or --below, alone or with "=VALUE".
bool AsksForReport(const std::vector<std::string>& arguments);

// The one reader of the report's command line, on every platform (without
// the program's name): --report FILE.csv [--output FILE.html] [--below MBPS],
// in any order, each option also as --option=VALUE, and nothing else.
ReportArguments ParseReportArguments(const std::vector<std::string>& arguments);

// The usage lines of --report for the program's help.
std::string ReportUsage(const std::string& program);

struct ReportMade {
    std::string refusal;  // why no page was written; empty when it was
    std::string outputPath;
    std::size_t rows = 0;
    std::size_t unreadable = 0;
};

// Reads the result file (only reading it) and the run log and writes the
// page. Refuses, writing nothing, a page that would replace the result file,
// a folder, or a file that is not a page Tidemark wrote. Throws PlatformError
// when the result file cannot be read (kFileNotFound when there is none) or
// the page cannot be written; a missing or unreadable log only leaves the
// failures' reasons out. `words` are those of the locale that wrote the dates.
ReportMade MakeReport(RecordFiles& files, const ReportRequest& request, const LocalDateTime& now,
                      const DateWords& words = {});

// Makes the report and says where it is, or why not; never throws. Answers
// the process's exit status: 0 made, 1 failed, 2 refused.
int WriteReport(RecordFiles& files, const ReportRequest& request, const LocalDateTime& now, std::ostream& out,
                std::ostream& err, const DateWords& words = {});

// `Tidemark.exe --report ...`: as WriteReport, and 2 for wrong arguments.
int RunReportCommand(RecordFiles& files, const std::vector<std::string>& arguments, const LocalDateTime& now,
                     std::ostream& out, std::ostream& err, const DateWords& words = {});

}  // namespace tidemark::report
