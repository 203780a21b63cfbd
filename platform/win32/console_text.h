#pragma once

// Tidemark.exe's command line and the console it was started from.

#include <windows.h>

#include <string>
#include <vector>

namespace tidemark::win32 {

// The words after the program's name, as UTF-8.
std::vector<std::string> CommandArguments();

// Writes to the standard handle `which` (STD_OUTPUT_HANDLE or STD_ERROR_HANDLE).
void SayOnConsole(DWORD which, const std::string& text);

}  // namespace tidemark::win32
