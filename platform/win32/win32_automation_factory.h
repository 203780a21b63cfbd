#pragma once

#include "common/platform.h"

namespace tidemark::win32 {

// CUIAutomation8, or CUIAutomation on a system that has only that (Windows 7).
// COM must be initialised on the calling thread.
class Win32AutomationFactory final : public AutomationFactory {
public:
    uia::Ref<uia::Automation> CreateAutomation() override;
    uia::WindowHandle GetDesktopWindow() override;
};

}  // namespace tidemark::win32
