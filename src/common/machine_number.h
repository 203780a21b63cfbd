#pragma once

// Numbers written for machines (pages, SVG, logs): a '.' as the decimal point
// and no digit groups, whatever locale the process runs under.

#include <string>

namespace tidemark {

// `value` with exactly `decimals` decimals (0 to 6); "nan", "inf" and "-inf" as such.
std::string FixedText(double value, int decimals);

// A whole number with at least `width` digits, zeros in front: "0007".
std::string PaddedNumber(long long value, int width);

}  // namespace tidemark
