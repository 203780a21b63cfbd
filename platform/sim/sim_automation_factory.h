#pragma once

#include "common/platform.h"
#include "sim/desktop.h"

namespace tidemark::sim {

// Hands out the simulated desktop's automation object, or fails as a
// system without UI Automation does (class not registered, under Wine).
class SimAutomationFactory : public AutomationFactory {
public:
    explicit SimAutomationFactory(Desktop& desktop) : desktop_(desktop) {}

    uia::Ref<uia::Automation> CreateAutomation() override;
    uia::WindowHandle GetDesktopWindow() override { return Desktop::kDesktopHandle; }

    // CreateAutomation throws this code; kSOk makes it work again.
    void FailWith(HResult code) { failure_ = code; }
    int created() const { return created_; }

private:
    Desktop& desktop_;
    HResult failure_ = kSOk;
    int created_ = 0;
};

}  // namespace tidemark::sim
