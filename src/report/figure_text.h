#pragma once

// One figure field of the result file as a reading: "93Mbps", "1,234.56Mbps",
// "850Kbps", "1.2Gbps", "12.3ms", "----", "Error", "--" or nothing.

#include <optional>
#include <string_view>

#include "report/history.h"

namespace tidemark::report {

enum class FigureKind { Speed, Time };

// nullopt when the field holds a figure this reader does not understand
// (an unknown unit, a unit of the other kind, stray characters).
std::optional<Reading> ReadFigure(std::string_view field, FigureKind kind);

FigureKind KindOf(Column column);

}  // namespace tidemark::report
