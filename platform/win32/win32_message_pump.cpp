#include "win32_message_pump.h"

#include <windows.h>

namespace tidemark::win32 {

void Win32MessagePump::DoEvents() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        // Tab and arrow keys move between the main window's controls.
        if (mainWindow_.handle && IsDialogMessageW(mainWindow_.handle, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace tidemark::win32
