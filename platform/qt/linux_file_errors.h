#pragma once

#include <string>

#include "common/platform_error.h"

namespace tidemark::qt {

// The Windows error an errno value stands for, as an HRESULT (0x8007xxxx):
// ENOENT is ERROR_FILE_NOT_FOUND, EACCES ERROR_ACCESS_DENIED, ENOSPC
// ERROR_DISK_FULL and so on; an errno without a counterpart keeps its number.
HResult HResultFromErrno(int error);

// PlatformError for the errno value, naming the operation and path.
[[noreturn]] void ThrowErrno(int error, const std::string& what);

}  // namespace tidemark::qt
