#include "sim/sim_automation_factory.h"

namespace tidemark::sim {

uia::Ref<uia::Automation> SimAutomationFactory::CreateAutomation() {
    if (failure_ != kSOk) throw PlatformError(failure_, "sim: UI Automation cannot be created");
    ++created_;
    return desktop_.CreateAutomation();
}

}  // namespace tidemark::sim
