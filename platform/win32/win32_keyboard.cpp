#include "win32_keyboard.h"

#include <windows.h>

#include "win32_error.h"

namespace tidemark::win32 {

std::array<std::uint8_t, 256> Win32Keyboard::GetKeyboardState() {
    std::array<std::uint8_t, 256> keys{};
    if (!::GetKeyboardState(keys.data())) ThrowLastError("GetKeyboardState");
    return keys;
}

void Win32Keyboard::KeyEvent(std::uint8_t virtualKey, bool keyUp) {
    keybd_event(virtualKey, 0, keyUp ? KEYEVENTF_KEYUP : 0, 0);
}

}  // namespace tidemark::win32
