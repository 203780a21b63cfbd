#include "common/numeric_text.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace tidemark {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWith(std::string_view text, std::string_view prefix) {
    return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

std::string_view TrimBlankChars(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Reads the number at the front of `rest` into the plain form from_chars
// takes ("-12.5e3") and leaves `rest` after it. Group separators are skipped
// only when `group` is given, and only after a digit of the whole part.
struct NumberScan {
    std::string plain;
    bool hasDigits = false;
};

NumberScan ScanNumber(std::string_view& rest, std::string_view decimal, std::string_view group) {
    NumberScan scan;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        if (rest.front() == '-') scan.plain += '-';
        rest.remove_prefix(1);
    }
    while (!rest.empty()) {
        if (IsDigit(rest.front())) {
            scan.plain += rest.front();
            scan.hasDigits = true;
            rest.remove_prefix(1);
        } else if (StartsWith(rest, decimal)) {
            break;
        } else if (scan.hasDigits && StartsWith(rest, group)) {
            rest.remove_prefix(group.size());
        } else {
            break;
        }
    }
    if (StartsWith(rest, decimal)) {
        scan.plain += '.';
        rest.remove_prefix(decimal.size());
        while (!rest.empty() && IsDigit(rest.front())) {
            scan.plain += rest.front();
            scan.hasDigits = true;
            rest.remove_prefix(1);
        }
    }
    if (!scan.hasDigits || rest.empty() || (rest.front() != 'e' && rest.front() != 'E')) return scan;

    // An exponent counts only with at least one digit; otherwise the number ends before the 'e'.
    std::string_view exponent = rest.substr(1);
    std::string exponentPlain = "e";
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        if (exponent.front() == '-') exponentPlain += '-';
        exponent.remove_prefix(1);
    }
    if (exponent.empty() || !IsDigit(exponent.front())) return scan;
    while (!exponent.empty() && IsDigit(exponent.front())) {
        exponentPlain += exponent.front();
        exponent.remove_prefix(1);
    }
    scan.plain += exponentPlain;
    rest = exponent;
    return scan;
}

// Whether an out-of-range number is too small rather than too large: the
// decimal order of its first significant digit is below zero.
bool Underflows(const std::string& plain) {
    const auto e = plain.find('e');
    long long exponent = 0;
    if (e != std::string::npos) {
        const auto [end, error] = std::from_chars(plain.data() + e + 1, plain.data() + plain.size(), exponent);
        if (error == std::errc::result_out_of_range) return plain[e + 1] == '-';
    }
    const std::string mantissa = plain.substr(0, e);
    const std::string whole = mantissa.substr(0, mantissa.find('.'));
    const std::string fraction = whole.size() < mantissa.size() ? mantissa.substr(whole.size() + 1) : "";
    const auto firstWhole = whole.find_first_of("123456789");
    if (firstWhole != std::string::npos) return exponent + static_cast<long long>(whole.size() - firstWhole) <= 0;
    const auto firstFraction = fraction.find_first_of("123456789");
    if (firstFraction == std::string::npos) return true;
    return exponent - static_cast<long long>(firstFraction) <= 0;
}

enum class Conversion { Ok, TooLarge };

Conversion ToDouble(const std::string& plain, double& value) {
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc::result_out_of_range) return Conversion::Ok;
    const bool negative = !plain.empty() && plain[0] == '-';
    if (Underflows(plain)) {
        value = negative ? -0.0 : 0.0;
        return Conversion::Ok;
    }
    value = negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    return Conversion::TooLarge;
}

}  // namespace

bool IsNumericText(Locale& locale, const std::string& text) {
    const std::string decimal = locale.DecimalSeparator();
    const std::string group = locale.GroupSeparator();
    std::string_view rest = TrimBlankChars(text);
    const NumberScan scan = ScanNumber(rest, decimal, group);
    if (!scan.hasDigits || !rest.empty()) return false;
    double value = 0.0;
    return ToDouble(scan.plain, value) == Conversion::Ok;
}

double LeadingNumber(std::string_view text, std::string_view decimalSeparator, std::string_view groupSeparator) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    const NumberScan scan = ScanNumber(text, decimalSeparator, groupSeparator);
    if (!scan.hasDigits) return 0.0;
    double value = 0.0;
    ToDouble(scan.plain, value);
    return value;
}

}  // namespace tidemark
