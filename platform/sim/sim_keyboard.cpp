#include "sim/sim_keyboard.h"

namespace tidemark::sim {

void SimKeyboard::KeyEvent(std::uint8_t virtualKey, bool keyUp) {
    const KeyStroke stroke{virtualKey, keyUp};
    events_.push_back(stroke);
    SetKeyDown(virtualKey, !keyUp);
    if (onKeyEvent) onKeyEvent(stroke);
}

void SimKeyboard::SetKeyDown(std::uint8_t virtualKey, bool down) {
    std::uint8_t& entry = state_[virtualKey];
    entry = static_cast<std::uint8_t>(down ? (entry | 0x80u) : (entry & 0x7Fu));
}

}  // namespace tidemark::sim
