#pragma once

// Turns what Win32 and COM report into PlatformError, the one exception the
// core knows.

#include <windows.h>

#include "common/platform_error.h"

namespace tidemark::win32 {

// Throws PlatformError(hr) for a failed HRESULT; S_FALSE and other success
// codes pass.
void ThrowIfFailed(HRESULT hr, const char* what);

// Throws PlatformError(HRESULT_FROM_WIN32(error)) unless error is ERROR_SUCCESS.
void ThrowIfError(LSTATUS error, const char* what);

// Throws PlatformError(HRESULT_FROM_WIN32(GetLastError())); E_FAIL when the
// failing call left no error code behind.
[[noreturn]] void ThrowLastError(const char* what);

}  // namespace tidemark::win32
