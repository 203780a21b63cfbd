#include "win32_environment.h"

#include <windows.h>

#include "wide_text.h"
#include "win32_error.h"

namespace tidemark::win32 {

std::string Win32Environment::Variable(const std::string& name) {
    const std::wstring wideName = ToWide(name);
    std::wstring value;
    // The variable may grow between asking its size and reading it.
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        const DWORD capacity = static_cast<DWORD>(value.size());
        const DWORD length =
            GetEnvironmentVariableW(wideName.c_str(), value.empty() ? nullptr : value.data(), capacity);
        if (length == 0) {
            const DWORD error = GetLastError();
            if (error == ERROR_SUCCESS || error == ERROR_ENVVAR_NOT_FOUND) return {};
            ThrowLastError("GetEnvironmentVariableW");
        }
        if (length < capacity) {
            value.resize(length);
            return ToUtf8(value);
        }
        value.assign(length, L'\0');  // length counts the terminating NUL here
    }
}

std::string Win32Environment::WindowsDirectoryBuffer() {
    constexpr UINT kBufferLength = 260;
    std::string buffer(kBufferLength, ' ');
    // As the program has always called it: the answer's length is not read,
    // the caller trims the buffer at its first NUL.
    static_cast<void>(GetWindowsDirectoryA(buffer.data(), kBufferLength));
    const std::size_t end = buffer.find('\0');
    if (end == std::string::npos) return AnsiToUtf8(buffer);
    return AnsiToUtf8(std::string_view(buffer).substr(0, end)) + buffer.substr(end);
}

}  // namespace tidemark::win32
