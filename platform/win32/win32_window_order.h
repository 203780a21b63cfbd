#pragma once

#include "common/platform.h"
#include "main_window.h"

namespace tidemark::win32 {

class Win32WindowOrder final : public WindowOrder {
public:
    explicit Win32WindowOrder(const MainWindowHandle& mainWindow) : mainWindow_(mainWindow) {}
    // Nothing happens when no top-level window has that title.
    void ActivateByTitle(const std::string& title) override;
    // Nothing happens before the main window exists.
    void SetWindowPos(std::intptr_t insertAfter, std::uint32_t flags) override;

private:
    const MainWindowHandle& mainWindow_;
};

}  // namespace tidemark::win32
