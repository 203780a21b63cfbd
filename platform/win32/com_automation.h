#pragma once

#include <utility>

#include "com_ptr.h"
#include "uia/automation.h"
#include "uia_com.h"

namespace tidemark::win32 {

class ComAutomation final : public uia::Automation {
public:
    explicit ComAutomation(ComPtr<IUIAutomation> automation) : automation_(std::move(automation)) {}

    uia::Ref<uia::Element> ElementFromHandle(uia::WindowHandle window) override;
    uia::Ref<uia::TreeWalker> ControlViewWalker() override;
    uia::Ref<uia::Condition> CreatePropertyCondition(uia::PropertyId id, const uia::PropertyValue& value) override;
    uia::Ref<uia::Condition> CreatePropertyConditionEx(uia::PropertyId id, const uia::PropertyValue& value,
                                                       std::int32_t flags) override;
    uia::Ref<uia::Condition> CreateAndCondition(const uia::Ref<uia::Condition>& first,
                                                const uia::Ref<uia::Condition>& second) override;
    uia::Ref<uia::Condition> CreateTrueCondition() override;

private:
    ComPtr<IUIAutomation> automation_;
};

}  // namespace tidemark::win32
