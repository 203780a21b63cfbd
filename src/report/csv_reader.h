#pragma once

// Reads a result file's bytes: UTF-8 (the Linux build's) or the legacy code
// page (the Windows build's ANSI text). The two header lines and blank lines
// are passed over; a line that is not a row of 11 fields with a date is kept
// as unreadable with its reason, and reading goes on.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/history.h"

namespace tidemark::report {

// Turns legacy-code-page text into UTF-8; nullopt when it cannot.
using LegacyDecoder = std::function<std::optional<std::string>(const std::string&)>;

History ReadHistory(std::string_view bytes, const LegacyDecoder& decodeLegacy = {});

// The fields of one CSV line: commas separate, double quotes enclose a field
// that holds commas, and a doubled quote inside them is one quote.
std::vector<std::string> SplitCsvLine(std::string_view line);

// Whether the text is well-formed UTF-8.
bool IsUtf8(std::string_view text);

// The text with every byte that is not part of well-formed UTF-8 shown as
// U+FFFD, a legacy double-byte character as one of them.
std::string ValidUtf8(std::string_view text);

}  // namespace tidemark::report
