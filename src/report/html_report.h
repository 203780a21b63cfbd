#pragma once

// The history report: one self-contained HTML file, charts as inline SVG,
// no script and nothing fetched from the network. It is well-formed XML as
// well as HTML, so both kinds of parser read it.

#include <optional>
#include <string>
#include <vector>

#include "report/history.h"
#include "report/history_stats.h"
#include "report/log_reasons.h"

namespace tidemark::report {

// Named in every page's head, so that a page can be told from a file that only looks like one.
inline constexpr std::string_view kGenerator = "Tidemark report";

struct ReportPage {
    std::string sourceName;   // the result file's name
    std::string generatedAt;  // local time, "2026-01-05 09:03:07"
    std::string logPlace;     // where the run log is looked for
    const History& history;
    const HistoryStats& stats;
    std::optional<std::vector<LogFailure>> failures;  // nullopt: no run log found
};

std::string RenderReport(const ReportPage& page);

}  // namespace tidemark::report
