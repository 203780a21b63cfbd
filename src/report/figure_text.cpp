#include "report/figure_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "common/text.h"

namespace tidemark::report {

namespace {
struct Unit {
    std::string_view name;  // lower case
    FigureKind kind;
    double factor;  // to Mbps or ms
};

constexpr std::array kUnits = {
    Unit{"mbps", FigureKind::Speed, 1.0},     Unit{"mbit/s", FigureKind::Speed, 1.0},
    Unit{"kbps", FigureKind::Speed, 0.001},   Unit{"kbit/s", FigureKind::Speed, 0.001},
    Unit{"gbps", FigureKind::Speed, 1000.0},  Unit{"gbit/s", FigureKind::Speed, 1000.0},
    Unit{"bps", FigureKind::Speed, 0.000001}, Unit{"ms", FigureKind::Time, 1.0},
    Unit{"s", FigureKind::Time, 1000.0},
};

constexpr std::array<std::string_view, 2> kBeyond = {"above 100 Tbps", "longer than a day"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Pages write a thousands separator (1,234.56) and, in some languages, a
// decimal comma (12,5): a comma followed by exactly three digits and no
// further comma-free decimals is a separator, any other comma a decimal point.
std::optional<std::string> PlainNumber(std::string_view text) {
    std::string plain;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            plain += c;
        } else if (c == '.') {
            if (point) return std::nullopt;
            point = true;
            plain += '.';
        } else if (c == ',') {
            std::size_t digits = 0;
            while (i + 1 + digits < text.size() && IsDigit(text[i + 1 + digits])) ++digits;
            const bool separator = digits == 3 && !point && !plain.empty();
            if (separator) continue;
            if (point || digits == 0 || plain.empty()) return std::nullopt;
            point = true;
            plain += '.';
        } else {
            return std::nullopt;
        }
    }
    if (plain.empty() || plain == ".") return std::nullopt;
    return plain;
}

bool IsUnit(std::string_view text) {
    const std::string unit = LowerAscii(TrimBlanks(text));
    for (const Unit& known : kUnits)
        if (known.name == unit) return true;
    return false;
}
}  // namespace

FigureKind KindOf(Column column) {
    return column == kUsenPing || column == kUsenJitter || column == kSpeedPing ? FigureKind::Time : FigureKind::Speed;
}

FigureRead ReadFigure(std::string_view field, FigureKind kind) {
    constexpr std::string_view kNotAFigure = "not a figure";
    const std::string text = TrimBlanks(field);
    if (text.empty()) return {Reading{Reading::State::Empty, 0.0}, {}};
    if (text == "----") return {Reading{Reading::State::NotChosen, 0.0}, {}};
    // "--" or "--Mbps": the page's placeholder where its figure did not come.
    const std::size_t placeholderEnd = text.find_first_not_of("-\xE2\x80\x94");
    if (LowerAscii(text) == "error" || placeholderEnd == std::string::npos ||
        (placeholderEnd > 0 && IsUnit(std::string_view(text).substr(placeholderEnd))))
        return {Reading{Reading::State::Failed, 0.0}, {}};

    std::size_t numberEnd = 0;
    while (numberEnd < text.size() && (IsDigit(text[numberEnd]) || text[numberEnd] == '.' || text[numberEnd] == ','))
        ++numberEnd;
    const std::optional<std::string> number = PlainNumber(std::string_view(text).substr(0, numberEnd));
    if (!number) return {std::nullopt, kNotAFigure};
    double value = 0.0;
    const auto [end, error] = std::from_chars(number->data(), number->data() + number->size(), value);
    if (error == std::errc::result_out_of_range)
        return {std::nullopt, kBeyond[kind == FigureKind::Speed ? 0 : 1], true};
    if (error != std::errc() || end != number->data() + number->size()) return {std::nullopt, kNotAFigure};

    const std::string unit = LowerAscii(TrimBlanks(std::string_view(text).substr(numberEnd)));
    double factor = 1.0;  // no unit: the column's own
    if (!unit.empty()) {
        const Unit* found = nullptr;
        for (const Unit& known : kUnits)
            if (known.name == unit) found = &known;
        if (found == nullptr) return {std::nullopt, "unknown unit"};
        if (found->kind != kind)
            return {std::nullopt, kind == FigureKind::Speed ? "a time, not a speed" : "a speed, not a time"};
        factor = found->factor;
    }
    const double scaled = value * factor;
    const double most = kind == FigureKind::Speed ? kMostMbps : kMostMs;
    if (!std::isfinite(scaled) || scaled > most)
        return {std::nullopt, kBeyond[kind == FigureKind::Speed ? 0 : 1], true};
    return {Reading{Reading::State::Value, scaled}, {}};
}

}  // namespace tidemark::report
