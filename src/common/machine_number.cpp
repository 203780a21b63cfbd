#include "common/machine_number.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tidemark {

std::string FixedText(double value, int decimals) {
    // The largest double in fixed notation has 309 digits before the point.
    std::array<char, 330> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed,
                                            std::clamp(decimals, 0, 6));
    if (error != std::errc()) return "nan";
    return std::string(text.data(), end);
}

std::string PaddedNumber(long long value, int width) {
    std::array<char, 24> text{};
    const bool negative = value < 0;
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), negative ? -value : value);
    std::string digits(text.data(), error == std::errc() ? end : text.data());
    if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

}  // namespace tidemark
