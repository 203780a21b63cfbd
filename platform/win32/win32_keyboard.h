#pragma once

#include "common/platform.h"

namespace tidemark::win32 {

class Win32Keyboard final : public Keyboard {
public:
    std::array<std::uint8_t, 256> GetKeyboardState() override;
    void KeyEvent(std::uint8_t virtualKey, bool keyUp) override;
};

}  // namespace tidemark::win32
