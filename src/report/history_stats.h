#pragma once

// The figures the report shows, computed from a read history: per service
// the medians, the 5th percentile and the share of runs below a speed; the
// spread of the download for each hour of the day; one line per day.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "report/history.h"

namespace tidemark::report {

struct ServiceColumns {
    std::string_view name;
    Column download;
    std::optional<Column> upload;
    std::optional<Column> ping;
    std::optional<Column> jitter;
};

inline constexpr std::array<ServiceColumns, 3> kServices = {
    ServiceColumns{"FAST", kFastDown, std::nullopt, std::nullopt, std::nullopt},
    ServiceColumns{"USEN", kUsenDown, kUsenUp, kUsenPing, kUsenJitter},
    ServiceColumns{"SPEED", kSpeedDown, kSpeedUp, kSpeedPing, std::nullopt},
};

// Order statistics of a set of figures; all zero when it is empty.
struct Spread {
    std::size_t count = 0;
    double min = 0, p5 = 0, p25 = 0, median = 0, p75 = 0, max = 0;
};

// Linear interpolation between the closest ranks of sorted values (p in 0..100).
double Percentile(const std::vector<double>& sorted, double p);
Spread SpreadOf(std::vector<double> values);

struct ServiceSummary {
    std::size_t measured = 0;  // rows in which the service was chosen
    std::size_t failed = 0;    // of those, rows without its download figure
    Spread download, upload, ping, jitter;
    std::size_t below = 0;  // downloads under the speed asked about
};

struct DayLine {
    std::int64_t day = 0;
    std::size_t runs = 0;
    std::size_t failedRuns = 0;
    std::array<Spread, kServices.size()> download;  // median and worst (min) of each service
};

struct HistoryStats {
    double belowMbps = 0;
    std::size_t runs = 0;
    std::size_t failedRuns = 0;
    LocalStamp first, last;
    std::array<ServiceSummary, kServices.size()> services;
    std::array<std::array<Spread, 24>, kServices.size()> hourly;  // download, by hour of the day
    std::vector<DayLine> days;                                    // in order of the day
};

HistoryStats Summarise(const History& history, double belowMbps);

}  // namespace tidemark::report
