#pragma once

#include <windows.h>

#include <string>

namespace tidemark::win32::testing {

// When TIDEMARK_SCREENSHOT_DIR names a folder, tells the screenshot script
// that the window shows `name` (the file <name>.ready holds its screen
// rectangle) and keeps the window drawn until the script answers with
// <name>.done. Answers false when no answer came in time. Without the
// variable it returns true at once.
bool HoldForScreenshot(HWND window, const std::wstring& name);

}  // namespace tidemark::win32::testing
