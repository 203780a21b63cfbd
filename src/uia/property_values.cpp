#include "uia/property_values.h"

namespace tidemark::uia {

bool EqualsFalse(const PropertyValue& value) {
    if (std::holds_alternative<std::monostate>(value)) return true;
    if (const auto* flag = std::get_if<bool>(&value)) return !*flag;
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number == 0;
    return false;
}

bool EqualsTrue(const PropertyValue& value) {
    if (const auto* flag = std::get_if<bool>(&value)) return *flag;
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number == -1;
    return false;
}

std::string ValueText(const PropertyValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "True" : "False";
    if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
    return {};
}

}  // namespace tidemark::uia
