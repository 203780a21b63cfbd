#pragma once

#include <utility>

#include "com_ptr.h"
#include "uia/automation.h"
#include "uia_com.h"

namespace tidemark::win32 {

class ComCondition final : public uia::Condition {
public:
    explicit ComCondition(ComPtr<IUIAutomationCondition> condition) : condition_(std::move(condition)) {}

    IUIAutomationCondition* get() const noexcept { return condition_.get(); }

private:
    ComPtr<IUIAutomationCondition> condition_;
};

// The COM condition behind a reference; null for an empty one. A condition
// made by another platform layer throws PlatformError(E_INVALIDARG).
IUIAutomationCondition* ConditionOf(const uia::Ref<uia::Condition>& condition);

}  // namespace tidemark::win32
