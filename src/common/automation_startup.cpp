#include "common/automation_startup.h"

namespace tidemark {

void InitAutomation(Context& context) {
    AutomationState& state = context.automation;
    if (state.initialised) return;
    if (state.MaxWaitSeconds == 0) state.MaxWaitSeconds = 10;

    AutomationFactory& factory = context.platform.automationFactory;
    state.desktopWindow = factory.GetDesktopWindow();
    // Kept aside until all three exist, so a failure leaves no half-made state.
    uia::Ref<uia::Automation> automation = factory.CreateAutomation();
    uia::Ref<uia::Element> desktop = automation->ElementFromHandle(state.desktopWindow);
    uia::Ref<uia::TreeWalker> walker = automation->ControlViewWalker();
    if (!desktop || !walker) throw PlatformError(kEFail, "UI Automation gave no desktop element or walker");

    state.automation = std::move(automation);
    state.desktop = std::move(desktop);
    state.walker = std::move(walker);
    state.initialised = true;
}

}  // namespace tidemark
