#pragma once

#include "common/platform.h"
#include "main_window.h"

namespace tidemark::win32 {

// MessageBoxW, owned by the main window once there is one.
class Win32MessageBoxes final : public MessageBoxes {
public:
    explicit Win32MessageBoxes(const MainWindowHandle& mainWindow) : mainWindow_(mainWindow) {}
    MessageAnswer Show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override;

private:
    const MainWindowHandle& mainWindow_;
};

}  // namespace tidemark::win32
