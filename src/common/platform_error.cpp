#include "common/platform_error.h"

#include <cstdio>

namespace tidemark {

namespace {
std::string Describe(HResult code, const std::string& what) {
    std::string text = HResultText(code);
    if (!what.empty()) text = what + " (" + text + ")";
    return text;
}
}  // namespace

PlatformError::PlatformError(HResult code, const std::string& what)
    : std::runtime_error(Describe(code, what)), code_(code) {}

std::string HResultText(HResult code) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(code));
    return buffer;
}

}  // namespace tidemark
