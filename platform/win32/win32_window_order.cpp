#include "win32_window_order.h"

#include <windows.h>

#include "wide_text.h"

namespace tidemark::win32 {

// Both only ask Windows for a favour: the foreground lock or a vanished
// window may refuse it, and the program goes on either way.

void Win32WindowOrder::ActivateByTitle(const std::string& title) {
    if (HWND window = FindWindowW(nullptr, ToWide(title).c_str())) static_cast<void>(SetForegroundWindow(window));
}

void Win32WindowOrder::SetWindowPos(std::intptr_t insertAfter, std::uint32_t flags) {
    if (!mainWindow_.handle) return;
    static_cast<void>(
        ::SetWindowPos(mainWindow_.handle, reinterpret_cast<HWND>(insertAfter), 0, 0, 0, 0, static_cast<UINT>(flags)));
}

}  // namespace tidemark::win32
