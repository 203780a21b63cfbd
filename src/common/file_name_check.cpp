#include "common/file_name_check.h"

#include <array>
#include <string_view>

#include "common/text.h"

namespace tidemark {

std::string CheckFileNameChars(const std::string& name) {
    static constexpr std::string_view kForbidden = "\\/:,;*?\"<>|";
    for (char forbidden : kForbidden)
        if (name.find(forbidden) != std::string::npos) return "Error";
    return "OK";
}

bool IsWindowsDeviceName(const std::string& name) {
    // Windows ignores trailing blanks and dots, and everything from the first dot.
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && (stem.back() == ' ' || stem.back() == '.')) stem.pop_back();
    stem = LowerAscii(stem);
    static constexpr std::array<std::string_view, 4> kPlain = {"con", "nul", "aux", "prn"};
    for (auto device : kPlain)
        if (stem == device) return true;
    const bool numbered = stem.size() == 4 && (stem.rfind("com", 0) == 0 || stem.rfind("lpt", 0) == 0);
    return numbered && stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace tidemark
