#pragma once

#include <functional>
#include <vector>

#include "common/platform.h"

namespace tidemark::sim {

struct KeyStroke {
    std::uint8_t virtualKey;
    bool keyUp;
    bool operator==(const KeyStroke&) const = default;
};

// Key states a test sets; the key events the program sends, in order.
class SimKeyboard : public Keyboard {
public:
    std::array<std::uint8_t, 256> GetKeyboardState() override { return state_; }
    void KeyEvent(std::uint8_t virtualKey, bool keyUp) override;

    void SetKeyDown(std::uint8_t virtualKey, bool down);
    const std::vector<KeyStroke>& events() const { return events_; }
    // Whatever has the focus receiving the key (the simulated Edge's address bar).
    std::function<void(const KeyStroke&)> onKeyEvent;

private:
    std::array<std::uint8_t, 256> state_{};
    std::vector<KeyStroke> events_;
};

}  // namespace tidemark::sim
