#pragma once

#include "common/platform.h"

namespace tidemark::win32 {

// The simple system beep (MessageBeep(0xFFFFFFFF)).
class Win32Beeper final : public Beeper {
public:
    void Beep() override;
};

}  // namespace tidemark::win32
