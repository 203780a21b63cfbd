#pragma once

#include "common/platform.h"

namespace tidemark::win32 {

// The local wall clock, to the millisecond (GetLocalTime).
class Win32Clock final : public Clock {
public:
    LocalDateTime Now() override;
};

class Win32Sleeper final : public Sleeper {
public:
    void Sleep(int milliseconds) override;
};

}  // namespace tidemark::win32
