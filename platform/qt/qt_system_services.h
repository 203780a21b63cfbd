#pragma once

#include <QtGlobal>

#include "common/platform.h"

namespace tidemark::qt {

// The local wall clock: date and time of day from one reading. The offset
// from UTC is looked up once per second of UTC: the C library reads the zone
// file again on every lookup, which cost more than the rest of a poll, and
// offsets change only on whole seconds.
class QtClock : public Clock {
public:
    LocalDateTime Now() override;

private:
    qint64 offsetSecond_ = -1;  // the UTC second the offset was looked up in
    int offsetSeconds_ = 0;
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
