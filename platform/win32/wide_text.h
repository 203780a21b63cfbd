#pragma once

// The core speaks UTF-8; Win32 and COM speak UTF-16. Text crosses here.
// Text that is not valid in its encoding throws PlatformError
// (ERROR_NO_UNICODE_TRANSLATION) rather than turning into replacement marks.

#include <string>
#include <string_view>

namespace tidemark::win32 {

std::wstring ToWide(std::string_view utf8);
std::string ToUtf8(std::wstring_view wide);

// Text in the system's ANSI code page, as the Win32 "A" functions answer it.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace tidemark::win32
