#pragma once

#include <string>
#include <string_view>

namespace tidemark {

// Without leading and trailing blanks (spaces only).
std::string TrimBlanks(std::string_view text);

// ASCII letters lowered; other bytes (UTF-8 included) unchanged.
std::string LowerAscii(std::string_view text);

}  // namespace tidemark
