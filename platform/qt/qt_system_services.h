#pragma once

#include "common/platform.h"

namespace tidemark::qt {

// The local wall clock: date and time of day from one reading.
class QtClock : public Clock {
public:
    LocalDateTime Now() override;
};

class QtSleeper : public Sleeper {
public:
    void Sleep(int milliseconds) override;
};

// Only the modifier keys are known off Windows; pressing keys for another
// program is a Windows matter, so key events do nothing here.
class QtKeyboard : public Keyboard {
public:
    std::array<std::uint8_t, 256> GetKeyboardState() override;
    void KeyEvent(std::uint8_t virtualKey, bool keyUp) override;
};

// USERNAME falls back to USER. The browser is simulated, so the Windows
// directory is the one a simulated Windows has.
class QtEnvironment : public Environment {
public:
    std::string Variable(const std::string& name) override;
    std::string WindowsDirectoryBuffer() override;
};

}  // namespace tidemark::qt
