#pragma once

#include <windows.h>

#include <string>

namespace tidemark::win32 {

// Reads a string value of `key` into `text` (without its terminating NUL):
// RegGetValueW with `typeFlags` (RRF_RT_REG_SZ and the like; a REG_EXPAND_SZ
// value is expanded unless RRF_NOEXPAND). Answers RegGetValueW's status,
// ERROR_FILE_NOT_FOUND for a missing value; `text` is set only on success.
LSTATUS ReadRegistryString(HKEY key, const wchar_t* name, DWORD typeFlags, std::wstring& text);

}  // namespace tidemark::win32
