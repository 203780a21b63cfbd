#include "report/number_text.h"

#include <cmath>

#include "common/machine_number.h"

namespace tidemark::report {

std::string Figure(double value) {
    const double size = std::fabs(value);
    return FixedText(value, size >= 100 || value == std::floor(value) ? 0 : size >= 10 ? 1 : 2);
}

std::string Coordinate(double value) { return FixedText(value, 1); }

std::string Percent(std::size_t part, std::size_t whole) {
    if (whole == 0) return "&#8211;";
    return FixedText(100.0 * static_cast<double>(part) / static_cast<double>(whole), 1) + "%";
}

}  // namespace tidemark::report
