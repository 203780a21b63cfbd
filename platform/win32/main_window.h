#pragma once

#include <windows.h>

namespace tidemark::win32 {

// The main window, once the window layer has created it: the owner of
// message boxes and the window that WindowOrder moves. Null until then.
struct MainWindowHandle {
    HWND handle = nullptr;
};

}  // namespace tidemark::win32
