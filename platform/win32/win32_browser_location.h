#pragma once

#include "common/platform.h"

namespace tidemark::win32 {

// Edge where Windows registers it: the default value of its App Paths key,
// per user, then per machine in the 64-bit and the 32-bit registry views;
// then msedge.exe in the 64-bit Program Files folder (%ProgramW6432%). The
// first of these that is a file wins. A candidate that cannot be read is
// passed over: this is a fallback, not a reason to fail.
class Win32BrowserLocation final : public BrowserLocation {
public:
    std::optional<std::string> FindInstalled() override;
};

}  // namespace tidemark::win32
