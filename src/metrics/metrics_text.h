#pragma once

// The metrics file: Prometheus' text exposition format, for the textfile
// collectors of node_exporter and windows_exporter. The counters of runs must
// outlive the process (each unattended run is a process of its own), so the
// file is also the state: the next run reads the previous file back and
// writes it anew. Numbers are written without the user's locale.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "run/run_outcome.h"

namespace tidemark::metrics {

inline constexpr std::string_view kFileName = "tidemark.prom";

enum Service : std::size_t { kFast, kUsen, kSpeed };
inline constexpr std::array<std::string_view, 3> kServiceLabels = {"fast", "usen", "speed"};

enum Result : std::size_t { kSuccess, kTimeout, kError, kFileInUse };
inline constexpr std::array<std::string_view, 4> kResultLabels = {"success", "timeout", "error", "file_in_use"};

// One service's figures, in base units, from the last run that read them;
// a figure the page did not give is absent.
struct ServiceFigures {
    std::optional<double> downloadBytesPerSecond;
    std::optional<double> uploadBytesPerSecond;
    std::optional<double> pingSeconds;
    std::optional<double> jitterSeconds;
    std::optional<double> readAt;  // seconds since the Unix epoch
};

struct MetricsState {
    std::array<ServiceFigures, 3> services;
    std::optional<double> lastRunAt;
    bool lastRunSucceeded = false;
    std::array<double, 4> runs{};
};

// Reads back a file this program wrote; lines it does not know are passed over.
MetricsState ParseMetrics(std::string_view text);

std::string FormatMetrics(const MetricsState& state);

// The run counted by its result; the figures of each service the run read
// replace that service's earlier ones, the others stay.
void RecordRun(MetricsState& state, const RunOutcome& outcome, double epochSeconds);

Result ResultOf(const RunOutcome& outcome);

}  // namespace tidemark::metrics
