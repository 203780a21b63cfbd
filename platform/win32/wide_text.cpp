#include "wide_text.h"

#include <windows.h>

#include <climits>

#include "win32_error.h"

namespace tidemark::win32 {

namespace {
int CheckedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) throw PlatformError(kEInvalidArg, "text too long to convert");
    return static_cast<int>(size);
}

std::wstring MultiByteToWide(UINT codePage, DWORD flags, std::string_view text) {
    if (text.empty()) return {};
    const int length = CheckedLength(text.size());
    const int needed = MultiByteToWideChar(codePage, flags, text.data(), length, nullptr, 0);
    if (needed == 0) ThrowLastError("MultiByteToWideChar");
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    if (MultiByteToWideChar(codePage, flags, text.data(), length, wide.data(), needed) == 0) {
        ThrowLastError("MultiByteToWideChar");
    }
    return wide;
}
}  // namespace

std::wstring ToWide(std::string_view utf8) { return MultiByteToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8); }

std::string ToUtf8(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length = CheckedLength(wide.size());
    const int needed =
        WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed == 0) ThrowLastError("WideCharToMultiByte");
    std::string utf8(static_cast<std::size_t>(needed), '\0');
    if (WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), length, utf8.data(), needed, nullptr,
                            nullptr) == 0) {
        ThrowLastError("WideCharToMultiByte");
    }
    return utf8;
}

std::string AnsiToUtf8(std::string_view ansi) { return ToUtf8(MultiByteToWide(CP_ACP, 0, ansi)); }

}  // namespace tidemark::win32
