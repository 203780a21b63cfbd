#pragma once

#include "common/platform.h"
#include "main_window.h"

namespace tidemark::win32 {

// Dispatches the thread's pending window messages and returns; a WM_QUIT
// found on the way is posted again for the window's own message loop.
class Win32MessagePump final : public MessagePump {
public:
    explicit Win32MessagePump(const MainWindowHandle& mainWindow) : mainWindow_(mainWindow) {}
    void DoEvents() override;

private:
    const MainWindowHandle& mainWindow_;
};

}  // namespace tidemark::win32
