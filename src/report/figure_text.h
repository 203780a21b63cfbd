#pragma once

// One figure field of the result file as a reading: "93Mbps", "1,234.56Mbps",
// "850Kbps", "1.2Gbps", "12.3ms", "----", "Error", "--" or nothing.

#include <optional>
#include <string_view>

#include "report/history.h"

namespace tidemark::report {

enum class FigureKind { Speed, Time };

// No line is faster than this or answers slower than a day: a figure beyond
// is damage, never a point on a chart.
inline constexpr double kMostMbps = 100e6;  // 100 Tbps
inline constexpr double kMostMs = 86400e3;

struct FigureRead {
    std::optional<Reading> reading;
    std::string_view problem;  // why there is no reading: "not a figure", "above 100 Tbps", ...
    bool outOfBounds = false;  // a figure, but beyond the bounds
};

FigureRead ReadFigure(std::string_view field, FigureKind kind);

FigureKind KindOf(Column column);

}  // namespace tidemark::report
