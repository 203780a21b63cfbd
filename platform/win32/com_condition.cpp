#include "com_condition.h"

namespace tidemark::win32 {

IUIAutomationCondition* ConditionOf(const uia::Ref<uia::Condition>& condition) {
    if (!condition) return nullptr;
    const auto* ours = dynamic_cast<const ComCondition*>(condition.get());
    if (!ours) throw PlatformError(kEInvalidArg, "not a UI Automation condition of this platform");
    return ours->get();
}

}  // namespace tidemark::win32
