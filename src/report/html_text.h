#pragma once

// Text copied into the page: valid UTF-8 (U+FFFD where it is not), safe for
// XML and HTML alike, and, where it comes from a file, of bounded length.

#include <string>
#include <string_view>

namespace tidemark::report {

// Every character kept.
std::string Escape(std::string_view text);

// At most `most` bytes of the text (whole characters, "…" when cut), escaped.
std::string EscapeClipped(std::string_view text, std::size_t most);

}  // namespace tidemark::report
