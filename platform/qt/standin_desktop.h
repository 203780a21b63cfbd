#pragma once

// Until the simulated desktop (platform/sim) provides Edge and the three
// pages on the real clock, the Linux build starts UI Automation on a desktop
// with no windows and cannot start a browser: runs find no Edge.

#include "common/platform.h"

namespace tidemark::qt {

class StandInAutomationFactory : public AutomationFactory {
public:
    uia::Ref<uia::Automation> CreateAutomation() override;
    uia::WindowHandle GetDesktopWindow() override { return kDesktopWindow; }

    static constexpr uia::WindowHandle kDesktopWindow = 0x10010;
};

class StandInProcessStarter : public ProcessStarter {
public:
    // Always throws: there is no browser to start on this desktop.
    void Start(const std::string& commandLine) override;
};

}  // namespace tidemark::qt
