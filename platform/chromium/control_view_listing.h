#pragma once

#include <string>
#include <string_view>

#include "chromium/control_view.h"

namespace tidemark::chromium {

// `text` in double quotes, with `"` and `\` escaped and every character that
// would not show as itself (controls, invisible formats, private use such as
// an icon font's glyphs) as \uXXXX; bytes that are not UTF-8 as \xNN.
std::string QuotedText(std::string_view text);

// As QuotedText, without the quotes: for a message that shows what a page or the browser said.
std::string EscapedText(std::string_view text);

// An id as it is when it shows as itself and has no blank, else quoted as a name.
std::string IdText(std::string_view id);

// `Button "Name" id=x class="y"`: the id and class only when present.
std::string ElementLine(const ControlElement& element);

// The element and everything under it, one a line, two spaces deeper per level.
std::string ControlViewListing(const ControlElement& root);

}  // namespace tidemark::chromium
