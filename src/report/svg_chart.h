#pragma once

// Charts as inline SVG, sized so that a year of half-hourly rows stays small:
// a series with more points than the plot has pixel columns is drawn per
// column as the band from its lowest to its highest figure and a line
// through the medians.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "report/history.h"
#include "report/history_stats.h"

namespace tidemark::report {

struct TimeSeries {
    std::string label;
    std::string colour;                                   // CSS colour
    std::vector<std::pair<std::int64_t, double>> points;  // local seconds, figure
};

// Runs that failed, drawn as ticks under the plot.
struct FailureTicks {
    std::string label;
    std::string colour;
    std::vector<std::int64_t> times;
};

std::string TimeChart(const std::string& title, const std::string& unit, LocalStamp first, LocalStamp last,
                      const std::vector<TimeSeries>& series, const std::vector<FailureTicks>& failures);

struct HourSeries {
    std::string label;
    std::string colour;
    std::array<Spread, 24> hours;
};

// Per hour of the day: the median as a line, the middle half (25th to 75th
// percentile) as a band.
std::string HourChart(const std::string& title, const std::string& unit, const std::vector<HourSeries>& series);

}  // namespace tidemark::report
