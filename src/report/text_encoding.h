#pragma once

// The result file's text: UTF-8 (the Linux build's) or the legacy code page
// (the Windows build's ANSI text), told apart line by line, and text made
// safe to copy into the page.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tidemark::report {

// Turns legacy-code-page text into UTF-8; nullopt when it cannot.
using LegacyDecoder = std::function<std::optional<std::string>(const std::string&)>;

// Whether the text is well-formed UTF-8.
bool IsUtf8(std::string_view text);

// The text with every byte that is not part of well-formed UTF-8 shown as
// U+FFFD, a legacy double-byte character as one of them.
std::string ValidUtf8(std::string_view text);

// Valid UTF-8 of at most `most` bytes (whole characters), with "…" when cut.
std::string ClippedUtf8(std::string_view text, std::size_t most);

// The text as UTF-8: as it is when it is UTF-8, else through the platform's
// decoder, else with only ASCII and the Japanese code page's morning and
// afternoon markers kept. `legacy` is set when it was not UTF-8.
std::string DecodeLine(std::string_view text, const LegacyDecoder& decodeLegacy, bool& legacy);

}  // namespace tidemark::report
