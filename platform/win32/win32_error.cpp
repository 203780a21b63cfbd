#include "win32_error.h"

namespace tidemark::win32 {

namespace {
[[noreturn]] void ThrowWin32(DWORD error, const char* what) {
    const HRESULT hr = error == ERROR_SUCCESS ? E_FAIL : HRESULT_FROM_WIN32(error);
    throw PlatformError(static_cast<HResult>(hr), what);
}
}  // namespace

void ThrowIfFailed(HRESULT hr, const char* what) {
    if (FAILED(hr)) throw PlatformError(static_cast<HResult>(hr), what);
}

void ThrowIfError(LSTATUS error, const char* what) {
    if (error != ERROR_SUCCESS) ThrowWin32(static_cast<DWORD>(error), what);
}

void ThrowLastError(const char* what) { ThrowWin32(GetLastError(), what); }

}  // namespace tidemark::win32
