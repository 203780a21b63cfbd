#include "win32_message_pump.h"

#include <windows.h>

#include "common/nesting_count.h"

namespace tidemark::win32 {

void Win32MessagePump::DoEvents() {
    const NestingCount inside(depth_);
    if (beforeEvents_) beforeEvents_();
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        // Tab and the access keys move between the main window's controls.
        if (mainWindow_.handle && IsDialogMessageW(mainWindow_.handle, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace tidemark::win32
