#pragma once

// The report's figures as text: the decimals that suit their size, and
// coordinates of the charts, never in the user's locale.

#include <string>

namespace tidemark::report {

// 943, 94.5, 9.45.
std::string Figure(double value);

// A chart coordinate: one decimal.
std::string Coordinate(double value);

// "12.5%" of part in whole; "&#8211;" when whole is 0.
std::string Percent(std::size_t part, std::size_t whole);

}  // namespace tidemark::report
