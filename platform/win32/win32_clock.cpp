#include "win32_clock.h"

#include <windows.h>

namespace tidemark::win32 {

LocalDateTime Win32Clock::Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const int wholeSeconds = now.wHour * 3600 + now.wMinute * 60 + now.wSecond;
    return LocalDateTime{now.wYear, now.wMonth, now.wDay, wholeSeconds + now.wMilliseconds / 1000.0};
}

void Win32Sleeper::Sleep(int milliseconds) { ::Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0); }

}  // namespace tidemark::win32
