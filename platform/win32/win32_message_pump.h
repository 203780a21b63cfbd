#pragma once

#include <functional>

#include "common/platform.h"
#include "main_window.h"

namespace tidemark::win32 {

// Dispatches the thread's pending window messages and returns; a WM_QUIT
// found on the way is posted again for the window's own message loop.
class Win32MessagePump final : public MessagePump {
public:
    explicit Win32MessagePump(const MainWindowHandle& mainWindow) : mainWindow_(mainWindow) {}
    void DoEvents() override;

    // Called first in every DoEvents: the window draws Form1's state, so that
    // what a handler changed in the middle of a wait shows at once.
    void SetBeforeEvents(std::function<void()> beforeEvents) { beforeEvents_ = std::move(beforeEvents); }
    // Above 0 while a handler waits inside DoEvents.
    int depth() const { return depth_; }

private:
    const MainWindowHandle& mainWindow_;
    std::function<void()> beforeEvents_;
    int depth_ = 0;
};

}  // namespace tidemark::win32
